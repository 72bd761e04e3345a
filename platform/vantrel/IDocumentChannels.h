#pragma once
// What a host document tells of its channels beyond their data: their titles
// and the user's selection on each. Channels are numbered from 0; a
// selection runs between two (record, tick) positions.

#include "platform/vantrel/IAutoOvoString.h"

inline constexpr IID IID_IDocumentChannels = MakeGuid("{5C1E7A02-93D4-4B8E-A6F1-2D7B40C9E813}"); // our own id

struct IDocumentChannels : IUnknown {
    virtual HRESULT GetChannelCount(LONG* count) = 0;                          // slot 3
    virtual HRESULT GetChannelTitle(LONG channel, IAutoOvoString** title) = 0; // slot 4
    // *selected is 0xFFFF when the channel has a selection, else 0.
    virtual HRESULT HasSelection(LONG channel, SHORT* selected) = 0; // slot 5
    // The selection's first and last positions; the outputs are left as they
    // were when the channel has none.
    virtual HRESULT GetSelection(LONG channel, LONG* startRecord, LONG* startTick, LONG* endRecord,
                                 LONG* endTick) = 0; // slot 6

protected:
    ~IDocumentChannels() = default;
};
