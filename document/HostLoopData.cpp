#include "document/HostLoopData.h"

#include "analysis/TarvikData.h"
#include "document/TarvikDocument.h"
#include "module/MessageIds.h"
#include "platform/vantrel/HostDocObject.h"
#include "platform/vantrel/IStrevDataChildData.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

TarvikData* LoopDataOf(IUnknown* hostDocument) {
    const auto host = QueryInterfacePtr<IChildDataHost>(hostDocument, IID_IChildDataHost);
    ComPtr<IUnknown> child;
    if (!host || host->GetChildData(0, DocMsgId<5>(), child.Put()) != S_OK)
        return nullptr;
    const auto data = QueryInterfacePtr<IStrevDataChildData>(child.Get(), IID_IStrevDataChildData);
    return dynamic_cast<TarvikData*>(data.Get());
}

TarvikDocument* ModuleDocumentOf(IUnknown* hostDocument) {
    const auto host = QueryInterfacePtr<IHostDocument>(hostDocument, IID_IHostDocument);
    ComPtr<IUnknown> module;
    if (!host || host->FindObject(DocMsgId<0>(), module.Put()) != S_OK)
        return nullptr;
    return dynamic_cast<TarvikDocument*>(module.Get());
}

} // namespace Tarvik
