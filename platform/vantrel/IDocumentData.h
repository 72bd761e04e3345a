#pragma once
// The data interface of a host document: records, channels, their samples,
// events and units, as the module's data access reads them. Records and
// channels are numbered from 0. An end tick of INT32_MAX means "to the end of
// the record".

#include "platform/vantrel/IEnumEventEx.h"
#include "platform/vantrel/ISampleChannel.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IDocumentData = MakeGuid("{2BC6F321-B62F-11D2-8227-00C0DFE13362}");

// Source flags of GetChannelSamples (or-ed with kDataSamplesEnumerator by the module's reader).
inline constexpr DWORD kDataSourceVolume = 0x4u;
inline constexpr DWORD kDataSourceRaw = 0x1u;
inline constexpr DWORD kDataSourceScaled = 0x40000000u;
inline constexpr DWORD kDataSamplesEnumerator = 0x1000u;
// Record words of GetChannelUnit besides a record number.
inline constexpr LONG kDataAnyRecord = 0x7FFFFFFE;
inline constexpr DWORD kDataUnitFlags = 0xC0000000u;

struct IDocumentData : IUnknown {
    virtual HRESULT GetRecordCount(LONG* count) = 0; // slot 3
    // The tick one past the last sample of record (grows while sampling).
    virtual HRESULT GetRecordEndTick(LONG record, LONG* tick) = 0; // slot 4
    // Number of channels of record. flags: kDataSourceRaw or kDataSourceScaled, 0 for "same as before".
    virtual HRESULT GetChannelCount(LONG record, DWORD flags, LONG* count) = 0; // slot 5
    // The event series of an event channel in record up to endTick; S_FALSE and null when the
    // channel carries no events.
    virtual HRESULT GetChannelEvents(LONG channel, LONG record, LONG endTick,
                                     IEnumEventEx** out) = 0; // slot 6
    // A sample cursor over channel in record up to endTick; E_FAIL when the channel has no samples.
    virtual HRESULT GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG endTick,
                                      ISampleChannel** out) = 0; // slot 7
    // The channel's unit object (answers IUnitName) in record (or kDataAnyRecord); S_FALSE and null
    // when there is none.
    virtual HRESULT GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) = 0; // slot 8

protected:
    ~IDocumentData() = default;
};
