#pragma once
// Command handlers: the host calls them for menu commands, command-state
// queries and further command events. Each answers S_OK when it handled the
// event and S_FALSE when not, so that the host offers it elsewhere.

#include "platform/vantrel/IAutoOvoString.h"

inline constexpr IID IID_ICAFCommandHandler = MakeGuid("{812082B5-B7F0-11D3-80C8-005004AD3C53}");
inline constexpr IID IID_ICommandState = MakeGuid("{2F6A9D10-4C83-4B7E-9E25-8A1D0C3B5E61}"); // our own id

// The state of one menu item: handed to an enabler, or found by the command service (FindItem).
struct ICommandState : IUnknown {
    virtual HRESULT SetText(IAutoOvoString* text) = 0;    // slot 3
    virtual HRESULT SetEnabled(VARIANT_BOOL enabled) = 0; // slot 4
    // The bits of mask (3) take those of check: 1 checked, 0 not.
    virtual HRESULT SetCheck(WORD check, WORD mask) { return E_NOTIMPL; } // slot 5
    virtual HRESULT Reserved6() { return E_NOTIMPL; } // slots 6 to 17: not used by the module
    virtual HRESULT Reserved7() { return E_NOTIMPL; }
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    virtual HRESULT Reserved9() { return E_NOTIMPL; }
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    virtual HRESULT Reserved14() { return E_NOTIMPL; }
    virtual HRESULT Reserved15() { return E_NOTIMPL; }
    virtual HRESULT Reserved16() { return E_NOTIMPL; }
    virtual HRESULT Reserved17() { return E_NOTIMPL; }
    // Sets the bits of set and clears those of clear in the item's state word.
    virtual HRESULT ModifyState(WORD set, WORD clear) { return E_NOTIMPL; } // slot 18

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
