#include "document/DocumentUi.h"

namespace Tarvik {

namespace {

DocumentUi& Installed() {
    static DocumentUi ui;
    return ui;
}

} // namespace

void SetDocumentUi(const DocumentUi& ui) {
    Installed() = ui;
}

const DocumentUi& GetDocumentUi() {
    return Installed();
}

} // namespace Tarvik
