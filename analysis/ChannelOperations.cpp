#include "analysis/ChannelOperations.h"

#include "platform/vantrel/ICalcObject.h"
#include "platform/win32/com_ptr.h"

namespace ExtLib {

namespace {

// The channel object of channel; empty when there is none.
ComPtr<IUnknown> ChannelObject(IUnknown* document, std::int32_t channel) {
    const auto lookup = QueryInterfacePtr<IChannelLookup>(document, IID_IChannelLookup);
    ComPtr<IUnknown> object;
    if (!lookup || lookup->GetChannel(channel, kChannelObject, object.Put()) != S_OK)
        return nullptr;
    return object;
}

} // namespace

bool SetChannelCalculation(IUnknown* document, IUnknown* calculation, const Ovo::String& name,
                           const Ovo::String& formula, std::int32_t channel) {
    const auto texts = QueryInterfacePtr<ICalcObjectText>(calculation, IID_ICalcObjectText);
    if (!texts)
        return false;
    const auto nameText = ComPtr<IAutoOvoString>::Adopt(name.GetInterface());
    const auto formulaText = ComPtr<IAutoOvoString>::Adopt(formula.GetInterface());
    const HRESULT hr = texts->SetTexts(nameText.Get(), formulaText.Get(), 0);
    return hr == S_OK && AssignChannelCalculation(document, calculation, channel);
}

bool AssignChannelCalculation(IUnknown* document, IUnknown* calculation, std::int32_t channel) {
    const auto object = ChannelObject(document, channel);
    const auto reset = QueryInterfacePtr<IChannelDataReset>(object.Get(), IID_IChannelDataReset);
    const auto info = QueryInterfacePtr<IChannelInfo>(object.Get(), IID_IChannelInfo);
    const auto assign = QueryInterfacePtr<IChannelCalcAssign>(document, IID_IChannelCalcAssign);
    ComPtr<IUnknown> unit;
    const bool ok = reset && info && assign && reset->DropData() == S_OK;
    return ok && info->GetUnit(unit.Put()) == S_OK &&
           assign->AssignCalculation(object.Get(), calculation, unit.Get()) == S_OK;
}

bool ResetChannel(IUnknown* document, std::int32_t channel) {
    const auto object = ChannelObject(document, channel);
    const auto reset = QueryInterfacePtr<IChannelDataReset>(object.Get(), IID_IChannelDataReset);
    return reset && reset->DropData() == S_OK;
}

IChannelInfo* FindChannel(IUnknown* document, std::int32_t channel) {
    const auto object = ChannelObject(document, channel);
    return QueryInterfacePtr<IChannelInfo>(object.Get(), IID_IChannelInfo).Detach();
}

} // namespace ExtLib
