#include "analysis/ChannelOperations.h"

#include "platform/vantrel/ICalcObject.h"

namespace ExtLib {

namespace {

// The channel object of channel, with one reference; null when there is none.
IUnknown* ChannelObject(IUnknown* document, std::int32_t channel) {
    IChannelLookup* lookup = nullptr;
    if (!document || FAILED(document->QueryInterface(IID_IChannelLookup, reinterpret_cast<void**>(&lookup))))
        return nullptr;
    IUnknown* object = nullptr;
    if (lookup->GetChannel(channel, kChannelObject, &object) != S_OK)
        object = nullptr;
    lookup->Release();
    return object;
}

template <class I> I* Query(IUnknown* object, REFIID iid) {
    I* out = nullptr;
    if (object && SUCCEEDED(object->QueryInterface(iid, reinterpret_cast<void**>(&out))))
        return out;
    return nullptr;
}

} // namespace

bool SetChannelCalculation(IUnknown* document, IUnknown* calculation, const Ovo::String& name,
                           const Ovo::String& formula, std::int32_t channel) {
    ICalcObjectText* texts = Query<ICalcObjectText>(calculation, IID_ICalcObjectText);
    if (!texts)
        return false;
    IAutoOvoString* nameText = name.GetInterface();
    IAutoOvoString* formulaText = formula.GetInterface();
    const HRESULT hr = texts->SetTexts(nameText, formulaText, 0);
    nameText->Release();
    formulaText->Release();
    texts->Release();
    return hr == S_OK && AssignChannelCalculation(document, calculation, channel);
}

bool AssignChannelCalculation(IUnknown* document, IUnknown* calculation, std::int32_t channel) {
    IUnknown* object = ChannelObject(document, channel);
    IChannelDataReset* reset = Query<IChannelDataReset>(object, IID_IChannelDataReset);
    IChannelInfo* info = Query<IChannelInfo>(object, IID_IChannelInfo);
    IChannelCalcAssign* assign = Query<IChannelCalcAssign>(document, IID_IChannelCalcAssign);
    IUnknown* unit = nullptr;
    bool ok = reset && info && assign && reset->DropData() == S_OK;
    ok = ok && info->GetUnit(&unit) == S_OK && assign->AssignCalculation(object, calculation, unit) == S_OK;
    for (IUnknown* p : {static_cast<IUnknown*>(assign), static_cast<IUnknown*>(info),
                        static_cast<IUnknown*>(reset), object, unit})
        if (p)
            p->Release();
    return ok;
}

bool ResetChannel(IUnknown* document, std::int32_t channel) {
    IUnknown* object = ChannelObject(document, channel);
    IChannelDataReset* reset = Query<IChannelDataReset>(object, IID_IChannelDataReset);
    const bool ok = reset && reset->DropData() == S_OK;
    if (reset)
        reset->Release();
    if (object)
        object->Release();
    return ok;
}

IChannelInfo* FindChannel(IUnknown* document, std::int32_t channel) {
    IUnknown* object = ChannelObject(document, channel);
    IChannelInfo* info = Query<IChannelInfo>(object, IID_IChannelInfo);
    if (object)
        object->Release();
    return info;
}

} // namespace ExtLib
