#include "host/framework/EventMarkers.h"

#include "host/framework/Text.h"
#include "platform/gdi/gdi.h"

namespace Vantrel {

HRESULT DrawEventMarker(IPODEventDrawClass& drawClass, IUnknown* dataObject, const EventAt& event, HDC dc,
                        const RECT& trace, int x) {
    COLORREF colour = 0;
    HRESULT hr = drawClass.GetColour(event.data, &colour);
    if (FAILED(hr))
        return hr;
    IAutoOvoString* label = nullptr;
    hr = drawClass.GetLabel(dataObject, event.record, event.tick, event.data, &label);
    if (FAILED(hr))
        return hr;
    const std::u16string text = TakeString(label);

    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, x, trace.top, nullptr);
    LineTo(dc, x, trace.bottom);
    SelectObject(dc, oldPen);
    DeleteObject(pen);

    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, colour);
    TextOutW(dc, x + 3, trace.top + 2, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    return S_OK;
}

} // namespace Vantrel
