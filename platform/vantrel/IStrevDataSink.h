#pragma once
// The sampling side of a document: a data source (IStrevDataSource) reaches the
// document's sampling sink through the document's acquisition interface. Order
// of calls for one record: SetupChannel per channel, CanSample, StartSampling,
// NewRecord, AddTicks any number of times, EndRecord, StopSampling.

#include "platform/vantrel/IStrevDataSource.h"

#include <cstdint>

inline constexpr IID IID_IDataAcquisition = MakeGuid("{B8B7A576-8192-47D1-BCC0-545E6965E508}");
inline constexpr IID IID_IStrevDataSink = MakeGuid("{53E49453-8EE6-11D2-8211-00C0DFE13362}");

// The marker of an optional argument left out.
inline constexpr HRESULT kAbsentArgument = MakeHResult(0x80020003u);

// A period in seconds as an exact fraction of two 64-bit integers.
struct PeriodFraction {
    std::int64_t numerator = 0;
    std::int64_t denominator = 1;
};

static_assert(sizeof(PeriodFraction) == 16);

// Answered by a document that can be filled by a data source; its only use is
// to be asked for IStrevDataSink.
struct IDataAcquisition : IUnknown {
protected:
    ~IDataAcquisition() = default;
};

struct IStrevDataSink : IUnknown {
    virtual HRESULT CanSample(VARIANT_BOOL* canSample) = 0; // slot 3
    virtual HRESULT StartSampling(LONG reserved) = 0;       // slot 4
    // Opens a record: tickPeriod in seconds, startTime in seconds of the calendar; option: the
    // source's channel option. The unnamed words are 0 (0.0 for the double); isNew: VARIANT_TRUE.
    virtual HRESULT NewRecord(LONG reserved, IStrevDataSource* source, double tickPeriod, double startTime,
                              double reserved2, LONG reserved3, LONG reserved4, DWORD option,
                              VARIANT_BOOL isNew) = 0; // slot 5
    // count more ticks of the open record have been sampled.
    virtual HRESULT AddTicks(LONG count) = 0;         // slot 6
    virtual HRESULT EndRecord(LONG record) = 0;       // slot 7
    virtual HRESULT StopSampling(VARIANT_BOOL) = 0;   // slot 8
    virtual HRESULT Reserved9() { return E_NOTIMPL; } // slots 9 to 13
    virtual HRESULT Reserved10() { return E_NOTIMPL; }
    virtual HRESULT Reserved11() { return E_NOTIMPL; }
    virtual HRESULT Reserved12() { return E_NOTIMPL; }
    virtual HRESULT Reserved13() { return E_NOTIMPL; }
    // Declares channel (0-based) for the records that follow: whether it is switched on (as 0 or
    // 1 and as a VARIANT_BOOL), its unit object, its sample period, the tick period, kAbsentArgument,
    // and the source that delivers it.
    virtual HRESULT SetupChannel(LONG channel, LONG enabled, VARIANT_BOOL enabledFlag, IUnknown* unit,
                                 PeriodFraction samplePeriod, const PeriodFraction* tickPeriod,
                                 HRESULT absent, IStrevDataSource* source) = 0; // slot 14

protected:
    ~IStrevDataSink() = default;
};
