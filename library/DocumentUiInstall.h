#pragma once
// Hands the document the dialogs and the table view manager its commands open (document/DocumentUi.h).

namespace Tarvik {

void InstallDocumentUi();

} // namespace Tarvik
