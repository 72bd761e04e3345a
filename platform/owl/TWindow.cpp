#include "platform/owl/TWindow.h"

#include <algorithm>
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

// Registering twice fails harmlessly; every desktop needs the class once.
void EnsureClass() {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &StdWndProc;
    c.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    c.lpszClassName = kClassName;
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
    : parent_(parent), module_(module ? module : (parent ? parent->module_ : nullptr)),
      title_(title ? title : u"") {
    if (parent_ != nullptr)
        parent_->children_.push_back(this);
    else
        Attr.Style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
}

TWindow::TWindow(HWND handle, TModule* module) : module_(module) {
    SetFlag(wfAlias);
    parent_ = GetWindowPtr(::GetParent(handle));
    const int length = GetWindowTextLengthW(handle);
    title_.resize(static_cast<std::size_t>(std::max(length, 0)) + 1);
    title_.resize(static_cast<std::size_t>(GetWindowTextW(handle, title_.data(), length + 1)));
    Attr.Style = static_cast<DWORD>(GetWindowLongPtrW(handle, GWL_STYLE));
    Attr.Id = ::GetDlgCtrlID(handle);
    Bind(handle);
}

TWindow::~TWindow() {
    if (handle_ != nullptr) {
        if (!IsFlagSet(wfAlias))
            DestroyWindow(handle_); // the object answers its last messages as a plain TWindow
        Unbind();
    }
    while (!children_.empty())
        delete children_.back();
    if (parent_ != nullptr) {
        auto& siblings = parent_->children_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

void TWindow::Bind(HWND handle) {
    handle_ = handle;
    auto proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle, GWLP_WNDPROC));
    if (proc != &StdWndProc) {
        previousProc_ = proc;
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StdWndProc));
    } else if (TWindow* before = GetWindowPtr(handle)) {
        previousProc_ = before->previousProc_; // a second alias over the same window takes over
    }
    Objects()[handle] = this;
}

void TWindow::Unbind() {
    if (handle_ == nullptr)
        return;
    auto it = Objects().find(handle_);
    if (it != Objects().end() && it->second == this) {
        if (previousProc_ != nullptr && ::IsWindow(handle_) &&
            reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC)) == &StdWndProc)
            SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
        Objects().erase(it);
    }
    handle_ = nullptr;
    ClearFlag(wfCreated);
}

bool TWindow::Create() {
    if (handle_ != nullptr || IsFlagSet(wfAlias))
        return true;
    const HWND parent = GetParentH();
    if ((Attr.Style & WS_CHILD) && parent == nullptr)
        return false;
    EnsureClass();
    creating = this;
    const user::CreationHook previous = user::SetCreationHook(&CreationHook);
    const HWND h =
        CreateWindowExW(Attr.ExStyle, GetClassName(), title_.c_str(), Attr.Style, Attr.X, Attr.Y, Attr.W,
                        Attr.H, parent, reinterpret_cast<HMENU>(static_cast<LONG_PTR>(Attr.Id)),
                        module_ ? module_->GetHandle() : nullptr, nullptr);
    user::SetCreationHook(previous);
    creating = nullptr;
    if (h == nullptr)
        return false;
    SetFlag(wfCreated);
    return true;
}

HWND TWindow::GetParentH() const {
    if (parent_ != nullptr)
        return parent_->handle_;
    return handle_ ? ::GetParent(handle_) : nullptr;
}

LPCWSTR TWindow::GetClassName() const {
    return kClassName;
}

void TWindow::SetupWindow() {
    const std::vector<TWindow*> children = children_;
    for (TWindow* child : children)
        child->Create();
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
    TEventInfo event{handle_, message, wParam, lParam, 0};
    TEventInfo* const outer = std::exchange(current_, &event);
    const LRESULT result = DispatchEvent(event) ? event.result : DefaultProcessing();
    current_ = outer;
    return result;
}

LRESULT TWindow::DefaultProcessing() {
    if (current_ == nullptr || handle_ == nullptr)
        return 0;
    const TEventInfo& e = *current_;
    if (previousProc_ != nullptr)
        return CallWindowProcW(previousProc_, handle_, e.message, e.wParam, e.lParam);
    return DefWindowProcW(handle_, e.message, e.wParam, e.lParam);
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
    };
    return table;
}

void TWindow::EvPaint() {
    if (previousProc_ != nullptr) {
        current_->result = DefaultProcessing();
        return;
    }
    TPaintDC dc(handle_);
    TRect rect(dc.Ps.rcPaint);
    Paint(dc, dc.Ps.fErase != FALSE, rect);
}

void TWindow::EvSysColorChange() {
    current_->result = DefaultProcessing();
}

bool TWindow::ReflectTo(HWND control, TEventInfo& event) {
    TWindow* w = GetWindowPtr(control);
    if (w == nullptr || w == this)
        return false;
    event.result = w->WindowProc(event.message, event.wParam, event.lParam);
    return true;
}

void TWindow::EvDrawItem(UINT, const DRAWITEMSTRUCT& item) {
    if (!ReflectTo(item.hwndItem, *current_))
        current_->result = DefaultProcessing();
}

void TWindow::EvMeasureItem(UINT, MEASUREITEMSTRUCT& item) {
    if (!ReflectTo(GetDlgItem(handle_, static_cast<int>(item.CtlID)), *current_))
        current_->result = DefaultProcessing();
}

bool TWindow::IsWindow() const {
    return handle_ != nullptr && ::IsWindow(handle_);
}

TRect TWindow::GetClientRect() const {
    RECT r{0, 0, 0, 0};
    ::GetClientRect(handle_, &r);
    return r;
}

TRect TWindow::GetWindowRect() const {
    RECT r{0, 0, 0, 0};
    ::GetWindowRect(handle_, &r);
    return r;
}

void TWindow::ScreenToClient(TPoint& point) const {
    ::ScreenToClient(handle_, &point);
}

void TWindow::ClientToScreen(TPoint& point) const {
    ::ClientToScreen(handle_, &point);
}

bool TWindow::IsZoomed() const {
    return ::IsZoomed(handle_) != FALSE;
}

bool TWindow::ShowWindow(int command) const {
    return ::ShowWindow(handle_, command) != FALSE;
}

void TWindow::Invalidate(bool erase) const {
    InvalidateRect(handle_, nullptr, erase ? TRUE : FALSE);
}

void TWindow::UpdateWindow() const {
    ::UpdateWindow(handle_);
}

HWND TWindow::SetFocus() const {
    return ::SetFocus(handle_);
}

int TWindow::GetId() const {
    return handle_ ? ::GetDlgCtrlID(handle_) : Attr.Id;
}

bool TWindow::SetWindowText(LPCWSTR text) const {
    return SetWindowTextW(handle_, text) != FALSE;
}

int TWindow::GetWindowTextLength() const {
    return GetWindowTextLengthW(handle_);
}

LRESULT TWindow::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return SendMessageW(handle_, message, wParam, lParam);
}

bool TWindow::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return PostMessageW(handle_, message, wParam, lParam) != FALSE;
}

UINT_PTR TWindow::SetTimer(UINT_PTR id, UINT elapse) const {
    return ::SetTimer(handle_, id, elapse, nullptr);
}

bool TWindow::KillTimer(UINT_PTR id) const {
    return ::KillTimer(handle_, id) != FALSE;
}

bool TWindow::MoveWindow(const TRect& rect, bool repaint) const {
    return ::MoveWindow(handle_, rect.left, rect.top, rect.Width(), rect.Height(), repaint ? TRUE : FALSE) !=
           FALSE;
}

} // namespace OWL
