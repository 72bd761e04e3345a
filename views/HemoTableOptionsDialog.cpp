#include "views/HemoTableOptionsDialog.h"

#include <algorithm>

#include "analysis/LoopParamNames.h"
#include "analysis/LoopParameters.h"
#include "controls/DialogSeparator.h"
#include "controls/TBalloonCheckBox.h"
#include "controls/TBmpTxtButton.h"
#include "document/TarvikDocument.h"
#include "module/ModuleInstance.h"
#include "platform/user/button.h"
#include "platform/user/user.h"
#include "resources/ModuleDialogs.h"
#include "workflow/ModelClassObjects.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

constexpr int kHelpBitmap = 1002;
constexpr UINT kHelpTip = 172;
constexpr int kCalculationsHeading = 1066;
constexpr int kSummaryHeading = 1067;

} // namespace

const std::vector<TableViewOptionsDialog::ParamRow>& TableViewOptionsDialog::ParamRows() {
    static const std::vector<ParamRow> rows{
        {1013, LP_SW, 350, 0},
        {1014, LP_CO, 351, 0},
        {1015, LP_SV, 352, 0},
        {1016, LP_Vmax, 353, 0},
        {1017, LP_Vmin, 354, 0},
        {1018, LP_Ves, 355, 0},
        {1019, LP_Ved, 356, 0},
        {1020, LP_Pmax, 357, 0},
        {1021, LP_Pmin, 358, 0},
        {1022, LP_Pmean, 359, 0},
        {1023, LP_Pdev, 360, 0},
        {1024, LP_Pes, 361, 0},
        {1025, LP_Ped, 362, 0},
        {1026, LP_HR, 363, 0},
        {1027, LP_EF, 364, 0},
        {1028, LP_Ea, 365, 0},
        {1029, LP_PowMax, 366, 0},
        {1030, LP_dPdtMax, 367, 0},
        {1031, LP_dPdtMin, 368, 0},
        {1032, LP_dVdtMax, 369, 0},
        {1033, LP_dVdtMin, 370, 0},
        {1036, LP_PVA, 371, 22930},
        {1037, LP_PE, 372, 22931},
        {1038, LP_CE, 373, 0},
        {1039, LP_Tau, 374, 0},
        {1035, LP_PAtdVdtMax, 375, 22932},
        {1040, LP_PAtdPdtMax, 376, 22933},
        {1041, LP_VAtdPdtMax, 377, 22934},
        {1042, LP_VAtdPdtMin, 378, 22935},
    };
    return rows;
}

DEFINE_RESPONSE_TABLE1(TableViewOptionsDialog, Ovo::DialogBase)
EV_COMMAND(TableViewOptionsDialog::kCheckAll, CmCheckAll),
    EV_COMMAND(TableViewOptionsDialog::kUncheckAll, CmUncheckAll),
    EV_COMMAND(TableViewOptionsDialog::kHelp, CmHelp), END_RESPONSE_TABLE;

TableViewOptionsDialog::TableViewOptionsDialog(OWL::TWindow* parent, TarvikDocument& document, ModelPtr model)
    : Ovo::DialogBase(parent, MAKEINTRESOURCEW(kHemoTableOptionsDialog)), mDocument(document),
      mModel(std::move(model)),
      mHelpButton(new OvoControls::TBmpTxtButton(this, OvoControls::TBmpTxtButton::kFromResource, kHelp)),
      mCalculationsHeading(new OvoControls::DialogSeparator(this, kCalculationsHeading)),
      mSummaryHeading(new OvoControls::DialogSeparator(this, kSummaryHeading)) {
    for (const ParamRow& row : ParamRows()) {
        auto* box = new OvoControls::TBalloonCheckBox(this, row.control);
        const Ovo::String title = row.title != 0 ? LoadModuleString(row.title)
                                                 : GetLoopParamName(ModuleInstance(), row.param, true);
        box->SetBalloonText(title.c_str(), LoadModuleString(row.text).c_str());
        mBoxes.push_back(box);
    }
}

TableViewOptionsDialog::~TableViewOptionsDialog() = default;

bool TableViewOptionsDialog::IsUnavailable(std::int32_t param) const {
    const std::vector<std::int32_t> unavailable = mDocument.GetExcludedParameterIds();
    return std::find(unavailable.begin(), unavailable.end(), param) != unavailable.end();
}

void TableViewOptionsDialog::SetupWindow() {
    Ovo::DialogBase::SetupWindow();
    mHelpButton->SetGlyphBitmap(kHelpBitmap);
    mHelpButton->SetTipText(LoadModuleString(kHelpTip));
    CheckDlgButton(GetHandle(), kSummaryBox, GetModelParam<56>(mModel) ? BST_CHECKED : BST_UNCHECKED);
    const IntSet shown = GetModelParam<55>(mModel);
    for (std::size_t i = 0; i < mBoxes.size(); ++i) {
        const std::int32_t param = ParamRows()[i].param;
        const bool available = !IsUnavailable(param);
        CheckDlgButton(GetHandle(), ParamRows()[i].control,
                       available && shown.count(param) != 0 ? BST_CHECKED : BST_UNCHECKED);
        mBoxes[i]->EnableWindow(available);
    }
}

void TableViewOptionsDialog::CheckAvailable(bool check) {
    for (const ParamRow& row : ParamRows())
        if (!IsUnavailable(row.param))
            CheckDlgButton(GetHandle(), row.control, check ? BST_CHECKED : BST_UNCHECKED);
}

bool TableViewOptionsDialog::CanClose() {
    if (!Ovo::DialogBase::CanClose())
        return false;
    const bool summary = IsDlgButtonChecked(GetHandle(), kSummaryBox) == BST_CHECKED;
    if (!mModel->IsParamLocked(56) && GetModelParam<56>(mModel) != summary &&
        SetModelParam<56>(mModel, summary))
        mModel->CommitChange();
    IntSet shown = GetModelParam<55>(mModel);
    for (const ParamRow& row : ParamRows()) {
        if (IsUnavailable(row.param))
            continue;
        if (IsDlgButtonChecked(GetHandle(), row.control) == BST_CHECKED)
            shown.insert(row.param);
        else
            shown.erase(row.param);
    }
    if (SetModelParam<55>(mModel, shown))
        mModel->CommitChange();
    return true;
}

bool RunHemoTableOptions(OWL::TWindow* parent, TarvikDocument& document, const ModelPtr& table) {
    const ModelPtr copy = MakeModelSharedPtr(CreateRegisteredObject(kHemoTableModel, &document));
    if (!copy)
        return false;
    copy->CopyStateFrom(table.get());
    copy->SetSuspended(true);
    TableViewOptionsDialog dialog(parent, document, copy);
    if (dialog.Execute() != IDOK)
        return false;
    table->CopyStateFrom(copy.get());
    table->CommitChange();
    return true;
}

} // namespace Tarvik
