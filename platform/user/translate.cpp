#include <optional>

#include "platform/user/Desktop.h"
#include "platform/user/input_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"

namespace {

bool Down(int key) {
    return GetKeyState(key) < 0;
}

// The OEM keys of the US layout: plain and shifted characters.
struct OemKey {
    int key;
    char16_t plain;
    char16_t shifted;
};
constexpr OemKey kOemKeys[] = {
    {VK_OEM_1, u';', u':'},     {VK_OEM_PLUS, u'=', u'+'},   {VK_OEM_COMMA, u',', u'<'},
    {VK_OEM_MINUS, u'-', u'_'}, {VK_OEM_PERIOD, u'.', u'>'}, {VK_OEM_2, u'/', u'?'},
    {VK_OEM_3, u'`', u'~'},     {VK_OEM_4, u'[', u'{'},      {VK_OEM_5, u'\\', u'|'},
    {VK_OEM_6, u']', u'}'},     {VK_OEM_7, u'\'', u'"'},
};
constexpr char16_t kShiftedDigits[] = u")!@#$%^&*(";

std::optional<char16_t> Letter(int key, bool shift, bool control) {
    if (control)
        return static_cast<char16_t>(key - 'A' + 1);
    const bool upper = shift != ((GetKeyState(VK_CAPITAL) & 1) != 0);
    return static_cast<char16_t>(upper ? key : key + 32);
}

std::optional<char16_t> CharacterOf(int key, bool shift) {
    if (key >= '0' && key <= '9')
        return shift ? kShiftedDigits[key - '0'] : static_cast<char16_t>(key);
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9)
        return static_cast<char16_t>(u'0' + (key - VK_NUMPAD0));
    for (const OemKey& k : kOemKeys)
        if (k.key == key)
            return shift ? k.shifted : k.plain;
    switch (key) {
    case VK_MULTIPLY:
        return u'*';
    case VK_ADD:
        return u'+';
    case VK_SUBTRACT:
        return u'-';
    case VK_DECIMAL:
        return u'.';
    case VK_DIVIDE:
        return u'/';
    case VK_SPACE:
        return u' ';
    case VK_RETURN:
        return u'\r';
    case VK_TAB:
        return u'\t';
    case VK_BACK:
        return u'\b';
    case VK_ESCAPE:
        return char16_t{0x1B};
    default:
        return std::nullopt;
    }
}

} // namespace

BOOL TranslateMessage(const MSG* msg) {
    if (msg == nullptr || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST)
        return FALSE;
    if (msg->message != WM_KEYDOWN)
        return TRUE;
    const int key = static_cast<int>(msg->wParam);
    const bool shift = Down(VK_SHIFT);
    const bool control = Down(VK_CONTROL);
    std::optional<char16_t> c;
    if (key >= 'A' && key <= 'Z')
        c = Letter(key, shift, control);
    else if (!control)
        c = CharacterOf(key, shift);
    if (c) {
        user::Desktop& d = user::Desktop::Current();
        d.Queue().PostFirst(
            MSG{msg->hwnd, WM_CHAR, static_cast<WPARAM>(*c), msg->lParam, d.Clock().TickCount(), msg->pt});
    }
    return TRUE;
}
