#include "platform/user/Desktop.h"
#include "platform/user/updown.h"

#include <stdexcept>

#include "platform/user/button.h"
#include "platform/user/combobox.h"
#include "platform/user/dialog_api.h"
#include "platform/user/edit.h"
#include "platform/user/listbox.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/user/scrollbar.h"
#include "platform/user/static.h"
#include "platform/user/tooltip.h"
#include "platform/win32/text.h"

namespace user {
namespace {

std::unique_ptr<Desktop>& Instance() {
    static std::unique_ptr<Desktop> instance;
    return instance;
}

bool InRange(UINT message, UINT first, UINT last) {
    return (first == 0 && last == 0) || (message >= first && message <= last);
}

} // namespace

Desktop::Desktop()
    : mSettings(DefaultSystemSettings()), mMonitors{Monitor{RECT{0, 0, 1920, 1080}, RECT{0, 0, 1920, 1040}}} {
    RegisterComboBoxClass(mClasses);
    RegisterListBoxClass(mClasses);
    RegisterStaticClass(mClasses);
    RegisterTooltipClass(mClasses);
    RegisterButtonClass(mClasses);
    RegisterEditClass(mClasses);
    RegisterScrollBarClass(mClasses);
    RegisterUpDownClass(mClasses);
    RegisterDialogClass(mClasses);
}

void Desktop::SetMonitors(std::vector<Monitor> monitors) {
    if (!monitors.empty())
        mMonitors = std::move(monitors);
}

Desktop& Desktop::Current() {
    if (!Instance())
        Reset();
    return *Instance();
}

void Desktop::Reset() {
    Instance().reset(new Desktop());
}

UINT Desktop::RegisterMessage(const std::u16string& name) {
    if (name.empty())
        return 0;
    for (std::size_t i = 0; i < mRegistered.size(); ++i) {
        if (win32::SameIgnoringCase(mRegistered[i], name))
            return WM_REGISTERED_FIRST + static_cast<UINT>(i);
    }
    if (mRegistered.size() >= 0x4000)
        return 0;
    mRegistered.push_back(name);
    return WM_REGISTERED_FIRST + static_cast<UINT>(mRegistered.size() - 1);
}

bool Desktop::InFilter(HWND filter, HWND hwnd) const {
    return filter == nullptr || hwnd == filter || mWindows.IsDescendant(filter, hwnd);
}

MSG Desktop::Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
    return MSG{hwnd, message, wParam, lParam, mClock.TickCount(), POINT{0, 0}};
}

std::optional<MSG> Desktop::Retrieve(HWND hwnd, UINT first, UINT last, bool remove, bool quit) {
    for (;;) {
        auto posted = mQueue.Next(
            [&](const MSG& m) {
                return InRange(m.message, first, last) && (hwnd == nullptr || InFilter(hwnd, m.hwnd));
            },
            remove);
        if (!posted)
            break;
        if (!remove || !HookSwallows(*posted))
            return posted;
    }
    if (quit && mQueue.QuitRequested()) {
        MSG quit = Make(nullptr, WM_QUIT, static_cast<WPARAM>(mQueue.ExitCode()), 0);
        if (remove)
            mQueue.ClearQuit();
        return quit;
    }
    if (InRange(WM_PAINT, first, last)) {
        if (auto paint = NextPaint(hwnd))
            return paint;
    }
    if (InRange(WM_TIMER, first, last))
        return NextTimer(hwnd, remove);
    return std::nullopt;
}

std::optional<MSG> Desktop::NextPaint(HWND filter) const {
    std::optional<MSG> found;
    mWindows.ForEachPreOrder([&](Window& w) {
        if (!w.update.IsEmpty() && mWindows.IsVisible(w) && InFilter(filter, w.handle))
            found = Make(w.handle, WM_PAINT, 0, 0);
        return !found;
    });
    return found;
}

std::optional<MSG> Desktop::NextTimer(HWND filter, bool remove) {
    const Timer* t = mTimers.FirstDue(mClock.Now(), [&](const Timer& timer) {
        return timer.hwnd == nullptr ? filter == nullptr : InFilter(filter, timer.hwnd);
    });
    if (t == nullptr)
        return std::nullopt;
    MSG msg = Make(t->hwnd, WM_TIMER, t->id, reinterpret_cast<LPARAM>(t->proc));
    if (remove)
        mTimers.Consume(t->hwnd, t->id, mClock.Now());
    return msg;
}

int Desktop::Pump() {
    Hold hold(*this);
    int count = 0;
    // A quit request stays for the message loop that owns it.
    while (auto msg = Retrieve(nullptr, 0, 0, true, false)) {
        if (++count > kPumpLimit)
            throw std::runtime_error(
                "the message pump does not become idle: a window keeps posting, invalidating "
                "itself or leaves WM_PAINT without validating");
        TranslateMessage(&*msg);
        DispatchMessageW(&*msg);
    }
    return count;
}

void Desktop::Advance(std::uint32_t ms) {
    const std::uint64_t end = mClock.Now() + ms;
    Pump();
    for (auto due = mTimers.NextDue(); due && *due <= end; due = mTimers.NextDue()) {
        if (*due > mClock.Now())
            mClock.Set(*due);
        Pump();
    }
    mClock.Set(end);
    Pump();
}

} // namespace user
