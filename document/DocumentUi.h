#pragma once
// What the document's commands open that lives above the document: the
// set-up and workflow-mode dialogs (dialogs/), the haemodynamics table's
// view manager (tableview/) and its data source (views/). The library installs them when it loads; until
// then (or in a test that installs none) a command that needs one does
// nothing.

#include "platform/win32/com_ptr.h"
#include "workflow/Model.h"

struct HWND__;

namespace Tarvik {

class TarvikDocument;

struct DocumentUi {
    // Runs the set-up dialog modally on the working copy of the set-up model; 1 when accepted.
    int (*runSetupDialog)(HWND__* parent, TarvikDocument& document, const ModelPtr& workingCopy) = nullptr;
    // Runs the workflow-mode dialog modally on the flag; 1 when accepted (the flag then holds the
    // choice).
    int (*runWorkflowModeDialog)(HWND__* owner, bool& workflowInUse) = nullptr;
    // A new table view manager (ITableViewManager) with one reference, or null.
    IUnknown* (*createTableViewManager)() = nullptr;
    // Asks the manager to add the table's selection to the host's Data Pad.
    HRESULT (*addSelectionToDataPad)(IUnknown* manager) = nullptr;
    // A new haemodynamics table data source (ITableDataManager) of the document, with one
    // reference, or null.
    IUnknown* (*createHemodynamicsTableData)(TarvikDocument& document) = nullptr;
};

void SetDocumentUi(const DocumentUi& ui);
const DocumentUi& GetDocumentUi();

} // namespace Tarvik
