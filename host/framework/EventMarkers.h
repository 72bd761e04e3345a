#pragma once
// Event markers on a trace, drawn the way the host's trace view draws them: a
// vertical line in the event's colour across the trace at the event's x, and
// the label the event type's drawing class gives, in the same colour, just
// right of the line at the top of the trace.

#include "platform/gdi/handles.h"
#include "platform/vantrel/IPODEventDrawClass.h"

namespace Vantrel {

struct EventAt {
    LONG record = 0;
    LONG tick = 0;
    const void* data = nullptr; // the event record as the calculation emitted it
};

// The drawing class's failure when it refuses the event (nothing is drawn).
HRESULT DrawEventMarker(IPODEventDrawClass& drawClass, IUnknown* dataObject, const EventAt& event, HDC dc,
                        const RECT& trace, int x);

} // namespace Vantrel
