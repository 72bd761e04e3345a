#pragma once
// Command handlers: the host calls them for menu commands, command-state
// queries and further command events. Each answers S_OK when it handled the
// event and S_FALSE when not, so that the host offers it elsewhere.

#include "platform/vantrel/IAutoOvoString.h"

inline constexpr IID IID_ICAFCommandHandler = MakeGuid("{812082B5-B7F0-11D3-80C8-005004AD3C53}");
inline constexpr IID IID_ICommandState = MakeGuid("{2F6A9D10-4C83-4B7E-9E25-8A1D0C3B5E61}"); // our own id

// The state of one menu item, handed to an enabler.
struct ICommandState : IUnknown {
    virtual HRESULT SetText(IAutoOvoString* text) = 0;    // slot 3
    virtual HRESULT SetEnabled(VARIANT_BOOL enabled) = 0; // slot 4

protected:
    ~ICommandState() = default;
};

struct ICAFCommandHandler : IUnknown {
    virtual HRESULT OnCommand(DWORD id) = 0;                             // slot 3
    virtual HRESULT OnCommandUpdate(DWORD id, ICommandState* state) = 0; // slot 4
    // Command events of kinds 6 and 7 with two words (a word may carry a handle).
    virtual HRESULT OnCommandEvent(DWORD id, DWORD kind, ULONG_PTR word1, ULONG_PTR word2) = 0; // slot 5

protected:
    ~ICAFCommandHandler() = default;
};
