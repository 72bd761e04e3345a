#include "analysis/EnumGetterBase.h"

#include <cwctype>

#include "analysis/Saturate.h"
#include "core/Unit.h"

namespace ExtLib {

EnumGetterBase::EnumGetterBase(IUnknown* document, CalcHostServices services, std::int32_t mode)
    : EnumGetterBase(document, services, nullptr, mode) {}

EnumGetterBase::EnumGetterBase(IUnknown* document, CalcHostServices services, std::function<void()> callback,
                               std::int32_t mode)
    : mDocument(document), mServices(services), mMode(mode), mCallback(std::move(callback)) {
    Register();
}

EnumGetterBase::~EnumGetterBase() {
    if (mRegistered) {
        if (const auto registry = mDocument.Query<IOnlineDataSinkRegistry>(IID_IOnlineDataSinkRegistry))
            registry->RemoveSink(this);
    }
    Stop();
}

bool EnumGetterBase::Register() {
    if (mMode != kEnumGetterSink || mRegistered || !mDocument)
        return false;
    const auto registry = mDocument.Query<IOnlineDataSinkRegistry>(IID_IOnlineDataSinkRegistry);
    if (!registry)
        return false;
    mRegistered = SUCCEEDED(registry->AddSink(this));
    return mRegistered;
}

ComPtr<IDocumentData> EnumGetterBase::Data() const {
    return mDocument.Query<IDocumentData>(IID_IDocumentData);
}

bool EnumGetterBase::CreateEnum(const Ovo::String& className, const Ovo::String& formula) {
    std::wstring lower = formula.ToWString();
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    mChannels = ParseChannelList(lower);
    ComPtr<ICalcEnumClass2> calcClass;
    const HRESULT found =
        mServices.classes
            ? mServices.classes->FindCalcClass(ComPtr<IAutoOvoString>::Adopt(className.GetInterface()).Get(),
                                               calcClass.Put())
            : E_FAIL;
    if (found != S_OK || !calcClass)
        return false;
    const ComPtr<IDocumentData> data = Data();
    Stop();
    mEnum.Reset();
    const HRESULT created = calcClass->CreateEnumerator(data.Get(), mEnum.Put());
    if (FAILED(created) || !mEnum)
        return false;
    DWORD flags = 0;
    return mEnum->SetArgs(ComPtr<IAutoOvoString>::Adopt(formula.GetInterface()).Get(), &flags) == S_OK;
}

// An event series on the channel when it carries events, otherwise its samples.
ComPtr<IUnknown> EnumGetterBase::ChannelSource(const ChannelEntry& entry, std::int32_t record,
                                               std::int32_t endTick) {
    const ComPtr<IDocumentData> data = Data();
    if (!data)
        return nullptr;
    ComPtr<IEnumEventEx> events;
    if (data->GetChannelEvents(entry.channel, record, endTick, events.Put()) == S_OK && events)
        return ComPtr<IUnknown>(events.Get());
    const DWORD flags = entry.volume ? kDataSourceVolume : entry.raw ? kDataSourceRaw : kDataSourceScaled;
    ComPtr<ISampleChannel> samples;
    if (FAILED(data->GetChannelSamples(entry.channel, flags | kDataSamplesEnumerator, record, endTick,
                                       samples.Put())))
        return nullptr;
    return ComPtr<IUnknown>(samples.Get());
}

bool EnumGetterBase::ReadRecord(std::int32_t record, std::int32_t endTick) {
    if (mStarted || !mDocument || !mEnum)
        return false;
    std::vector<IUnknown*> sources;
    double tickPeriod = 0.0;
    for (const ChannelEntry& entry : mChannels) {
        const ComPtr<IUnknown> source = ChannelSource(entry, record, endTick);
        if (!source) {
            ReleaseSources();
            return false;
        }
        mSources.Add(source.Get());
        sources.push_back(source.Get());
        if (tickPeriod == 0.0) {
            if (const auto samples = source.Query<ISampleChannel>(IID_ISampleChannel))
                samples->GetTickPeriod(&tickPeriod);
        }
    }
    LONG count = 0;
    if (const ComPtr<IDocumentData> data = Data()) {
        for (std::size_t i = 0; i < mChannels.size(); ++i) {
            const DWORD flags = i > 0 ? 0 : mChannels[i].raw ? kDataSourceRaw : kDataSourceScaled;
            LONG n = 0;
            data->GetChannelCount(record, flags, &n);
            if (i == 0)
                count = n;
        }
    }
    for (LONG i = 0; i < count && mServices.units; ++i) {
        ComPtr<IUnitName> name;
        if (SUCCEEDED(Ovo::Unit(L"V").CreateUnitName(mServices.units, name.Put())) && name)
            mUnits.Add(name.Get());
    }
    std::vector<IUnitName*> units;
    for (std::uint32_t i = 0; i < mUnits.GetCount(); ++i)
        units.push_back(mUnits.GetAt(i));
    const DWORD flags = mMode == kEnumGetterSink || mMode == kEnumGetterOnline ? kSamplingFlags : 0;
    if (FAILED(mEnum->Start(record, static_cast<LONG>(sources.size()), sources.data(), tickPeriod,
                            static_cast<LONG>(units.size()), units.data(), flags))) {
        ReleaseSources();
        return false;
    }
    mEnum->Seek(0);
    mStarted = true;
    mRecord = record;
    return true;
}

bool EnumGetterBase::StartRecord(std::int32_t record, double endTick) {
    LONG end = SaturateToInt32(endTick);
    if (endTick == -1.0) {
        end = INT32_MAX;
        if (const ComPtr<IDocumentData> data = Data())
            data->GetRecordEndTick(record, &end);
    }
    return ReadRecord(record, end);
}

void EnumGetterBase::ReleaseSources() {
    mSources.Resize(0);
    mUnits.Resize(0);
}

void EnumGetterBase::Stop() {
    if (!mStarted)
        return;
    mEnum->Clear();
    ReleaseSources();
    mStarted = false;
}

ComPtr<IEnumEventEx> EnumGetterBase::GetEnumInterface() const {
    return mEnum.Query<IEnumEventEx>(IID_IEnumEventEx);
}

HRESULT EnumGetterBase::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = iid == IID_IUnknown || iid == IID_IOnlineDataSink ? static_cast<IOnlineDataSink*>(this) : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
}

HRESULT EnumGetterBase::GetSinkInfo(DWORD* kind, WORD* flags) {
    if (kind)
        *kind = 0;
    if (flags)
        *flags = 0xFFFF;
    return S_OK;
}

HRESULT EnumGetterBase::OnRecordEnd(LONG, LONG) {
    if (mCallback)
        mCallback();
    Stop();
    return S_OK;
}

HRESULT EnumGetterBase::GetRefreshInterval(LONG* milliseconds) {
    if (milliseconds)
        *milliseconds = 0;
    return S_OK;
}

HRESULT EnumGetterBase::QueryPosition(LONG, LONG, LONG, LONG, LONG* position) {
    if (position)
        *position = 100;
    return S_OK;
}

} // namespace ExtLib
