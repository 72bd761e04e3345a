#pragma once
// A command enabler: asks the windows up the chain whether the command of an
// id is enabled, checked and what its text is. The framework sends it as the
// command-enable message (lParam: the enabler); a window answers through an
// EV_COMMAND_ENABLE entry and unanswered ones go to the parent window.

#include "platform/user/handles.h"

namespace OWL {

// The framework's messages: the command-enable question and the notice that a
// child's contents failed validation.
inline constexpr UINT WM_COMMAND_ENABLE = 0x7FFF;
inline constexpr UINT WM_CHILDINVALID = 0x7FFE;

class TCommandEnabler {
public:
    enum TCommandState { Unchecked = 0, Checked = 1, Indeterminate = 2 };

    explicit TCommandEnabler(UINT id, HWND receiver = nullptr) : mId(id), mReceiver(receiver) {}
    virtual ~TCommandEnabler() = default;

    UINT GetId() const { return mId; }
    HWND GetReceiver() const { return mReceiver; }
    bool GetHandled() const { return mHandled; }

    virtual void Enable(bool enable = true) {
        mHandled = true;
        mEnabled = enable;
    }
    virtual void SetText(LPCWSTR) { mHandled = true; }
    virtual void SetCheck(int) { mHandled = true; }

    bool Enabled() const { return mEnabled; }

protected:
    UINT mId;
    HWND mReceiver;
    bool mHandled = false;
    bool mEnabled = true;
};

} // namespace OWL
