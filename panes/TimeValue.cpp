#include "panes/TimeValue.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

#include "core/LocaleInfo.h"
#include "core/basic_ostrstream.h"

namespace StrevDraw {

namespace {

std::wstring Wide(const WCHAR* text) {
    std::wstring result;
    for (; text && *text; ++text)
        result.push_back(static_cast<wchar_t>(*text));
    return result;
}

} // namespace

const TimeTextSettings& TimeTextSettings::Current() {
    static const TimeTextSettings settings = [] {
        const LocaleInfo& info = LocaleInfo::Instance();
        TimeTextSettings s;
        s.timeSeparator = Wide(info.TimeSeparator());
        s.is24Hour = info.Is24Hour();
        s.am = Wide(info.AMDesignator());
        s.pm = Wide(info.PMDesignator());
        return s;
    }();
    return settings;
}

double RecordTimeDifference(const RecordTime& a, const RecordTime& b) {
    if (std::isfinite(a.mCorrection) && std::isfinite(b.mCorrection))
        return (a.mLocal + a.mCorrection) - (b.mLocal + b.mCorrection);
    return a.mLocal - b.mLocal;
}

const TimeTextSettings& TimeValue::Settings() const {
    return mSettings ? *mSettings : TimeTextSettings::Current();
}

void TimeValue::SetTime(std::uint32_t displayFlags, const RecordTime& base, bool relative, double seconds,
                        const RecordTime& reference) {
    mDisplayFlags = displayFlags;
    switch (displayFlags & 0xFF) {
    case kSinceReference:
        mTextFlags = kTextElapsed;
        if (!relative)
            seconds += RecordTimeDifference(base, reference);
        break;
    case kWithinBlock:
        mTextFlags = kTextElapsed;
        break;
    case kTimeOfDay:
        mTextFlags = 0;
        if (!Settings().is24Hour && !(displayFlags & kUniversalTime))
            mTextFlags |= kTextTwelveHour;
        if (!relative) {
            if (!(displayFlags & kUniversalTime))
                seconds += base.mLocal;
            else
                seconds += std::isfinite(base.mCorrection) ? base.mLocal + base.mCorrection : base.mLocal;
        }
        break;
    default:
        return;
    }
    SetSeconds(seconds);
}

void TimeValue::Split(double magnitude) {
    mSeconds = std::fmod(magnitude, 60.0);
    mMinutes = static_cast<int>(std::floor(std::fmod(magnitude / 60.0, 60.0)));
    mHours = static_cast<int>(std::floor(magnitude / 3600.0));
}

// Seconds within the margin below a full minute are shown as that minute; the
// part removed is kept as the carry so that the total stays exact.
void TimeValue::RoundNearMinute() {
    if (60.0 - mSeconds < mMargin) {
        mCarry = mNegative ? -(60.0 - mSeconds) : 60.0 - mSeconds;
        mSeconds = 0.0;
        if (++mMinutes == 60) {
            mMinutes = 0;
            ++mHours;
        }
    }
}

void TimeValue::SetSeconds(double x) {
    mCarry = 0.0;
    if (IsPlain()) {
        mSeconds = x;
        mNegative = false;
        mMinutes = mHours = 0;
        return;
    }
    mNegative = x < 0;
    Split(std::fabs(x));
    RoundNearMinute();
}

double TimeValue::TotalSeconds(std::uint32_t textFlags) const {
    if (IsPlain())
        return mSeconds;
    const int h = (textFlags & kTextHoursMod24) ? mHours % 24 : mHours;
    const double magnitude = (static_cast<double>(h) * 60.0 + mMinutes) * 60.0 + mSeconds;
    // The carry is signed like the time: a negative time rounded up in magnitude gives back a
    // negative carry.
    return (mNegative ? -magnitude : magnitude) - mCarry;
}

void TimeValue::SetDigits() {
    const int old = mDigits;
    mDigits = 6;
    mMargin = 0.51e-6;
    if (old != mDigits)
        SetSeconds(TotalSeconds(mTextFlags));
}

void TimeValue::AddSeconds(double delta) {
    if (IsPlain()) {
        mSeconds += delta;
        return;
    }
    mSeconds -= std::fabs(mCarry);
    mCarry = 0.0;
    mSeconds += mNegative ? -delta : delta;
    const double wholeMinutes = std::floor(mSeconds / 60.0);
    mSeconds -= wholeMinutes * 60.0;
    const double minutes = mMinutes + wholeMinutes;
    const double wholeHours = std::floor(minutes / 60.0);
    mMinutes = static_cast<int>(minutes - wholeHours * 60.0);
    mHours += static_cast<int>(wholeHours);
    if (mHours < 0) { // crossed zero
        const double magnitude = -((static_cast<double>(mHours) * 60.0 + mMinutes) * 60.0 + mSeconds);
        mNegative = !mNegative;
        Split(magnitude);
    }
    RoundNearMinute();
}

namespace {

std::wstring Fixed(const std::locale& locale, double value, int digits) {
    std::wostringstream text;
    text.imbue(locale);
    text << std::fixed << std::setprecision(digits) << value;
    return text.str();
}

// Trailing zeros of the fraction go, never the digit right after the point; then a
// remaining ".0" goes unless keepPointZero.
void TrimZeros(std::wstring& text, wchar_t point, bool keepPointZero) {
    const auto at = text.find(point);
    if (at == std::wstring::npos)
        return;
    std::size_t end = text.size();
    while (end > at + 2 && text[end - 1] == L'0')
        --end;
    text.resize(end);
    if (!keepPointZero && end == at + 2 && text[at + 1] == L'0')
        text.resize(at);
}

} // namespace

void TimeValue::WriteText(std::wostream& out, std::uint32_t flags) const {
    const std::locale locale = out.getloc();
    const wchar_t point = std::use_facet<std::numpunct<wchar_t>>(locale).decimal_point();
    if (IsPlain()) {
        std::wstring text = Fixed(locale, mSeconds, mDigits);
        if (!(flags & kTextKeepZeros))
            TrimZeros(text, point, true);
        out << text;
        return;
    }
    out.unsetf(std::ios_base::floatfield);
    if (flags & kTextElapsed)
        flags &= ~(kTextHoursMod24 | kTextTwelveHour);
    else
        flags |= kTextHoursMod24;
    const TimeTextSettings& settings = Settings();
    const bool milliseconds = (mDisplayFlags & kMilliseconds) && Mode() != kTimeOfDay;
    const bool clock = !milliseconds && !(mDisplayFlags & kTotalSeconds);

    std::wstring number;
    bool padSeconds = false;
    if (milliseconds) {
        number = Fixed(locale, TotalSeconds(flags) * 1000.0, mDigits);
    } else if (!clock) {
        number = Fixed(locale, TotalSeconds(flags), mDigits);
    } else {
        const bool hasSeconds = mSeconds > 1e-6;
        if (mNegative && (hasSeconds || mMinutes != 0 || mHours != 0))
            out << L'-';
        int h = (flags & kTextHoursMod24) ? mHours % 24 : mHours;
        if (flags & kTextTwelveHour) {
            if (h > 12)
                h -= 12;
            else if (h == 0)
                h = 12;
        }
        if ((flags & kTextAlwaysHM) || !(flags & kTextElapsed)) {
            out << h << settings.timeSeparator << std::setw(2) << std::setfill(L'0') << mMinutes
                << std::setfill(L' ') << settings.timeSeparator;
            padSeconds = true;
        } else {
            const bool letters = (flags & kTextUnitLetters) != 0;
            const std::wstring hourSep = letters ? L"h" : settings.timeSeparator;
            const std::wstring minuteSep = letters ? L"m" : settings.timeSeparator;
            if (mHours != 0)
                out << h << hourSep;
            if (mMinutes != 0 || mHours != 0) {
                if (mHours != 0)
                    out << std::setw(2) << std::setfill(L'0') << mMinutes << std::setfill(L' ');
                else
                    out << mMinutes;
                out << minuteSep;
                padSeconds = true;
            }
        }
        number = Fixed(locale, hasSeconds ? mSeconds : 0.0, mDigits);
    }
    if (!(flags & kTextKeepZeros))
        TrimZeros(number, point, (flags & kTextAlwaysHM) != 0);
    if (padSeconds) {
        const auto whole = number.find(point);
        if ((whole == std::wstring::npos ? number.size() : whole) < 2)
            number.insert(0, 1, L'0');
    }
    out << number;
    if (flags & kTextUnitLetters)
        out << L's';
    if (clock && (flags & kTextTwelveHour))
        out << L' ' << ((mHours % 24) < 12 ? settings.am : settings.pm);
    if (flags & kTextUnit) {
        if (milliseconds)
            out << L" ms";
        else if ((mMinutes == 0 && mHours == 0 && (flags & kTextElapsed)) || (mDisplayFlags & kTotalSeconds))
            out << L" s";
    }
    if ((flags & kTextUT) && (mDisplayFlags & kUniversalTime) && !(flags & kTextElapsed))
        out << L" UT";
}

const wchar_t* TimeValue::ToText() const {
    static wchar_t buffer[31];
    Ovo::basic_ostrstream<wchar_t> out(buffer, 30);
    WriteText(out, mTextFlags);
    buffer[out.pcount()] = L'\0';
    return buffer;
}

} // namespace StrevDraw
