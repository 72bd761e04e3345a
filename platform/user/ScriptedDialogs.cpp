#include "platform/user/ScriptedDialogs.h"

#include "platform/user/button.h"
#include "platform/user/dialog_api.h"
#include "platform/user/message_api.h"
#include "platform/user/window_api.h"
#include "platform/win32/utf.h"

namespace user {

void ScriptedDialogs::Run(const DialogShown& dialog) {
    mShown.push_back(dialog);
    if (!mQueued.empty()) {
        DialogScript script = std::move(mQueued.front());
        mQueued.pop_front();
        script(dialog.dialog);
        return;
    }
    if (mDefault == 0)
        throw UnexpectedDialog("a dialog appeared that the test did not expect: \"" +
                               win32::Utf16ToUtf8(dialog.caption) + "\"");
    if (HWND control = GetDlgItem(dialog.dialog, mDefault))
        SendMessageW(control, BM_CLICK, 0, 0);
    else
        EndDialog(dialog.dialog, mDefault);
}

} // namespace user
