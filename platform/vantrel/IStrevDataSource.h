#pragma once
// IStrevDataSource: a source of recorded data attached to a document, as a
// recording device is. The document asks it for one sample source per channel
// and for the number of ticks a record holds; the source tells the document's
// sampling sink (IStrevDataSink) which channels it delivers and when ticks arrive.
//
// Channel masks cross as a bit-set representation handed over with one
// reference, which the source releases.

#include "platform/win32/unknown.h"

namespace Ovo {
class BitsetRep;
}

inline constexpr IID IID_IStrevDataSource = MakeGuid("{53E49452-8EE6-11D2-8211-00C0DFE13362}");

struct IStrevDataSource : IUnknown {
    virtual HRESULT Reserved3() { return E_NOTIMPL; } // slot 3
    // The sample source of channel (answering ISampleChannel), with one reference. reserved: 0.
    virtual HRESULT CreateChannelSource(LONG reserved, LONG channel, IUnknown** source) = 0; // slot 4
    virtual HRESULT Reserved5() { return E_NOTIMPL; }                                        // slot 5
    virtual HRESULT GetNumTicksAlias(LONGLONG* ticks) = 0; // slot 6: as GetNumTicks
    // Ticks per record; E_POINTER for a null pointer.
    virtual HRESULT GetNumTicks(LONGLONG* ticks) = 0; // slot 7
    // The channels switched on: replaced by, or-ed with, or cleared by the given set.
    virtual HRESULT SetChannelMask(Ovo::BitsetRep* mask) = 0; // slot 8
    virtual HRESULT AddChannels(Ovo::BitsetRep* mask) = 0;    // slot 9
    virtual HRESULT RemoveChannels(Ovo::BitsetRep* mask) = 0; // slot 10
    // One flag word per channel; bit 31 gives the channel a range of +-10.
    virtual HRESULT SetChannelFlags(ULONG count, const DWORD* flags) = 0; // slot 11
    // A value the source passes on with every new record.
    virtual HRESULT SetChannelOption(DWORD option) = 0; // slot 12

protected:
    ~IStrevDataSource() = default;
};
