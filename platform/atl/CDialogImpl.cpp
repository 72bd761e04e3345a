#include "platform/atl/CDialogImpl.h"

#include <unordered_map>
#include <utility>

namespace ATL {

CAtlBaseModule _AtlBaseModule;

namespace {

std::unordered_map<HWND, CDialogImplBaseT*>& Dialogs() {
    static std::unordered_map<HWND, CDialogImplBaseT*> dialogs;
    return dialogs;
}

thread_local CDialogImplBaseT* creating = nullptr;

bool AnswersDirectly(UINT message) {
    return message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
           message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
           message == WM_QUERYDRAGICON;
}

} // namespace

struct CDialogAccess {
    static HWND& HandleOf(CDialogImplBaseT& d) { return d.Handle(); }
};

INT_PTR CDialogImplBaseT::DoModalImpl(WORD templateId, HWND parent, LPARAM init) {
    creating = this;
    const INT_PTR result = ::DialogBoxParamW(_AtlBaseModule.GetResourceInstance(),
                                             MAKEINTRESOURCEW(templateId), parent, &DialogProc, init);
    creating = nullptr;
    return result;
}

HWND CDialogImplBaseT::CreateImpl(WORD templateId, HWND parent, LPARAM init) {
    creating = this;
    const HWND h = ::CreateDialogParamW(_AtlBaseModule.GetResourceInstance(), MAKEINTRESOURCEW(templateId),
                                        parent, &DialogProc, init);
    creating = nullptr;
    return h;
}

INT_PTR CDialogImplBaseT::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = Dialogs().find(hwnd);
    CDialogImplBaseT* self = it != Dialogs().end() ? it->second : nullptr;
    if (self == nullptr) {
        self = std::exchange(creating, nullptr);
        if (self == nullptr)
            return FALSE;
        CDialogAccess::HandleOf(*self) = hwnd;
        Dialogs()[hwnd] = self;
    }
    LRESULT result = 0;
    const BOOL handled = self->ProcessWindowMessage(hwnd, message, wParam, lParam, result, 0);
    if (message == WM_NCDESTROY) {
        Dialogs().erase(hwnd);
        CDialogAccess::HandleOf(*self) = nullptr;
        self->OnFinalMessage(hwnd);
    }
    if (!handled)
        return FALSE;
    if (AnswersDirectly(message))
        return static_cast<INT_PTR>(result);
    if (::IsWindow(hwnd))
        ::SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace ATL
