#include "TestSuite/UnitTestHelperLib/DataAdderBase.h"

#include "TestSuite/UnitTestHelperLib/UnitTestException.h"
#include "module/HostServices.h"
#include "platform/vantrel/IDocumentData.h"
#include "platform/vantrel/IRecordData.h"

#include <boost/rational.hpp>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <limits>

namespace ExtLib {
namespace {

constexpr char kTestDataAdder[] = ".\\TestDataAdder";

/// The set behind a bit-set representation handed over with a reference, which it takes.
OvoBitset TakeBitset(Ovo::BitsetRep* rep) {
    if (!rep)
        return OvoBitset();
    std::vector<std::uint32_t> words;
    for (std::uint32_t i = 0; i < rep->WordCount(); ++i)
        words.push_back(rep->Word(i));
    OvoBitset set(std::move(words), rep->Fill());
    rep->Release();
    return set;
}

bool NoBitSet(const OvoBitset& set) {
    return set.FindFirst() < 0;
}

/// The raw side a channel is declared with: volts without prefix, 2 decimals, an empty input range,
/// and a shown range of +-10 when bit 31 of its flag word is set, else none (+inf to -inf).
UnitRawInfo ChannelUnitInfo(DWORD flags) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const bool tenVolts = (flags & 0x80000000u) != 0;
    UnitRawInfo raw;
    raw.rangeLow = 1.0;
    raw.rangeHigh = 0.0;
    raw.shownLow = tenVolts ? 10.0f : kInf;
    raw.shownHigh = tenVolts ? -10.0f : -kInf;
    raw.decimals = 2;
    raw.prefixCode = 1;
    raw.flags = 0;
    return raw;
}

/// A sample period of 1 / rate seconds; the rate is truncated to a whole number of Hz first.
PeriodFraction PeriodOf(double rate) {
    Check(std::isfinite(rate) && rate >= 1.0 && rate < 9.2e18, {kTestDataAdder, 427, "rate >= 1"});
    const boost::rational<std::int64_t> period(1, static_cast<std::int64_t>(rate));
    return {period.numerator(), period.denominator()};
}

} // namespace

DataAdderBase::DataAdderBase(IUnknown* document) : mDocument(document) {}

DataAdderBase::~DataAdderBase() {
    try {
        EndSampling();
    } catch (...) {
    }
}

HRESULT DataAdderBase::CreateChannelSource(LONG, LONG, IUnknown** source) {
    if (source)
        *source = nullptr;
    return E_NOTIMPL;
}

HRESULT DataAdderBase::GetNumTicks(LONGLONG* ticks) {
    return E_NOTIMPL;
}

HRESULT DataAdderBase::SetChannelMask(Ovo::BitsetRep* mask) {
    mChannelMask = TakeBitset(mask);
    return S_OK;
}

HRESULT DataAdderBase::AddChannels(Ovo::BitsetRep* mask) {
    mChannelMask |= TakeBitset(mask);
    return S_OK;
}

HRESULT DataAdderBase::RemoveChannels(Ovo::BitsetRep* mask) {
    const OvoBitset given = TakeBitset(mask);
    mChannelMask |= given;
    mChannelMask ^= given;
    return S_OK;
}

HRESULT DataAdderBase::SetChannelFlags(ULONG count, const DWORD* flags) {
    if (count > 0 && !flags)
        return E_POINTER;
    mChannelFlags.assign(flags, flags + count);
    return S_OK;
}

HRESULT DataAdderBase::SetChannelOption(DWORD option) {
    mChannelOption = option;
    return S_OK;
}

void DataAdderBase::DeclareChannels(IStrevDataSink* sink) {
    OvoBitset enabled = mChannelMask;
    if (NoBitSet(enabled))
        enabled.SetFirst(1);
    const PeriodFraction tickPeriod = PeriodOf(mTickRate);
    IUnitService* units = Tarvik::GetUnitService();
    for (std::size_t channel = 0; channel < mSampleRates.size(); ++channel) {
        ComPtr<IUnknown> unit;
        if (units) {
            const UnitRawInfo raw =
                ChannelUnitInfo(channel < mChannelFlags.size() ? mChannelFlags[channel] : DWORD{0});
            units->CreateRawConversion(
                &raw, ComPtr<IAutoOvoString>::Adopt(Ovo::String(u"V").GetInterface()).Get(), unit.Put());
        }
        const PeriodFraction period = PeriodOf(mSampleRates[channel]);
        Check(channel < mSampleRates.size(),
              {kTestDataAdder, 428, "channel < (TChanIndex)(mSampleRates.size())"});
        const bool on = enabled.Test(static_cast<std::uint32_t>(channel));
        sink->SetupChannel(static_cast<LONG>(channel), on ? 1 : 0, on ? VARIANT_TRUE : VARIANT_FALSE,
                           unit.Get(), period, &tickPeriod, kAbsentArgument, this);
    }
}

void DataAdderBase::StartRecord(double startTime) {
    ComPtr<IStrevDataSink> sink = ComPtr<IUnknown>(mDocument)
                                      .Query<IDataAcquisition>(IID_IDataAcquisition)
                                      .Query<IStrevDataSink>(IID_IStrevDataSink);
    if (startTime == 0.0)
        startTime = static_cast<double>(std::time(nullptr));
    Check(bool(sink), {kTestDataAdder, 391, "mSink.IsValid()"});
    Check(mTicks != -1, {kTestDataAdder, 392, "mTicks!=-1"});
    Check(mTickRate > 0, {kTestDataAdder, 393, "mTickRate>0"});
    DeclareChannels(sink.Get());
    VARIANT_BOOL canSample = VARIANT_FALSE;
    sink->CanSample(&canSample);
    Check(canSample != VARIANT_FALSE, {kTestDataAdder, 446, "canSample"});
    sink->StartSampling(0);
    mSink = sink.Get();
    mPendingFailure = nullptr;
    sink->NewRecord(0, this, 1.0 / mTickRate, startTime, 0.0, 0, 0, mChannelOption, VARIANT_TRUE);
    mTicksAdded = 0;
    LONG records = 0;
    if (auto data = ComPtr<IUnknown>(mDocument).Query<IDocumentData>(IID_IDocumentData))
        data->GetRecordCount(&records);
    mOpenRecord = std::max<LONG>(records - 1, 0);
    if (mPendingFailure)
        std::rethrow_exception(std::exchange(mPendingFailure, nullptr));
}

void DataAdderBase::AddTicks(std::int32_t n) {
    Check(mSink != nullptr, {kTestDataAdder, 487, "mSink"});
    n = std::max(0, std::min(n, mTicks - mTicksAdded));
    mSink->AddTicks(n);
    mTicksAdded += n;
    auto recdata = ComPtr<IUnknown>(mDocument).Query<IRecordData>(IID_IRecordData);
    Check(bool(recdata), {kTestDataAdder, 494, "recdata"});
    RecordPosition endpos;
    endpos.mRecordOffset = -1;
    recdata->GetRecordEnd(mOpenRecord, &endpos);
    Check(endpos.mRecordOffset == mTicksAdded, {kTestDataAdder, 497, "endpos.mRecordOffset == mTicksAdded"});
}

void DataAdderBase::AddRecord(double startTime) {
    StartRecord(startTime);
    AddTicks(mTicks);
    EndSampling();
}

void DataAdderBase::EndSampling() {
    if (IStrevDataSink* sink = std::exchange(mSink, nullptr)) {
        sink->EndRecord(mOpenRecord);
        sink->StopSampling(VARIANT_TRUE);
    }
}

} // namespace ExtLib
