#include "dialogs/CuvetteStep.h"

#include "controls/NumberFields.h"
#include "controls/QuietText.h"
#include "core/NumericHelpers.h"
#include "core/ScaledValue.h"
#include "module/ModuleInstance.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

enum : int { kSlope = 1113, kIntercept = 1114, kConductanceLabel = 1111, kApply = 1077 };
constexpr UINT kConductanceText = 268;

const int kDescriptions[] = {1074};
const StepDlgResize kResize[] = {{1074, kSizeX}, {1072, kSizeX}};

} // namespace

StepDlgTables CuvetteStep::Tables() const {
    StepDlgTables tables;
    tables.descriptions = kDescriptions;
    tables.resize = kResize;
    return tables;
}

double CuvetteStep::VolumeFactor() {
    return MakeScaledValue(GetModelParam<33>(StepModel()), 1.0).scale;
}

double CuvetteStep::ConductanceFactor() {
    return MakeScaledValue(GetModelParam<13>(Document().GetModel(kConductanceModel)), 1.0).scale;
}

void CuvetteStep::PrepareDialog() {
    InstallQuietText(GetDlgItem(kIntercept));
    InstallQuietText(GetDlgItem(kSlope));
    const std::wstring unit = GetModelParam<13>(Document().GetModel(kConductanceModel)).Text();
    std::u16string text = LoadModuleString(kConductanceText).ToU16String();
    if (const std::size_t at = text.find(u"%1"); at != std::u16string::npos)
        text.replace(at, 2, std::u16string(unit.begin(), unit.end()));
    ::SetDlgItemTextW(m_hWnd, kConductanceLabel, text.c_str());
}

void CuvetteStep::OnModelChanged(const ModelParamSet& changed) {
    Model& model = StepModel();
    if (changed.Test(17))
        CheckDlgButton(kApply, GetModelParam<17>(model) ? BST_CHECKED : BST_UNCHECKED);
    if (IsUpdatingModel())
        return;
    if (changed.Test(15))
        SetWindowTextFromDouble(GetDlgItem(kSlope),
                                ScaleValue(GetModelParam<15>(model), ConductanceFactor() / VolumeFactor()));
    if (changed.Test(16))
        SetWindowTextFromDouble(GetDlgItem(kIntercept),
                                ScaleValue(GetModelParam<16>(model), 1.0 / VolumeFactor()));
}

LRESULT CuvetteStep::OnEditChange(WORD, WORD id, HWND, BOOL&) {
    StoreFromEdit([&] {
        Model& model = StepModel();
        const double value = GetEditValue(id);
        if (IsEmptyValue(value))
            SetModelParam<17>(model, false);
        if (id == kIntercept)
            SetModelParam<16>(model, ScaleValue(value, VolumeFactor()));
        else if (id == kSlope)
            SetModelParam<15>(model, ScaleValue(value, VolumeFactor() / ConductanceFactor()));
    });
    return 0;
}

LRESULT CuvetteStep::OnApply(WORD, WORD, HWND, BOOL&) {
    OnApplyClicked(kApply, [this](bool apply) { SetModelParam<17>(StepModel(), apply); });
    return 0;
}

} // namespace Tarvik
