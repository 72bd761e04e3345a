#include "TestSuite/UnitTestHelperLib/TestStandardRoutines.h"

#include "TestSuite/UnitTestHelperLib/FormulaDataAdder.h"
#include "TestSuite/UnitTestHelperLib/TestDocumentAccess.h"
#include "platform/vantrel/IRecordData.h"

#include <cstddef>

namespace ExtLib {

void CreateTestDocument(IUnknown** document) {
    NewTestDocument(document);
}

void SendConfigTexts(IUnknown*, const std::vector<Ovo::String>& texts) {
    Check(texts.empty(), {kStandardRoutines, 66, "hr==S_OK"},
          Ovo::String(u"The test document takes no configuration texts."));
}

LONG RemapTick(IUnknown* document, LONG tick, LONG record) {
    auto positions = ComPtr<IUnknown>(document).Query<IRecordData>(IID_IRecordData);
    LONGLONG position = 0;
    if (!positions || FAILED(positions->TickToPosition(tick, record, &position)))
        return tick;
    LONG remapped = tick;
    positions->PositionToTick(static_cast<LONGLONG>(static_cast<ULONGLONG>(position) & 0xFFFFFFFFu),
                              &remapped);
    return remapped;
}

OfflineTestDocument::OfflineTestDocument(const EnumTestConfig& config, std::uint32_t ticks,
                                         std::uint32_t records) {
    CreateTestDocument(mDocument.Put());
    mAdder = ComPtr<FormulaDataAdder>(new FormulaDataAdder(mDocument.Get()));
    for (std::uint32_t i = 0; i < records; ++i)
        AddOfflineData(*mAdder.Get(), config.mExpressions, ticks, config.mSampleRates, 0.0);
    SendConfigTexts(mDocument.Get(), config.mDocumentTexts);
}

ComPtr<IEnumEventEx> RequireEventStream(TestEventReader& reader, bool created, bool started,
                                        const ReaderSites& sites) {
    Check(created, {sites.file, sites.created, "created"},
          Ovo::String(u"The enumerator could not be created."));
    Check(started, {sites.file, sites.started, "started"},
          Ovo::String(u"The enumerator could not be started."));
    return reader.GetEnumInterface();
}

namespace {

struct NextCall {
    HRESULT hr = S_OK;
    ULONG nRetd = 0;
    LONG nut = 0;
};

void CheckCallBudget(std::uint64_t& calls, std::uint32_t numsamples, std::int32_t line) {
    Check(++calls <= NextCallBudget(numsamples),
          {kStandardRoutines, line, "calls<=NextCallBudget(numsamples)"},
          Ovo::String(u"Enumerator never finishes the record."));
}

/// Phase 1: up to endTick, 5 records at a time.
void ReadToEndTick(IEnumEventEx* theenum, std::vector<std::byte>& buffer, ULONG numbufelems, LONG endTick,
                   std::uint32_t numsamples, NextCall& call) {
    std::uint64_t calls = 0;
    while (call.nut < endTick) {
        CheckCallBudget(calls, numsamples, 127);
        call.hr =
            theenum->Next(static_cast<ULONG>(buffer.size()), endTick, buffer.data(), &call.nRetd, &call.nut);
        const HRESULT hr = call.hr;
        const LONG nut = call.nut;
        Check(hr == S_OK || hr == S_FALSE, {kStandardRoutines, 123, "hr==S_OK || hr==S_FALSE"},
              Ovo::String(u"Bad HResult from Next."));
        Check(nut == kRecordEndOffset || hr == S_OK,
              {kStandardRoutines, 124, "nut==kRecordEndOffset || hr==S_OK"},
              Ovo::String(u"Bad HResult from Next."));
        Check(nut <= endTick || nut == kRecordEndOffset,
              {kStandardRoutines, 125, "nut<=endTick || nut==kRecordEndOffset"},
              Ovo::String(u"Bad nextUnexaminedTick from Next."));
        Check(call.nRetd == numbufelems || nut == endTick || nut == kRecordEndOffset,
              {kStandardRoutines, 126, "nRetd == numbufelems || nut == endTick || nut == kRecordEndOffset"},
              Ovo::String(u"nRetd and nextUnexaminedTick inconsistent in Next."));
    }
    Check(call.nut == kRecordEndOffset || call.nut == endTick,
          {kStandardRoutines, 130, "nut == kRecordEndOffset || nut == endTick"},
          Ovo::String(u"Enumerators must be positioned either at endTick or at kRecordEndOffset following a "
                      u"completed call to next."));
}

/// Phase 2: on to the end of the record.
void ReadToRecordEnd(IEnumEventEx* theenum, std::vector<std::byte>& buffer, std::uint32_t numsamples,
                     NextCall& call) {
    const auto last = static_cast<LONG>(numsamples);
    int preventinfiniteloop = 0;
    std::uint64_t calls = 0;
    while (call.nut != kRecordEndOffset && call.nut <= last) {
        CheckCallBudget(calls, numsamples, 141);
        call.hr = theenum->Next(static_cast<ULONG>(buffer.size()), kRecordEndOffset, buffer.data(),
                                &call.nRetd, &call.nut);
        Check(call.hr == S_OK || call.hr == S_FALSE, {kStandardRoutines, 136, "hr==S_OK || hr==S_FALSE"},
              Ovo::String(u"Bad HResult from Next."));
        Check(call.nut == kRecordEndOffset || call.hr == S_OK,
              {kStandardRoutines, 137, "nut==kRecordEndOffset || hr==S_OK"},
              Ovo::String(u"Bad HResult from Next."));
        if (call.nut == last)
            ++preventinfiniteloop;
        Check(preventinfiniteloop < 4, {kStandardRoutines, 140, "preventinfiniteloop<4"},
              Ovo::String(u"Enumerator isn't returning kRecordEndOffset at end of record"));
    }
}

} // namespace

void TestNextOffline(const EnumTestConfig& config, std::uint32_t recordSize) {
    const std::uint32_t numsamples = config.mNumSamples;
    Check(numsamples > 200, {kStandardRoutines, 84, "numsamples>200"});
    constexpr ULONG numbufelems = 5;
    LONG startTick = static_cast<LONG>(numsamples) / 3;
    ComPtr<IUnknown> document;
    CreateTestDocument(document.Put());
    ComPtr<FormulaDataAdder> adder(new FormulaDataAdder(document.Get()));
    AddOfflineDataAtRate(config.mExpressions, *adder.Get(), numsamples, 1000.0, 0.0);
    SendConfigTexts(document.Get(), config.mDocumentTexts);
    TestEventReader edg(document.Get(), kEnumGetterOffline);
    const bool created = edg.CreateEnum(config.mEnumID, config.mArithString);
    if (config.filling)
        startTick = RemapTick(document.Get(), startTick, 0);
    const bool started = edg.SetSources(TickPosition{0, startTick});
    ComPtr<IEnumEventEx> theenum = RequireEventStream(edg, created, started, {kStandardRoutines, 108, 115});
    std::vector<std::byte> buffer(std::size_t{numbufelems} * recordSize);

    NextCall call;
    ReadToEndTick(theenum.Get(), buffer, numbufelems, static_cast<LONG>(numsamples) - 10, numsamples, call);
    ReadToRecordEnd(theenum.Get(), buffer, numsamples, call);
    if (!config.filling) {
        Check(call.hr == S_FALSE, {kStandardRoutines, 145, "hr == S_FALSE"},
              Ovo::String(u"Enumerators should return S_FALSE when out of data and not filling."));
        Check(call.nut == kRecordEndOffset, {kStandardRoutines, 146, "nut==kRecordEndOffset"},
              Ovo::String(u"When no more events are going to be available Enumerators are supposed to return "
                          u"kRecordEndOffset as their position. See IEventEnums."));
    }
}

void TestNextOnline(const EnumTestConfig& config, std::uint32_t recordSize) {
    const std::uint32_t numsamples = config.mNumSamples;
    Check(numsamples > 200, {kStandardRoutines, 160, "numsamples>200"});
    constexpr ULONG numbufelems = 50;
    ComPtr<IUnknown> document;
    CreateTestDocument(document.Put());
    ComPtr<FormulaDataAdder> adder(new FormulaDataAdder(document.Get()));
    SendConfigTexts(document.Get(), config.mDocumentTexts);
    StartOnlineDataAtRate(config.mExpressions, *adder.Get(), numsamples, 1000.0, 0.0);
    adder->AddTicks(100);
    std::int64_t itot = 100;
    TestEventReader edg(document.Get(), kEnumGetterSink);
    const bool created = edg.CreateEnum(config.mEnumID, config.mArithString);
    const bool started = edg.SetSources(TickPosition{0, 0});
    ComPtr<IEnumEventEx> theenum = RequireEventStream(edg, created, started, {kStandardRoutines, 175, 176});
    std::vector<std::byte> buffer(std::size_t{numbufelems} * recordSize);

    NextCall call;
    call.nRetd = numbufelems;
    std::uint64_t calls = 0;
    while (itot < numsamples || call.nRetd != 0) {
        CheckCallBudget(calls, numsamples, 199);
        if (call.nRetd < numbufelems) {
            adder->AddTicks(100);
            itot += 100;
        }
        const LONG endTick = config.filling ? static_cast<LONG>(itot) : kRecordEndOffset;
        call.hr =
            theenum->Next(static_cast<ULONG>(buffer.size()), endTick, buffer.data(), &call.nRetd, &call.nut);
        Check(call.hr == S_OK || call.hr == S_FALSE, {kStandardRoutines, 196, "hr==S_OK || hr==S_FALSE"},
              Ovo::String(u"Unexpected HResult from Next"));
        Check(call.hr == S_OK || call.nut == kRecordEndOffset,
              {kStandardRoutines, 197, "hr==S_OK || nut==kRecordEndOffset"},
              Ovo::String(u"S_FALSE and kRecordEndOffset must go together."));
        if (call.hr == S_OK && call.nut != kRecordEndOffset)
            Check(call.nut <= itot, {kStandardRoutines, 198, "nut==kRecordEndOffset || nut <= itot"},
                  Ovo::String(u"NextUnusedTick returned by Next is bad."));
    }
    Check(call.nut <= static_cast<LONG>(numsamples) || call.nut == kRecordEndOffset,
          {kStandardRoutines, 201, "nut<=numsamples || nut==kRecordEndOffset"});
    edg.Stop();
    adder->EndSampling();
}

} // namespace ExtLib
