#include "dialogs/AlphaDlg.h"

#include "analysis/LoopParamNames.h"
#include "controls/NumberFields.h"
#include "controls/QuietText.h"
#include "core/NumericHelpers.h"
#include "core/OStringStream.h"
#include "dialogs/SetupStep.h"
#include "module/ModuleInstance.h"
#include "workflow/ChannelQueries.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/StepLabels.h"

namespace Tarvik {

namespace {

enum : int {
    kSource = 1115,
    kCatheterName = 1116,
    kCatheter = 1117,
    kCatheterUnit = 1118,
    kReferenceName = 1120,
    kReference = 1121,
    kReferenceUnit = 1122,
    kAlpha = 1123,
    kApply = 1077,
};
constexpr std::int32_t kCardiacOutput = 1;
constexpr std::int32_t kStrokeVolume = 2;

const StepDlgResize kResize[] = {{1115, kSizeX}, {1072, kSizeX}, {1116, kMoveX},
                                 {1117, kMoveX}, {1118, kMoveX}, {1119, kMoveX},
                                 {1120, kMoveX}, {1121, kMoveX}, {1122, kMoveX}};

void SetText(HWND dialog, int id, const std::u16string& text) {
    ::SetDlgItemTextW(dialog, id, text.c_str());
}

} // namespace

StepDlgTables AlphaDlg::Tables() const {
    StepDlgTables tables;
    tables.resize = kResize;
    return tables;
}

void AlphaDlg::PrepareDialog() {
    FillCombo(m_hWnd, kSource, GetAlphaSourceLabels());
    InstallQuietText(GetDlgItem(kCatheter));
    InstallQuietText(GetDlgItem(kReference));
}

double AlphaDlg::ComputeAlpha() {
    Model& model = StepModel();
    const std::int32_t mode = GetModelParam<44>(model);
    double catheter = 0, reference = 0;
    if (mode == kCardiacOutput) {
        catheter = GetModelParam<45>(model);
        reference = GetModelParam<46>(model);
    } else if (mode == kStrokeVolume) {
        catheter = GetModelParam<47>(model);
        reference = GetModelParam<48>(model);
    } else {
        return EmptyValue();
    }
    return ApproxEqual(reference, 0.0) ? EmptyValue() : catheter / reference;
}

void AlphaDlg::OnModelChanged(const ModelParamSet& changed) {
    Model& model = StepModel();
    if (changed.Test(43))
        CheckDlgButton(kApply, GetModelParam<43>(model) ? BST_CHECKED : BST_UNCHECKED);
    const std::int32_t mode = GetModelParam<44>(model);
    if (changed.Test(44)) {
        SendDlgItemMessage(kSource, CB_SETCURSEL,
                           mode == kCardiacOutput  ? 1
                           : mode == kStrokeVolume ? 0
                                                   : static_cast<WPARAM>(-1));
        std::u16string catheter, reference, unit;
        if (mode == kCardiacOutput || mode == kStrokeVolume) {
            catheter = LoadModuleString(mode == kStrokeVolume ? 449 : 451).ToU16String();
            reference = LoadModuleString(mode == kStrokeVolume ? 450 : 452).ToU16String();
            const std::wstring text =
                GetLoopParamUnitText(mode == kStrokeVolume ? 3 : 2, GetPressureChannelUnit(Document()),
                                     GetVolumeChannelUnit(Document()))
                    .Text();
            unit.assign(text.begin(), text.end());
        }
        SetText(m_hWnd, kCatheterName, catheter);
        SetText(m_hWnd, kReferenceName, reference);
        SetText(m_hWnd, kCatheterUnit, unit);
        SetText(m_hWnd, kReferenceUnit, unit);
    }
    if (changed.Test(42)) {
        const double alpha = GetModelParam<42>(model);
        std::u16string text;
        if (alpha == alpha) {
            Ovo::OStringStream out;
            out << alpha;
            text = u"= " + out.str().ToU16String();
        }
        SetText(m_hWnd, kAlpha, text);
    }
    if (IsUpdatingModel())
        return;
    // A new source shows its own pair of values.
    const bool all = changed.Test(44);
    if (mode == kStrokeVolume) {
        if (all || changed.Test(47))
            SetWindowTextFromDouble(GetDlgItem(kCatheter), GetModelParam<47>(model));
        if (all || changed.Test(48))
            SetWindowTextFromDouble(GetDlgItem(kReference), GetModelParam<48>(model));
    } else if (mode == kCardiacOutput) {
        if (all || changed.Test(45))
            SetWindowTextFromDouble(GetDlgItem(kCatheter), GetModelParam<45>(model));
        if (all || changed.Test(46))
            SetWindowTextFromDouble(GetDlgItem(kReference), GetModelParam<46>(model));
    }
}

LRESULT AlphaDlg::OnSourceChange(WORD, WORD, HWND control, BOOL&) {
    const LRESULT index = ::SendMessageW(control, CB_GETCURSEL, 0, 0);
    Model& model = StepModel();
    SetModelParam<44>(model, index == 1 ? kCardiacOutput : kStrokeVolume);
    // Alpha follows the values of the source chosen.
    SetModelParam<42>(model, ComputeAlpha());
    SyncModel();
    return 0;
}

LRESULT AlphaDlg::OnEditChange(WORD, WORD id, HWND, BOOL&) {
    StoreFromEdit([&] {
        Model& model = StepModel();
        const double value = GetEditValue(id);
        const bool strokeVolume = GetModelParam<44>(model) == kStrokeVolume;
        if (IsEmptyValue(value))
            SetModelParam<43>(model, false);
        if (id == kCatheter) {
            if (strokeVolume)
                SetModelParam<47>(model, value);
            else
                SetModelParam<45>(model, value);
        } else if (id == kReference) {
            if (strokeVolume)
                SetModelParam<48>(model, value);
            else
                SetModelParam<46>(model, value);
        }
        SetModelParam<42>(model, ComputeAlpha());
    });
    return 0;
}

LRESULT AlphaDlg::OnApply(WORD, WORD, HWND, BOOL&) {
    OnApplyClicked(kApply, [this](bool apply) { SetModelParam<43>(StepModel(), apply); });
    return 0;
}

} // namespace Tarvik
