#pragma once

#include "host/engine/ComObject.h"
#include "host/engine/IRecordingHost.h"
#include "host/recording/Recording.h"
#include "host/recording/RecordingObserver.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/vantrel/IDocumentChannels.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/IOnlineDataSink.h"
#include "platform/win32/com_ptr.h"

#include <optional>
#include <vector>

namespace Vantrel {

class ChannelObject;

/// A recording as the host document the module reads: its records, channels, samples, events and
/// units (IDocumentData), its channel objects (IChannelLookup), the channels' titles and the user's
/// selection on each (IDocumentChannels), and its online-data sinks
/// (IOnlineDataSinkRegistry), which are told as the recording samples, and, for the host's own
/// objects, the recording itself (IRecordingHost). Sinks are told:
///   sampling starts  -> OnStartSampling(record), OnNewRecord(record, tick period, zeros, 1)
///   a block arrives  -> OnNewData(samples per channel in the block)
///   sampling stops   -> OnRecordEnd(record, 0), OnStopSampling(0)
/// A channel carries events when any record holds events on it. The recording must outlive the
/// object and everything it hands out.
class DocumentData : public ComObject<IDocumentData, IChannelLookup, IDocumentChannels,
                                      IOnlineDataSinkRegistry, IRecordingHost>,
                     private RecordingObserver {
public:
    explicit DocumentData(Recording& recording);
    ~DocumentData() override;

    const Recording& recording() const { return mRecording; }
    /// The channel object of a channel (the same object on every lookup); null past the last.
    ChannelObject* channelObject(std::size_t channel) const;
    /// Moves another document's online-data sinks, in their order, behind this one's.
    void takeSinks(DocumentData& other);
    /// The user selects from start to end (inclusive positions) on a channel, or clears the
    /// selection on it. Throws std::out_of_range for a channel the recording does not have.
    void setSelection(std::size_t channel, HostTickPosition start, HostTickPosition end);
    void clearSelection(std::size_t channel);

    HRESULT GetRecordCount(LONG* count) override;
    HRESULT GetRecordEndTick(LONG record, LONG* tick) override;
    HRESULT GetChannelCount(LONG record, DWORD flags, LONG* count) override;
    HRESULT GetChannelEvents(LONG channel, LONG record, LONG endTick, IEnumEventEx** out) override;
    HRESULT GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG endTick,
                              ISampleChannel** out) override;
    HRESULT GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) override;

    HRESULT GetChannel(LONG channel, DWORD kind, IUnknown** out) override;

    HRESULT GetChannelCount(LONG* count) override;
    HRESULT GetChannelTitle(LONG channel, IAutoOvoString** title) override;
    HRESULT HasSelection(LONG channel, SHORT* selected) override;
    HRESULT GetSelection(LONG channel, LONG* startRecord, LONG* startTick, LONG* endRecord,
                         LONG* endTick) override;

    HRESULT AddSink(IOnlineDataSink* sink) override;
    HRESULT RemoveSink(IOnlineDataSink* sink) override;

    Recording* GetRecording() override { return &mRecording; }

private:
    void* find(REFIID iid) override;
    bool validRecord(LONG record) const;
    bool validChannel(LONG channel) const;
    template <class Call> void tellSinks(Call call);

    void recordStarted(std::int32_t record) override;
    void samplesAppended(std::int32_t record, Tick first, Tick count) override;
    void samplingStopped(std::int32_t record) override;

    Recording& mRecording;
    struct Selection {
        HostTickPosition start;
        HostTickPosition end;
    };

    std::vector<ComPtr<ChannelObject>> mChannels;
    std::vector<std::optional<Selection>> mSelections; // by channel
    std::vector<ComPtr<IOnlineDataSink>> mSinks;
};

} // namespace Vantrel
