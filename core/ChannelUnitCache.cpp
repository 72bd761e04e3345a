#include "core/ChannelUnitCache.h"

#include <algorithm>
#include <vector>

#include "core/String.h"
#include "core/Unit.h"
#include "core/XOvo.h"

namespace Ovo {

namespace {

constexpr DWORD kCacheVersion = 1;

IUnitName* AsUnitName(IUnknown* unit) {
    IUnitName* name = nullptr;
    if (unit && SUCCEEDED(unit->QueryInterface(IID_IUnitName, reinterpret_cast<void**>(&name))))
        return name;
    return nullptr;
}

// The unit's base text without blanks around it, and its prefix code; false without a unit name.
bool UnitText(IUnknown* unit, Unit& out) {
    IUnitName* name = AsUnitName(unit);
    const bool ok = UnitNameToUnit(name, out);
    if (name)
        name->Release();
    const auto first = out.base.find_first_not_of(L" \t");
    const auto last = out.base.find_last_not_of(L" \t");
    out.base = first == std::wstring::npos ? std::wstring() : out.base.substr(first, last - first + 1);
    return ok;
}

} // namespace

ChannelUnitCache::~ChannelUnitCache() {
    Clear();
}

void ChannelUnitCache::Clear() {
    for (auto& [channel, unit] : m_units)
        unit->Release();
    m_units.clear();
}

void ChannelUnitCache::Store(std::int32_t channel, IUnknown* unit) {
    auto [it, added] = m_units.try_emplace(channel, unit);
    if (!added) {
        it->second->Release();
        it->second = unit;
    }
}

IUnknown* ChannelUnitCache::Find(std::int32_t channel) const {
    const auto it = m_units.find(channel);
    if (it == m_units.end())
        return nullptr;
    it->second->AddRef();
    return it->second;
}

IUnitName* ChannelUnitCache::GetUnitName(std::int32_t channel) const {
    const auto it = m_units.find(channel);
    return it == m_units.end() ? nullptr : AsUnitName(it->second);
}

// The unit object the host gives channel now, with one reference: from the data object at the
// analysed range's start record (any record when the range is empty), then elsewhere.
IUnknown* ChannelUnitCache::ResolveUnit(std::int32_t channel) {
    ChannelUnitOwner::Position start, end;
    bool whole = false;
    m_owner.AnalysisRange(start, end, whole);
    IDocumentData* data = m_owner.DocumentData();
    if (whole && start == end) {
        LONG records = 0;
        if (data)
            data->GetRecordCount(&records);
        start = {0, 0};
        end = {records - 1, INT32_MAX};
    }
    IUnknown* unit = nullptr;
    if (data) {
        const bool ranged = !(start == end) && start.record != INT32_MAX;
        data->GetChannelUnit(channel, ranged ? start.record : kDataAnyRecord, kDataUnitFlags, &unit);
    }
    if (!unit)
        unit = m_owner.FindUnitElsewhere(channel, start, end);
    return unit;
}

bool ChannelUnitCache::Fetch(std::int32_t channel) {
    const auto it = m_units.find(channel);
    if (it != m_units.end()) {
        it->second->Release();
        m_units.erase(it);
    }
    if (IUnknown* unit = ResolveUnit(channel)) {
        Store(channel, unit);
        return true;
    }
    return FetchDefault(channel);
}

bool ChannelUnitCache::FetchDefault(std::int32_t channel) {
    IUnitService* service = m_owner.UnitService();
    IUnknown* unit = nullptr;
    if (!service || FAILED(service->GetDefaultUnit(channel, &unit)) || !unit)
        return false;
    Store(channel, unit);
    return true;
}

bool ChannelUnitCache::UnitsDiffer(IUnknown* a, IUnknown* b) {
    Unit ua, ub;
    const bool hasA = UnitText(a, ua), hasB = UnitText(b, ub);
    return hasA != hasB || !(ua == ub);
}

bool ChannelUnitCache::IsCurrent(std::int32_t channel) {
    const auto it = m_units.find(channel);
    if (it == m_units.end())
        return false;
    IUnknown* now = ResolveUnit(channel);
    const bool current = now && !UnitsDiffer(it->second, now);
    if (now)
        now->Release();
    return current;
}

HRESULT ChannelUnitCache::Save(IBinOutStream* out) const {
    std::vector<std::int32_t> channels;
    for (const auto& entry : m_units)
        channels.push_back(entry.first);
    std::sort(channels.begin(), channels.end());
    IUnitService* service = m_owner.UnitService();
    HRESULT hr = out->WriteU32(kCacheVersion);
    hr = out->WriteU32(static_cast<DWORD>(channels.size()));
    for (std::int32_t channel : channels) {
        hr = out->WriteU32(static_cast<DWORD>(channel));
        hr = service ? service->WriteUnit(out, m_units.at(channel)) : E_FAIL;
    }
    return out->WriteU32(kCacheVersion) == S_OK && SUCCEEDED(hr) ? S_OK : E_FAIL;
}

// A failed stream or an unreadable unit ends the reading at once: nothing is built from a dead stream.
HRESULT ChannelUnitCache::Load(IBinInStream* in) {
    DWORD version = 0;
    if (in->ReadU32(&version) != S_OK || version > kCacheVersion)
        return OVO_E_PERSISTED_DATA;
    Clear();
    IUnitService* service = m_owner.UnitService();
    DWORD count = 0;
    if (in->ReadU32(&count) != S_OK)
        return OVO_E_PERSISTED_DATA;
    for (DWORD i = 0; i < count; ++i) {
        DWORD channel = 0;
        IUnknown* unit = nullptr;
        if (in->ReadU32(&channel) != S_OK || !service || FAILED(service->ReadUnit(in, &unit)) || !unit ||
            in->GetStatus() != S_OK) {
            if (unit)
                unit->Release();
            return OVO_E_PERSISTED_DATA;
        }
        Store(static_cast<std::int32_t>(channel), unit);
    }
    DWORD trailer = 0;
    if (in->ReadU32(&trailer) != S_OK)
        return OVO_E_PERSISTED_DATA;
    return trailer == version ? S_OK : OVO_E_UNEXPECTED_DATA;
}

} // namespace Ovo
