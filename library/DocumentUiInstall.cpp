#include "library/DocumentUiInstall.h"

#include "dialogs/TarvikSetupDialog.h"
#include "dialogs/WorkflowModeDlg.h"
#include "document/DocumentUi.h"
#include "tableview/TableInterfaces.h"
#include "views/TarvikHemodynamicsTableViewData.h"

namespace Tarvik {

namespace {

IUnknown* CreateManager() {
    ITableViewManager* manager = nullptr;
    return SUCCEEDED(CreateTableViewManager(&manager)) ? manager : nullptr;
}

HRESULT AddToDataPad(IUnknown* object) {
    const auto manager = QueryInterfacePtr<ITableViewManager>(object, IID_ITableViewManager);
    return manager ? manager->AddSelectionToDataPad(0) : E_NOINTERFACE;
}

IUnknown* CreateHemodynamicsTableData(TarvikDocument& document) {
    auto* data = new TarvikHemodynamicsTableViewData(&document);
    data->AddRef();
    return static_cast<ITableDataManager*>(data);
}

} // namespace

void InstallDocumentUi() {
    DocumentUi ui;
    ui.runSetupDialog = &RunSetupDialog;
    ui.runWorkflowModeDialog = &RunWorkflowModeDialog;
    ui.createTableViewManager = &CreateManager;
    ui.addSelectionToDataPad = &AddToDataPad;
    ui.createHemodynamicsTableData = &CreateHemodynamicsTableData;
    SetDocumentUi(ui);
}

} // namespace Tarvik
