#include "host/engine/RecordRun.h"

#include "host/engine/CalcClassCatalog.h"
#include "host/engine/ChannelEventSeries.h"
#include "host/engine/EventStream.h"
#include "host/engine/FormulaError.h"
#include "host/engine/HresultText.h"
#include "host/engine/PeakSeries.h"
#include "host/engine/RecordEventStream.h"
#include "host/engine/SampleCursor.h"
#include "host/framework/Text.h"

#include <algorithm>
#include <climits>

namespace Vantrel {
namespace {

/// Events one Next asks for.
constexpr ULONG batch = 64;

} // namespace

RecordRun::RecordRun(const Recording& recording, const CalcTerm& root, IUnknown* host, std::int32_t record,
                     bool online)
    : mRecording(recording), mRoot(root), mHost(host), mRecord(record), mOnline(online) {
    try {
        ComPtr<IUnknown> top = build(root);
        mStream = top.Query<IEnumEventEx>(IID_IEnumEventEx);
        if (!mStream || FAILED(mStream->GetEventSize(&mEventSize)) || mEventSize == 0)
            fail("'" + root.name + "' gives no event stream");
        if (computesRoot() && FAILED(mEnumerators.back()->Seek(0)))
            fail("'" + root.name + "' cannot seek to the record start");
    } catch (...) {
        clear();
        throw;
    }
}

RecordRun::~RecordRun() {
    clear();
}

void RecordRun::clear() {
    mStream.Reset();
    for (auto it = mEnumerators.rbegin(); it != mEnumerators.rend(); ++it)
        (*it)->Clear();
    mEnumerators.clear();
}

void RecordRun::fail(const std::string& message) const {
    throw FormulaError(mRoot.position, message);
}

bool RecordRun::computesRoot() const {
    return mRoot.kind == CalcTerm::Kind::Module && !mEnumerators.empty();
}

ComPtr<IUnknown> RecordRun::build(const CalcTerm& term) {
    if (term.kept && SampleExpression::recordComplete(mRecording, mRecord))
        if (RecordEventStream::Events events = term.kept(mRecord))
            return ComPtr<IUnknown>::Adopt(
                new RecordEventStream(std::move(events), term.eventSize, 0, INT_MAX));
    switch (term.kind) {
    case CalcTerm::Kind::Samples:
        return ComPtr<IUnknown>::Adopt(new SampleCursor(mRecording, term.signal, mRecord));
    case CalcTerm::Kind::Peaks:
        return ComPtr<IUnknown>::Adopt(new EventStream(std::make_shared<PeakSeries>(
            mRecording, term.signal, mRecord, term.minHeight, term.minPeriodSeconds)));
    case CalcTerm::Kind::ChannelEvents:
        return ComPtr<IUnknown>::Adopt(
            new EventStream(std::make_shared<ChannelEventSeries>(mRecording, term.channel, mRecord)));
    default:
        return startModule(term);
    }
}

ComPtr<IUnknown> RecordRun::startModule(const CalcTerm& term) {
    std::vector<ComPtr<IUnknown>> owned;
    std::vector<IUnknown*> sources;
    for (const CalcTerm& source : term.sources) {
        owned.push_back(build(source));
        sources.push_back(owned.back().Get());
    }
    ComPtr<ICalcEnum> calc;
    HRESULT hr = term.calcClass->CreateEnumerator(mHost, calc.Put());
    if (FAILED(hr) || !calc)
        throw FormulaError(term.position,
                           "'" + term.name + "' could not be created (" + hresultText(hr) + ")");
    DWORD flags = 0;
    ComPtr<IAutoOvoString> arguments = ComPtr<IAutoOvoString>::Adopt(MakeString(term.arguments));
    hr = calc->SetArgs(arguments.Get(), &flags);
    if (FAILED(hr))
        throw FormulaError(term.position,
                           "'" + term.name + "' refused its arguments (" + hresultText(hr) + ")");
    const double tickPeriod = mRecording.record(mRecord).tickPeriod();
    hr = calc->Start(mRecord, static_cast<LONG>(sources.size()), sources.data(), tickPeriod, 0, nullptr,
                     mOnline ? kCalcStartOnline : 0);
    mEnumerators.push_back(calc);
    if (FAILED(hr))
        throw FormulaError(term.position,
                           "'" + term.name + "' refused its sources (" + hresultText(hr) + ")");
    if (term.catalog)
        term.catalog->started(term.calcClass.Get());
    return calc.Query<IUnknown>(IID_IUnknown);
}

HRESULT RecordRun::seek(LONG tick) {
    mFinished = false;
    if (computesRoot())
        return mEnumerators.back()->Seek(tick);
    mStream->Find(FALSE, tick, tick, INT_MAX, 0, nullptr);
    return S_OK;
}

bool RecordRun::pull(std::vector<std::byte>& events) {
    // The stream writes each batch straight behind the events already there; the vector grows
    // geometrically, so a record's events are moved a bounded number of times.
    const std::size_t batchBytes = static_cast<std::size_t>(batch) * mEventSize;
    LONG last = -1;
    int stalls = 0;
    while (!mFinished) {
        const std::size_t used = events.size();
        if (events.capacity() - used < batchBytes)
            events.reserve(std::max(2 * events.capacity(), used + batchBytes));
        events.resize(used + batchBytes);
        ULONG count = 0;
        LONG position = 0;
        HRESULT hr =
            mStream->Next(static_cast<ULONG>(batchBytes), INT_MAX, events.data() + used, &count, &position);
        if (FAILED(hr) || count > batch) {
            events.resize(used);
            fail("'" + mRoot.name + "' failed to deliver its events (" + hresultText(hr) + ")");
        }
        events.resize(used + static_cast<std::size_t>(count) * mEventSize);
        mFinished = hr == S_FALSE;
        if (mFinished || count > 0) {
            stalls = 0;
        } else if (!SampleExpression::recordComplete(mRecording, mRecord)) {
            return false; // wait for more data
        } else if (position == last && ++stalls > 2) {
            fail("'" + mRoot.name + "' stopped at tick " + std::to_string(position) +
                 " of a complete record");
        }
        last = position;
    }
    return true;
}

} // namespace Vantrel
