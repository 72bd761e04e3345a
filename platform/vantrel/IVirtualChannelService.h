#pragma once
// The virtual channels of a host document: channels whose data are computed
// from a formula (their calculation is assigned through IChannelCalcAssign,
// looked up by the reference's channel number). Answered by the document's
// data object.

#include "platform/vantrel/VirtualChannelRef.h"
#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IVirtualChannelService = MakeGuid("{920CDDCC-3748-4EC1-83F8-59EFEE7ED007}");

// Flag word of LinkEvents.
inline constexpr DWORD kEventLinkFlags = 0xC0000000u;

struct IVirtualChannelService : IUnknown {
    // Creates (or finds) the channel of that name (not empty). *ref receives its handle, *key the
    // text the other calls know it by (the caller frees it).
    virtual HRESULT CreateChannel(BSTR name, VirtualChannelRef* ref, BSTR* key) = 0; // slot 3
    // Shows (VARIANT_TRUE / 0xFFFF) or hides the channel in the host's channel lists.
    virtual HRESULT SetChannelVisible(BSTR key, WORD visible) = 0; // slot 4
    virtual HRESULT SetChannelTitle(BSTR key, BSTR title) = 0;     // slot 5
    // The key text of a channel (the caller frees it); E_INVALIDARG for an unknown handle.
    virtual HRESULT GetChannelKey(VirtualChannelRef ref, BSTR* key) = 0; // slot 6
    // Draws link->events on channel (a channel number of the document). reserved: 0.
    virtual HRESULT LinkEvents(LONG reserved, LONG channel, DWORD flags,
                               const EventDrawLink* link) = 0; // slot 7
    // Stops drawing the events of ref on channel; S_FALSE when they were not drawn there.
    virtual HRESULT UnlinkEvents(LONG channel, VirtualChannelRef ref) = 0; // slot 8
    // Drops the channel's calculation and computed data; the handle stays valid.
    virtual HRESULT ReleaseChannel(VirtualChannelRef ref) = 0; // slot 9
    // Brings the named channel up to date: its computed data are dropped and computed again when
    // next read.
    virtual HRESULT RefreshChannel(BSTR key) = 0; // slot 10
    // The index-th event series drawn on channel (by LinkEvents), in the order they were linked;
    // S_FALSE past the last.
    virtual HRESULT GetDrawnEvents(LONG channel, DWORD flags, ULONG index, EventDrawLink* link) {
        return E_NOTIMPL;
    } // slot 11
    // The handle of the channel of that name (a virtual channel or an event source of the document);
    // E_INVALIDARG, ref unchanged, for a name it does not know.
    virtual HRESULT FindChannel(BSTR name, VirtualChannelRef* ref) { return E_NOTIMPL; } // slot 12
    // The name of the index-th virtual channel (a new BSTR); S_FALSE and null past the last.
    virtual HRESULT GetChannelName(ULONG index, BSTR* name) { return E_NOTIMPL; } // slot 13
    // The title of the named channel (a new BSTR, empty without one).
    virtual HRESULT GetChannelTitle(BSTR name, BSTR* title) { return E_NOTIMPL; } // slot 14
    // *events is 0xFFFF when the named channel's calculation gives events (it can be a QRS source).
    virtual HRESULT IsEventChannel(BSTR name, WORD* events) { return E_NOTIMPL; } // slot 15

protected:
    ~IVirtualChannelService() = default;
};
