#include <algorithm>
#include <cstdlib>
#include <utility>

#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/combobox.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/metrics_api.h"
#include "platform/user/rect_math.h"
#include "platform/user/window_api.h"
#include "platform/user/window_ops.h"

using user::Desktop;
using user::InputState;
using user::Window;

namespace {

InputState& Input() {
    return Desktop::Current().Input();
}

RECT ScreenRect(Desktop& d, const Window& w) {
    const Window* parent = d.Windows().Find(w.parent);
    if (parent == nullptr)
        return w.window;
    const POINT o = d.Windows().ClientOrigin(*parent);
    return user::Offset(w.window, o.x, o.y);
}

bool Covers(Desktop& d, const Window& w, POINT screen) {
    const RECT r = ScreenRect(d, w);
    if (!user::Contains(r, screen))
        return false;
    return !w.region || w.region->Contains(screen.x - r.left, screen.y - r.top);
}

struct Hit {
    HWND hwnd = nullptr;
    LRESULT code = HTNOWHERE;
};

// The deepest window at the point among list (topmost first) and their children.
Hit HitIn(Desktop& d, const std::vector<HWND>& list, POINT screen) {
    for (HWND h : std::vector<HWND>(list)) {
        const Window* w = d.Windows().Find(h);
        if (w == nullptr || (w->style & WS_VISIBLE) == 0 || !Covers(d, *w, screen))
            continue;
        const POINT origin = d.Windows().ClientOrigin(*w);
        const RECT client{origin.x, origin.y, origin.x + w->ClientWidth(), origin.y + w->ClientHeight()};
        if (user::Contains(client, screen)) {
            const Hit child = HitIn(d, w->children, screen);
            if (child.hwnd != nullptr)
                return child;
        }
        if ((w->style & WS_DISABLED) != 0)
            continue;
        const LRESULT code = SendMessageW(h, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
        if (code != HTTRANSPARENT)
            return Hit{h, code};
    }
    return Hit{};
}

Hit HitAt(POINT screen) {
    Desktop& d = Desktop::Current();
    return HitIn(d, d.Windows().TopLevel(), screen);
}

bool Swapped() {
    return Desktop::Current().Settings().swapButtons;
}

// The logical button of a physical one.
int Logical(int button) {
    if (!Swapped() || (button != VK_LBUTTON && button != VK_RBUTTON))
        return button;
    return button == VK_LBUTTON ? VK_RBUTTON : VK_LBUTTON;
}

WPARAM KeyFlags() {
    const InputState& in = Input();
    WPARAM f = 0;
    if (in.down[static_cast<std::size_t>(Logical(VK_LBUTTON))])
        f |= MK_LBUTTON;
    if (in.down[static_cast<std::size_t>(Logical(VK_RBUTTON))])
        f |= MK_RBUTTON;
    if (in.down[VK_MBUTTON])
        f |= MK_MBUTTON;
    if (in.down[VK_LSHIFT] || in.down[VK_RSHIFT])
        f |= MK_SHIFT;
    if (in.down[VK_LCONTROL] || in.down[VK_RCONTROL])
        f |= MK_CONTROL;
    return f;
}

void Post(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Desktop& d = Desktop::Current();
    d.Queue().Post(MSG{hwnd, message, wParam, lParam, d.Clock().TickCount(), Input().cursor});
}

// The leave notice of a tracked window the pointer is no longer over.
void CheckLeave(const Hit& now) {
    InputState& in = Input();
    if (in.tracked == nullptr)
        return;
    if (!IsWindow(in.tracked)) {
        in.tracked = nullptr;
        return;
    }
    if ((now.hwnd == in.tracked && now.code == HTCLIENT) || GetCapture() == in.tracked)
        return; // a window holding the capture has the pointer wherever it is
    Post(std::exchange(in.tracked, nullptr), WM_MOUSELEAVE, 0, 0);
}

} // namespace

void user::CheckTrackedLeave() {
    CheckLeave(HitAt(Input().cursor));
}

namespace {

// A client message (client coordinates) or, off the client area without a
// capture, the matching non-client message (screen coordinates, hit code).
void PostMouse(UINT message, WPARAM extra = 0) {
    InputState& in = Input();
    const Hit hit = HitAt(in.cursor);
    CheckLeave(hit);
    const HWND capture = GetCapture();
    if (capture != nullptr) {
        POINT p = in.cursor;
        ScreenToClient(capture, &p);
        Post(capture, message, KeyFlags() | extra, MAKELPARAM(p.x, p.y));
        return;
    }
    if (hit.hwnd == nullptr)
        return;
    SendMessageW(hit.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hit.hwnd),
                 MAKELPARAM(static_cast<int>(hit.code), static_cast<int>(message)));
    if (hit.code == HTCLIENT) {
        POINT p = in.cursor;
        ScreenToClient(hit.hwnd, &p);
        Post(hit.hwnd, message, KeyFlags() | extra, MAKELPARAM(p.x, p.y));
    } else if (message != WM_MOUSEWHEEL) {
        Post(hit.hwnd, message - WM_MOUSEMOVE + WM_NCMOUSEMOVE, static_cast<WPARAM>(hit.code),
             MAKELPARAM(in.cursor.x, in.cursor.y));
    }
}

UINT ButtonMessage(int button, bool down) {
    switch (button) {
    case VK_RBUTTON:
        return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case VK_MBUTTON:
        return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
    default:
        return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    }
}

// A second press of the same button on the same window of a CS_DBLCLKS class,
// soon and near enough, is a double click.
UINT PressMessage(int button) {
    Desktop& d = Desktop::Current();
    InputState& in = Input();
    const UINT down = ButtonMessage(button, true);
    const HWND capture = GetCapture();
    const HWND target = capture != nullptr ? capture : HitAt(in.cursor).hwnd;
    const Window* w = d.Windows().Find(target);
    const bool dbl = w != nullptr && (w->windowClass->style & CS_DBLCLKS) != 0 &&
                     in.lastPress.hwnd == target && in.lastPress.message == down &&
                     d.Clock().Now() - in.lastPress.time <= GetDoubleClickTime() &&
                     std::abs(in.lastPress.at.x - in.cursor.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                     std::abs(in.lastPress.at.y - in.cursor.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (dbl) {
        in.lastPress = {};
        return down + 2;
    }
    in.lastPress = {target, down, d.Clock().Now(), in.cursor};
    return down;
}

LPARAM KeyData(int key, bool up, bool wasDown) {
    DWORD data = 1 | (static_cast<DWORD>(key & 0xFF) << 16);
    if (key == VK_RCONTROL || key == VK_RSHIFT)
        data |= 1u << 24;
    if (wasDown)
        data |= 1u << 30;
    if (up)
        data |= 1u << 31;
    return static_cast<LPARAM>(data);
}

// The key as a window sees it: left- and right-hand keys report the generic key.
int Generic(int key) {
    if (key == VK_LSHIFT || key == VK_RSHIFT)
        return VK_SHIFT;
    if (key == VK_LCONTROL || key == VK_RCONTROL)
        return VK_CONTROL;
    return key;
}

} // namespace

namespace user {

void MoveMouse(POINT screen) {
    Input().cursor = screen;
    PostMouse(WM_MOUSEMOVE);
}

void MoveMouseTo(HWND hwnd, POINT client) {
    ClientToScreen(hwnd, &client);
    MoveMouse(client);
}

void PressButton(int button) {
    Input().down[static_cast<std::size_t>(button & 0xFF)] = true;
    PostMouse(PressMessage(Logical(button)));
}

void ReleaseButton(int button) {
    Input().down[static_cast<std::size_t>(button & 0xFF)] = false;
    PostMouse(ButtonMessage(Logical(button), false));
}

void Click(HWND hwnd, POINT client, int button) {
    MoveMouseTo(hwnd, client);
    PressButton(button);
    ReleaseButton(button);
}

void KeyDown(int key) {
    InputState& in = Input();
    const std::size_t k = static_cast<std::size_t>(key & 0xFF);
    const bool wasDown = in.down[k];
    in.down[k] = true;
    if (!wasDown)
        in.toggled[k] = !in.toggled[k];
    if (HWND focus = GetFocus())
        Post(focus, WM_KEYDOWN, static_cast<WPARAM>(Generic(key)), KeyData(key, false, wasDown));
}

void KeyUp(int key) {
    InputState& in = Input();
    in.down[static_cast<std::size_t>(key & 0xFF)] = false;
    if (HWND focus = GetFocus())
        Post(focus, WM_KEYUP, static_cast<WPARAM>(Generic(key)), KeyData(key, true, true));
}

void PressKey(int key) {
    KeyDown(key);
    KeyUp(key);
}

void TypeText(std::u16string_view text) {
    if (HWND focus = GetFocus())
        for (char16_t c : text)
            Post(focus, WM_CHAR, c, 1);
}

void ChooseItem(HWND combo, int index) {
    Post(combo, kComboUserChoice, static_cast<WPARAM>(index), 0);
}

void Wheel(int delta) {
    if (HWND focus = GetFocus())
        Post(focus, WM_MOUSEWHEEL, KeyFlags() | (static_cast<WPARAM>(static_cast<WORD>(delta)) << 16),
             MAKELPARAM(Input().cursor.x, Input().cursor.y));
}

bool HookSwallows(const MSG& msg) {
    const bool mouse = (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) ||
                       (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONUP);
    const bool key = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && msg.message != WM_CHAR;
    if (!mouse && !key)
        return false;
    const int kind = mouse ? WH_MOUSE : WH_KEYBOARD;
    for (const Hook& h : std::vector<Hook>(Input().hooks)) {
        if (h.kind != kind)
            continue;
        if (mouse) {
            MOUSEHOOKSTRUCT info{msg.pt, msg.hwnd, 0, 0};
            if (msg.message >= WM_NCMOUSEMOVE && msg.message <= WM_NCMBUTTONUP)
                info.wHitTestCode = static_cast<UINT>(msg.wParam);
            else
                info.wHitTestCode = static_cast<UINT>(HTCLIENT);
            return h.proc(HC_ACTION, msg.message, reinterpret_cast<LPARAM>(&info)) != 0;
        }
        return h.proc(HC_ACTION, msg.wParam, msg.lParam) != 0;
    }
    return false;
}

void CallReturnHooks(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT result) {
    for (const Hook& h : std::vector<Hook>(Input().hooks)) {
        if (h.kind != WH_CALLWNDPROCRET)
            continue;
        CWPRETSTRUCT info{result, lParam, wParam, message, hwnd};
        h.proc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&info));
        return;
    }
}

} // namespace user

BOOL GetCursorPos(POINT* point) {
    if (point == nullptr)
        return FALSE;
    *point = Input().cursor;
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    user::MoveMouse(POINT{x, y});
    return TRUE;
}

namespace {

SHORT PhysicalKeyState(int key) {
    const InputState& in = Input();
    const std::size_t k = static_cast<std::size_t>(key & 0xFF);
    bool down = in.down[k];
    if (key == VK_SHIFT)
        down = in.down[VK_LSHIFT] || in.down[VK_RSHIFT] || in.down[VK_SHIFT];
    else if (key == VK_CONTROL)
        down = in.down[VK_LCONTROL] || in.down[VK_RCONTROL] || in.down[VK_CONTROL];
    return static_cast<SHORT>((down ? 0x8000 : 0) | (in.toggled[k] ? 1 : 0));
}

} // namespace

SHORT GetKeyState(int key) {
    return PhysicalKeyState(Logical(key));
}

SHORT GetAsyncKeyState(int key) {
    return static_cast<SHORT>(PhysicalKeyState(key) & 0x8000);
}

UINT GetDoubleClickTime() {
    return 500;
}

HWND WindowFromPoint(POINT point) {
    return HitAt(point).hwnd;
}

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) {
    if (track == nullptr || track->cbSize != sizeof(TRACKMOUSEEVENT))
        return FALSE;
    InputState& in = Input();
    if (track->dwFlags & TME_QUERY) {
        track->dwFlags = in.tracked != nullptr ? TME_LEAVE : 0;
        track->hwndTrack = in.tracked;
        return TRUE;
    }
    if (!IsWindow(track->hwndTrack))
        return FALSE;
    if (track->dwFlags & TME_CANCEL) {
        if ((track->dwFlags & TME_LEAVE) && in.tracked == track->hwndTrack)
            in.tracked = nullptr;
        return TRUE;
    }
    if ((track->dwFlags & TME_LEAVE) == 0)
        return TRUE;
    in.tracked = track->hwndTrack;
    CheckLeave(HitAt(in.cursor));
    return TRUE;
}

HHOOK SetWindowsHookExW(int kind, HOOKPROC proc, HINSTANCE, DWORD) {
    if (proc == nullptr || (kind != WH_MOUSE && kind != WH_KEYBOARD && kind != WH_CALLWNDPROCRET))
        return nullptr;
    InputState& in = Input();
    in.nextHook += 0x10;
    const HHOOK handle = reinterpret_cast<HHOOK>(in.nextHook);
    in.hooks.insert(in.hooks.begin(), user::Hook{handle, kind, proc});
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    auto& hooks = Input().hooks;
    const auto it =
        std::find_if(hooks.begin(), hooks.end(), [&](const user::Hook& h) { return h.handle == hook; });
    if (it == hooks.end())
        return FALSE;
    hooks.erase(it);
    return TRUE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    const std::vector<user::Hook> hooks = Input().hooks;
    const auto it =
        std::find_if(hooks.begin(), hooks.end(), [&](const user::Hook& h) { return h.handle == hook; });
    if (it == hooks.end())
        return 0;
    for (auto next = it + 1; next != hooks.end(); ++next)
        if (next->kind == it->kind)
            return next->proc(code, wParam, lParam);
    return 0;
}
