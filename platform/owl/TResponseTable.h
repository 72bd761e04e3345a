#pragma once
// Response tables: a window class's messages and the members that answer them.
// Each entry decodes its message's parameters once and calls the member with
// typed arguments; a class's own table is searched first, then its base
// class's (DEFINE_RESPONSE_TABLE1). A table is built on its first use and is
// complete from then on.
//
//   class TMyWindow : public TWindow {
//       ...
//       DECLARE_RESPONSE_TABLE(TMyWindow);
//   };
//   DEFINE_RESPONSE_TABLE1(TMyWindow, TWindow)
//       EV_WM_SIZE,
//       EV_COMMAND(101, CmApply),
//   END_RESPONSE_TABLE;

#include <functional>
#include <type_traits>
#include <vector>

#include "platform/owl/TCommandEnabler.h"
#include "platform/owl/TRect.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/records.h"

namespace OWL {

// The message being answered; handlers that answer leave their result here.
struct TEventInfo {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

template <class T> struct TResponseEntry {
    UINT message = 0;             // 0 with a registered name: resolved when dispatched
    UINT id = 0;                  // control or command id of WM_COMMAND entries
    const char16_t* registered{}; // name of a registered message
    std::function<void(T&, TEventInfo&)> call;
    int code = -1; // notification code of a child's WM_COMMAND; -1: any

    bool Matches(const TEventInfo& e) const;
};

template <class T> class TResponseTable {
public:
    TResponseTable(std::initializer_list<TResponseEntry<T>> entries) : mEntries(entries) {}
    // True when an entry answered.
    bool Dispatch(T& window, TEventInfo& event) const {
        for (const TResponseEntry<T>& entry : mEntries)
            if (entry.Matches(event)) {
                entry.call(window, event);
                return true;
            }
        return false;
    }

private:
    std::vector<TResponseEntry<T>> mEntries;
};

template <class T> bool TResponseEntry<T>::Matches(const TEventInfo& e) const {
    if (registered != nullptr)
        return e.message == RegisterWindowMessageW(registered);
    if (e.message != message)
        return false;
    if (message == WM_COMMAND_ENABLE)
        return id == 0 || reinterpret_cast<const TCommandEnabler*>(e.lParam)->GetId() == id;
    return message != WM_COMMAND ||
           (LOWORD(static_cast<DWORD>(e.wParam)) == id &&
            (code < 0 || HIWORD(static_cast<DWORD>(e.wParam)) == static_cast<UINT>(code)));
}

// Entry builders. T is the table's class, C the class that declares the
// member (T or a base of T).
namespace entries {

template <class T, class C> void CheckBase() {
    static_assert(std::is_base_of_v<C, T>, "the member belongs to another class");
}

inline TPoint PointOf(LPARAM lp) {
    return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
}

template <class T, class C> TResponseEntry<T> Void(UINT message, void (C::*member)()) {
    CheckBase<T, C>();
    return {message, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)();
            }};
}

template <class T, class C> TResponseEntry<T> NcHitTest(UINT (C::*member)(const TPoint&)) {
    CheckBase<T, C>();
    return {WM_NCHITTEST, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = static_cast<LRESULT>((w.*member)(PointOf(e.lParam)));
            }};
}

template <class T, class C> TResponseEntry<T> DrawItem(void (C::*member)(UINT, const DRAWITEMSTRUCT&)) {
    CheckBase<T, C>();
    return {WM_DRAWITEM, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = TRUE; // the member may answer otherwise through the current event
                (w.*member)(static_cast<UINT>(e.wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(e.lParam));
            }};
}

template <class T, class C> TResponseEntry<T> MeasureItem(void (C::*member)(UINT, MEASUREITEMSTRUCT&)) {
    CheckBase<T, C>();
    return {WM_MEASUREITEM, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = TRUE;
                (w.*member)(static_cast<UINT>(e.wParam), *reinterpret_cast<MEASUREITEMSTRUCT*>(e.lParam));
            }};
}

template <class T, class C> TResponseEntry<T> GetText(int (C::*member)(int, LPWSTR)) {
    CheckBase<T, C>();
    return {WM_GETTEXT, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = (w.*member)(static_cast<int>(e.wParam), reinterpret_cast<LPWSTR>(e.lParam));
            }};
}

template <class T, class C> TResponseEntry<T> Int(UINT message, int (C::*member)()) {
    CheckBase<T, C>();
    return {message, 0, nullptr, [member](T& w, TEventInfo& e) { e.result = (w.*member)(); }};
}

template <class T, class C> TResponseEntry<T> ShowWindow(void (C::*member)(bool, UINT)) {
    CheckBase<T, C>();
    return {WM_SHOWWINDOW, 0, nullptr, [member](T& w, TEventInfo& e) {
                (w.*member)(e.wParam != 0, static_cast<UINT>(e.lParam));
                e.result = 0;
            }};
}

template <class T, class C> TResponseEntry<T> Size(void (C::*member)(UINT, const TSize&)) {
    CheckBase<T, C>();
    return {WM_SIZE, 0, nullptr, [member](T& w, TEventInfo& e) {
                (w.*member)(static_cast<UINT>(e.wParam), TSize(LOWORD(static_cast<DWORD>(e.lParam)),
                                                               HIWORD(static_cast<DWORD>(e.lParam))));
                e.result = 0;
            }};
}

template <class T, class C> TResponseEntry<T> Timer(void (C::*member)(UINT_PTR)) {
    CheckBase<T, C>();
    return {WM_TIMER, 0, nullptr, [member](T& w, TEventInfo& e) {
                (w.*member)(static_cast<UINT_PTR>(e.wParam));
                e.result = 0;
            }};
}

template <class T, class C> TResponseEntry<T> Command(UINT id, void (C::*member)()) {
    CheckBase<T, C>();
    return {WM_COMMAND, id, nullptr, [member](T& w, TEventInfo& e) {
                (w.*member)();
                e.result = 0;
            }};
}

// A child control's notification (WM_COMMAND with the control's id and the code).
template <class T, class C> TResponseEntry<T> ChildNotify(UINT id, WORD code, void (C::*member)()) {
    CheckBase<T, C>();
    return {WM_COMMAND, id, nullptr,
            [member](T& w, TEventInfo& e) {
                (w.*member)();
                e.result = 0;
            },
            code};
}

// Mouse messages: the key flags and the client point.
template <class T, class C> TResponseEntry<T> Mouse(UINT message, void (C::*member)(UINT, const TPoint&)) {
    CheckBase<T, C>();
    return {message, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)(static_cast<UINT>(e.wParam), PointOf(e.lParam));
            }};
}

template <class T, class C> TResponseEntry<T> Move(void (C::*member)(const TPoint&)) {
    CheckBase<T, C>();
    return {WM_MOVE, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)(PointOf(e.lParam));
            }};
}

// WM_CHAR and key messages: the key, the repeat count and the flags word.
template <class T, class C> TResponseEntry<T> Key(UINT message, void (C::*member)(UINT, UINT, UINT)) {
    CheckBase<T, C>();
    return {message, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                const auto data = static_cast<DWORD>(e.lParam);
                (w.*member)(static_cast<UINT>(e.wParam), LOWORD(data), HIWORD(data));
            }};
}

// id 0 answers every command's enabler.
template <class T, class C> TResponseEntry<T> CommandEnable(UINT id, void (C::*member)(TCommandEnabler&)) {
    CheckBase<T, C>();
    return {WM_COMMAND_ENABLE, id, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)(*reinterpret_cast<TCommandEnabler*>(e.lParam));
            }};
}

// Any message, its parameters undecoded.
template <class T, class C> TResponseEntry<T> Raw(UINT message, LRESULT (C::*member)(WPARAM, LPARAM)) {
    CheckBase<T, C>();
    return {message, 0, nullptr,
            [member](T& w, TEventInfo& e) { e.result = (w.*member)(e.wParam, e.lParam); }};
}

// WM_SETFOCUS and WM_KILLFOCUS: the window losing or gaining the focus.
template <class T, class C> TResponseEntry<T> Focus(UINT message, void (C::*member)(HWND)) {
    CheckBase<T, C>();
    return {message, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)(reinterpret_cast<HWND>(e.wParam));
            }};
}

template <class T, class C> TResponseEntry<T> EraseBkgnd(bool (C::*member)(HDC)) {
    CheckBase<T, C>();
    return {WM_ERASEBKGND, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = (w.*member)(reinterpret_cast<HDC>(e.wParam)) ? TRUE : FALSE;
            }};
}

// The window the menu is asked for and the screen point.
template <class T, class C> TResponseEntry<T> ContextMenu(void (C::*member)(HWND, const TPoint&)) {
    CheckBase<T, C>();
    return {WM_CONTEXTMENU, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)(reinterpret_cast<HWND>(e.wParam), PointOf(e.lParam));
            }};
}

// The window under the pointer, the hit-test code and the mouse message;
// true when the member set the cursor.
template <class T, class C> TResponseEntry<T> SetCursor(bool (C::*member)(HWND, UINT, UINT)) {
    CheckBase<T, C>();
    return {WM_SETCURSOR, 0, nullptr, [member](T& w, TEventInfo& e) {
                const auto data = static_cast<DWORD>(e.lParam);
                e.result =
                    (w.*member)(reinterpret_cast<HWND>(e.wParam), LOWORD(data), HIWORD(data)) ? TRUE : FALSE;
            }};
}

// WM_HSCROLL and WM_VSCROLL: the action code, the thumb position and the bar.
template <class T, class C> TResponseEntry<T> Scroll(UINT message, void (C::*member)(UINT, UINT, HWND)) {
    CheckBase<T, C>();
    return {message, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                const auto data = static_cast<DWORD>(e.wParam);
                (w.*member)(LOWORD(data), HIWORD(data), reinterpret_cast<HWND>(e.lParam));
            }};
}

template <class T, class C> TResponseEntry<T> WindowPosChanged(void (C::*member)(const WINDOWPOS&)) {
    CheckBase<T, C>();
    return {WM_WINDOWPOSCHANGED, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = 0;
                (w.*member)(*reinterpret_cast<const WINDOWPOS*>(e.lParam));
            }};
}

// The message being asked about (null when none).
template <class T, class C> TResponseEntry<T> GetDlgCode(UINT (C::*member)(const MSG*)) {
    CheckBase<T, C>();
    return {WM_GETDLGCODE, 0, nullptr, [member](T& w, TEventInfo& e) {
                e.result = static_cast<LRESULT>((w.*member)(reinterpret_cast<const MSG*>(e.lParam)));
            }};
}

template <class T, class C>
TResponseEntry<T> Registered(const char16_t* name, LRESULT (C::*member)(WPARAM, LPARAM)) {
    CheckBase<T, C>();
    return {0, 0, name, [member](T& w, TEventInfo& e) { e.result = (w.*member)(e.wParam, e.lParam); }};
}

} // namespace entries

} // namespace OWL

#define DECLARE_RESPONSE_TABLE(T)                                                                            \
public:                                                                                                      \
    static const ::OWL::TResponseTable<T>& ResponseTable();                                                  \
    bool DispatchEvent(::OWL::TEventInfo& event) override

#define DEFINE_RESPONSE_TABLE1(T, Base)                                                                      \
    bool T::DispatchEvent(::OWL::TEventInfo& event) {                                                        \
        return ResponseTable().Dispatch(*this, event) || Base::DispatchEvent(event);                         \
    }                                                                                                        \
    const ::OWL::TResponseTable<T>& T::ResponseTable() {                                                     \
        using TMyClass = T;                                                                                  \
        static const ::OWL::TResponseTable<T> table {

#define END_RESPONSE_TABLE                                                                                   \
    }                                                                                                        \
    ;                                                                                                        \
    return table;                                                                                            \
    }

// Entries, each answered by the member of the usual name.
#define EV_WM_NCHITTEST                                                                                      \
    ::OWL::entries::NcHitTest<TMyClass>(&TMyClass::EvNCHitTest) // UINT (const TPoint& screen)
#define EV_WM_DRAWITEM                                                                                       \
    ::OWL::entries::DrawItem<TMyClass>(&TMyClass::EvDrawItem) // void (UINT id, const DRAWITEMSTRUCT&)
#define EV_WM_MEASUREITEM                                                                                    \
    ::OWL::entries::MeasureItem<TMyClass>(&TMyClass::EvMeasureItem) // void (UINT id, MEASUREITEMSTRUCT&)
#define EV_WM_GETTEXT                                                                                        \
    ::OWL::entries::GetText<TMyClass>(&TMyClass::EvGetText) // int (int length, LPWSTR buffer)
#define EV_WM_GETTEXTLENGTH                                                                                  \
    ::OWL::entries::Int<TMyClass>(WM_GETTEXTLENGTH, &TMyClass::EvGetTextLength) // int ()
#define EV_WM_SYSCOLORCHANGE ::OWL::entries::Void<TMyClass>(WM_SYSCOLORCHANGE, &TMyClass::EvSysColorChange)
#define EV_WM_THEMECHANGED ::OWL::entries::Void<TMyClass>(WM_THEMECHANGED, &TMyClass::EvThemeChanged)
#define EV_WM_DESTROY ::OWL::entries::Void<TMyClass>(WM_DESTROY, &TMyClass::EvDestroy)
#define EV_WM_SHOWWINDOW                                                                                     \
    ::OWL::entries::ShowWindow<TMyClass>(&TMyClass::EvShowWindow)       // void (bool shown, UINT status)
#define EV_WM_SIZE ::OWL::entries::Size<TMyClass>(&TMyClass::EvSize)    // void (UINT kind, const TSize&)
#define EV_WM_TIMER ::OWL::entries::Timer<TMyClass>(&TMyClass::EvTimer) // void (UINT_PTR id)
#define EV_COMMAND(id, member) ::OWL::entries::Command<TMyClass>(id, &TMyClass::member)
#define EV_CHILD_NOTIFY(id, code, member) ::OWL::entries::ChildNotify<TMyClass>(id, code, &TMyClass::member)
#define EV_BN_CLICKED(id, member) EV_CHILD_NOTIFY(id, 0 /* BN_CLICKED */, member)
#define EV_CBN_SELCHANGE(id, member) EV_CHILD_NOTIFY(id, 1 /* CBN_SELCHANGE */, member)
#define EV_LBN_SELCHANGE(id, member) EV_CHILD_NOTIFY(id, 1 /* LBN_SELCHANGE */, member)
#define EV_EN_CHANGE(id, member) EV_CHILD_NOTIFY(id, 0x0300 /* EN_CHANGE */, member)
#define EV_EN_KILLFOCUS(id, member) EV_CHILD_NOTIFY(id, 0x0200 /* EN_KILLFOCUS */, member)
#define EV_COMMAND_ENABLE(id, member) ::OWL::entries::CommandEnable<TMyClass>(id, &TMyClass::member)
#define EV_COMMAND_ENABLE_ANY(member) ::OWL::entries::CommandEnable<TMyClass>(0, &TMyClass::member)
// void (UINT modKeys, const TPoint& client)
#define EV_WM_MOUSEMOVE ::OWL::entries::Mouse<TMyClass>(WM_MOUSEMOVE, &TMyClass::EvMouseMove)
#define EV_WM_LBUTTONDOWN ::OWL::entries::Mouse<TMyClass>(WM_LBUTTONDOWN, &TMyClass::EvLButtonDown)
#define EV_WM_LBUTTONUP ::OWL::entries::Mouse<TMyClass>(WM_LBUTTONUP, &TMyClass::EvLButtonUp)
#define EV_WM_LBUTTONDBLCLK ::OWL::entries::Mouse<TMyClass>(WM_LBUTTONDBLCLK, &TMyClass::EvLButtonDblClk)
#define EV_WM_RBUTTONDOWN ::OWL::entries::Mouse<TMyClass>(WM_RBUTTONDOWN, &TMyClass::EvRButtonDown)
#define EV_WM_RBUTTONUP ::OWL::entries::Mouse<TMyClass>(WM_RBUTTONUP, &TMyClass::EvRButtonUp)
#define EV_WM_MBUTTONDOWN ::OWL::entries::Mouse<TMyClass>(WM_MBUTTONDOWN, &TMyClass::EvMButtonDown)
#define EV_WM_MOUSELEAVE ::OWL::entries::Void<TMyClass>(WM_MOUSELEAVE, &TMyClass::EvMouseLeave)
#define EV_WM_MOVE ::OWL::entries::Move<TMyClass>(&TMyClass::EvMove) // void (const TPoint& client origin)
#define EV_WM_CHAR ::OWL::entries::Key<TMyClass>(WM_CHAR, &TMyClass::EvChar) // void (UINT, UINT, UINT)
#define EV_WM_KEYDOWN ::OWL::entries::Key<TMyClass>(WM_KEYDOWN, &TMyClass::EvKeyDown)
#define EV_WM_KEYUP ::OWL::entries::Key<TMyClass>(WM_KEYUP, &TMyClass::EvKeyUp)
#define EV_MESSAGE(message, member) ::OWL::entries::Raw<TMyClass>(message, &TMyClass::member)
// void (HWND other)
#define EV_WM_SETFOCUS ::OWL::entries::Focus<TMyClass>(WM_SETFOCUS, &TMyClass::EvSetFocus)
#define EV_WM_KILLFOCUS ::OWL::entries::Focus<TMyClass>(WM_KILLFOCUS, &TMyClass::EvKillFocus)
#define EV_WM_ERASEBKGND ::OWL::entries::EraseBkgnd<TMyClass>(&TMyClass::EvEraseBkgnd) // bool (HDC)
// void (HWND, const TPoint& screen)
#define EV_WM_CONTEXTMENU ::OWL::entries::ContextMenu<TMyClass>(&TMyClass::EvContextMenu)
#define EV_WM_SETCURSOR ::OWL::entries::SetCursor<TMyClass>(&TMyClass::EvSetCursor) // bool (HWND, UINT, UINT)
// void (UINT code, UINT thumbPos, HWND bar)
#define EV_WM_HSCROLL ::OWL::entries::Scroll<TMyClass>(WM_HSCROLL, &TMyClass::EvHScroll)
#define EV_WM_VSCROLL ::OWL::entries::Scroll<TMyClass>(WM_VSCROLL, &TMyClass::EvVScroll)
#define EV_WM_WINDOWPOSCHANGED ::OWL::entries::WindowPosChanged<TMyClass>(&TMyClass::EvWindowPosChanged)
#define EV_WM_GETDLGCODE ::OWL::entries::GetDlgCode<TMyClass>(&TMyClass::EvGetDlgCode) // UINT (const MSG*)
#define EV_REGISTERED(name, member) ::OWL::entries::Registered<TMyClass>(name, &TMyClass::member)
