#include "platform/owl/TModule.h"

#include <string_view>

#include "platform/owl/TXOwl.h"
#include "platform/theme/ThemeLibrary.h"

namespace OWL {
namespace {

// The in-process libraries: each is found by its file name, may be absent
// (tests switch the theme library off) and answers entries by name.
struct Library {
    bool (*matches)(std::u16string_view name);
    bool (*present)();
    void* (*entry)(std::string_view name);
};

bool ThemePresent() {
    return theme::CurrentSwitches().libraryPresent;
}

constexpr Library kLibraries[] = {{&theme::IsLibraryName, &ThemePresent, &theme::Entry}};

const Library* Find(std::u16string_view name) {
    for (const Library& l : kLibraries)
        if (l.matches(name) && l.present())
            return &l;
    return nullptr;
}

HINSTANCE HandleOf(const Library& l) {
    return reinterpret_cast<HINSTANCE>(const_cast<Library*>(&l));
}

std::string Narrow(const std::u16string& s) {
    std::string out;
    for (char16_t c : s)
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return out;
}

} // namespace

TModule::TModule(LPCWSTR name, HINSTANCE instance) : mName(name ? name : u""), mInstance(instance) {}

TModule::TModule(LPCWSTR name, bool loadNow, bool mustLoad, bool) : mName(name ? name : u"") {
    if (!loadNow)
        return;
    if (const Library* l = Find(mName)) {
        mLibrary = l;
        mInstance = HandleOf(*l);
    } else if (mustLoad) {
        throw TXInvalidModule("The library \"" + Narrow(mName) + "\" cannot be loaded.");
    }
}

TModule::~TModule() = default;

void* TModule::GetProcAddress(LPCSTR name) const {
    if (mLibrary == nullptr || name == nullptr)
        return nullptr;
    return static_cast<const Library*>(mLibrary)->entry(name);
}

} // namespace OWL
