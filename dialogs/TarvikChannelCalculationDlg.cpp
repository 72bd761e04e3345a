#include "dialogs/TarvikChannelCalculationDlg.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "analysis/LoopParamNames.h"
#include "analysis/TarvikData.h"
#include "core/NumberText.h"
#include "core/NumericHelpers.h"
#include "document/HostLoopData.h"
#include "document/TarvikDocument.h"
#include "module/ModuleInstance.h"
#include "platform/user/DialogTemplate.h"
#include "platform/user/msgbox_api.h"

namespace Tarvik {
namespace {

using Dlg = TarvikChannelCalculationDlg;
constexpr std::int32_t kParameterCount = 29;
constexpr std::size_t kTextLimit = 99; // characters read from an edit, the terminator included

// Template 119: "Tarvik", 256 x 127 dialog units, 8 pt "MS Shell Dlg".
std::vector<BYTE> Template() {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = 256;
    t.cy = 127;
    t.caption = u"Tarvik";
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    const DWORD visible = WS_VISIBLE;
    t.items = {
        {u"Button", u"Output", 1056, visible | BS_GROUPBOX, 7, 7, 242, 30},
        {u"Static", u"Parameter:", 1054, visible, 14, 20, 50, 8},
        {u"ComboBox", u"", Dlg::kParameter, visible | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 70, 18, 172,
         120},
        {u"Button", u"Scale", 1057, visible | BS_GROUPBOX, 7, 40, 242, 62},
        {u"Static", u"Scale top:", Dlg::kTopLabel, visible, 14, 54, 50, 8},
        {u"Edit", u"", Dlg::kScaleTop, visible | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 70, 52, 60, 12},
        {u"Static", u"Units", Dlg::kTopUnit, visible, 134, 54, 40, 8},
        {u"Static", u"Decimal places:", 1055, visible, 178, 54, 64, 8},
        {u"Edit", u"", Dlg::kDecimals, visible | WS_TABSTOP | WS_BORDER | ES_NUMBER, 178, 66, 30, 12},
        {u"Static", u"Scale bottom:", Dlg::kBottomLabel, visible, 14, 70, 50, 8},
        {u"Edit", u"", Dlg::kScaleBottom, visible | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 70, 68, 60, 12},
        {u"Static", u"Units", Dlg::kBottomUnit, visible, 134, 70, 40, 8},
        {u"Button", u"Auto scale", Dlg::kAutoScale, visible | WS_TABSTOP | BS_AUTOCHECKBOX, 14, 86, 80, 10},
        {u"Button", u"OK", IDOK, visible | WS_TABSTOP | BS_DEFPUSHBUTTON, 138, 106, 50, 14},
        {u"Button", u"Cancel", IDCANCEL, visible | WS_TABSTOP, 192, 106, 50, 14},
    };
    return t.Build();
}

std::wstring Text(const OWL::TEdit& edit) {
    std::u16string text = edit.GetText();
    text.resize(std::min(text.size(), kTextLimit - 1));
    return Ovo::String(text).ToWString();
}

} // namespace

DEFINE_RESPONSE_TABLE1(TarvikChannelCalculationDlg, OWL::TDialog)
EV_EN_CHANGE(kDecimals, DecimalsTyped), EV_BN_CLICKED(kAutoScale, AutoScaleClicked),
    EV_CBN_SELCHANGE(kParameter, ParameterChosen), END_RESPONSE_TABLE;

TarvikChannelCalculationDlg::TarvikChannelCalculationDlg(OWL::TWindow* parent, IUnknown* hostDocument,
                                                         TarvikChannelCalculation::Settings& settings)
    : OWL::TDialog(parent, Template()), mHostDocument(hostDocument),
      mDocument(ModuleDocumentOf(hostDocument)), mSettings(settings),
      mParameter(new OWL::TComboBox(this, kParameter)), mAutoScale(new OWL::TCheckBox(this, kAutoScale)),
      mTop(new OWL::TEdit(this, kScaleTop)), mBottom(new OWL::TEdit(this, kScaleBottom)),
      mTopUnit(new OWL::TStatic(this, kTopUnit)), mBottomUnit(new OWL::TStatic(this, kBottomUnit)),
      mTopLabel(new OWL::TStatic(this, kTopLabel)), mBottomLabel(new OWL::TStatic(this, kBottomLabel)),
      mDecimals(new OWL::TEdit(this, kDecimals)) {}

void TarvikChannelCalculationDlg::SetupWindow() {
    OWL::TDialog::SetupWindow();
    ShowValues();
    EnableScaleEdits();
    UpdateUnits();
    mLoops = LoopDataOf(mHostDocument.Get());
    int selected = 0;
    for (std::int32_t id = 1; id <= kParameterCount; ++id) {
        const int item = mParameter->AddString(GetLoopParamName(ModuleInstance(), id, false).c_str());
        mParameter->SetItemData(item, id);
        if (static_cast<std::uint32_t>(id) == mSettings.parameter)
            selected = item;
    }
    mParameter->SetSelIndex(selected);
    mSetUp = true;
}

double TarvikChannelCalculationDlg::UnitFactor() const {
    return mSettings.unit.prefix != 0 ? Ovo::SiPrefixScale(mSettings.unit.prefix) : 1.0;
}

void TarvikChannelCalculationDlg::ReadControls() {
    const double factor = UnitFactor();
    mSettings.decimals = static_cast<float>(std::wcstol(Text(*mDecimals).c_str(), nullptr, 10));
    mSettings.enabled = mAutoScale->GetCheck() == OWL::BF_CHECKED;
    mSettings.bottom = static_cast<float>(std::wcstod(Text(*mBottom).c_str(), nullptr) * factor);
    mSettings.top = static_cast<float>(std::wcstod(Text(*mTop).c_str(), nullptr) * factor);
}

void TarvikChannelCalculationDlg::ShowValues() {
    const bool wasUpdating = std::exchange(mUpdating, true);
    const double factor = UnitFactor();
    mDecimals->SetText(Ovo::String(IntToWString(static_cast<int>(std::trunc(mSettings.decimals)))).c_str());
    mAutoScale->SetCheck(mSettings.enabled ? OWL::BF_CHECKED : OWL::BF_UNCHECKED);
    mTop->SetText(FormatDoubleForDisplay(mSettings.top / factor).c_str());
    mBottom->SetText(FormatDoubleForDisplay(mSettings.bottom / factor).c_str());
    mUpdating = wasUpdating;
}

void TarvikChannelCalculationDlg::EnableScaleEdits() {
    const bool manual = !mSettings.enabled;
    for (OWL::TWindow* control :
         {static_cast<OWL::TWindow*>(mTop), static_cast<OWL::TWindow*>(mBottom),
          static_cast<OWL::TWindow*>(mTopLabel), static_cast<OWL::TWindow*>(mBottomLabel),
          static_cast<OWL::TWindow*>(mTopUnit), static_cast<OWL::TWindow*>(mBottomUnit)})
        control->EnableWindow(manual);
}

// Without the module's document the unit stays as it was.
void TarvikChannelCalculationDlg::UpdateUnits() {
    if (mSetUp)
        ReadControls();
    if (mDocument != nullptr)
        mSettings.unit = GetLoopParamUnitText(static_cast<std::int32_t>(mSettings.parameter),
                                              mDocument->GetPressureUnit(), mDocument->GetVolumeUnit());
    const Ovo::String unit(mSettings.unit.Text());
    mTopUnit->SetWindowText(unit.c_str());
    mBottomUnit->SetWindowText(unit.c_str());
}

void TarvikChannelCalculationDlg::TakeParameter() {
    const int item = mParameter->GetSelIndex();
    mSettings.parameter = item < 0 ? 1 : static_cast<std::uint32_t>(mParameter->GetItemData(item));
}

void TarvikChannelCalculationDlg::ParameterChosen() {
    ReadControls();
    const std::uint32_t before = mSettings.parameter;
    TakeParameter();
    if (mSettings.parameter != before)
        UpdateUnits();
}

void TarvikChannelCalculationDlg::AutoScaleClicked() {
    ReadControls();
    EnableScaleEdits();
}

void TarvikChannelCalculationDlg::DecimalsTyped() {
    if (mUpdating)
        return;
    mUpdating = true;
    ReadControls();
    const float typed = mSettings.decimals;
    const float clamped = std::clamp(typed, 0.0f, static_cast<float>(kMostDecimals));
    if (clamped != typed) {
        mSettings.decimals = clamped;
        ShowValues();
    }
    mUpdating = false;
}

bool TarvikChannelCalculationDlg::CanClose() {
    if (!OWL::TDialog::CanClose())
        return false;
    ReadControls();
    TakeParameter();
    return true;
}

} // namespace Tarvik
