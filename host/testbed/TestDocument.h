#pragma once

#include "host/engine/ComObject.h"
#include "host/engine/DocumentData.h"
#include "host/engine/SampleExpression.h"
#include "platform/vantrel/IRecordData.h"
#include "platform/vantrel/IStrevDataSink.h"
#include "platform/win32/com_ptr.h"

#include <memory>
#include <vector>

namespace Vantrel {

/// A document for the module's self-tests (made by TestDocumentFactory): empty until a data source
/// fills it through its sampling sink, record by record, the way a recording device would.
///
/// The source declares its channels (SetupChannel), opens a record (NewRecord), announces ticks
/// (AddTicks) and ends the record (EndRecord). Each channel's source is a formula source of the
/// host's formula calculation (its ICalcEnum argument text is the formula): the document computes
/// the announced ticks of every channel from those formulas with the engine's sample formulas
/// (SampleExpression), appends them to its recording and tells its online-data sinks, as the
/// recording does while sampling. Channels that are switched off hold "no value" (NaN). A formula
/// reads other channels only at ticks already recorded (through shift, say): at the ticks being
/// added they have no value yet.
///
/// The channels are fixed by the first record; every channel samples at the tick rate. Once it
/// holds a record, the document reads as any host document (IDocumentData, IChannelLookup,
/// IRecordingHost) and its records' ends are known (IRecordData). Sinks may be added before the
/// first record.
class TestDocument : public ComObject<IRecordData, IDocumentData, IChannelLookup, IOnlineDataSinkRegistry,
                                      IRecordingHost, IDataAcquisition, IStrevDataSink> {
public:
    TestDocument() = default;

    /// Null before the first record.
    const Recording* recording() const { return mRecording.get(); }
    /// The unit object the data source declared the channel with; null for a channel not declared.
    IUnknown* declaredUnit(std::size_t channel) const {
        return channel < mChannels.size() ? mChannels[channel].unitObject.Get() : nullptr;
    }

    HRESULT GetRecordEnd(LONG record, RecordPosition* end) override;
    /// Positions are (record << 32) | tick.
    HRESULT TickToPosition(LONG tick, LONG record, LONGLONG* position) override;
    HRESULT PositionToTick(LONGLONG position, LONG* tick) override;

    HRESULT GetRecordCount(LONG* count) override;
    HRESULT GetRecordEndTick(LONG record, LONG* tick) override;
    HRESULT GetChannelCount(LONG record, DWORD flags, LONG* count) override;
    HRESULT GetChannelEvents(LONG channel, LONG record, LONG endTick, IEnumEventEx** out) override;
    HRESULT GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG endTick,
                              ISampleChannel** out) override;
    HRESULT GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) override;
    HRESULT GetChannel(LONG channel, DWORD kind, IUnknown** out) override;
    HRESULT AddSink(IOnlineDataSink* sink) override;
    HRESULT RemoveSink(IOnlineDataSink* sink) override;
    Recording* GetRecording() override { return mRecording.get(); }

    /// VARIANT_TRUE when channels are declared, each at the tick rate, as many as the document
    /// holds (once it holds any), and no record is open.
    HRESULT CanSample(VARIANT_BOOL* canSample) override;
    HRESULT StartSampling(LONG) override { return S_OK; }
    /// Opens a record stamped with startTime. E_INVALIDARG when the document cannot sample, the
    /// start time is not finite or a channel's source gives no formula the engine can compute;
    /// nothing is opened then.
    HRESULT NewRecord(LONG, IStrevDataSource* source, double tickPeriod, double startTime, double, LONG, LONG,
                      DWORD option, VARIANT_BOOL) override;
    HRESULT AddTicks(LONG count) override;
    /// S_FALSE when no record is open.
    HRESULT EndRecord(LONG record) override;
    HRESULT StopSampling(VARIANT_BOOL) override { return S_OK; }
    HRESULT SetupChannel(LONG channel, LONG enabled, VARIANT_BOOL, IUnknown* unit,
                         PeriodFraction samplePeriod, const PeriodFraction* tickPeriod, HRESULT,
                         IStrevDataSource*) override;

private:
    struct Channel {
        bool declared = false;
        bool enabled = false;
        std::string unit;
        ComPtr<IUnknown> unitObject;
        PeriodFraction period;
        std::shared_ptr<const SampleExpression> formula; // of the open record; null when off
    };

    void* find(REFIID iid) override;
    void createRecording();
    HRESULT readFormulas(IStrevDataSource* source);

    Recording mNoChannels{{}};             // what the document reads as before its first record
    std::unique_ptr<Recording> mRecording; // null before the first record
    ComPtr<DocumentData> mData = ComPtr<DocumentData>::Adopt(new DocumentData(mNoChannels));
    std::vector<Channel> mChannels;
    PeriodFraction mTickPeriod;
};

} // namespace Vantrel
