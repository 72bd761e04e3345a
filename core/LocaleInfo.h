#pragma once
// The module locale and the user's regional settings it is built from.
//
// Numbers the module shows follow the user's decimal separator and are never
// grouped in thousands. Instance() reads the settings of the user default
// locale once and, when nobody has chosen a runtime locale yet (LC_NUMERIC is
// "C"), installs the module locale as the global C++ locale: the user's
// environment locale (classic when the environment names none this system
// knows) with the number punctuation replaced by the user's separators without
// grouping, and the date parsing facet time_getEx. The C library's own locale
// is not changed. Formula texts for the host use classic-locale streams instead.
// Settings that cannot be read, and separators that break the reading or
// writing of numbers, are shown to the user in task-modal message boxes.
//
// The separators come from the regional settings (GetLocaleInfo), not from the
// environment's locale: the two are separate sources here, and what the
// module writes must agree with what it reports as the user's separators.

#include <locale>

#include "core/String.h"
#include "platform/win32/types.h"

class LocaleInfo {
public:
    // Built, and installed when LC_NUMERIC is "C", on first use; lives until
    // process exit, when the classic locale is installed again.
    static const LocaleInfo& Instance();

    // Reads the user's settings and composes the warnings; installs nothing.
    LocaleInfo();
    ~LocaleInfo();
    LocaleInfo(const LocaleInfo&) = delete;
    LocaleInfo& operator=(const LocaleInfo&) = delete;

    // The module locale for these settings.
    std::locale MakeLocale() const;

    const char* DecimalSeparatorA() const { return mDecimalA; }
    const WCHAR* DecimalSeparator() const { return mDecimal; }
    const WCHAR* ThousandsSeparator() const { return mThousands; }
    const WCHAR* TimeSeparator() const { return mTime; }
    const WCHAR* DateSeparator() const { return mDate; }
    const WCHAR* ListSeparator() const { return mList; }
    const WCHAR* AMDesignator() const { return mAM; }
    const WCHAR* PMDesignator() const { return mPM; }
    bool Is24Hour() const { return mTimeMode == 1; }
    // 0: the AM/PM designator follows the time, 1: it precedes it.
    std::int32_t TimeMarkPosition() const { return mTimeMarkPosition; }
    std::int32_t OemCodePage() const { return mOemCodePage; }
    const Ovo::String& TimeFormat() const { return mTimeFormat; }
    const Ovo::String& LongDateFormat() const { return mLongDate; }
    const Ovo::String& ShortDateFormat() const { return mShortDate; }
    bool IsInstalled() const { return mInstalled; }

    // A setting could not be read; those after it keep their defaults.
    bool ReadFailed() const { return mReadFailed; }
    // What is wrong with the separators for reading and writing numbers, one
    // sentence a line, from the host's string table; empty when nothing is.
    const Ovo::String& Warning() const { return mWarning; }

private:
    void Build();
    void ShowWarnings() const;
    bool ReadValues();
    void CheckSeparators();
    void CheckRoundTrips();
    void AddWarning(const Ovo::String& text);

    char mDecimalA[8] = {};
    WCHAR mDecimal[8] = {};
    WCHAR mThousands[8] = {};
    WCHAR mTime[8] = {};
    WCHAR mDate[8] = {};
    WCHAR mList[8] = {};
    WCHAR mAM[16] = {};
    WCHAR mPM[16] = {};
    std::int32_t mTimeMode = 0;
    std::int32_t mTimeMarkPosition = 0;
    std::int32_t mOemCodePage = 0;
    Ovo::String mTimeFormat;
    Ovo::String mLongDate;
    Ovo::String mShortDate;
    bool mInstalled = false;
    bool mReadFailed = false;
    Ovo::String mWarning;
};
