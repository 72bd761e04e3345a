#pragma once
// The one desktop of the process: windows and classes, the message queue, focus
// and capture, the test clock with its timers, registered messages, message
// boxes, the effects log and the device that window DCs come from. The platform
// functions (CreateWindowExW, SendMessageW, SetTimer ...) work on
// Desktop::Current(); tests start each case with Reset() and drive it with
// Pump() and Advance().

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/user/ClassRegistry.h"
#include "platform/user/Clipboard.h"
#include "platform/user/EffectsLog.h"
#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/ScriptedDialogs.h"
#include "platform/user/ScriptedFileDialogs.h"
#include "platform/user/ScriptedMenus.h"
#include "platform/user/ScriptedMessageBoxes.h"
#include "platform/user/TestClock.h"
#include "platform/user/TimerTable.h"
#include "platform/user/UserObjects.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/WindowTable.h"
#include "platform/user/monitor_api.h"
#include "platform/user/sysparams_api.h"

namespace user {

class Desktop {
public:
    static Desktop& Current();
    // Starts over: no windows, classes, timers or messages; clock at 0; window
    // surfaces blank. Windows are dropped without messages.
    static void Reset();

    ClassRegistry& Classes() { return mClasses; }
    WindowTable& Windows() { return mWindows; }
    MessageQueue& Queue() { return mQueue; }
    TestClock& Clock() { return mClock; }
    TimerTable& Timers() { return mTimers; }
    ScriptedMessageBoxes& MessageBoxes() { return mBoxes; }
    ScriptedFileDialogs& FileDialogs() { return mFileDialogs; }
    Clipboard& ClipboardState() { return mClipboard; }
    ScriptedDialogs& Dialogs() { return mDialogs; }
    EffectsLog& Effects() { return mEffects; }
    WindowSurfaces& Paint() { return mPaint; }
    InputState& Input() { return mInput; }
    ScriptedMenus& Menus() { return mMenus; }
    UserObjects& Objects() { return mObjects; }
    SystemSettings& Settings() { return mSettings; }

    // Monitors, the primary first; at least one.
    const std::vector<Monitor>& Monitors() const { return mMonitors; }
    void SetMonitors(std::vector<Monitor> monitors);

    HWND focus = nullptr;
    HWND capture = nullptr;

    // Same name (case-insensitive) → same number, from 0xC000 up; 0 for an empty name.
    UINT RegisterMessage(const std::u16string& name);

    // Dispatches posted messages, paints and due timers until none is left;
    // returns how many were dispatched. Throws std::runtime_error when the
    // windows never let it become idle.
    int Pump();
    // Moves the clock on by ms, stopping at each timer's due time to deliver it
    // and pump; ends with a pump at the final time.
    void Advance(std::uint32_t ms);

    // The next message by the queue's priority: posted messages first, then
    // WM_PAINT for a window with something to paint (parents before children),
    // then WM_TIMER of the earliest due timer. hwnd filters to that window and
    // its descendants; [first, last] to a range of message numbers (0, 0 = all).
    // A quit request comes after posted messages, unless quit is false.
    std::optional<MSG> Retrieve(HWND hwnd, UINT first, UINT last, bool remove, bool quit = true);

    // Keeps removed windows' objects alive while in scope, so a pointer held
    // across a window procedure call never dangles; the outermost scope frees them.
    class Hold {
    public:
        explicit Hold(Desktop& d) : mDesktop(d) { ++mDesktop.mHolds; }
        ~Hold() {
            if (--mDesktop.mHolds == 0)
                mDesktop.mWindows.Collect();
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Desktop& mDesktop;
    };

    static constexpr int kPumpLimit = 10000;

private:
    Desktop();
    bool InFilter(HWND filter, HWND hwnd) const;
    std::optional<MSG> NextPaint(HWND filter) const;
    std::optional<MSG> NextTimer(HWND filter, bool remove);
    MSG Make(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const;

    ClassRegistry mClasses;
    WindowTable mWindows;
    MessageQueue mQueue;
    TestClock mClock;
    TimerTable mTimers;
    ScriptedMessageBoxes mBoxes;
    ScriptedFileDialogs mFileDialogs;
    Clipboard mClipboard;
    ScriptedDialogs mDialogs;
    EffectsLog mEffects;
    WindowSurfaces mPaint;
    InputState mInput;
    ScriptedMenus mMenus;
    UserObjects mObjects;
    SystemSettings mSettings;
    std::vector<Monitor> mMonitors;
    std::vector<std::u16string> mRegistered;
    int mHolds = 0;
};

} // namespace user
