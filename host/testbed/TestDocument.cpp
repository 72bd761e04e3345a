#include "host/testbed/TestDocument.h"

#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"
#include "host/framework/Text.h"
#include "platform/vantrel/ICalcEnum.h"
#include "platform/vantrel/IUnitService.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Vantrel {
namespace {

bool samePeriod(const PeriodFraction& a, const PeriodFraction& b) {
    if (a.denominator == 0 || b.denominator == 0)
        return false;
    return static_cast<__int128>(a.numerator) * b.denominator ==
           static_cast<__int128>(b.numerator) * a.denominator;
}

std::string unitText(IUnknown* unit) {
    ComPtr<IUnitName> name = ComPtr<IUnknown>(unit).Query<IUnitName>(IID_IUnitName);
    if (!name)
        return {};
    IAutoOvoString* base = nullptr;
    name->GetBaseText(&base);
    return Utf16ToUtf8(TakeString(base));
}

/// The formula of a channel source of the host's formula calculation.
std::u16string formulaOf(IUnknown* source) {
    ComPtr<ICalcEnum> calc = ComPtr<IUnknown>(source).Query<ICalcEnum>(IID_ICalcEnum);
    if (!calc)
        return {};
    IAutoOvoString* text = nullptr;
    calc->GetArgs(&text);
    return TakeString(text);
}

} // namespace

void* TestDocument::find(REFIID iid) {
    if (iid == IID_IRecordData)
        return static_cast<IRecordData*>(this);
    if (iid == IID_IDocumentData)
        return static_cast<IDocumentData*>(this);
    if (iid == IID_IChannelLookup)
        return static_cast<IChannelLookup*>(this);
    if (iid == IID_IOnlineDataSinkRegistry)
        return static_cast<IOnlineDataSinkRegistry*>(this);
    if (iid == IID_IRecordingHost)
        return static_cast<IRecordingHost*>(this);
    if (iid == IID_IDataAcquisition)
        return static_cast<IDataAcquisition*>(this);
    if (iid == IID_IStrevDataSink)
        return static_cast<IStrevDataSink*>(this);
    return nullptr;
}

HRESULT TestDocument::GetRecordEnd(LONG record, RecordPosition* end) {
    if (!end)
        return E_POINTER;
    LONG tick = 0;
    const HRESULT hr = mData->GetRecordEndTick(record, &tick);
    if (FAILED(hr))
        return hr;
    end->mRecord = record;
    end->mRecordOffset = tick;
    return S_OK;
}

HRESULT TestDocument::TickToPosition(LONG tick, LONG record, LONGLONG* position) {
    if (!position)
        return E_POINTER;
    *position = static_cast<LONGLONG>(static_cast<ULONGLONG>(static_cast<ULONG>(record)) << 32 |
                                      static_cast<ULONG>(tick));
    return S_OK;
}

HRESULT TestDocument::PositionToTick(LONGLONG position, LONG* tick) {
    if (!tick)
        return E_POINTER;
    *tick = static_cast<LONG>(static_cast<ULONG>(static_cast<ULONGLONG>(position) & 0xFFFFFFFFu));
    return S_OK;
}

HRESULT TestDocument::GetRecordCount(LONG* count) {
    return mData->GetRecordCount(count);
}

HRESULT TestDocument::GetRecordEndTick(LONG record, LONG* tick) {
    return mData->GetRecordEndTick(record, tick);
}

HRESULT TestDocument::GetChannelCount(LONG record, DWORD flags, LONG* count) {
    return mData->GetChannelCount(record, flags, count);
}

HRESULT TestDocument::GetChannelEvents(LONG channel, LONG record, LONG endTick, IEnumEventEx** out) {
    return mData->GetChannelEvents(channel, record, endTick, out);
}

HRESULT TestDocument::GetChannelSamples(LONG channel, DWORD flags, LONG record, LONG endTick,
                                        ISampleChannel** out) {
    return mData->GetChannelSamples(channel, flags, record, endTick, out);
}

HRESULT TestDocument::GetChannelUnit(LONG channel, LONG record, DWORD flags, IUnknown** unit) {
    return mData->GetChannelUnit(channel, record, flags, unit);
}

HRESULT TestDocument::GetChannel(LONG channel, DWORD kind, IUnknown** out) {
    return mData->GetChannel(channel, kind, out);
}

HRESULT TestDocument::AddSink(IOnlineDataSink* sink) {
    return mData->AddSink(sink);
}

HRESULT TestDocument::RemoveSink(IOnlineDataSink* sink) {
    return mData->RemoveSink(sink);
}

HRESULT TestDocument::SetupChannel(LONG channel, LONG enabled, VARIANT_BOOL, IUnknown* unit,
                                   PeriodFraction samplePeriod, const PeriodFraction* tickPeriod, HRESULT,
                                   IStrevDataSource*) {
    if (channel < 0 || !tickPeriod)
        return E_INVALIDARG;
    if (mRecording && mRecording->sampling())
        return E_UNEXPECTED;
    if (static_cast<std::size_t>(channel) >= mChannels.size())
        mChannels.resize(static_cast<std::size_t>(channel) + 1);
    Channel& entry = mChannels[static_cast<std::size_t>(channel)];
    entry.declared = true;
    entry.enabled = enabled != 0;
    entry.unit = unitText(unit);
    entry.unitObject = ComPtr<IUnknown>(unit);
    entry.period = samplePeriod;
    mTickPeriod = *tickPeriod;
    return S_OK;
}

HRESULT TestDocument::CanSample(VARIANT_BOOL* canSample) {
    if (!canSample)
        return E_POINTER;
    bool can = !mChannels.empty() && !(mRecording && mRecording->sampling()) &&
               (!mRecording || mRecording->channelCount() == mChannels.size());
    for (const Channel& channel : mChannels)
        can = can && channel.declared && samePeriod(channel.period, mTickPeriod);
    *canSample = can ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

void TestDocument::createRecording() {
    std::vector<ChannelInfo> channels;
    for (std::size_t k = 0; k < mChannels.size(); ++k)
        channels.push_back({"Channel " + std::to_string(k + 1), mChannels[k].unit});
    mRecording = std::make_unique<Recording>(std::move(channels));
    auto data = ComPtr<DocumentData>::Adopt(new DocumentData(*mRecording));
    data->takeSinks(*mData.Get()); // those added before the first record
    mData = data;
}

HRESULT TestDocument::readFormulas(IStrevDataSource* source) {
    for (std::size_t k = 0; k < mChannels.size(); ++k) {
        Channel& channel = mChannels[k];
        channel.formula.reset();
        if (!channel.enabled)
            continue;
        ComPtr<IUnknown> channelSource;
        source->CreateChannelSource(0, static_cast<LONG>(k), channelSource.Put());
        const std::u16string text = formulaOf(channelSource.Get());
        try {
            channel.formula =
                std::make_shared<SampleExpression>(FormulaParser::parse(text), mRecording->channelCount());
        } catch (const FormulaError&) {
            return E_INVALIDARG;
        }
    }
    return S_OK;
}

HRESULT TestDocument::NewRecord(LONG, IStrevDataSource* source, double tickPeriod, double startTime, double,
                                LONG, LONG, DWORD, VARIANT_BOOL) {
    VARIANT_BOOL can = VARIANT_FALSE;
    CanSample(&can);
    if (!source || can != VARIANT_TRUE || !std::isfinite(tickPeriod) || tickPeriod <= 0.0 ||
        !std::isfinite(startTime))
        return E_INVALIDARG;
    if (!mRecording)
        createRecording();
    const HRESULT hr = readFormulas(source);
    if (FAILED(hr))
        return hr;
    mRecording->startSampling(tickPeriod, startTime);
    return S_OK;
}

HRESULT TestDocument::AddTicks(LONG count) {
    if (!mRecording || !mRecording->sampling())
        return E_UNEXPECTED;
    if (count <= 0)
        return count == 0 ? S_OK : E_INVALIDARG;
    const std::int32_t record = mRecording->recordCount() - 1;
    const Tick first = mRecording->record(record).tickCount();
    std::vector<std::vector<float>> columns(mChannels.size());
    std::vector<double> values(static_cast<std::size_t>(count));
    for (std::size_t k = 0; k < mChannels.size(); ++k) {
        if (mChannels[k].formula)
            mChannels[k].formula->evaluate(*mRecording, record, first, values);
        else
            std::fill(values.begin(), values.end(), std::numeric_limits<double>::quiet_NaN());
        columns[k].assign(values.begin(), values.end());
    }
    mRecording->appendBlock(columns);
    return S_OK;
}

HRESULT TestDocument::EndRecord(LONG) {
    if (!mRecording || !mRecording->sampling())
        return S_FALSE;
    mRecording->stopSampling();
    return S_OK;
}

} // namespace Vantrel
