#pragma once
// The find test: IEnumEventEx::Find and GetPosition must agree with the events
// the same enumerator gives through Next. Random probes between two neighbouring
// events search forwards and backwards, over ranges with and without an event;
// a backward search from the record's last tick must land on its last event.

#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/ShuffledUniformRandom.h"
#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"

namespace ExtLib {

namespace FindProbe {

inline LONG PositionAfter(IEnumEventEx* theenum) {
    LONG nPos = 0;
    theenum->GetPosition(&nPos);
    return nPos;
}

/// Searches forwards from the probe: the event at pos1 is found, whatever the end of the range.
inline void Forwards(IEnumEventEx* theenum, LONG probe, LONG pos0, LONG pos1) {
    const Ovo::String missed(u"Find fails to find known event going forwards.");
    HRESULT hr = theenum->Find(FALSE, probe, pos0 + 1, 0x7FFFFFFF, 0, nullptr);
    Check(hr == S_OK, {kRoutinesCpp, 390, "hr==S_OK"});
    Check(PositionAfter(theenum) == pos1, {kRoutinesCpp, 392, "nPos == pos1"}, missed);
    hr = theenum->Find(FALSE, probe, pos0 + 1, pos1 + 1, 0, nullptr);
    Check(hr == S_OK, {kRoutinesCpp, 396, "hr==S_OK"});
    Check(PositionAfter(theenum) == pos1, {kRoutinesCpp, 398, "nPos == pos1"}, missed);
}

/// Searches forwards over the ticks strictly between the two events: nothing is found.
inline void ForwardsOverGap(IEnumEventEx* theenum, LONG pos0, LONG pos1) {
    const HRESULT hr = theenum->Find(FALSE, pos0 + 1, pos0 + 1, pos1, 0, nullptr);
    Check(hr == S_FALSE, {kRoutinesCpp, 405, "hr==S_FALSE"});
    const LONG nPos = PositionAfter(theenum);
    Check(nPos > pos0 && nPos <= pos1, {kRoutinesCpp, 408, "nPos>pos0 && nPos<=pos1"},
          Ovo::String(u"Bad position returned by Find when going forwards and no event found."));
}

/// Searches backwards from the probe: the event at pos0 is found.
inline void Backwards(IEnumEventEx* theenum, LONG probe, LONG pos0, LONG pos1) {
    const Ovo::String missed(u"Find fails to find known event going backwards.");
    HRESULT hr = theenum->Find(TRUE, probe, 0, pos1, 0, nullptr);
    Check(hr == S_OK, {kRoutinesCpp, 415, "hr==S_OK"});
    Check(PositionAfter(theenum) == pos0, {kRoutinesCpp, 418, "nPos == pos0"}, missed);
    hr = theenum->Find(TRUE, probe, pos0, pos1, 0, nullptr);
    Check(hr == S_OK, {kRoutinesCpp, 422, "hr==S_OK"});
    Check(PositionAfter(theenum) == pos0, {kRoutinesCpp, 425, "nPos == pos0"}, missed);
}

/// Searches backwards over the ticks strictly between the two events: nothing is found.
inline void BackwardsOverGap(IEnumEventEx* theenum, LONG pos0, LONG pos1) {
    const HRESULT hr = theenum->Find(TRUE, pos1 - 1, pos0 + 1, pos1, 0, nullptr);
    Check(hr == S_FALSE, {kRoutinesCpp, 431, "hr==S_FALSE"});
    const LONG nPos = PositionAfter(theenum);
    Check(nPos > pos0 && nPos <= pos1, {kRoutinesCpp, 434, "nPos>pos0 && nPos<=pos1"},
          Ovo::String(u"Bad position returned by Find when going backwards and no event found."));
}

/// One probe of kind 0 to 3 between two neighbouring events; kind 2 goes on with kind 3.
inline void Run(IEnumEventEx* theenum, std::int32_t kind, LONG probe, LONG pos0, LONG pos1) {
    switch (kind) {
    case 0:
        Forwards(theenum, probe, pos0, pos1);
        break;
    case 1:
        ForwardsOverGap(theenum, pos0, pos1);
        break;
    case 2:
        Backwards(theenum, probe, pos0, pos1);
        BackwardsOverGap(theenum, pos0, pos1);
        break;
    default:
        BackwardsOverGap(theenum, pos0, pos1);
        break;
    }
}

} // namespace FindProbe

template <class TBufType> void TestFind(const EnumTestConfig& config) {
    ShuffledUniformRandom random(ShuffledUniformRandom::SeedFromClock());
    const auto numsamples = static_cast<LONG>(config.mNumSamples);
    const OfflineTestDocument document(config, config.mNumSamples);
    std::vector<TBufType> vec;
    {
        TestEventReader edg(document.Get(), kEnumGetterOffline);
        ReadReference(edg, config, 0, vec,
                      {kRoutinesCpp, 366, "edg.CreateEnum(config.mEnumID, config.mArithString)"},
                      {kRoutinesCpp, 367, "edg.GetRecordData<TBufType>(0,vec)"});
        Check(vec.size() > 2, {kRoutinesCpp, 368, "vec.size()>2"},
              Ovo::String(u"EventEnumTestFind Comparison needs some events to work with."));
    }
    {
        TestEventReader edg(document.Get(), kEnumGetterOffline);
        const bool created = edg.CreateEnum(config.mEnumID, config.mArithString);
        const bool started = edg.SetSources(TickPosition{0, random.Draw(numsamples - 1)});
        ComPtr<IEnumEventEx> theenum = RequireEventStream(edg, created, started, {kRoutinesCpp, 375, 376});
        for (int probe = 0; probe < 100; ++probe) {
            const auto i = static_cast<std::size_t>(random.Draw(static_cast<std::int32_t>(vec.size()) - 2));
            const LONG pos0 = vec[i].tick;
            const LONG pos1 = vec[i + 1].tick;
            const LONG at = pos0 + 1 + random.Draw(pos1 - pos0 - 2);
            FindProbe::Run(theenum.Get(), random.Draw(3), at, pos0, pos1);
        }
    }
    TestEventReader edg(document.Get(), kEnumGetterOffline);
    const bool created = edg.CreateEnum(config.mEnumID, config.mArithString);
    const bool started = edg.SetSources(TickPosition{0, numsamples - 1});
    ComPtr<IEnumEventEx> theenum = RequireEventStream(edg, created, started, {kRoutinesCpp, 440, 441});
    LONG startpos = 0;
    Check(theenum->GetPosition(&startpos) == S_OK,
          {kRoutinesCpp, 446, "theenum->GetPosition(&startpos)==S_OK"});
    Check(startpos == numsamples - 1, {kRoutinesCpp, 447, "startpos==numsamples-1"});
    const HRESULT hr = theenum->Find(TRUE, startpos, 0, numsamples, 0, nullptr);
    Check(hr == S_OK, {kRoutinesCpp, 449, "hr==S_OK"});
    LONG pos = 0;
    Check(theenum->GetPosition(&pos) == S_OK, {kRoutinesCpp, 450, "theenum->GetPosition(&pos)==S_OK"});
    Check(pos == vec.back().tick, {kRoutinesCpp, 451, "pos==vec[vec.size()-1].GetPosition()"});
}

} // namespace ExtLib
