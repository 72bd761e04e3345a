#include "platform/atl/CWindowImpl.h"

#include <unordered_map>
#include <utility>

#include "platform/gdi/gdi.h"

namespace ATL {
namespace {

std::unordered_map<HWND, CWindowImplRoot*>& Objects() {
    static std::unordered_map<HWND, CWindowImplRoot*> objects;
    return objects;
}

thread_local CWindowImplRoot* creating = nullptr;

} // namespace

struct CWindowImplAccess {
    static HWND& HandleOf(CWindowImplRoot& w) { return w.Handle(); }
};

namespace {

void BindCreating(HWND hwnd) {
    if (CWindowImplRoot* w = std::exchange(creating, nullptr)) {
        CWindowImplAccess::HandleOf(*w) = hwnd;
        Objects()[hwnd] = w;
    }
}

} // namespace

CWindowImplRoot::~CWindowImplRoot() {
    // The window outlives an object that goes first: it falls back to its
    // previous procedure.
    for (auto it = Objects().begin(); it != Objects().end();)
        it = it->second == this ? Objects().erase(it) : std::next(it);
}

LRESULT CWindowImplRoot::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(m_pfnSuperWindowProc, Handle(), message, wParam, lParam);
}

LRESULT CWindowImplRoot::DefWindowProc() {
    return mCurrent ? DefWindowProc(mCurrent->message, mCurrent->wParam, mCurrent->lParam) : 0;
}

HWND CWindowImplRoot::CreateImpl(LPCWSTR className, WNDPROC classProc, HWND parent, const RECT& rect,
                                 LPCWSTR name, DWORD style, DWORD exStyle, UINT_PTR id, void* param) {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = classProc;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    c.lpszClassName = className;
    RegisterClassW(&c); // fails harmlessly when registered already
    m_pfnSuperWindowProc = &::DefWindowProcW;
    creating = this;
    const user::CreationHook previous = user::SetCreationHook(&BindCreating);
    const HWND h =
        CreateWindowExW(exStyle, className, name, style, rect.left, rect.top, rect.right - rect.left,
                        rect.bottom - rect.top, parent, reinterpret_cast<HMENU>(id), nullptr, param);
    user::SetCreationHook(previous);
    creating = nullptr;
    return h;
}

BOOL CWindowImplRoot::SubclassImpl(HWND hwnd) {
    if (Handle() != nullptr || !::IsWindow(hwnd))
        return FALSE;
    Handle() = hwnd;
    Objects()[hwnd] = this;
    m_pfnSuperWindowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetWindowProc())));
    return TRUE;
}

HWND CWindowImplRoot::UnsubclassImpl() {
    const HWND hwnd = Handle();
    if (hwnd == nullptr)
        return nullptr;
    ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuperWindowProc));
    Objects().erase(hwnd);
    Handle() = nullptr;
    return hwnd;
}

LRESULT CWindowImplRoot::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto it = Objects().find(hwnd);
    if (it == Objects().end())
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    CWindowImplRoot* self = it->second;
    const MSG msg{hwnd, message, wParam, lParam, 0, POINT{0, 0}};
    const MSG* outer = std::exchange(self->mCurrent, &msg);
    ++self->mDepth;
    LRESULT result = 0;
    if (!self->ProcessWindowMessage(hwnd, message, wParam, lParam, result, 0))
        result = self->DefWindowProc(message, wParam, lParam);
    self->mCurrent = outer;
    --self->mDepth;
    if (message == WM_NCDESTROY) {
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == self->GetWindowProc())
            ::SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->m_pfnSuperWindowProc));
        Objects().erase(hwnd);
        self->Handle() = nullptr;
        self->mFinalDue = true;
    }
    // The object may delete itself there: only once no message of it is being answered.
    if (self->mFinalDue && self->mDepth == 0) {
        self->mFinalDue = false;
        self->OnFinalMessage(hwnd);
    }
    return result;
}

} // namespace ATL
