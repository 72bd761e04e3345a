#include "host/testbed/TestDocumentFactory.h"

#include "host/testbed/TestDocument.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

void* TestDocumentFactory::find(REFIID iid) {
    return iid == IID_ITestDocumentFactory ? static_cast<ITestDocumentFactory*>(this) : nullptr;
}

HRESULT TestDocumentFactory::CreateDocument(LONG, REFIID iid, void** document) {
    if (!document)
        return E_POINTER;
    *document = nullptr;
    auto created = ComPtr<TestDocument>::Adopt(new TestDocument);
    return created->QueryInterface(iid, document);
}

} // namespace Vantrel
