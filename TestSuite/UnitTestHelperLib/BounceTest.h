#pragma once
// The bounce test: an enumerator started again at a random tick must find the
// same next event as a read of the whole record from its beginning.

#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/ShuffledUniformRandom.h"
#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"
#include "core/OStringStream.h"

#include <array>
#include <cmath>
#include <optional>

namespace ExtLib {

namespace Bounce {

/// Where one bounce starts and the event it must find.
struct Start {
    std::int32_t record;
    std::size_t expected; // index in the record's reference events
    LONG tick;
};

/// A record r, an event k of it and a start tick between the event before k (exclusive) and k's
/// peak tick (its tick, one less when its fraction is negative).
template <class TBufType>
Start Draw(ShuffledUniformRandom& random, const std::vector<std::vector<TBufType>>& results) {
    Start start{};
    start.record = random.Draw(static_cast<std::int32_t>(results.size()) - 1);
    const auto& events = results[static_cast<std::size_t>(start.record)];
    start.expected = static_cast<std::size_t>(random.Draw(static_cast<std::int32_t>(events.size()) - 1));
    const LONG lowest = start.expected == 0 ? 0 : events[start.expected - 1].tick + 1;
    const TBufType& peakEvent = events[start.expected];
    const LONG peak = peakEvent.fraction < 0.0f ? peakEvent.tick - 1 : peakEvent.tick;
    start.tick = lowest < peak ? lowest + random.Draw(peak - lowest) : peak;
    return start;
}

inline Ovo::String Message(LONG expected, LONG found) {
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << L"Bounce gave different result! Peak was at " << expected << L", but bouncing put it at " << found
         << L".";
    return text.str();
}

} // namespace Bounce

/// 50 bounces on a document of config.mRecordCount records. restartOne: one enumerator is
/// restarted for every bounce; otherwise each bounce creates a new one.
template <class TBufType> void BounceTest(const EnumTestConfig& config, bool restartOne) {
    ShuffledUniformRandom random(ShuffledUniformRandom::SeedFromClock());
    const OfflineTestDocument document(config, config.mNumSamples, config.mRecordCount);
    Check(config.mRecordCount > 0, {kRoutinesCpp, 121, "config.mRecordCount>0"});
    std::vector<std::vector<TBufType>> results(config.mRecordCount);
    {
        TestEventReader edg(document.Get(), kEnumGetterOffline);
        Check(edg.CreateEnum(config.mEnumID, config.mArithString),
              {kRoutinesCpp, 120, "edg.CreateEnum(config.mEnumID, config.mArithString)"});
        for (std::size_t i = 0; i < results.size(); ++i) {
            Check(edg.template GetRecordData<TBufType>(static_cast<std::int32_t>(i), results[i]),
                  {kRoutinesCpp, 123, "edg.GetRecordData<TBufType>(i,results[i])"});
            Check(!results[i].empty(), {kRoutinesCpp, 125, "nn>0"});
        }
    }
    TestEventReader edg(document.Get(), kEnumGetterOffline);
    bool created = !restartOne || edg.CreateEnum(config.mEnumID, config.mArithString);
    std::array<TBufType, 10> buf{};
    for (int bounce = 0; bounce < 50; ++bounce) {
        Bounce::Start start = Bounce::Draw(random, results);
        const auto& events = results[static_cast<std::size_t>(start.record)];
        if (config.filling) {
            start.tick = RemapTick(document.Get(), start.tick, start.record);
            while (start.expected > 0 && events[start.expected - 1].tick > start.tick)
                --start.expected;
        }
        if (!restartOne)
            created = edg.CreateEnum(config.mEnumID, config.mArithString);
        const bool started = edg.SetSources(TickPosition{start.record, start.tick});
        ULONG n = 0;
        LONG nut = 0;
        {
            ComPtr<IEnumEventEx> theenum =
                RequireEventStream(edg, created, started, {kRoutinesCpp, 160, 166});
            theenum->Next(static_cast<ULONG>(sizeof buf), kRecordEndOffset, buf.data(), &n, &nut);
        }
        Check(n > 0, {kRoutinesCpp, 170, "n>0"});
        edg.Stop();
        const TBufType& expected = events[start.expected];
        if (expected.tick != buf[0].tick)
            Fail({kRoutinesCpp, 192, "tp1 == tp2"}, Bounce::Message(expected.tick, buf[0].tick));
        Check(std::fabs(expected.fraction - buf[0].fraction) < 0.01,
              {kRoutinesCpp, 194, "fabs( to1 - to2 ) < 0.01"});
    }
}

} // namespace ExtLib
