#include "analysis/ChannelOperations.h"

#include "core/InterfacePtr.h"
#include "platform/vantrel/ICalcObject.h"

namespace ExtLib {

using Ovo::InterfacePtr;
using Ovo::QueryInterfacePtr;

namespace {

// The channel object of channel, with one reference; null when there is none.
IUnknown* ChannelObject(IUnknown* document, std::int32_t channel) {
    const auto lookup = QueryInterfacePtr<IChannelLookup>(document, IID_IChannelLookup);
    IUnknown* object = nullptr;
    if (!lookup || lookup->GetChannel(channel, kChannelObject, &object) != S_OK)
        return nullptr;
    return object;
}

} // namespace

bool SetChannelCalculation(IUnknown* document, IUnknown* calculation, const Ovo::String& name,
                           const Ovo::String& formula, std::int32_t channel) {
    const auto texts = QueryInterfacePtr<ICalcObjectText>(calculation, IID_ICalcObjectText);
    if (!texts)
        return false;
    IAutoOvoString* nameText = name.GetInterface();
    IAutoOvoString* formulaText = formula.GetInterface();
    const HRESULT hr = texts->SetTexts(nameText, formulaText, 0);
    nameText->Release();
    formulaText->Release();
    return hr == S_OK && AssignChannelCalculation(document, calculation, channel);
}

bool AssignChannelCalculation(IUnknown* document, IUnknown* calculation, std::int32_t channel) {
    const auto object = InterfacePtr<IUnknown>::Adopt(ChannelObject(document, channel));
    const auto reset = QueryInterfacePtr<IChannelDataReset>(object.Get(), IID_IChannelDataReset);
    const auto info = QueryInterfacePtr<IChannelInfo>(object.Get(), IID_IChannelInfo);
    const auto assign = QueryInterfacePtr<IChannelCalcAssign>(document, IID_IChannelCalcAssign);
    InterfacePtr<IUnknown> unit;
    const bool ok = reset && info && assign && reset->DropData() == S_OK;
    return ok && info->GetUnit(unit.Put()) == S_OK &&
           assign->AssignCalculation(object.Get(), calculation, unit.Get()) == S_OK;
}

bool ResetChannel(IUnknown* document, std::int32_t channel) {
    const auto object = InterfacePtr<IUnknown>::Adopt(ChannelObject(document, channel));
    const auto reset = QueryInterfacePtr<IChannelDataReset>(object.Get(), IID_IChannelDataReset);
    return reset && reset->DropData() == S_OK;
}

IChannelInfo* FindChannel(IUnknown* document, std::int32_t channel) {
    const auto object = InterfacePtr<IUnknown>::Adopt(ChannelObject(document, channel));
    return QueryInterfacePtr<IChannelInfo>(object.Get(), IID_IChannelInfo).Detach();
}

} // namespace ExtLib
