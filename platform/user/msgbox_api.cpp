#include "platform/user/msgbox_api.h"

#include "platform/user/Desktop.h"

int MessageBoxExW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type, WORD languageId) {
    user::Desktop& d = user::Desktop::Current();
    user::MessageBoxShown box{owner, text != nullptr ? text : u"", caption != nullptr ? caption : u"Error",
                              type, languageId};
    d.Effects().Add("MessageBox", box.caption + u": " + box.text);
    return d.MessageBoxes().Show(box);
}

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    return MessageBoxExW(owner, text, caption, type, 0);
}

BOOL MessageBeep(UINT type) {
    const std::string code = std::to_string(type);
    user::Desktop::Current().Effects().Add("Beep", std::u16string(code.begin(), code.end()));
    return TRUE;
}
