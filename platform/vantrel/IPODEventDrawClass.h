#pragma once
// The drawing class of an event type: the host asks it for the colour and the
// label of each event of that type that it draws on its traces.

#include "platform/vantrel/IAutoOvoString.h"

inline constexpr IID IID_IPODEventDrawClass = MakeGuid("{2DE99796-4D8F-4666-97C0-4F6F7203229E}");

struct IPODEventDrawClass : IUnknown {
    // The event's colour as 0x00BBGGRR; E_FAIL for a null record.
    virtual HRESULT GetColour(const void* event, COLORREF* colour) = 0; // slot 3
    // The label of the event at (record, tick) of the document whose data object
    // is given, with one reference; E_FAIL for a null record.
    virtual HRESULT GetLabel(IUnknown* dataObject, LONG record, LONG tick, const void* event,
                             IAutoOvoString** text) = 0; // slot 4

protected:
    ~IPODEventDrawClass() = default;
};
