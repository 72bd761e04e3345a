#include "platform/user/ScriptedMessageBoxes.h"

#include <string>

#include "platform/user/msgbox_api.h"

namespace user {

bool HasButton(UINT style, int button) {
    switch (style & MB_TYPEMASK) {
    case MB_OK:
        return button == IDOK;
    case MB_OKCANCEL:
        return button == IDOK || button == IDCANCEL;
    case MB_ABORTRETRYIGNORE:
        return button == IDABORT || button == IDRETRY || button == IDIGNORE;
    case MB_YESNOCANCEL:
        return button == IDYES || button == IDNO || button == IDCANCEL;
    case MB_YESNO:
        return button == IDYES || button == IDNO;
    case MB_RETRYCANCEL:
        return button == IDRETRY || button == IDCANCEL;
    default:
        return false;
    }
}

void ScriptedMessageBoxes::Answer(int button) {
    mQueued.push_back([button](const MessageBoxShown&) { return button; });
}

int ScriptedMessageBoxes::Show(const MessageBoxShown& box) {
    mShown.push_back(box);
    int button = mDefault;
    if (!mQueued.empty()) {
        MessageBoxScript script = std::move(mQueued.front());
        mQueued.pop_front();
        button = script(box);
    } else if (mDefault == 0) {
        throw UnexpectedMessageBox("a message box appeared that the test did not expect (style " +
                                   std::to_string(box.style) + ")");
    }
    if (!HasButton(box.style, button))
        throw UnexpectedMessageBox("message box of style " + std::to_string(box.style) +
                                   " answered with a button it does not have: " + std::to_string(button));
    return button;
}

} // namespace user
