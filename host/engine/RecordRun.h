#pragma once

#include "host/engine/CalcTerm.h"
#include "platform/vantrel/ICalcEnum.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <cstddef>
#include <vector>

namespace Vantrel {

/// The evaluation of an event formula on one record: the module's enumerators created, given their
/// arguments and started with their sources (inner calculations first), and the events pulled
/// through the outermost one. A term that stands for a virtual channel takes the events the channel
/// keeps for a complete record instead. Online the record may still grow: pull() takes what is ready
/// and is called again as data arrive. Every enumerator is cleared when the run ends.
class RecordRun {
public:
    /// Throws FormulaError when an enumerator refuses its arguments or sources.
    RecordRun(const Recording& recording, const CalcTerm& root, IUnknown* host, std::int32_t record,
              bool online);
    ~RecordRun();
    RecordRun(const RecordRun&) = delete;
    RecordRun& operator=(const RecordRun&) = delete;

    /// Appends the events ready now (eventSize() bytes each); true once the record has ended.
    /// Throws FormulaError when the stream fails or stops making progress on a complete record.
    bool pull(std::vector<std::byte>& events);
    bool finished() const { return mFinished; }
    ULONG eventSize() const { return mEventSize; }

    /// The outermost event stream, for a caller that pulls the events itself.
    IEnumEventEx* stream() const { return mStream.Get(); }
    /// Positions the run at a tick: the outermost calculation seeks (with its sources); a host
    /// stream moves to its first event at or after the tick.
    HRESULT seek(LONG tick);

private:
    // A term a virtual channel's name stands for gives the events the channel keeps, if it has them.
    ComPtr<IUnknown> build(const CalcTerm& term);
    // Whether the outermost term is a calculation started here (not events kept for it).
    bool computesRoot() const;
    ComPtr<IUnknown> startModule(const CalcTerm& term);
    [[noreturn]] void fail(const std::string& message) const;
    void clear();

    const Recording& mRecording;
    const CalcTerm& mRoot;
    IUnknown* mHost;
    std::int32_t mRecord;
    bool mOnline;
    std::vector<ComPtr<ICalcEnum>> mEnumerators; // in start order, inner first
    ComPtr<IEnumEventEx> mStream;
    ULONG mEventSize = 0;
    bool mFinished = false;
};

} // namespace Vantrel
