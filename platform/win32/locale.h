#pragma once
// Locale data of the user default locale.
//
// The values come from one process-wide user-locale record that starts as
// English (United States) and that tests replace with SetUserLocale. A type
// listed in the record's `unavailable` set fails as a missing value would.
//
// GetLocaleInfoW/A: with a size of 0 they return the size needed (terminator
// included); otherwise they copy the value with its terminator and return the
// count written, or 0 when the buffer is too small, the locale is not the
// user's (0x0400, LOCALE_USER_DEFAULT) or the type is unknown or unavailable.

#include <string>
#include <vector>

#include "platform/win32/types.h"

inline constexpr LCID LOCALE_USER_DEFAULT = 0x0400;

inline constexpr LCTYPE LOCALE_SLIST = 0x0C;
inline constexpr LCTYPE LOCALE_SDECIMAL = 0x0E;
inline constexpr LCTYPE LOCALE_STHOUSAND = 0x0F;
inline constexpr LCTYPE LOCALE_SDATE = 0x1D;
inline constexpr LCTYPE LOCALE_STIME = 0x1E;
inline constexpr LCTYPE LOCALE_SSHORTDATE = 0x1F;
inline constexpr LCTYPE LOCALE_SLONGDATE = 0x20;
inline constexpr LCTYPE LOCALE_ITIME = 0x23;
inline constexpr LCTYPE LOCALE_S1159 = 0x28;
inline constexpr LCTYPE LOCALE_S2359 = 0x29;
inline constexpr LCTYPE LOCALE_IDEFAULTCODEPAGE = 0x0B;
inline constexpr LCTYPE LOCALE_STIMEFORMAT = 0x1003;
inline constexpr LCTYPE LOCALE_ITIMEMARKPOSN = 0x1005;

struct UserLocale {
    std::u16string decimal = u".";
    std::u16string thousand = u",";
    std::u16string time = u":";
    std::u16string date = u"/";
    std::u16string list = u",";
    std::u16string am = u"AM";
    std::u16string pm = u"PM";
    std::u16string timeMode = u"0";    // ITIME: 0 12-hour, 1 24-hour
    std::u16string timeMarkPos = u"0"; // ITIMEMARKPOSN: 0 suffix, 1 prefix
    std::u16string oemCodePage = u"437";
    std::u16string timeFormat = u"h:mm:ss tt";
    std::u16string longDate = u"dddd, MMMM d, yyyy";
    std::u16string shortDate = u"M/d/yyyy";
    std::vector<LCTYPE> unavailable;
};

const UserLocale& GetUserLocale();
void SetUserLocale(const UserLocale& locale);

int GetLocaleInfoW(LCID locale, LCTYPE type, LPWSTR data, int size);
// The 8-bit form converts the value to the ANSI code page.
int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR data, int size);
