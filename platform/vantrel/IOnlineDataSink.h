#pragma once
// IOnlineDataSink: what the host calls while it samples, on a sink that was
// added to a document's sink registry. Order of calls: OnStartSampling, then per
// record OnNewRecord, OnNewData (as samples arrive), OnRecordEnd; finally
// OnStopSampling.

#include "platform/win32/unknown.h"

inline constexpr IID IID_IOnlineDataSink = MakeGuid("{C4AEA2A0-0F3D-11D4-80F2-00A0C9E26433}");
inline constexpr IID IID_IOnlineDataSinkRegistry = MakeGuid("{91BC9AF0-D20B-11D3-80E8-00A0C9E26433}");

struct IOnlineDataSink : IUnknown {
    virtual HRESULT GetSinkInfo(DWORD* kind, WORD* flags) = 0; // slot 3
    virtual HRESULT OnStartSampling(LONG record) = 0;          // slot 4
    // recordInfo: seven words of the host's description of the record.
    virtual HRESULT OnNewRecord(LONG record, double tickPeriod, const LONG* recordInfo,
                                WORD isNewRecord) = 0;        // slot 5
    virtual HRESULT OnNewData(LONG sampleCount) = 0;          // slot 6
    virtual HRESULT OnRecordEnd(LONG record, LONG value) = 0; // slot 7
    virtual HRESULT OnStopSampling(WORD flag) = 0;            // slot 8
    virtual HRESULT OnSamplingNotice(LONG a, LONG b) = 0;     // slot 9
    virtual HRESULT Reserved10() { return E_NOTIMPL; }        // slot 10
    virtual HRESULT Reserved11() { return E_NOTIMPL; }        // slot 11
    virtual HRESULT Reserved12(LONG) { return S_OK; }         // slot 12
    // How often (ms) the sink wants OnNewData.
    virtual HRESULT GetRefreshInterval(LONG* milliseconds) = 0; // slot 13
    // The sink's position of interest; the fifth argument receives it (0x80000000 for none).
    virtual HRESULT QueryPosition(LONG a, LONG b, LONG c, LONG d, LONG* position) = 0; // slot 14

protected:
    ~IOnlineDataSink() = default;
};

// A document's registry of online-data sinks. A sink is held with a reference while added.
struct IOnlineDataSinkRegistry : IUnknown {
    virtual HRESULT AddSink(IOnlineDataSink* sink) = 0;    // slot 3
    virtual HRESULT RemoveSink(IOnlineDataSink* sink) = 0; // slot 4: S_FALSE when not added

protected:
    ~IOnlineDataSinkRegistry() = default;
};
