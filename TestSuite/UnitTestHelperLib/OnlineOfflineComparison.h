#pragma once
// The online/offline comparison: an enumerator reading a record while it is
// sampled, a few ticks at a time, must give the events it gives for the complete
// record, in the same order.

#include "TestSuite/UnitTestHelperLib/EventHelper.h"
#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"
#include "core/OStringStream.h"

#include <array>

namespace ExtLib {

namespace OnlineOffline {

inline Ovo::String EventMessage(std::size_t index, const OvoEventBase& online, const OvoEventBase& offline) {
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << L"Event #" << index << L" differs between online and offline ("
         << EventHelper::Describe(online).ToWString() << L" vs " << EventHelper::Describe(offline).ToWString()
         << L").";
    return text.str();
}

inline Ovo::String CountMessage(std::size_t offline, std::size_t online) {
    Ovo::OStringStream text;
    text.imbue(std::locale::classic());
    text << L"Offline found " << offline << L" events, but online found " << online << L" events!";
    return text.str();
}

/// Matches the n records read online against the reference from index ndx on, and moves ndx past them.
/// A count beyond the buffer fails at line sizeLine - 1: those records were never written.
template <class TBufType, std::size_t N>
void Compare(const std::vector<TBufType>& vec, const std::array<TBufType, N>& buf, ULONG n, std::size_t& ndx,
             std::int32_t sizeLine, std::int32_t sameLine) {
    Check(n <= N, {kRoutinesCpp, sizeLine - 1, "n<=numbufelems"},
          Ovo::String(u"Next reported more records than the buffer holds."));
    for (ULONG i = 0; i < n; ++i) {
        Check(vec.size() > ndx + i, {kRoutinesCpp, sizeLine, "vec.size() > ndx+i"});
        if (!EventHelper::same(buf[i], vec[ndx + i]))
            Fail({kRoutinesCpp, sameLine, "EventHelper::same(buf[i],vec[ndx+i])"},
                 EventMessage(ndx + i, buf[i], vec[ndx + i]));
    }
    ndx += n;
}

/// Every event of record 0 of a complete record, with config's data.
template <class TBufType> std::vector<TBufType> Reference(const EnumTestConfig& config) {
    const OfflineTestDocument document(config, config.mNumSamples);
    std::vector<TBufType> vec;
    TestEventReader edg(document.Get(), kEnumGetterOffline);
    ReadReference(edg, config, 0, vec,
                  {kRoutinesCpp, 246, "edg.CreateEnum(config.mEnumID, config.mArithString)"},
                  {kRoutinesCpp, 247, "edg.GetRecordData<TBufType>(0,vec)"});
    Check(!vec.empty(), {kRoutinesCpp, 248, "vec.size()>0"},
          Ovo::String(u"OnlineOffline Comparison needs some events to work with."));
    return vec;
}

} // namespace OnlineOffline

template <class TBufType> void OnlineOfflineComparison(const EnumTestConfig& config) {
    constexpr ULONG kRecords = 20;
    constexpr std::int32_t kStep = 10;
    const std::vector<TBufType> vec = OnlineOffline::Reference<TBufType>(config);

    std::array<TBufType, kRecords> buf{};
    std::size_t ndx = 0;
    ULONG n = 0;
    LONG nut = 0;
    HRESULT hr = S_OK;
    ComPtr<IEnumEventEx> theenum;
    auto readRest = [&] {
        if (theenum)
            hr = theenum->Next(static_cast<ULONG>(sizeof buf), kRecordEndOffset, buf.data(), &n, &nut);
    };
    ComPtr<IUnknown> document;
    CreateTestDocument(document.Put());
    ComPtr<FormulaDataAdder> adder(new FormulaDataAdder(document.Get()));
    SendConfigTexts(document.Get(), config.mDocumentTexts);
    TestEventReader edg(document.Get(), readRest, kEnumGetterSink);
    StartOnlineData(*adder.Get(), config.mExpressions, config.mNumSamples, config.mSampleRates, 0.0);
    adder->AddTicks(kStep);
    std::int64_t itot = kStep;
    const bool created = edg.CreateEnum(config.mEnumID, config.mArithString);
    const bool started = edg.SetSources(TickPosition{0, 0});
    theenum = RequireEventStream(edg, created, started, {kRoutinesCpp, 270, 271});

    bool ended = false;
    while (itot < config.mNumSamples || !ended) {
        hr = theenum->Next(static_cast<ULONG>(sizeof buf), kRecordEndOffset, buf.data(), &n, &nut);
        if (itot >= config.mNumSamples && !ended) {
            OnlineOffline::Compare(vec, buf, n, ndx, 296, 300);
            adder->EndSampling(); // the reader reads the rest of the record into buf, n, nut and hr
            ended = true;
        }
        Check(hr == S_OK || nut == kRecordEndOffset,
              {kRoutinesCpp, 310, "hr==S_OK || nut==kRecordEndOffset"});
        if (n < kRecords && !ended) {
            adder->AddTicks(kStep);
            itot += kStep;
        }
        OnlineOffline::Compare(vec, buf, n, ndx, 319, 323);
    }
    if (ndx != vec.size())
        Fail({kRoutinesCpp, 336, "ndx==vec.size()"}, OnlineOffline::CountMessage(vec.size(), ndx));
    theenum.Reset();
}

} // namespace ExtLib
