#pragma once
// The set-sources test: an enumerator started at the last tick of a complete
// record of 17000 ticks must stand exactly at that tick.

#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"
#include "core/OStringStream.h"

namespace ExtLib {

namespace SetSources {

inline constexpr std::uint32_t kTicks = 17000;

inline Ovo::String PositionMessage(LONG pos) {
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << L"Incorrect position after SetSources (" << pos << L" instead of " << kTicks - 1
         << L" in record with " << kTicks << L" ticks).";
    return text.str();
}

} // namespace SetSources

/// Passes at once for a filling enumerator.
template <class TBufType> void TestSetSources(const EnumTestConfig& config) {
    if (config.filling)
        return;
    constexpr LONG ticknum = SetSources::kTicks - 1;
    const OfflineTestDocument document(config, SetSources::kTicks);
    std::vector<TBufType> vec;
    TestEventReader edg1(document.Get(), 1);
    ReadReference(edg1, config, 0, vec,
                  {kRoutinesCpp, 790, "edg1.CreateEnum(config.mEnumID, config.mArithString)"},
                  {kRoutinesCpp, 791, "edg1.GetRecordData<TBufType>(0,vec)"});
    TestEventReader edg2(document.Get(), 1);
    Check(edg2.CreateEnum(config.mEnumID, config.mArithString),
          {kRoutinesCpp, 794, "edg2.CreateEnum(config.mEnumID, config.mArithString)"});
    Check(edg2.SetSources(TickPosition{0, ticknum}),
          {kRoutinesCpp, 797, "edg2.SetSources(TickPosition(0,ticknum))"});
    LONG pos = 0;
    edg2.GetEnumInterface()->GetPosition(&pos);
    const bool posok = pos == ticknum;
    if (!posok)
        Fail({kRoutinesCpp, 807, "posok"}, SetSources::PositionMessage(pos));
    edg2.Stop();
}

} // namespace ExtLib
