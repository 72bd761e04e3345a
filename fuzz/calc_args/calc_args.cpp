// The argument texts of the module's calculation classes: any text is accepted (unreadable numbers
// keep their defaults), and the text GetArgs gives back is stable: set again it gives itself, and a
// clone gives it too.

#include "analysis/CalcEnumClasses.h"
#include "core/String.h"
#include "fuzz/support/FuzzCheck.h"
#include "fuzz/support/FuzzInput.h"
#include "platform/win32/com_ptr.h"

#include <string>

namespace {

std::u16string argsText(ICalcEnum* calc) {
    IAutoOvoString* text = nullptr;
    FUZZ_CHECK(calc->GetArgs(&text) == S_OK, "GetArgs answers");
    Ovo::String s;
    s.Adopt(text);
    return s.ToU16String();
}

void setArgs(ICalcEnum* calc, const std::u16string& text) {
    auto rep = ComPtr<IAutoOvoString>::Adopt(Ovo::String(text).GetInterface());
    DWORD flags = 0;
    FUZZ_CHECK(calc->SetArgs(rep.Get(), &flags) == S_OK, "SetArgs accepts any text");
    FUZZ_CHECK((flags & kCalcArgsAccepted) != 0, "and says so");
}

std::string utf8(const std::u16string& text) {
    return Ovo::String(text).ToUtf8();
}

} // namespace

// The first byte chooses the class; the rest is the text, a byte per UTF-16 unit except that 0xFF
// takes the next two bytes as one unit.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Fuzz::Input in(data, size);
    const auto& classes = CalcEnums::CalcClassObjects();
    ICalcEnumClass2* calcClass = classes[in.below(classes.size())];
    std::u16string text;
    while (!in.empty()) {
        const std::uint8_t b = in.byte();
        text += b == 0xFF ? in.raw<char16_t>() : static_cast<char16_t>(b);
    }
    ComPtr<ICalcEnum> calc;
    FUZZ_CHECK(calcClass->CreateEnumerator(nullptr, calc.Put()) == S_OK && calc, "an enumerator is made");
    setArgs(calc.Get(), text);
    const std::u16string first = argsText(calc.Get());
    setArgs(calc.Get(), first);
    const std::u16string second = argsText(calc.Get());
    FUZZ_CHECK(second == first, "GetArgs gives a text that SetArgs reads back: " + utf8(first) + " then " +
                                    utf8(second) + " from " + utf8(text));
    ComPtr<ICalcEnum> clone;
    FUZZ_CHECK(calc->Clone(clone.Put()) == S_OK && clone, "a clone is made");
    FUZZ_CHECK(argsText(clone.Get()) == first, "a clone keeps the arguments: " + utf8(first));
    Fuzz::withinBudget("setting the arguments", size, std::chrono::milliseconds(100),
                       std::chrono::microseconds(2), [&] { setArgs(calc.Get(), text); });
    return 0;
}
