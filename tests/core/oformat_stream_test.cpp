#include "core/OFormatStringStream.h"

#include <gtest/gtest.h>

#include <locale>
#include <vector>

namespace {

struct FormatCase {
    const char16_t* format;
    std::vector<const wchar_t*> arguments;
    const char16_t* expected;
};

std::u16string Format(const FormatCase& c) {
    Ovo::OFormatStringStream out{Ovo::String(c.format)};
    for (const wchar_t* argument : c.arguments)
        out << argument;
    return out.str().ToU16String();
}

TEST(OFormatStream, SubstitutesPlaceholdersByNumber) {
    const FormatCase cases[] = {
        {u"From %1 to %2.", {L"3", L"7"}, u"From 3 to 7."},
        {u"%2 before %1", {L"a", L"b"}, u"b before a"},
        {u"No placeholder, 50%% off", {}, u"No placeholder, 50%% off"},
        {u"%1%% of %2", {L"40", L"the loops"}, u"40% of the loops"},
        {u"%1\\2", {L"5"}, u"52"},
        {u"%1 and %2", {L"x", L"y", L"surplus"}, u"x and y"},
        {u"only %3", {L"a", L"b", L"c"}, u"only c"},
        {u"%0 stays", {}, u"%0 stays"},
        {u"100%", {}, u"100%"},
        {u"%1 %% %2 %%", {L"a", L"b"}, u"a % b %"},
        {u"%1%%%2", {L"a", L"b"}, u"a%b"},
        {u"%1, %1", {L"twice"}, u"twice, twice"},
        {u"%21 is literal, %1 is not", {L"one"}, u"%21 is literal, one is not"},
        {u"%-1 and % 1 and %+1, %1", {L"a"}, u"%-1 and % 1 and %+1, a"},
        {u"%01 pads", {L"a"}, u"a pads"},
        {u"%1 at the end %", {L"a"}, u"a at the end %"},
        {u"\u00e9%1\U0001F600", {L"\u00fc"}, u"\u00e9\u00fc\U0001F600"},
    };
    for (const FormatCase& c : cases)
        EXPECT_EQ(Format(c), c.expected)
            << std::string(c.format, c.format + std::char_traits<char16_t>::length(c.format));
}

TEST(OFormatStream, WritesNothingUntilTheLastExpectedArgument) {
    Ovo::OFormatStringStream out(Ovo::String(u"%1-%2-%3"));
    out << L"a" << L"b";
    EXPECT_TRUE(out.str().IsEmpty());
    out << L"c";
    EXPECT_EQ(out.str().ToU16String(), u"a-b-c");
}

TEST(OFormatStream, ArgumentsAreBuiltWithOrdinaryInsertions) {
    Ovo::OFormatStringStream out(Ovo::String(u"%2 of %1 (%3)"));
    out.ArgumentStream().imbue(std::locale::classic());
    out << 12;
    out.EndArgument();
    out << std::fixed << 2.5 << L" ms"; // a text closes the argument
    out << Ovo::String(u"done");
    EXPECT_EQ(out.str().ToU16String(), u"2.500000 ms of 12 (done)");
}

TEST(OFormatStream, TextBeyondTheArgumentBufferIsCutNotOverrun) {
    Ovo::OFormatStringStream out(Ovo::String(u"[%1][%2]"));
    const std::wstring longText(1500, L'x');
    out << longText.c_str() << L"lost";
    EXPECT_EQ(out.str().ToWString(), L"[" + std::wstring(1024, L'x') + L"][]");
}

} // namespace
