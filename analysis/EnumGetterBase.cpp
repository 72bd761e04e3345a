#include "analysis/EnumGetterBase.h"

#include <cwctype>

#include "analysis/Saturate.h"
#include "core/Unit.h"

namespace ExtLib {

EnumGetterBase::EnumGetterBase(IUnknown* document, CalcHostServices services, std::int32_t mode)
    : EnumGetterBase(document, services, nullptr, mode) {}

EnumGetterBase::EnumGetterBase(IUnknown* document, CalcHostServices services, std::function<void()> callback,
                               std::int32_t mode)
    : m_document(document), m_services(services), m_mode(mode), m_callback(std::move(callback)) {
    if (m_document)
        m_document->AddRef();
    Register();
}

EnumGetterBase::~EnumGetterBase() {
    if (m_registered) {
        IOnlineDataSinkRegistry* registry = nullptr;
        if (SUCCEEDED(m_document->QueryInterface(IID_IOnlineDataSinkRegistry,
                                                 reinterpret_cast<void**>(&registry)))) {
            registry->RemoveSink(this);
            registry->Release();
        }
    }
    Stop();
    if (m_enum)
        m_enum->Release();
    if (m_document)
        m_document->Release();
}

bool EnumGetterBase::Register() {
    if (m_mode != kEnumGetterSink || m_registered || !m_document)
        return false;
    IOnlineDataSinkRegistry* registry = nullptr;
    if (FAILED(
            m_document->QueryInterface(IID_IOnlineDataSinkRegistry, reinterpret_cast<void**>(&registry))) ||
        !registry)
        return false;
    m_registered = SUCCEEDED(registry->AddSink(this));
    registry->Release();
    return m_registered;
}

IDocumentData* EnumGetterBase::Data() const {
    IDocumentData* data = nullptr;
    if (m_document)
        m_document->QueryInterface(IID_IDocumentData, reinterpret_cast<void**>(&data));
    return data;
}

bool EnumGetterBase::CreateEnum(const Ovo::String& className, const Ovo::String& formula) {
    std::wstring lower = formula.ToWString();
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
    m_channels = ParseChannelList(lower);
    ICalcEnumClass2* calcClass = nullptr;
    IAutoOvoString* name = className.GetInterface();
    const HRESULT found = m_services.classes ? m_services.classes->FindCalcClass(name, &calcClass) : E_FAIL;
    name->Release();
    if (found != S_OK || !calcClass)
        return false;
    IDocumentData* data = Data();
    Stop();
    if (m_enum)
        m_enum->Release();
    m_enum = nullptr;
    const HRESULT created = calcClass->CreateEnumerator(data, &m_enum);
    calcClass->Release();
    if (data)
        data->Release();
    if (FAILED(created) || !m_enum)
        return false;
    IAutoOvoString* text = formula.GetInterface();
    DWORD flags = 0;
    const HRESULT accepted = m_enum->SetArgs(text, &flags);
    text->Release();
    return accepted == S_OK;
}

// An event series on the channel when it carries events, otherwise its samples.
IUnknown* EnumGetterBase::ChannelSource(const ChannelEntry& entry, std::int32_t record,
                                        std::int32_t endTick) {
    IDocumentData* data = Data();
    if (!data)
        return nullptr;
    IEnumEventEx* events = nullptr;
    IUnknown* source = nullptr;
    if (data->GetChannelEvents(entry.channel, record, endTick, &events) == S_OK && events) {
        source = events;
    } else {
        const DWORD flags = entry.volume ? kDataSourceVolume : entry.raw ? kDataSourceRaw : kDataSourceScaled;
        ISampleChannel* samples = nullptr;
        if (SUCCEEDED(data->GetChannelSamples(entry.channel, flags | kDataSamplesEnumerator, record, endTick,
                                              &samples)))
            source = samples;
    }
    data->Release();
    return source;
}

bool EnumGetterBase::ReadRecord(std::int32_t record, std::int32_t endTick) {
    if (m_started || !m_document || !m_enum)
        return false;
    std::vector<IUnknown*> sources;
    double tickPeriod = 0.0;
    for (const ChannelEntry& entry : m_channels) {
        IUnknown* source = ChannelSource(entry, record, endTick);
        if (!source) {
            ReleaseSources();
            return false;
        }
        m_sources.Add(source);
        source->Release();
        sources.push_back(source);
        ISampleChannel* samples = nullptr;
        if (tickPeriod == 0.0 &&
            SUCCEEDED(source->QueryInterface(IID_ISampleChannel, reinterpret_cast<void**>(&samples)))) {
            samples->GetTickPeriod(&tickPeriod);
            samples->Release();
        }
    }
    LONG count = 0;
    if (IDocumentData* data = Data()) {
        for (std::size_t i = 0; i < m_channels.size(); ++i) {
            const DWORD flags = i > 0 ? 0 : m_channels[i].raw ? kDataSourceRaw : kDataSourceScaled;
            LONG n = 0;
            data->GetChannelCount(record, flags, &n);
            if (i == 0)
                count = n;
        }
        data->Release();
    }
    for (LONG i = 0; i < count && m_services.units; ++i) {
        IUnitName* name = nullptr;
        if (SUCCEEDED(Ovo::Unit(L"V").CreateUnitName(m_services.units, &name)) && name) {
            m_units.Add(name);
            name->Release();
        }
    }
    std::vector<IUnitName*> units;
    for (std::uint32_t i = 0; i < m_units.GetCount(); ++i)
        units.push_back(m_units.GetAt(i));
    const DWORD flags = m_mode == kEnumGetterSink || m_mode == kEnumGetterOnline ? kSamplingFlags : 0;
    if (FAILED(m_enum->Start(record, static_cast<LONG>(sources.size()), sources.data(), tickPeriod,
                             static_cast<LONG>(units.size()), units.data(), flags))) {
        ReleaseSources();
        return false;
    }
    m_enum->Seek(0);
    m_started = true;
    m_record = record;
    return true;
}

bool EnumGetterBase::StartRecord(std::int32_t record, double endTick) {
    LONG end = SaturateToInt32(endTick);
    if (endTick == -1.0) {
        end = INT32_MAX;
        if (IDocumentData* data = Data()) {
            data->GetRecordEndTick(record, &end);
            data->Release();
        }
    }
    return ReadRecord(record, end);
}

void EnumGetterBase::ReleaseSources() {
    m_sources.Resize(0);
    m_units.Resize(0);
}

void EnumGetterBase::Stop() {
    if (!m_started)
        return;
    m_enum->Clear();
    ReleaseSources();
    m_started = false;
}

IEnumEventEx* EnumGetterBase::GetEnumInterface() const {
    IEnumEventEx* events = nullptr;
    if (m_enum)
        m_enum->QueryInterface(IID_IEnumEventEx, reinterpret_cast<void**>(&events));
    return events;
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
    if (m_callback)
        m_callback();
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
