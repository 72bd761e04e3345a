#include "views/TarvikEventDrawPolicy.h"

#include <cmath>
#include <sstream>

#include "analysis/TarvikData.h"
#include "document/HostLoopData.h"
#include "module/MessageIds.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {
namespace {

constexpr COLORREF kLastInBlockColour = 0x808080;
constexpr COLORREF kExcludedColour = 0x404040;
constexpr COLORREF kLoopColour = 0x00FF00;

HRESULT HandOut(const Ovo::String& text, IAutoOvoString** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = text.GetInterface();
    return S_OK;
}

} // namespace

HRESULT TarvikEventDrawPolicy::Colour(const void* event, COLORREF* colour) {
    if (event == nullptr || colour == nullptr)
        return E_FAIL;
    switch (static_cast<const TarvikEvent*>(event)->state) {
    case TarvikEvent::LastInBlock:
        *colour = kLastInBlockColour;
        break;
    case TarvikEvent::Marked:
        *colour = kExcludedColour;
        break;
    default:
        *colour = kLoopColour;
    }
    return S_OK;
}

LONG TarvikEventDrawPolicy::LoopNumber(IUnknown* dataObject, LONG record, LONG tick) {
    const auto data = QueryInterfacePtr<IDocumentDataEx>(dataObject, IID_IDocumentDataEx);
    ComPtr<IUnknown> owner;
    if (!data || FAILED(data->GetOwnerObject(owner.Put())))
        return -1;
    TarvikData* loops = LoopDataOf(owner.Get());
    if (loops == nullptr)
        return -1;
    VChanData& vchan = loops->GetVChanData();
    const EventStats* stats = vchan.GetStats();
    const std::int32_t index = stats ? vchan.FindLoopAt(record, tick) : -1;
    // No loop at the position has no number (the statistics would count it as the first loop).
    return index < 0 ? -1 : stats->RecordIndexAt(index);
}

Ovo::String TarvikEventDrawPolicy::LoopLabel(const TarvikEvent& event, LONG loopNumber) {
    std::wostringstream label;
    if (event.state == TarvikEvent::LastInBlock)
        label << L"Last in block.";
    else
        label << L"Tarvik: " << loopNumber << (event.state == TarvikEvent::Marked ? L", Excluded." : L";");
    label << L" Value = " << event.value;
    // A heart rate that is not a positive number has no period.
    if (event.state != TarvikEvent::LastInBlock && std::isfinite(event.hr) && event.hr > 0.0)
        label << L"; Period = " << 60.0 / event.hr << L" s";
    return Ovo::String(label.str());
}

HRESULT TarvikEventDrawPolicy::Label(IUnknown* dataObject, LONG record, LONG tick, const void* event,
                                     IAutoOvoString** text) {
    if (event == nullptr)
        return E_FAIL;
    const auto& loop = *static_cast<const TarvikEvent*>(event);
    return HandOut(LoopLabel(loop, LoopNumber(dataObject, record, tick)), text);
}

HRESULT TarvikEdpEventDrawPolicy::Colour(const void* event, COLORREF* colour) {
    if (event == nullptr || colour == nullptr)
        return E_FAIL;
    *colour = kLoopColour;
    return S_OK;
}

HRESULT TarvikEdpEventDrawPolicy::Label(IUnknown*, LONG, LONG, const void* event, IAutoOvoString** text) {
    if (event == nullptr)
        return E_FAIL;
    static const Ovo::String label(u"EDP Event");
    return HandOut(label, text);
}

} // namespace Tarvik
