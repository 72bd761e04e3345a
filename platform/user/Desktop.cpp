#include "platform/user/Desktop.h"

#include <stdexcept>

#include "platform/user/combobox.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
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

Desktop::Desktop() {
    RegisterComboBoxClass(classes_);
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
    for (std::size_t i = 0; i < registered_.size(); ++i) {
        if (win32::SameIgnoringCase(registered_[i], name))
            return WM_REGISTERED_FIRST + static_cast<UINT>(i);
    }
    if (registered_.size() >= 0x4000)
        return 0;
    registered_.push_back(name);
    return WM_REGISTERED_FIRST + static_cast<UINT>(registered_.size() - 1);
}

bool Desktop::InFilter(HWND filter, HWND hwnd) const {
    return filter == nullptr || hwnd == filter || windows_.IsDescendant(filter, hwnd);
}

MSG Desktop::Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const {
    return MSG{hwnd, message, wParam, lParam, clock_.TickCount(), POINT{0, 0}};
}

std::optional<MSG> Desktop::Retrieve(HWND hwnd, UINT first, UINT last, bool remove, bool quit) {
    auto posted = queue_.Next(
        [&](const MSG& m) {
            return InRange(m.message, first, last) && (hwnd == nullptr || InFilter(hwnd, m.hwnd));
        },
        remove);
    if (posted)
        return posted;
    if (quit && queue_.QuitRequested()) {
        MSG quit = Make(nullptr, WM_QUIT, static_cast<WPARAM>(queue_.ExitCode()), 0);
        if (remove)
            queue_.ClearQuit();
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
    windows_.ForEachPreOrder([&](Window& w) {
        if (!w.update.IsEmpty() && windows_.IsVisible(w) && InFilter(filter, w.handle))
            found = Make(w.handle, WM_PAINT, 0, 0);
        return !found;
    });
    return found;
}

std::optional<MSG> Desktop::NextTimer(HWND filter, bool remove) {
    const Timer* t = timers_.FirstDue(clock_.Now(), [&](const Timer& timer) {
        return timer.hwnd == nullptr ? filter == nullptr : InFilter(filter, timer.hwnd);
    });
    if (t == nullptr)
        return std::nullopt;
    MSG msg = Make(t->hwnd, WM_TIMER, t->id, reinterpret_cast<LPARAM>(t->proc));
    if (remove)
        timers_.Consume(t->hwnd, t->id, clock_.Now());
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
    const std::uint64_t end = clock_.Now() + ms;
    Pump();
    for (auto due = timers_.NextDue(); due && *due <= end; due = timers_.NextDue()) {
        if (*due > clock_.Now())
            clock_.Set(*due);
        Pump();
    }
    clock_.Set(end);
    Pump();
}

} // namespace user
