#include "platform/win32/locale.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/codepage.h"

namespace {

UserLocale& Current() {
    static UserLocale locale;
    return locale;
}

const std::u16string* Value(LCID locale, LCTYPE type) {
    const UserLocale& u = Current();
    if (locale != LOCALE_USER_DEFAULT || std::ranges::find(u.unavailable, type) != u.unavailable.end())
        return nullptr;
    switch (type) {
    case LOCALE_SDECIMAL:
        return &u.decimal;
    case LOCALE_STHOUSAND:
        return &u.thousand;
    case LOCALE_STIME:
        return &u.time;
    case LOCALE_SDATE:
        return &u.date;
    case LOCALE_SLIST:
        return &u.list;
    case LOCALE_S1159:
        return &u.am;
    case LOCALE_S2359:
        return &u.pm;
    case LOCALE_ITIME:
        return &u.timeMode;
    case LOCALE_ITIMEMARKPOSN:
        return &u.timeMarkPos;
    case LOCALE_IDEFAULTCODEPAGE:
        return &u.oemCodePage;
    case LOCALE_STIMEFORMAT:
        return &u.timeFormat;
    case LOCALE_SLONGDATE:
        return &u.longDate;
    case LOCALE_SSHORTDATE:
        return &u.shortDate;
    default:
        return nullptr;
    }
}

} // namespace

const UserLocale& GetUserLocale() {
    return Current();
}

void SetUserLocale(const UserLocale& locale) {
    Current() = locale;
}

int GetLocaleInfoW(LCID locale, LCTYPE type, LPWSTR data, int size) {
    const std::u16string* value = Value(locale, type);
    if (value == nullptr || size < 0)
        return 0;
    const int needed = static_cast<int>(value->size()) + 1;
    if (size == 0)
        return needed;
    if (size < needed || data == nullptr)
        return 0;
    std::copy(value->begin(), value->end(), data);
    data[needed - 1] = 0;
    return needed;
}

int GetLocaleInfoA(LCID locale, LCTYPE type, LPSTR data, int size) {
    const std::u16string* value = Value(locale, type);
    if (value == nullptr || size < 0)
        return 0;
    return WideCharToMultiByte(CP_ACP, 0, value->c_str(), static_cast<int>(value->size()) + 1, data, size,
                               nullptr, nullptr);
}
