#pragma once
// A time of the recording panes' time axis, split into hours, minutes and
// seconds, and written as the axis shows it: time since a reference point,
// time within a block, or time of day.
//
// Display flags (the host's time-display setting): low byte the mode
// (kSinceReference, kWithinBlock, kTimeOfDay); kPlainSeconds, kMilliseconds,
// kUniversalTime, kTotalSeconds. Text flags: the kText... bits below.

#include <cstdint>
#include <ostream>
#include <string>

#include "platform/vantrel/IStrevRecordDrawer.h"

namespace StrevDraw {

// The regional settings a time text uses besides the stream's decimal point.
struct TimeTextSettings {
    std::wstring timeSeparator = L":";
    bool is24Hour = true;
    std::wstring am = L"AM";
    std::wstring pm = L"PM";

    // The user's settings (LocaleInfo).
    static const TimeTextSettings& Current();
};

class TimeValue {
public:
    enum : std::uint32_t {
        kSinceReference = 1,
        kWithinBlock = 2,
        kTimeOfDay = 3,
        kPlainSeconds = 0x10000000,
        kMilliseconds = 0x20000000,
        kUniversalTime = 0x40000000,
        kTotalSeconds = 0x80000000,
    };
    enum : std::uint32_t {
        kTextUnitLetters = 0x80000,  // 'h', 'm' for the separators and 's' after the seconds
        kTextKeepZeros = 0x100000,   // keep trailing zeros of the seconds
        kTextUT = 0x200000,          // " UT" after a universal time
        kTextHoursMod24 = 0x2000000, // hours modulo 24
        kTextTwelveHour = 0x4000000, // 12-hour clock with the a.m./p.m. designator
        kTextAlwaysHM = 0x8000000,   // always hours and minutes
        kTextUnit = 0x10000000,      // " s" or " ms"
        kTextElapsed = 0x20000000,   // leading zero hours and minutes left out
    };

    TimeValue() = default;
    // The settings used instead of the user's (not owned; must outlive the value).
    void SetTextSettings(const TimeTextSettings* settings) { mSettings = settings; }

    // Takes the display flags and the text flags of their mode, and stores seconds,
    // relative to base unless relative is set (reference: the first record's time, mode 1).
    void SetTime(std::uint32_t displayFlags, const RecordTime& base, bool relative, double seconds,
                 const RecordTime& reference = {});
    void SetSeconds(double x);
    double TotalSeconds(std::uint32_t textFlags) const;
    double TotalSeconds() const { return TotalSeconds(mTextFlags); }
    void SetDigits();
    void AddSeconds(double delta);
    void WriteText(std::wostream& out, std::uint32_t textFlags) const;
    // The text with the value's own flags in one shared buffer of 31 characters (30 and a
    // terminator), overwritten by the next call.
    const wchar_t* ToText() const;

    std::uint32_t DisplayFlags() const { return mDisplayFlags; }
    std::uint32_t TextFlags() const { return mTextFlags; }
    void SetTextFlags(std::uint32_t flags) { mTextFlags = flags; }
    std::uint32_t Mode() const { return mDisplayFlags & 0xFF; }
    int Hours() const { return mHours; }
    int Minutes() const { return mMinutes; }
    double Seconds() const { return mSeconds; }
    bool IsNegative() const { return mNegative; }

private:
    const TimeTextSettings& Settings() const;
    bool IsPlain() const { return (mDisplayFlags & kPlainSeconds) != 0; }
    void Split(double magnitude);
    void RoundNearMinute();

    double mSeconds = 0.0;
    std::uint32_t mDisplayFlags = 0;
    std::uint32_t mTextFlags = 0;
    int mMinutes = 0;
    int mHours = 0;
    int mDigits = 0;
    double mMargin = 0.51;
    double mCarry = 0.0;
    bool mNegative = false;
    const TimeTextSettings* mSettings = nullptr;
};

// (a.local + a.correction) - (b.local + b.correction), or a.local - b.local when a
// correction is not finite.
double RecordTimeDifference(const RecordTime& a, const RecordTime& b);

} // namespace StrevDraw
