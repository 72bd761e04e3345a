#include "document/comments/EventDataCommentTP.h"

#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "platform/vantrel/IPODEventDrawClass.h"
#include "platform/win32/com_ptr.h"

namespace StrevClient {

EventDataCommentTP::EventDataCommentTP(const void* event, LONG channel, DWORD drawClassId, COLORREF,
                                       LONG eventTick, LONG record, IUnknown* document)
    : EventCommentBase(drawClassId, channel), mEventPosition{static_cast<DWORD>(eventTick),
                                                             static_cast<DWORD>(record)} {
    // The data object maps (record, tick) positions to where they lie now.
    if (const auto data = QueryInterfacePtr<IHostDataObject>(document, IID_IHostDataObject)) {
        HostTickPosition at{0, 0};
        data->MapPosition(HostTickPosition{record, eventTick}, &at);
        mRecord = at.record;
        mTick = at.tick;
    }
    if (drawClassId == 0)
        return;
    IClassRegistry* registry = Tarvik::GetClassRegistry();
    ComPtr<IPODEventDrawClass> made;
    if (registry == nullptr ||
        FAILED(registry->GetService(drawClassId, IID_IPODEventDrawClass, made.PutVoid())))
        return;
    if (const auto drawClass = made.Query<IPODEventDrawClass>(IID_IPODEventDrawClass))
        DescribeWith(*drawClass.Get(), event, document);
}

void EventDataCommentTP::DescribeWith(IPODEventDrawClass& drawClass, const void* event, IUnknown* document) {
    drawClass.GetColour(event, &mColour);
    IAutoOvoString* label = nullptr;
    if (SUCCEEDED(drawClass.GetLabel(document, mRecord, mTick, event, &label)))
        mText.AssignAndRelease(label);
}

HRESULT EventDataCommentTP::GetEventTick(LONG* tick) {
    if (tick == nullptr)
        return E_INVALIDARG;
    *tick = static_cast<LONG>(mEventPosition[0]);
    return S_OK;
}

HRESULT EventDataCommentTP::SetEventTick(LONG tick) {
    mEventPosition[0] = static_cast<DWORD>(tick);
    return S_OK;
}

HRESULT EventDataCommentTP::GetMessageId(DWORD* id) {
    *id = Tarvik::MsgIdClass<Tarvik::HostMsgGuidC203, 18>::Id();
    return S_OK;
}

HRESULT EventDataCommentTP::GetStyle(DWORD* id, COLORREF* colour, DWORD* word) {
    *id = Tarvik::MsgIdClass<Tarvik::HostMsgGuidC203, 18>::Id();
    *colour = mColour;
    *word = 0;
    return S_OK;
}

HRESULT EventDataCommentTP::GetEventPosition(DWORD* position) {
    if (position == nullptr)
        return E_INVALIDARG;
    position[0] = mEventPosition[0];
    position[1] = mEventPosition[1];
    return S_OK;
}

} // namespace StrevClient
