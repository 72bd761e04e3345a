#include "dialogs/PressureStep.h"

#include "controls/BalloonHelp.h"
#include "controls/NumberFields.h"
#include "controls/QuietText.h"
#include "core/NumericHelpers.h"
#include "core/ScaledValue.h"
#include "document/ControlSoftware.h"
#include "workflow/ChannelQueries.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

enum : int {
    kBase1 = 1079,
    kKnown1 = 1078,
    kBase2 = 1081,
    kKnown2 = 1080,
    kApply = 1077,
    kLaunch = 1104,
    kLaunchLabel = 1112,
};

const int kDescriptions[] = {1074, 1082};
const int kSelectionButtons[] = {1075, 1076};
const int kSamplingButtons[] = {1071};
const int kSamplingLabels[] = {1105};
const int kUnitLabels[] = {1109, 1110};
const StepDlgResize kResize[] = {{1074, kSizeX}, {1072, kSizeX}, {1073, kSizeX}, {1082, kSizeX},
                                 {1099, kSizeX}, {1071, kMoveX}, {1104, kMoveX}};

double PrefixFactor(const Ovo::Unit& unit) {
    return MakeScaledValue(unit, 1.0).scale;
}

} // namespace

void EnableLaunchRow(HWND dialog) {
    const bool installed = IsControlSoftwareInstalled();
    EnableWindow(GetDlgItem(dialog, kLaunch), installed);
    EnableWindow(GetDlgItem(dialog, kLaunchLabel), installed);
}

StepDlgTables CalibrationStepTables(UnitLabelChannel channel) {
    StepDlgTables tables;
    tables.descriptions = kDescriptions;
    tables.selectionButtons = kSelectionButtons;
    tables.samplingButtons = kSamplingButtons;
    tables.samplingLabels = kSamplingLabels;
    tables.unitLabels = kUnitLabels;
    tables.unitChannel = channel;
    tables.resize = kResize;
    return tables;
}

StepDlgTables PressureStep::Tables() const {
    return CalibrationStepTables(UnitLabelChannel::kPressure);
}

void PressureStep::PrepareDialog() {
    for (int id : {1072, 1073, 1099})
        AlignSeparator(id);
    EnableLaunchRow(m_hWnd);
    for (int id : {kBase1, kBase2, kKnown1, kKnown2})
        InstallQuietText(GetDlgItem(id));
}

void PressureStep::SetUpControl(HWND, int id) {
    if (id == kLaunch)
        AddBitmapButton(kLaunch, 137);
    else if (id == 1075)
        AlignSelectionButton(1075, kBase1);
    else if (id == 1076)
        AlignSelectionButton(1076, kBase2);
}

void PressureStep::OnModelChanged(const ModelParamSet& changed) {
    Model& model = StepModel();
    if (changed.Test(7))
        CheckDlgButton(kApply, GetModelParam<7>(model) ? BST_CHECKED : BST_UNCHECKED);
    if (IsUpdatingModel())
        return;
    const double factor = PrefixFactor(GetPressureChannelUnit(Document()));
    if (changed.Test(3))
        SetWindowTextFromDouble(GetDlgItem(kBase1), ScaleValue(GetModelParam<3>(model), 1.0 / factor));
    if (changed.Test(5))
        SetWindowTextFromDouble(GetDlgItem(kBase2), ScaleValue(GetModelParam<5>(model), 1.0 / factor));
    if (changed.Test(4))
        SetWindowTextFromDouble(GetDlgItem(kKnown1), GetModelParam<4>(model));
    if (changed.Test(6))
        SetWindowTextFromDouble(GetDlgItem(kKnown2), GetModelParam<6>(model));
}

void PressureStep::AfterStepMessage() {
    ModelParamSet bases;
    bases.Set(3);
    bases.Set(5);
    OnModelChanged(bases);
}

LRESULT PressureStep::OnEditChange(WORD, WORD id, HWND, BOOL&) {
    StoreFromEdit([&] {
        Model& model = StepModel();
        const double factor = PrefixFactor(GetPressureChannelUnit(Document()));
        const double value = GetEditValue(id);
        if (IsEmptyValue(value))
            SetModelParam<7>(model, false);
        switch (id) {
        case kBase1:
            SetModelParam<3>(model, ScaleValue(value, factor));
            break;
        case kBase2:
            SetModelParam<5>(model, ScaleValue(value, factor));
            break;
        case kKnown1:
            SetModelParam<4>(model, value);
            break;
        case kKnown2:
            SetModelParam<6>(model, value);
            break;
        default:
            break;
        }
    });
    return 0;
}

LRESULT PressureStep::OnApply(WORD, WORD, HWND, BOOL&) {
    OnApplyClicked(kApply, [this](bool apply) { SetModelParam<7>(StepModel(), apply); });
    return 0;
}

LRESULT PressureStep::OnLaunch(WORD, WORD, HWND, BOOL&) {
    SendAutomation(284);
    return 0;
}

LRESULT PressureStep::OnSetFromSelection(WORD, WORD id, HWND button, BOOL&) {
    const ModelPtr setup = Document().FindModel();
    const auto channel = setup ? static_cast<std::int32_t>(GetModelParam<1>(setup)) : -1;
    if (channel < 0 || !SelectionIsWithinOneRecord(Document(), channel)) {
        ShowBalloonStringAtControl(button, 406, 407);
        return 0;
    }
    const std::int32_t point = id == 1075 ? 0 : 1;
    SendToDocument(Ovo::MakeMsgData1<std::int32_t>(DocMsgId<273>(), point));
    return 0;
}

} // namespace Tarvik
