#include "FaultyCalcClass.h"

#include "analysis/OvoEventBase.h"
#include "core/String.h"
#include "platform/vantrel/IEnumEventEx.h"
#include "platform/vantrel/ISampleChannel.h"
#include "platform/win32/com_ptr.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace ExtLib::Testing {
namespace {

using Vantrel::Testing::HandOutText;

constexpr LONG kEnd = INT_MAX;

LONG EventTick(LONG k) {
    return 50 + 100 * k;
}

/// The index of the first event at or after tick.
LONG FirstEventFrom(LONG tick) {
    return tick <= 50 ? 0 : (tick - 50 + 99) / 100;
}

class FaultyEnumerator : public Vantrel::Testing::TestCalcEnumerator {
public:
    HRESULT SetArgs(IAutoOvoString* text, DWORD* flags) override {
        const std::string args = Ovo::String(text).ToUtf8();
        mFault = static_cast<Fault>(args.empty() ? 0 : std::stoi(args));
        if (flags)
            *flags = kCalcArgsAccepted;
        return S_OK;
    }
    HRESULT GetArgs(IAutoOvoString** text) override { return HandOutText("", text); }
    HRESULT Start(LONG, LONG sourceCount, IUnknown* const* sources, double, LONG, IUnitName* const*,
                  DWORD flags) override {
        mSource = sourceCount > 0 ? ComPtr<IUnknown>(sources[0]).Query<ISampleChannel>(IID_ISampleChannel)
                                  : ComPtr<ISampleChannel>();
        mOnline = (flags & kCalcStartOnline) != 0;
        mKnown = 0;
        mComplete = false;
        mPos = 0;
        mRepeated = false;
        return mSource ? S_OK : E_FAIL;
    }
    HRESULT Seek(LONG tick) override {
        mPos = mFault == Fault::IgnoresStart ? 0 : tick;
        mSkipPending = mFault == Fault::BounceSkips && tick > 0;
        return S_OK;
    }
    HRESULT Clear() override {
        mSource.Reset();
        return S_OK;
    }

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG, void*) override;
    HRESULT GetPosition(LONG* tick) override {
        *tick = mPos;
        return S_OK;
    }

private:
    /// Learns how far the source's data reach and whether its record is complete.
    void Refresh() {
        if (!mSource)
            return;
        std::vector<float> samples(4096);
        ULONG n = 0;
        do {
            n = 0;
            mSource->Read(static_cast<ULONG>(samples.size()), samples.data(), &n);
            mKnown += static_cast<LONG>(n);
        } while (n > 0);
        mComplete = mSource->IsRecordComplete() == S_OK;
    }
    /// Events are ready below this tick.
    LONG Horizon() const {
        return mFault == Fault::OnlineStopsEarly && mOnline ? std::max(mKnown - 200, 0) : mKnown;
    }
    /// Events ready so far.
    LONG EventCount() const { return FirstEventFrom(Horizon()); }
    OvoEventBase Event(LONG k) const {
        OvoEventBase event;
        event.tick = EventTick(k);
        event.value = k + 1.0 + (mFault == Fault::OnlineValues && mOnline ? 1.0 : 0.0);
        return event;
    }
    HRESULT Ending(LONG tickLimit, LONG* position);

    Fault mFault = Fault::None;
    ComPtr<ISampleChannel> mSource;
    bool mOnline = false;
    bool mComplete = false;
    bool mSkipPending = false; // BounceSkips: the first Next after a Seek past tick 0 skips an event
    bool mRepeated = false;    // OnlineRepeats: the repeat was given
    LONG mKnown = 0;           // ticks of data read so far
    LONG mPos = 0;             // the next unexamined tick
};

HRESULT FaultyEnumerator::Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count,
                               LONG* position) {
    ULONG capacity = bufferBytes / sizeof(OvoEventBase);
    if (!buffer || !count || !position || capacity == 0)
        return E_INVALIDARG;
    Refresh();
    if (std::exchange(mSkipPending, false)) {
        // Skips the first event only when another follows, so that the bounce test always sees
        // the wrong event and never an empty read, wherever its random start falls.
        const LONG k = FirstEventFrom(mPos);
        if (k + 1 < EventCount())
            mPos = EventTick(k) + 1;
    }
    auto* events = static_cast<OvoEventBase*>(buffer);
    *count = 0;
    if (mFault == Fault::RepeatsForever) {
        for (; *count < capacity; ++*count)
            events[*count] = Event(static_cast<LONG>(*count));
        *position = 10;
        return S_OK;
    }
    if (mPos == kEnd) {
        *position = kEnd;
        return S_FALSE;
    }
    if (mFault == Fault::ShortBatch && capacity > 1)
        --capacity;
    const LONG examined = std::min(tickLimit, Horizon());
    LONG k = FirstEventFrom(mPos);
    for (; *count < capacity && k < EventCount() && EventTick(k) < examined; ++k, ++*count)
        events[*count] = Event(k);
    const bool reversed = mFault == Fault::OnlineReversed && mOnline;
    if (reversed && !mComplete && *count % 2 == 1)
        --*count, --k; // the first of a pair waits for the second
    if (mFault == Fault::OnlineRepeats && mOnline && k > 0 && !mRepeated && *count > 0 && *count < capacity) {
        events[*count] = events[*count - 1];
        ++*count;
        mRepeated = true;
    }
    if (*count > 0)
        mPos = events[*count - 1].tick + 1;
    if (reversed)
        for (ULONG i = 0; i + 1 < *count; i += 2)
            std::swap(events[i], events[i + 1]);
    if (mFault == Fault::OverCounts && mOnline && *count > 0)
        *count += capacity;
    const bool more = k < EventCount() && EventTick(k) < examined;
    if (more) {
        *position = std::min(EventTick(k), tickLimit);
        return S_OK;
    }
    if (mComplete && k >= EventCount())
        return Ending(tickLimit, position);
    mPos = std::max(mPos, examined);
    *position = std::min(mPos, tickLimit);
    if (mFault == Fault::AheadOfData && mOnline && !mComplete)
        *position = mKnown + 100;
    return mFault == Fault::FalseBeforeEnd ? S_FALSE : S_OK;
}

/// Next once the record is complete and every event delivered.
HRESULT FaultyEnumerator::Ending(LONG tickLimit, LONG* position) {
    switch (mFault) {
    case Fault::FalseBeforeEnd:
        *position = std::min(mKnown, tickLimit);
        return S_FALSE;
    case Fault::NeverEnds:
        *position = std::min(mKnown, tickLimit);
        return S_OK;
    case Fault::PastEnd:
        *position = std::min(mKnown + 1, tickLimit);
        return S_OK;
    case Fault::StuckBeforeEnd:
        *position = std::min(mKnown - 5, tickLimit);
        return S_OK;
    default:
        mPos = kEnd;
        *position = kEnd;
        return S_FALSE;
    }
}

HRESULT FaultyEnumerator::Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG, void*) {
    Refresh();
    if (!backward) {
        const LONG k = FirstEventFrom(std::max(tick, rangeStart));
        const bool found = k < EventCount() && EventTick(k) < rangeEnd;
        mPos = found ? EventTick(k) : rangeEnd;
        return found ? S_OK : S_FALSE;
    }
    if (tick <= 0)
        return S_FALSE;
    const LONG k = std::min(FirstEventFrom(tick + 1), EventCount()) - 1;
    const bool found = k >= 0 && EventTick(k) >= rangeStart && EventTick(k) < rangeEnd;
    mPos = found ? (mFault == Fault::FindStopsAtProbe ? tick : EventTick(k)) : rangeStart;
    return found ? S_OK : S_FALSE;
}

} // namespace

FaultyCalcClass::FaultyCalcClass()
    : TestCalcClass({0x7E570000u,
                     name,
                     "Events every 100 ticks, with a fault.",
                     "",
                     {{"Signal", kCalcParamSamples, 0.0, 0.0}, {"Fault", kCalcParamEvents, 0.0, 100.0}},
                     1,
                     0}) {}

HRESULT FaultyCalcClass::CreateEnumerator(IUnknown*, ICalcEnum** out) {
    *out = new FaultyEnumerator;
    return S_OK;
}

} // namespace ExtLib::Testing
