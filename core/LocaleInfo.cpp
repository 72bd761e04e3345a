#include "core/LocaleInfo.h"

#include <clocale>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <stdexcept>
#include <string>

#include "core/CRTBug_UserRadix_NoThousandsSep.h"
#include "core/OFormatStringStream.h"
#include "core/ResourceStrings.h"
#include "core/time_getEx.h"
#include "platform/user/msgbox_api.h"
#include "platform/win32/locale.h"

namespace {

// Texts of the host's string table.
constexpr UINT kCaptionText = 20007;
constexpr UINT kUnreadableText = 20008;
constexpr UINT kSameAsDateText = 20009;
constexpr UINT kSameAsListText = 20010;
constexpr UINT kUnsupportedText = 20011; // %1: the separator written out
constexpr UINT kThousandsText = 20013;
constexpr UINT kAdviceText = 20018;

// Numbers that must read back exactly as written with the module locale.
struct RoundTrip {
    UINT text;
    double value;
};
constexpr RoundTrip kRoundTrips[] = {
    {20012, 1234.5}, {20014, -0.5}, {20015, 1.25e20}, {20016, 1e-300}, {20017, 1e300},
};

Ovo::String HostText(UINT id) {
    Ovo::String text;
    Ovo::LoadResString(text, nullptr, id, true);
    return text;
}

bool ReadWide(LCTYPE type, WCHAR* buffer, int size) {
    return GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, size) > 0;
}

bool ReadNumber(LCTYPE type, std::int32_t& value) {
    WCHAR buffer[8] = {};
    if (!ReadWide(type, buffer, 8))
        return false;
    value = 0;
    for (const WCHAR* c = buffer; *c >= u'0' && *c <= u'9' && value < 100000; ++c)
        value = value * 10 + (*c - u'0');
    return true;
}

bool ReadText(LCTYPE type, Ovo::String& text) {
    const int size = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, nullptr, 0);
    if (size <= 0)
        return false;
    std::u16string buffer(static_cast<std::size_t>(size), u'\0');
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer.data(), size) != size)
        return false;
    text = Ovo::String(buffer.c_str());
    return true;
}

// "ab" (U+0061 U+0062): the separator and the code of each of its units.
Ovo::String WrittenOut(const WCHAR* separator) {
    std::wostringstream text;
    text.imbue(std::locale::classic());
    text << L'"' << Ovo::String(separator).ToWString() << L"\" (";
    for (const WCHAR* c = separator; *c; ++c)
        text << (c == separator ? L"" : L" ") << L"U+" << std::hex << std::uppercase << std::setw(4)
             << std::setfill(L'0') << static_cast<unsigned>(*c);
    text << L')';
    return Ovo::String(text.str());
}

bool ReadsBack(const std::locale& locale, double value) {
    std::wostringstream out;
    out.imbue(locale);
    out << std::setprecision(17) << value;
    std::wistringstream in(out.str());
    in.imbue(locale);
    double back = 0;
    in >> back;
    return !in.fail() && in.peek() == std::char_traits<wchar_t>::eof() && back == value;
}

} // namespace

const LocaleInfo& LocaleInfo::Instance() {
    static LocaleInfo info;
    static const bool built = (info.Build(), true);
    (void)built;
    return info;
}

LocaleInfo::LocaleInfo() {
    mReadFailed = !ReadValues();
    CheckSeparators();
    CheckRoundTrips();
}

LocaleInfo::~LocaleInfo() {
    if (mInstalled)
        std::locale::global(std::locale::classic());
}

bool LocaleInfo::ReadValues() {
    // The first value that cannot be read ends the reading.
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, mDecimalA, 8) > 0 &&
           ReadWide(LOCALE_SDECIMAL, mDecimal, 8) && ReadWide(LOCALE_STHOUSAND, mThousands, 8) &&
           ReadWide(LOCALE_STIME, mTime, 8) && ReadWide(LOCALE_SDATE, mDate, 8) &&
           ReadWide(LOCALE_SLIST, mList, 8) && ReadWide(LOCALE_S1159, mAM, 16) &&
           ReadWide(LOCALE_S2359, mPM, 16) && ReadNumber(LOCALE_ITIME, mTimeMode) &&
           ReadNumber(LOCALE_ITIMEMARKPOSN, mTimeMarkPosition) &&
           ReadNumber(LOCALE_IDEFAULTCODEPAGE, mOemCodePage) && ReadText(LOCALE_STIMEFORMAT, mTimeFormat) &&
           ReadText(LOCALE_SLONGDATE, mLongDate) && ReadText(LOCALE_SSHORTDATE, mShortDate);
}

void LocaleInfo::Build() {
    const char* numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (numeric && std::strcmp(numeric, "C") == 0) {
        std::locale::global(MakeLocale());
        mInstalled = true;
    }
    ShowWarnings();
}

std::locale LocaleInfo::MakeLocale() const {
    std::locale base = std::locale::classic();
    try {
        base = std::locale("");
    } catch (const std::runtime_error&) {
        // The environment names a locale this system does not have.
    }
    const wchar_t decimal = mDecimal[0] ? static_cast<wchar_t>(mDecimal[0]) : L'.';
    const wchar_t thousands = mThousands[0] ? static_cast<wchar_t>(mThousands[0]) : L',';
    const char decimalA = mDecimalA[0] ? mDecimalA[0] : '.';
    const char thousandsA = static_cast<char>(thousands < 0x80 ? thousands : L',');
    std::locale locale(base, new Ovo::time_getEx(base, Ovo::String(mDate).ToWString()));
    locale = std::locale(locale, new CRTBug_UserRadix_NoThousandsSep<wchar_t>("C", decimal, thousands));
    return std::locale(locale, new CRTBug_UserRadix_NoThousandsSep<char>("C", decimalA, thousandsA));
}

void LocaleInfo::CheckSeparators() {
    const std::u16string decimal(mDecimal);
    if (decimal == mDate)
        AddWarning(HostText(kSameAsDateText));
    if (decimal == mList)
        AddWarning(HostText(kSameAsListText));
    if (decimal != u"." && decimal != u",") {
        Ovo::OFormatStringStream text(HostText(kUnsupportedText));
        text << WrittenOut(mDecimal);
        AddWarning(text.str());
    }
}

void LocaleInfo::CheckRoundTrips() {
    bool failed = false;
    if (mThousands[0] && std::u16string(mThousands) == mDecimal) {
        AddWarning(HostText(kThousandsText));
        failed = true;
    }
    const std::locale locale = MakeLocale();
    for (const RoundTrip& check : kRoundTrips) {
        if (!ReadsBack(locale, check.value)) {
            AddWarning(HostText(check.text));
            failed = true;
        }
    }
    if (failed)
        AddWarning(HostText(kAdviceText));
}

void LocaleInfo::AddWarning(const Ovo::String& text) {
    if (!mWarning.IsEmpty())
        mWarning += u"\n";
    mWarning += text;
}

void LocaleInfo::ShowWarnings() const {
    const Ovo::String caption = HostText(kCaptionText);
    if (mReadFailed)
        MessageBoxW(nullptr, HostText(kUnreadableText).c_str(), caption.c_str(), MB_TASKMODAL);
    if (!mWarning.IsEmpty())
        MessageBoxW(nullptr, mWarning.c_str(), caption.c_str(), MB_TASKMODAL);
}
