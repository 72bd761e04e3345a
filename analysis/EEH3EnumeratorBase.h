#pragma once
// The detector framework: turns a detector (parameters, per-record state and a
// step that yields at most one event) into a calculation enumerator that the
// host drives record by record, offline or while it samples.
//
// How events are found. The state of the record's scan is kept as a working
// state plus checkpoints, copies taken about every 100,000 ticks. A search for
// the events at or after a tick continues the working state when it has not
// yet produced anything at or past that tick, and otherwise resumes from the
// latest checkpoint that has not; so a seek back costs at most one chunk of
// re-scanning, and sequential reading never rescans. Every detector produces
// its events in increasing tick order, and its resume tick is a bound below
// which it produces nothing more; the framework relies on both.
//
// Offline, a step that can go no further has reached the end of the record's
// data: the state is finished so the detector can report what it still holds.
// Online (Start with kCalcStartOnline) it waits instead and goes on when the
// host calls again, until its sources report the record complete; the events
// are the same either way.

#include <memory>
#include <vector>

#include "analysis/CalcEnumEventBase.h"
#include "analysis/EEH3ParamsBase.h"
#include "analysis/EEH3StateBase.h"

namespace EEH3 {

class EEH3EnumeratorBase : public CalcEnums::CalcEnumEventBase {
public:
    static constexpr std::int32_t kChunkTicks = 100000;

    HRESULT SetArgs(IAutoOvoString* text, DWORD* flags) override;
    HRESULT GetArgs(IAutoOvoString** text) override;
    HRESULT Start(LONG record, LONG sourceCount, IUnknown* const* sources, double tickPeriod, LONG unitCount,
                  IUnitName* const* units, DWORD flags) override;
    HRESULT Seek(LONG tick) override;
    HRESULT Clear() override;
    HRESULT GetSamplePeriod(double* seconds) override;
    HRESULT GetEventInfo(CalcEventInfo* info) override;

    HRESULT Next(ULONG bufferBytes, LONG tickLimit, void* buffer, ULONG* count, LONG* position) override;
    HRESULT Find(BOOL backward, LONG tick, LONG rangeStart, LONG rangeEnd, ULONG eventBytes,
                 void* event) override;
    HRESULT GetPosition(LONG* tick) override;
    HRESULT GetEventSize(ULONG* bytes) override;

protected:
    explicit EEH3EnumeratorBase(ICAFClassObject* classObject);
    EEH3EnumeratorBase(const EEH3EnumeratorBase& other);
    ~EEH3EnumeratorBase() override;

    virtual ParamsBase& Params() = 0;
    const ParamsBase& Params() const { return const_cast<EEH3EnumeratorBase*>(this)->Params(); }
    // A new state for the record, resuming at tick.
    virtual std::unique_ptr<StateBase> NewState(std::int32_t tick) const = 0;
    // One detector step; true when event (EventSize bytes) holds a new event.
    virtual bool RunStep(StateBase& state, unsigned char* event) = 0;
    virtual std::uint32_t EventSize() const = 0;

private:
    struct Search {
        bool found = false;
        std::int32_t position = 0; // no event below it is still to come
    };

    Search ForwardSearch(std::int32_t start, std::int32_t limit, unsigned char* event);
    bool BackwardSearch(std::int32_t tick, std::int32_t lower, unsigned char* event);
    bool StepOnce(StateBase& state, std::int32_t searchEnd, unsigned char* event);
    void PrepareState(std::int32_t start);
    void Checkpoint(const StateBase& state);
    void SaveSources(StateBase& state);
    void RestoreSources(const StateBase& state);
    bool RecordComplete();
    void ResetRecord();
    void Hold(const unsigned char* event);
    std::int32_t TickOf(const unsigned char* event) const;

    double mTickPeriod = 0.0;
    bool mStarted = false;
    bool mOnline = false;
    std::int32_t mPosition = 0; // every event below it was delivered or passed over
    std::unique_ptr<StateBase> mState;
    std::vector<std::unique_ptr<StateBase>> mCheckpoints;
    std::vector<unsigned char> mHeld;  // an event found ahead of its delivery, or empty
    std::vector<unsigned char> mEvent; // where Next has the detector write, kept from call to call
};

} // namespace EEH3
