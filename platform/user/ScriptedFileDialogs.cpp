#include "platform/user/ScriptedFileDialogs.h"

#include <algorithm>

#include "platform/user/Desktop.h"
#include "platform/user/commdlg_api.h"

namespace user {

std::optional<std::u16string> ScriptedFileDialogs::Show(const FileDialogShown& dialog) {
    mShown.push_back(dialog);
    if (mQueued.empty())
        throw UnexpectedFileDialog("a save-file dialog appeared that the test did not expect");
    FileDialogScript script = std::move(mQueued.front());
    mQueued.pop_front();
    return script(dialog);
}

} // namespace user

namespace {

std::vector<std::u16string> FilterPieces(LPCWSTR filter) {
    std::vector<std::u16string> pieces;
    if (filter == nullptr)
        return pieces;
    for (const char16_t* p = filter; *p != 0;) {
        std::u16string piece(p);
        p += piece.size() + 1;
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

std::u16string Text(LPCWSTR text) {
    return text ? std::u16string(text) : std::u16string();
}

} // namespace

BOOL GetSaveFileNameW(OPENFILENAMEW* dialog) {
    user::ScriptedFileDialogs& dialogs = user::Desktop::Current().FileDialogs();
    dialogs.SetLastError(0);
    if (dialog == nullptr || dialog->lpstrFile == nullptr || dialog->nMaxFile == 0)
        return FALSE;
    user::FileDialogShown shown{dialog->hwndOwner,
                                FilterPieces(dialog->lpstrFilter),
                                dialog->nFilterIndex,
                                Text(dialog->lpstrFile),
                                Text(dialog->lpstrInitialDir),
                                Text(dialog->lpstrTitle),
                                Text(dialog->lpstrDefExt),
                                dialog->Flags};
    const std::optional<std::u16string> path = dialogs.Show(shown);
    if (!path)
        return FALSE;
    if (path->size() + 1 > dialog->nMaxFile) {
        dialogs.SetLastError(FNERR_BUFFERTOOSMALL);
        return FALSE;
    }
    std::copy(path->begin(), path->end(), dialog->lpstrFile);
    dialog->lpstrFile[path->size()] = 0;
    return TRUE;
}

DWORD CommDlgExtendedError() {
    return user::Desktop::Current().FileDialogs().LastError();
}
