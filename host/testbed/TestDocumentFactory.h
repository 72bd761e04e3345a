#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/ITestDocumentFactory.h"

namespace Vantrel {

/// The host's factory of test documents (ITestDocumentFactory): every CreateDocument makes a new,
/// empty TestDocument.
class TestDocumentFactory : public ComObject<ITestDocumentFactory> {
public:
    /// E_NOINTERFACE (and null) when the document does not answer iid.
    HRESULT CreateDocument(LONG reserved, REFIID iid, void** document) override;

private:
    void* find(REFIID iid) override;
};

} // namespace Vantrel
