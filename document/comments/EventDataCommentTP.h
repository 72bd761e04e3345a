#pragma once
// The comment of one event of a calculation class: where the event lies, its
// marker colour and its text, both from the event's drawing class.

#include "document/comments/EventCommentBase.h"
#include "platform/vantrel/IPODEventDrawClass.h"

namespace StrevClient {

class EventDataCommentTP : public EventCommentBase {
public:
    // event: the calculation class's event record; drawClassId: the class that draws such events
    // (0: none, so a white marker and no text); eventTick and record: where the event lies;
    // document: the host's data object of the document (maps the position, is handed to the
    // drawing class), may be null. The colour argument is not used.
    EventDataCommentTP(const void* event, LONG channel, DWORD drawClassId, COLORREF, LONG eventTick,
                       LONG record, IUnknown* document);

    HRESULT GetTickRecord(HostTickPosition*) override { return E_NOTIMPL; }
    HRESULT GetTick(LONG*) override { return E_NOTIMPL; }
    HRESULT GetRecordTick(HostTickPosition*) override { return E_NOTIMPL; }
    HRESULT Reserved23(DWORD, DWORD, DWORD, DWORD) override { return E_FAIL; }
    // The event's tick; E_INVALIDARG for a null out.
    HRESULT GetEventTick(LONG* tick) override;
    HRESULT SetEventTick(LONG tick) override;
    HRESULT GetMessageId(DWORD* id) override;
    HRESULT GetStyle(DWORD* id, COLORREF* colour, DWORD* word) override;
    // The two words (event tick, record); E_INVALIDARG for a null out.
    HRESULT GetEventPosition(DWORD* position) override;

private:
    void DescribeWith(IPODEventDrawClass& drawClass, const void* event, IUnknown* document);

    DWORD mEventPosition[2];
};

} // namespace StrevClient
