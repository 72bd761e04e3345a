#include "document/OnlineSink.h"

#include <climits>
#include <new>

#include "platform/vantrel/IDocumentEvents.h"

namespace Tarvik {

HRESULT TarvikDocument::OnlineSink::GetSinkInfo(DWORD* kind, WORD* flags) {
    if (kind != nullptr)
        *kind = 0;
    if (flags != nullptr)
        *flags = 0xFFFF;
    return S_OK;
}

HRESULT TarvikDocument::OnlineSink::OnStartSampling(LONG) {
    try {
        TarvikData& data = mDocument.LoopData();
        const EventStats* stats = data.GetVChanData().GetStats();
        if (stats == nullptr || stats->total() == 0)
            mDocument.UpdateAnalysis(true);
        data.Recalculate();
        mDocument.mChangeFlags |= kLoopsCleared;
        mDocument.RefreshCalculation();
    } catch (const std::bad_alloc&) {
        mDocument.ReportOutOfMemory();
    }
    return S_OK;
}

HRESULT TarvikDocument::OnlineSink::OnNewRecord(LONG record, double, const LONG*, WORD isNewRecord) {
    if (mDocument.DocumentData() == nullptr)
        return E_FAIL;
    if (isNewRecord != 0 && mDocument.IsAnalysingWhileSampling()) {
        TarvikData& data = mDocument.LoopData();
        const VirtualChannelRef loops = data.GetVChanData().GetChannelRef(VChanData::Loops);
        data.OpenEventSource(record, 0, loops.channel, kEventSourceVirtual);
    }
    return S_OK;
}

bool TarvikDocument::OnlineSink::Reading() {
    LONG count = 0;
    IHostDocState* state = mDocument.HostState();
    return mDocument.IsAnalysingWhileSampling() && state != nullptr &&
           SUCCEEDED(state->GetDataCount(0, -1, &count)) && count != 0;
}

HRESULT TarvikDocument::OnlineSink::OnNewData(LONG) {
    try {
        if (Reading() && mDocument.LoopData().ReadRecordEvents(INT32_MAX) > 0) {
            mDocument.mChangeFlags |= kLoopsCleared;
            mDocument.RefreshCalculation();
        }
    } catch (const std::bad_alloc&) {
        mDocument.ReportOutOfMemory();
    }
    return S_OK;
}

HRESULT TarvikDocument::OnlineSink::OnRecordEnd(LONG, LONG) {
    OnNewData(0);
    if (Reading())
        mDocument.LoopData().CloseEventSource();
    return S_OK;
}

HRESULT TarvikDocument::OnlineSink::GetRefreshInterval(LONG* milliseconds) {
    if (milliseconds == nullptr)
        return E_POINTER;
    *milliseconds = 200;
    return S_OK;
}

HRESULT TarvikDocument::OnlineSink::QueryPosition(LONG, LONG, LONG, LONG, LONG* position) {
    if (position != nullptr)
        *position = static_cast<LONG>(0x80000000u);
    return S_OK;
}

} // namespace Tarvik
