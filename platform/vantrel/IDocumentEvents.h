#pragma once
// The event enumerators of a host document's channels, as the module's loop
// data open them. Answered by the document's data object (beside
// IDocumentData).

#include "platform/vantrel/IEnumEventEx.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_IDocumentEvents = MakeGuid("{7A3751C2-A284-4929-B236-B3CF5BD9BD2D}");

// Source words of CreateEventEnumerator: bit 31 set, then the kind of channel.
inline constexpr DWORD kEventSourceFlag = 0x80000000u;
inline constexpr DWORD kEventSourceVirtual = 0x4u;
// Flag word of CreateEventEnumerator.
inline constexpr DWORD kEventEnumeratorFlags = 0x40000000u;

struct IDocumentEvents : IUnknown {
    // A new enumerator over the events of channel (source kEventSourceFlag | kEventSourceVirtual:
    // a virtual channel by its number) in record, from fromTick up to, not including, endTick
    // (INT32_MAX: to the record's end). reserved: 0. E_INVALIDARG for an unknown source, channel or
    // record; E_FAIL when the channel's calculation cannot be evaluated.
    virtual HRESULT CreateEventEnumerator(DWORD source, DWORD channel, DWORD flags, LONG fromTick,
                                          LONG record, LONG endTick, LONG reserved,
                                          IEnumEventEx** out) = 0; // slot 3
    // Tells the document that the module's analysis writes new calculations: data computed so far
    // end here.
    virtual HRESULT MarkDataEnd() = 0; // slot 4

protected:
    ~IDocumentEvents() = default;
};
