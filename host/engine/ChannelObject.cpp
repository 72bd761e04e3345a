#include "host/engine/ChannelObject.h"

#include "platform/vantrel/IDocumentData.h"

namespace Vantrel {

ChannelObject::ChannelObject(const Recording& recording, std::size_t channel)
    : mRecording(recording), mChannel(channel) {}

void* ChannelObject::find(REFIID iid) {
    if (iid == IID_IChannelInfo)
        return static_cast<IChannelInfo*>(this);
    if (iid == IID_IChannelDataReset)
        return static_cast<IChannelDataReset*>(this);
    if (iid == IID_IChannelCalcSettings)
        return static_cast<IChannelCalcSettings*>(this);
    return nullptr;
}

void ChannelObject::setRecordUnit(std::int32_t record, const std::string& unitText) {
    mRecordUnits[record] = unitText.empty() ? ComPtr<UnitConversion>() : UnitConversion::fromText(unitText);
}

HRESULT ChannelObject::unitIn(std::int32_t record, IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    *unit = nullptr;
    const auto own = record == kDataAnyRecord ? mRecordUnits.end() : mRecordUnits.find(record);
    if (own == mRecordUnits.end())
        return GetUnit(unit);
    if (!own->second)
        return S_FALSE;
    *unit = static_cast<IUnitConversion*>(ComPtr<UnitConversion>(own->second).Detach());
    return S_OK;
}

HRESULT ChannelObject::GetUnit(IUnknown** unit) {
    if (!unit)
        return E_POINTER;
    *unit = nullptr;
    const std::string& text = mRecording.channels()[mChannel].unit;
    if (text.empty())
        return S_FALSE;
    if (!mConversion)
        mConversion = UnitConversion::fromText(text);
    *unit = static_cast<IUnitConversion*>(ComPtr<UnitConversion>(mConversion).Detach());
    return S_OK;
}

HRESULT ChannelObject::DropData() {
    ++mDrops;
    return S_OK;
}

HRESULT ChannelObject::GetCalculation(LONG* sourceChannel, SHORT* keepsUnit) {
    if (!sourceChannel || !keepsUnit)
        return E_POINTER;
    if (!mCalculation)
        return S_FALSE;
    *sourceChannel = mCalculation->source;
    *keepsUnit = mCalculation->keepsUnit ? static_cast<SHORT>(-1) : SHORT{0};
    return S_OK;
}

} // namespace Vantrel
