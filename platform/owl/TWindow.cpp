#include "platform/owl/TWindow.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/owl/TModule.h"
#include "platform/owl/TPaintDC.h"
#include "platform/user/user.h"

namespace OWL {

struct TWindowBinding {
    static void Bind(TWindow& w, HWND h) { w.Bind(h); }
    static LRESULT Receive(TWindow& w, UINT m, WPARAM wp, LPARAM lp) { return w.Receive(m, wp, lp); }
};

namespace {

constexpr const char16_t* kClassName = u"OwlWindow";

std::unordered_map<HWND, TWindow*>& Objects() {
    static std::unordered_map<HWND, TWindow*> objects;
    return objects;
}

thread_local TWindow* creating = nullptr;

LRESULT StdWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWindow* w = GetWindowPtr(hwnd);
    if (w == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return TWindowBinding::Receive(*w, message, wParam, lParam);
}

// The window being created gets its object before its first message.
void CreationHook(HWND hwnd) {
    if (TWindow* w = std::exchange(creating, nullptr))
        TWindowBinding::Bind(*w, hwnd);
}

void FrameworkClass(WNDCLASSW& c) {
    c = WNDCLASSW{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &StdWndProc;
    c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    c.lpszClassName = kClassName;
}

// Registering twice fails harmlessly; every desktop needs the class once.
void EnsureClass() {
    WNDCLASSW c;
    FrameworkClass(c);
    RegisterClassW(&c);
}

} // namespace

TWindow* GetWindowPtr(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    auto it = Objects().find(hwnd);
    return it == Objects().end() ? nullptr : it->second;
}

TWindow::TWindow(TWindow* parent, LPCWSTR title, TModule* module)
    : mParent(parent), mModule(module ? module : (parent ? parent->mModule : nullptr)),
      mTitle(title ? title : u"") {
    if (mParent != nullptr)
        mParent->mChildren.push_back(this);
    else
        Attr.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
}

TWindow::TWindow(HWND handle, TModule* module) : mModule(module) {
    SetFlag(wfAlias);
    mParent = GetWindowPtr(::GetParent(handle));
    const int length = GetWindowTextLengthW(handle);
    mTitle.resize(static_cast<std::size_t>(std::max(length, 0)) + 1);
    mTitle.resize(static_cast<std::size_t>(GetWindowTextW(handle, mTitle.data(), length + 1)));
    Attr.Style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    Attr.Id = ::GetDlgCtrlID(handle);
    Bind(handle);
}

TWindow::TWindow(TWindow* parent, int resourceId, TModule* module)
    : mParent(parent), mModule(module ? module : (parent ? parent->mModule : nullptr)),
      mResourceId(resourceId) {
    SetFlag(wfAlias);
    if (mParent != nullptr)
        mParent->mChildren.push_back(this);
}

void TWindow::BindToControl() {
    const HWND control = mParent && mParent->mHandle ? GetDlgItem(mParent->mHandle, mResourceId) : nullptr;
    if (control == nullptr || mHandle != nullptr)
        return;
    AttachAlias(control);
}

void TWindow::AttachAlias(HWND handle) {
    SetFlag(wfAlias);
    const int length = GetWindowTextLengthW(handle);
    mTitle.resize(static_cast<std::size_t>(std::max(length, 0)) + 1);
    mTitle.resize(static_cast<std::size_t>(GetWindowTextW(handle, mTitle.data(), length + 1)));
    Attr.Style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    Attr.Id = ::GetDlgCtrlID(handle);
    RECT r{};
    ::GetWindowRect(handle, &r);
    POINT corner{r.left, r.top};
    if (const HWND parent = ::GetParent(handle))
        ::ScreenToClient(parent, &corner);
    Attr.X = corner.x;
    Attr.Y = corner.y;
    Attr.W = r.right - r.left;
    Attr.H = r.bottom - r.top;
    Bind(handle);
    SetupWindow();
}

TWindow::~TWindow() {
    if (mHandle != nullptr) {
        if (!IsFlagSet(wfAlias))
            DestroyWindow(mHandle); // the object answers its last messages as a plain TWindow
        Unbind();
    }
    while (!mChildren.empty())
        delete mChildren.back();
    if (mParent != nullptr) {
        auto& siblings = mParent->mChildren;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TWindow::Bind(HWND handle) {
    mHandle = handle;
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle, GWLP_WNDPROC));
    if (proc != &StdWndProc) {
        mPreviousProc = proc;
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc));
    } else if (TWindow* before = GetWindowPtr(handle)) {
        mPreviousProc = before->mPreviousProc; // a second object over the same window stacks on the first
        mUnder = before;
    }
    Objects()[handle] = this;
}

void TWindow::Unbind() {
    if (mHandle == nullptr)
        return;
    auto it = Objects().find(mHandle);
    const bool top = it != Objects().end() && it->second == this;
    if (top && mUnder != nullptr && mUnder->mHandle == mHandle) {
        it->second = mUnder; // the object below answers alone again
    } else if (top) {
        if (mPreviousProc != nullptr && ::IsWindow(mHandle) &&
            reinterpret_cast<WNDPROC>(GetWindowLongPtrW(mHandle, GWLP_WNDPROC)) == &StdWndProc)
            SetWindowLongPtrW(mHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mPreviousProc));
        Objects().erase(it);
    } else if (it != Objects().end()) {
        // Below another object: that one stacks on what lies below this one now.
        for (TWindow* above = it->second; above != nullptr; above = above->mUnder)
            if (above->mUnder == this) {
                above->mUnder = mUnder;
                break;
            }
    }
    mHandle = nullptr;
    mUnder = nullptr;
    ClearFlag(wfCreated);
}

bool TWindow::Create() {
    if (mHandle == nullptr && mResourceId != 0)
        BindToControl();
    if (mHandle != nullptr || IsFlagSet(wfAlias))
        return mHandle != nullptr || mResourceId == 0;
    const HWND parent = GetParentH();
    if ((Attr.Style & WS_CHILD) && parent == nullptr)
        return false;
    EnsureClass();
    if (std::u16string_view(GetClassName()) != kClassName) {
        WNDCLASSW own;
        GetWindowClass(own);
        own.lpszClassName = GetClassName();
        RegisterClassW(&own);
    }
    creating = this;
    const user::CreationHook previous = user::SetCreationHook(&CreationHook);
    const HWND h =
        CreateWindowExW(Attr.ExStyle, GetClassName(), mTitle.c_str(), Attr.Style, Attr.X, Attr.Y, Attr.W,
                        Attr.H, parent, reinterpret_cast<HMENU>(static_cast<LONG_PTR>(Attr.Id)),
                        mModule ? mModule->GetHandle() : nullptr, nullptr);
    user::SetCreationHook(previous);
    creating = nullptr;
    if (h == nullptr)
        return false;
    SetFlag(wfCreated);
    return true;
}

HWND TWindow::GetParentH() const {
    if (mParent != nullptr)
        return mParent->mHandle;
    if (mParentHandle != nullptr && mHandle == nullptr)
        return mParentHandle;
    return mHandle ? ::GetParent(mHandle) : nullptr;
}

LPCWSTR TWindow::GetClassName() const {
    return kClassName;
}

void TWindow::GetWindowClass(WNDCLASSW& windowClass) const {
    FrameworkClass(windowClass);
}

void TWindow::SetupWindow() {
    const std::vector<TWindow*> children = mChildren;
    for (TWindow* child : children) {
        if (child->mResourceId != 0)
            child->BindToControl();
        else
            child->Create();
    }
}

LRESULT TWindow::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY)
        CleanupWindow();
    const LRESULT result = WindowProc(message, wParam, lParam);
    if (message == WM_CREATE && result != -1)
        SetupWindow();
    else if (message == WM_NCDESTROY)
        Unbind();
    return result;
}

LRESULT TWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    TEventInfo event{mHandle, message, wParam, lParam, 0};
    TEventInfo* const outer = std::exchange(mCurrent, &event);
    const LRESULT result = DispatchEvent(event) ? event.result : DefaultProcessing();
    mCurrent = outer;
    return result;
}

LRESULT TWindow::DefaultProcessing() {
    if (mCurrent == nullptr || mHandle == nullptr)
        return 0;
    const TEventInfo& e = *mCurrent;
    if (mUnder != nullptr && mUnder->mHandle == mHandle)
        return TWindowBinding::Receive(*mUnder, e.message, e.wParam, e.lParam);
    if (mPreviousProc != nullptr)
        return CallWindowProcW(mPreviousProc, mHandle, e.message, e.wParam, e.lParam);
    return DefWindowProcW(mHandle, e.message, e.wParam, e.lParam);
}

bool TWindow::DispatchEvent(TEventInfo& event) {
    return ResponseTable().Dispatch(*this, event);
}

const TResponseTable<TWindow>& TWindow::ResponseTable() {
    using TMyClass = TWindow;
    static const TResponseTable<TWindow> table{
        entries::Void<TMyClass>(WM_PAINT, &TMyClass::EvPaint),
        EV_WM_SYSCOLORCHANGE,
        EV_WM_DRAWITEM,
        EV_WM_MEASUREITEM,
        EV_WM_HSCROLL,
        EV_WM_VSCROLL,
        EV_COMMAND_ENABLE_ANY(EvCommandEnable),
    };
    return table;
}

void TWindow::EvPaint() {
    if (mPreviousProc != nullptr) {
        mCurrent->result = DefaultProcessing();
        return;
    }
    PaintObject();
}

void TWindow::EvCommandEnable(TCommandEnabler& enabler) {
    const HWND parent = GetParentH();
    if (parent != nullptr)
        ::SendMessageW(parent, WM_COMMAND_ENABLE, 0, reinterpret_cast<LPARAM>(&enabler));
}

void TWindow::PaintObject() {
    TPaintDC dc(mHandle);
    TRect rect(dc.Ps.rcPaint);
    Paint(dc, dc.Ps.fErase != FALSE, rect);
}

void TWindow::EvSysColorChange() {
    mCurrent->result = DefaultProcessing();
}

bool TWindow::ReflectTo(HWND control, TEventInfo& event) {
    TWindow* w = GetWindowPtr(control);
    if (w == nullptr || w == this)
        return false;
    event.result = w->WindowProc(event.message, event.wParam, event.lParam);
    return true;
}

void TWindow::EvDrawItem(UINT, const DRAWITEMSTRUCT& item) {
    if (!ReflectTo(item.hwndItem, *mCurrent))
        mCurrent->result = DefaultProcessing();
}

void TWindow::EvHScroll(UINT, UINT, HWND bar) {
    if (!ReflectTo(bar, *mCurrent))
        mCurrent->result = DefaultProcessing();
}

void TWindow::EvVScroll(UINT, UINT, HWND bar) {
    if (!ReflectTo(bar, *mCurrent))
        mCurrent->result = DefaultProcessing();
}

void TWindow::EvMeasureItem(UINT, MEASUREITEMSTRUCT& item) {
    if (!ReflectTo(GetDlgItem(mHandle, static_cast<int>(item.CtlID)), *mCurrent))
        mCurrent->result = DefaultProcessing();
}

bool TWindow::IsWindow() const {
    return mHandle != nullptr && ::IsWindow(mHandle);
}

TRect TWindow::GetClientRect() const {
    RECT r{0, 0, 0, 0};
    ::GetClientRect(mHandle, &r);
    return r;
}

TRect TWindow::GetWindowRect() const {
    RECT r{0, 0, 0, 0};
    ::GetWindowRect(mHandle, &r);
    return r;
}

void TWindow::ScreenToClient(TPoint& point) const {
    ::ScreenToClient(mHandle, &point);
}

void TWindow::ClientToScreen(TPoint& point) const {
    ::ClientToScreen(mHandle, &point);
}

bool TWindow::IsZoomed() const {
    return ::IsZoomed(mHandle) != FALSE;
}

bool TWindow::ShowWindow(int command) {
    if (mHandle == nullptr) {
        Attr.Style = command == SW_HIDE ? Attr.Style & ~WS_VISIBLE : Attr.Style | WS_VISIBLE;
        return false;
    }
    return ::ShowWindow(mHandle, command) != FALSE;
}

void TWindow::Invalidate(bool erase) const {
    ::InvalidateRect(mHandle, nullptr, erase ? TRUE : FALSE);
}

void TWindow::UpdateWindow() const {
    ::UpdateWindow(mHandle);
}

HWND TWindow::SetFocus() const {
    return ::SetFocus(mHandle);
}

bool TWindow::CanClose() {
    for (TWindow* child : mChildren)
        if (child->GetHandle() != nullptr && !child->CanClose())
            return false;
    return true;
}

int TWindow::GetId() const {
    return mHandle ? ::GetDlgCtrlID(mHandle) : Attr.Id;
}

bool TWindow::SetWindowText(LPCWSTR text) const {
    return SetWindowTextW(mHandle, text) != FALSE;
}

int TWindow::GetWindowTextLength() const {
    return GetWindowTextLengthW(mHandle);
}

LRESULT TWindow::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(mHandle, message, wParam, lParam);
}

bool TWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return PostMessageW(mHandle, message, wParam, lParam) != FALSE;
}

UINT_PTR TWindow::SetTimer(UINT_PTR id, UINT elapse) const {
    return ::SetTimer(mHandle, id, elapse, nullptr);
}

bool TWindow::KillTimer(UINT_PTR id) const {
    return ::KillTimer(mHandle, id) != FALSE;
}

bool TWindow::MoveWindow(const TRect& rect, bool repaint) const {
    return ::MoveWindow(mHandle, rect.left, rect.top, rect.Width(), rect.Height(), repaint ? TRUE : FALSE) !=
           FALSE;
}

} // namespace OWL

namespace OWL {

bool TWindow::MoveWindow(int x, int y, int w, int h, bool repaint) const {
    return ::MoveWindow(mHandle, x, y, w, h, repaint ? TRUE : FALSE) != FALSE;
}

bool TWindow::SetWindowPos(HWND after, int x, int y, int w, int h, UINT flags) const {
    return ::SetWindowPos(mHandle, after, x, y, w, h, flags) != FALSE;
}

int TWindow::GetWindowText(LPWSTR buffer, int length) const {
    return GetWindowTextW(mHandle, buffer, length);
}

std::u16string TWindow::GetWindowTextString() const {
    std::u16string text(static_cast<std::size_t>(std::max(GetWindowTextLength(), 0)) + 1, u'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(mHandle, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool TWindow::EnableWindow(bool enable) const {
    return ::EnableWindow(mHandle, enable ? TRUE : FALSE) != FALSE;
}

bool TWindow::IsWindowEnabled() const {
    return ::IsWindowEnabled(mHandle) != FALSE;
}

bool TWindow::IsWindowVisible() const {
    return ::IsWindowVisible(mHandle) != FALSE;
}

void TWindow::InvalidateRect(const TRect& rect, bool erase) const {
    ::InvalidateRect(mHandle, &rect, erase ? TRUE : FALSE);
}

HWND TWindow::SetCapture() const {
    return ::SetCapture(mHandle);
}

void TWindow::ReleaseCapture() const {
    if (::GetCapture() == mHandle)
        ::ReleaseCapture();
}

HFONT TWindow::GetWindowFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

void TWindow::SetWindowFont(HFONT font, bool redraw) const {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

DWORD TWindow::GetStyle() const {
    return mHandle ? static_cast<DWORD>(GetWindowLongPtrW(mHandle, GWL_STYLE)) : Attr.Style;
}

void TWindow::ModifyStyle(DWORD remove, DWORD add) {
    Attr.Style = (Attr.Style & ~remove) | add;
    if (mHandle)
        SetWindowLongPtrW(mHandle, GWL_STYLE, static_cast<LONG_PTR>((GetStyle() & ~remove) | add));
}

} // namespace OWL
