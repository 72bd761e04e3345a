#pragma once
// The document's online-data part: what the host calls while it samples, once
// the document added it to the host's online-data registry (online mode on).
// Each new record's loop events are read as they arrive and the views are told.

#include "document/TarvikDocument.h"
#include "platform/vantrel/IOnlineDataSink.h"

namespace Tarvik {

class TarvikDocument::OnlineSink final : public IOnlineDataSink {
public:
    explicit OnlineSink(TarvikDocument& document) : mDocument(document) {}

    HRESULT QueryInterface(REFIID iid, void** out) override { return mDocument.QueryInterface(iid, out); }
    ULONG AddRef() override { return mDocument.AddRef(); }
    ULONG Release() override { return mDocument.Release(); }

    HRESULT GetSinkInfo(DWORD* kind, WORD* flags) override;
    // Starts the analysis unless loops were read, and rebuilds the loop data.
    HRESULT OnStartSampling(LONG record) override;
    // Opens the new record's loop events (online mode).
    HRESULT OnNewRecord(LONG record, double tickPeriod, const LONG* recordInfo, WORD isNewRecord) override;
    // Reads the record's new loop events (online mode, once the host holds data).
    HRESULT OnNewData(LONG sampleCount) override;
    // Reads what is left of the record, then lets go of its events.
    HRESULT OnRecordEnd(LONG record, LONG value) override;
    HRESULT OnStopSampling(WORD) override { return S_OK; }
    HRESULT OnSamplingNotice(LONG, LONG) override { return S_OK; }
    HRESULT Reserved12(LONG) override { return S_OK; }
    HRESULT GetRefreshInterval(LONG* milliseconds) override;
    HRESULT QueryPosition(LONG, LONG, LONG, LONG, LONG* position) override;

private:
    // Online mode and data in the host.
    bool Reading();

    TarvikDocument& mDocument;
};

} // namespace Tarvik
