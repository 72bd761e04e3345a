#pragma once
// Colours and labels of the loop events (TarvikEvent) on the host's traces.
//
// Colour: grey 0x808080 for a last-in-block event, dark grey 0x404040 for an
// excluded loop, green 0x00FF00 otherwise. Label: "Tarvik: <loop>;" (or
// ", Excluded." in place of ";" for an excluded loop), " Value = <value>",
// then "; Period = <60 / HR> s" when the heart rate is a positive number; a
// last-in-block event reads "Last in block. Value = <value>". Numbers are
// written with a wide stream's default formatting.

#include "analysis/EventDrawClasses.h"
#include "analysis/TarvikEvent.h"
#include "core/String.h"
#include "platform/vantrel/IPODEventDrawClass.h"

namespace Tarvik {

struct TarvikEventDrawPolicy {
    static constexpr WORD kTypeNumber = kLoopEventDrawClass;

    static HRESULT Colour(const void* event, COLORREF* colour);
    static HRESULT Label(IUnknown* dataObject, LONG record, LONG tick, const void* event,
                         IAutoOvoString** text);

    // The label text of an event whose loop has the given number (-1: unknown).
    static Ovo::String LoopLabel(const TarvikEvent& event, LONG loopNumber);
    // The loop's number (its included index) through the document's loop data;
    // -1 when the data object does not lead to the module's loop data or no
    // loop of the analysis lies at (record, tick).
    static LONG LoopNumber(IUnknown* dataObject, LONG record, LONG tick);
};

// End-diastolic point events: always green, labelled "EDP Event".
struct TarvikEdpEventDrawPolicy {
    static constexpr WORD kTypeNumber = kEdpEventDrawClass;

    static HRESULT Colour(const void* event, COLORREF* colour);
    static HRESULT Label(IUnknown* dataObject, LONG record, LONG tick, const void* event,
                         IAutoOvoString** text);
};

} // namespace Tarvik
