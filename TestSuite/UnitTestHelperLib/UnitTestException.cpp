#include "TestSuite/UnitTestHelperLib/UnitTestException.h"

#include "core/OStringStream.h"

namespace ExtLib {

Ovo::String FormatTestFailure(const char* expression, const char* file, std::int32_t line,
                              const Ovo::String& message) {
    Ovo::String name(file);
    const int slash = name.FindLastOf(Ovo::String(u"\\"), name.Length());
    if (slash >= 0)
        name.Erase(0, slash + 1);
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << name.ToWString() << L", Line " << line;
    if (expression && *expression)
        text << L" [" << Ovo::String(expression).ToWString() << L"]";
    if (!message.IsEmpty())
        text << L", [" << message.ToWString() << L"]";
    return text.str();
}

void Fail(const CheckSite& site, const Ovo::String& message) {
    throw UnitTestException(FormatTestFailure(site.expression, site.file, site.line, message));
}

} // namespace ExtLib
