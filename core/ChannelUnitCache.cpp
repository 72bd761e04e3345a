#include "core/ChannelUnitCache.h"

#include <algorithm>
#include <vector>

#include "core/String.h"
#include "core/Unit.h"
#include "core/XOvo.h"

namespace Ovo {

namespace {

constexpr DWORD kCacheVersion = 1;

ComPtr<IUnitName> AsUnitName(IUnknown* unit) {
    return QueryInterfacePtr<IUnitName>(unit, IID_IUnitName);
}

// The unit's base text without blanks around it, and its prefix code; false without a unit name.
bool UnitText(IUnknown* unit, Unit& out) {
    const bool ok = UnitNameToUnit(AsUnitName(unit).Get(), out);
    const auto first = out.base.find_first_not_of(L" \t");
    const auto last = out.base.find_last_not_of(L" \t");
    out.base = first == std::wstring::npos ? std::wstring() : out.base.substr(first, last - first + 1);
    return ok;
}

} // namespace

void ChannelUnitCache::Clear() {
    mUnits.clear();
}

void ChannelUnitCache::Store(std::int32_t channel, ComPtr<IUnknown> unit) {
    mUnits[channel] = std::move(unit);
}

IUnknown* ChannelUnitCache::Find(std::int32_t channel) const {
    const auto it = mUnits.find(channel);
    if (it == mUnits.end())
        return nullptr;
    return ComPtr<IUnknown>(it->second).Detach();
}

IUnitName* ChannelUnitCache::GetUnitName(std::int32_t channel) const {
    const auto it = mUnits.find(channel);
    return it == mUnits.end() ? nullptr : AsUnitName(it->second.Get()).Detach();
}

// The unit object the host gives channel now: from the data object at the
// analysed range's start record (any record when the range is empty), then elsewhere.
ComPtr<IUnknown> ChannelUnitCache::ResolveUnit(std::int32_t channel) {
    ChannelUnitOwner::Position start, end;
    bool whole = false;
    mOwner.AnalysisRange(start, end, whole);
    IDocumentData* data = mOwner.DocumentData();
    if (whole && start == end) {
        LONG records = 0;
        if (data)
            data->GetRecordCount(&records);
        start = {0, 0};
        end = {records - 1, INT32_MAX};
    }
    ComPtr<IUnknown> unit;
    if (data) {
        const bool ranged = !(start == end) && start.record != INT32_MAX;
        data->GetChannelUnit(channel, ranged ? start.record : kDataAnyRecord, kDataUnitFlags, unit.Put());
    }
    if (!unit)
        unit = ComPtr<IUnknown>::Adopt(mOwner.FindUnitElsewhere(channel, start, end));
    return unit;
}

bool ChannelUnitCache::Fetch(std::int32_t channel) {
    mUnits.erase(channel);
    if (ComPtr<IUnknown> unit = ResolveUnit(channel)) {
        Store(channel, std::move(unit));
        return true;
    }
    return FetchDefault(channel);
}

bool ChannelUnitCache::FetchDefault(std::int32_t channel) {
    IUnitService* service = mOwner.UnitService();
    ComPtr<IUnknown> unit;
    if (!service || FAILED(service->GetDefaultConversion(unit.Put())) || !unit)
        return false;
    Store(channel, std::move(unit));
    return true;
}

bool ChannelUnitCache::UnitsDiffer(IUnknown* a, IUnknown* b) {
    Unit ua, ub;
    const bool hasA = UnitText(a, ua), hasB = UnitText(b, ub);
    return hasA != hasB || !(ua == ub);
}

bool ChannelUnitCache::IsCurrent(std::int32_t channel) {
    const auto it = mUnits.find(channel);
    if (it == mUnits.end())
        return false;
    const ComPtr<IUnknown> now = ResolveUnit(channel);
    return now && !UnitsDiffer(it->second.Get(), now.Get());
}

HRESULT ChannelUnitCache::Save(IBinOutStream* out) const {
    std::vector<std::int32_t> channels;
    for (const auto& entry : mUnits)
        channels.push_back(entry.first);
    std::sort(channels.begin(), channels.end());
    IUnitService* service = mOwner.UnitService();
    HRESULT hr = out->WriteU32(kCacheVersion);
    hr = out->WriteU32(static_cast<DWORD>(channels.size()));
    for (std::int32_t channel : channels) {
        hr = out->WriteU32(static_cast<DWORD>(channel));
        hr = service ? service->WriteConversion(out, mUnits.at(channel).Get()) : E_FAIL;
    }
    return out->WriteU32(kCacheVersion) == S_OK && SUCCEEDED(hr) ? S_OK : E_FAIL;
}

// A failed stream or an unreadable unit ends the reading at once: nothing is built from a dead stream.
HRESULT ChannelUnitCache::Load(IBinInStream* in) {
    DWORD version = 0;
    if (in->ReadU32(&version) != S_OK || version > kCacheVersion)
        return OVO_E_PERSISTED_DATA;
    Clear();
    IUnitService* service = mOwner.UnitService();
    DWORD count = 0;
    if (in->ReadU32(&count) != S_OK)
        return OVO_E_PERSISTED_DATA;
    for (DWORD i = 0; i < count; ++i) {
        DWORD channel = 0;
        ComPtr<IUnknown> unit;
        if (in->ReadU32(&channel) != S_OK || !service || FAILED(service->ReadConversion(in, unit.Put())) ||
            !unit || in->GetStatus() != S_OK)
            return OVO_E_PERSISTED_DATA;
        Store(static_cast<std::int32_t>(channel), std::move(unit));
    }
    DWORD trailer = 0;
    if (in->ReadU32(&trailer) != S_OK)
        return OVO_E_PERSISTED_DATA;
    return trailer == version ? S_OK : OVO_E_UNEXPECTED_DATA;
}

} // namespace Ovo
