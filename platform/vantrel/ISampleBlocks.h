#pragma once
// The data interface of a host document: blocks of samples of its channels as
// 32-bit floats, its records and where its data end, its channels' unit
// conversions, and the installing of a channel's unit. Answered by the
// document's data object.

#include "platform/vantrel/HostDocObject.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ISampleBlocks = MakeGuid("{AD6CD303-7868-4A12-B4AE-97C02EE8F5E3}");

// Flags of GetDataEnd: the end of the data recorded so far (also while sampling).
inline constexpr DWORD kDataEndRecorded = 0x80000000u;
// Flags of GetChannelConversion: the conversion a channel shows.
inline constexpr DWORD kChannelConversionShown = 0x2000u;

struct ISampleBlocks : IUnknown {
    // Reads count samples of channel in record from startTick into buffer; ticks before the start
    // or past the end of the record read 0.0. *read receives the number of samples that lay in the
    // record. E_INVALIDARG for an unknown channel or record, a negative count or a null pointer.
    virtual HRESULT ReadSamples(LONG channel, LONG record, LONG startTick, LONG count, float* buffer,
                                LONG* read) = 0; // slot 3
    virtual HRESULT Reserved4() { return E_NOTIMPL; }
    virtual HRESULT Reserved5() { return E_NOTIMPL; }
    virtual HRESULT Reserved6() { return E_NOTIMPL; }
    // The number of records.
    virtual HRESULT GetRecordTotal(DWORD flags, LONG* count) { return E_NOTIMPL; } // slot 7
    virtual HRESULT Reserved8() { return E_NOTIMPL; }
    // The length of a record in ticks; E_INVALIDARG for a record that does not exist.
    virtual HRESULT GetRecordTicks(DWORD reserved, LONG record, LONG* ticks) { return E_NOTIMPL; } // slot 9
    // Where the data end: the last record and its length ((0, 0) without records).
    virtual HRESULT GetDataEnd(DWORD flags, HostTickPosition* end) { return E_NOTIMPL; } // slot 10
    // The unit conversion a channel has in a record, with one reference; S_FALSE and null when
    // there is none.
    virtual HRESULT GetChannelConversion(DWORD flags, LONG record, LONG channel, IUnknown** conversion) {
        return E_NOTIMPL;
    } // slot 17
    // The object that answers the channels' settings (IChannelLookup), with one reference.
    virtual HRESULT GetChannelSettings(DWORD reserved, IUnknown** settings) { return E_NOTIMPL; } // slot 54
    // Installs unit (a unit conversion) as the channel's conversion from now on.
    virtual HRESULT ApplyChannelUnit(DWORD reserved1, DWORD reserved2, LONG channel, DWORD flag,
                                     IUnknown* unit) {
        return E_NOTIMPL;
    } // slot 83

protected:
    ~ISampleBlocks() = default;
};
