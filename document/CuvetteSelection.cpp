#include "document/CuvetteSelection.h"

#include "module/MessageIds.h"
#include "module/ZARDocument.h"
#include "platform/vantrel/DocumentClass.h"

namespace Tarvik {

bool AddSelectionToCuvetteView(ZARDocument& document) {
    constexpr WORD kCuvetteViewKind = 11;
    const auto host = QueryInterfacePtr<IHostDocument>(document.HostDocumentObject(), IID_IHostDocument);
    ComPtr<IUnknown> view;
    if (!host || host->FindObject(DocMsgId<kCuvetteViewKind>(), view.Put()) != S_OK)
        return false;
    const auto target = view.Query<ICuvetteSelectionTarget>(IID_ICuvetteSelectionTarget);
    return target && SUCCEEDED(target->AddSelectionAsWell());
}

} // namespace Tarvik
