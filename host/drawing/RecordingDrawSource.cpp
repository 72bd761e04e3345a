#include "host/drawing/RecordingDrawSource.h"

#include <algorithm>
#include <cmath>

#include "platform/vantrel/IRecordDrawing.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

namespace {

LONGLONG Positions(Tick ticks, LONG perPosition) {
    return (static_cast<LONGLONG>(ticks) + perPosition - 1) / perPosition;
}

class EventEnumerator : public ComObject<IEventEnumerator> {
public:
    explicit EventEnumerator(std::vector<LONGLONG> positions, std::size_t first)
        : mPositions(std::move(positions)), mNext(first) {}
    HRESULT Next(LONGLONG* position) override {
        if (mNext >= mPositions.size())
            return S_FALSE;
        *position = mPositions[mNext++];
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_IEventEnumerator ? static_cast<IEventEnumerator*>(this) : nullptr;
    }
    std::vector<LONGLONG> mPositions;
    std::size_t mNext;
};

// Per position: a stroke from the smallest to the largest sample, joined to the last
// sample of the position before; four points each.
class SegmentSource : public ComObject<ISegmentSource> {
public:
    SegmentSource(const RecordingDrawSource& owner, LONG channel, LONGLONG from, LONGLONG to,
                  const double* scale)
        : mOwner(owner), mChannel(channel), mFrom(from), mTo(to), mPosition(from) {
        if (scale) {
            mFactor = scale[0];
            mOffset = scale[1];
        }
        const LONG record = owner.RecordAt(from);
        mRecordEnd = record < 0 ? from : owner.RecordStart(record + 1);
        mTo = std::min(mTo, mRecordEnd);
        if (record >= 0) {
            mRecord = &owner.recording().record(record);
            mRecordStart = owner.RecordStart(record);
        }
    }

    HRESULT NextSegments(LONGLONG position, LONG x, LONG maxPoints, POINT* points, LONG* count,
                         LONGLONG* consumed) override {
        *count = 0;
        *consumed = 0;
        if (!mRecord || position < mFrom)
            return S_FALSE;
        if (position != mPosition)
            mHasLast = false;
        const auto samples = mRecord->samples(static_cast<std::size_t>(mChannel));
        const LONG per = mOwner.SamplesPerPosition();
        // A kept source goes on past the range it was made for, up to the record's end.
        while (position < mRecordEnd && *count + 4 <= maxPoints) {
            const LONGLONG first = (position - mRecordStart) * per;
            const LONGLONG last = std::min<LONGLONG>(first + per, static_cast<LONGLONG>(samples.size()));
            if (first >= last)
                break;
            float low = samples[static_cast<std::size_t>(first)], high = low;
            for (LONGLONG t = first; t < last; ++t) {
                low = std::min(low, samples[static_cast<std::size_t>(t)]);
                high = std::max(high, samples[static_cast<std::size_t>(t)]);
            }
            const LONG column = x + static_cast<LONG>(*consumed);
            const LONG firstRow = Row(samples[static_cast<std::size_t>(first)]);
            // Four points a position, so that a full answer fills the caller's buffer: the join
            // to the position before (a dot at the first), then the stroke.
            points[(*count)++] = mHasLast ? POINT{column - 1, mLastRow} : POINT{column, firstRow};
            points[(*count)++] = {column, firstRow};
            points[(*count)++] = {column, Row(high)};
            points[(*count)++] = {column, Row(low)};
            mLastRow = Row(samples[static_cast<std::size_t>(last - 1)]);
            mHasLast = true;
            ++position;
            ++*consumed;
        }
        mPosition = position;
        return S_OK;
    }
    HRESULT GetPosition(LONGLONG* position) override {
        *position = mPosition;
        return S_OK;
    }
    HRESULT GetExtent(LONGLONG* extent) override {
        *extent = mTo - mFrom;
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_ISegmentSource ? static_cast<ISegmentSource*>(this) : nullptr;
    }
    LONG Row(float value) const {
        const double row = (mOffset + value) * mFactor;
        return static_cast<LONG>(std::lround(std::clamp(row, -1.0e6, 1.0e6)));
    }

    const RecordingDrawSource& mOwner;
    LONG mChannel;
    LONGLONG mFrom, mTo, mPosition;
    LONGLONG mRecordEnd = 0, mRecordStart = 0;
    const Record* mRecord = nullptr;
    double mFactor = 1.0, mOffset = 0.0;
    LONG mLastRow = 0;
    bool mHasLast = false;
};

} // namespace

RecordingDrawSource::RecordingDrawSource(const Recording& recording, LONG samplesPerPosition)
    : mRecording(recording), mSamplesPerPosition(std::max<LONG>(samplesPerPosition, 1)) {
    mStarts.push_back(0);
    for (std::int32_t r = 0; r < recording.recordCount(); ++r)
        mStarts.push_back(mStarts.back() + Positions(recording.record(r).tickCount(), mSamplesPerPosition));
}

void* RecordingDrawSource::find(REFIID iid) {
    if (iid == IID_IRecordSource)
        return static_cast<IRecordSource*>(this);
    if (iid == IID_IRecordData)
        return static_cast<IRecordData*>(this);
    return nullptr;
}

LONG RecordingDrawSource::RecordAt(LONGLONG position) const {
    for (std::size_t r = 0; r + 1 < mStarts.size(); ++r)
        if (position >= mStarts[r] && position < mStarts[r + 1])
            return static_cast<LONG>(r);
    return -1;
}

HRESULT RecordingDrawSource::GetDataObject(IUnknown** object) {
    if (!object)
        return E_POINTER;
    *object = static_cast<IRecordSource*>(this);
    AddRef();
    return S_OK;
}

std::vector<LONGLONG> RecordingDrawSource::EventPositions(LONG channel, LONG record) const {
    std::vector<LONGLONG> positions;
    if (record < 0 || record >= mRecording.recordCount() || channel < 0 ||
        static_cast<std::size_t>(channel) >= mRecording.channelCount())
        return positions;
    for (const Event& event : mRecording.record(record).events(static_cast<std::size_t>(channel)))
        positions.push_back(mStarts[static_cast<std::size_t>(record)] + event.tick / mSamplesPerPosition);
    return positions;
}

HRESULT RecordingDrawSource::FirstEventAt(LONG channel, LONG record, LONGLONG position, LONG* index) {
    const auto positions = EventPositions(channel, record);
    if (positions.empty())
        return S_FALSE;
    *index =
        static_cast<LONG>(std::lower_bound(positions.begin(), positions.end(), position) - positions.begin());
    return S_OK;
}

HRESULT RecordingDrawSource::EndEventAt(LONG channel, LONG record, LONGLONG position, LONG* index) {
    return FirstEventAt(channel, record, position, index);
}

HRESULT RecordingDrawSource::PositionToPixel(DWORD, LONGLONG position, double* pixel) {
    const LONG record = RecordAt(position);
    *pixel = static_cast<double>(position - (record < 0 ? 0 : mStarts[static_cast<std::size_t>(record)]));
    return S_OK;
}

HRESULT RecordingDrawSource::GetRecordEnd(LONG record, RecordPosition* end) {
    if (record < 0 || record >= mRecording.recordCount())
        return E_INVALIDARG;
    *end = {static_cast<LONG>(mRecording.record(record).tickCount()), record};
    return S_OK;
}

HRESULT RecordingDrawSource::TickToPosition(LONG tick, LONG record, LONGLONG* position) {
    if (record < 0 || record >= mRecording.recordCount())
        return E_INVALIDARG;
    *position = mStarts[static_cast<std::size_t>(record)] + tick / mSamplesPerPosition;
    return S_OK;
}

HRESULT RecordingDrawSource::PositionToTick(LONGLONG position, LONG* tick) {
    const LONG record = RecordAt(position);
    *tick =
        record < 0
            ? 0
            : static_cast<LONG>((position - mStarts[static_cast<std::size_t>(record)]) * mSamplesPerPosition);
    return S_OK;
}

bool RecordingDrawSource::Sample(LONGLONG position, LONG channel, float& value) const {
    const LONG record = RecordAt(position);
    if (record < 0 || channel < 0 || static_cast<std::size_t>(channel) >= mRecording.channelCount())
        return false;
    const auto samples = mRecording.record(record).samples(static_cast<std::size_t>(channel));
    const LONGLONG tick = (position - mStarts[static_cast<std::size_t>(record)]) * mSamplesPerPosition;
    if (tick >= static_cast<LONGLONG>(samples.size()))
        return false;
    value = samples[static_cast<std::size_t>(tick)];
    return true;
}

HRESULT RecordingDrawSource::IsValueValid(DWORD, LONGLONG position, LONG channel, LONG* valid) {
    float value = 0;
    *valid = Sample(position, channel, value) ? 1 : 0;
    return S_OK;
}

HRESULT RecordingDrawSource::GetValue(DWORD, LONGLONG position, LONG channel, double* value) {
    float sample = 0;
    if (!Sample(position, channel, sample)) {
        *value = 0.0;
        return S_FALSE;
    }
    *value = sample;
    return S_OK;
}

HRESULT RecordingDrawSource::QueryValue(DWORD key, LONGLONG position, LONG channel, double* value) {
    return GetValue(key, position, channel, value);
}

HRESULT RecordingDrawSource::CreateEventEnumerator(DWORD, LONG channel, DWORD, LONG record, LONG first,
                                                   IEventEnumerator** events) {
    if (!events)
        return E_POINTER;
    *events = new EventEnumerator(EventPositions(channel, record),
                                  static_cast<std::size_t>(std::max<LONG>(first, 0)));
    return S_OK;
}

HRESULT RecordingDrawSource::CreateSegmentSource(DWORD, LONG channel, LONGLONG from, LONGLONG to, LONG, LONG,
                                                 const double* scale, DWORD, ISegmentSource** source) {
    if (!source)
        return E_POINTER;
    if (channel < 0 || static_cast<std::size_t>(channel) >= mRecording.channelCount() || RecordAt(from) < 0) {
        *source = nullptr;
        return E_INVALIDARG;
    }
    *source = new SegmentSource(*this, channel, from, to, scale);
    return S_OK;
}

} // namespace Vantrel
