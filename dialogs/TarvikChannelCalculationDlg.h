#pragma once
// The settings dialog of the channel calculation "Tarvik": which loop parameter
// the channel shows, its display scale (top and bottom in the parameter's
// unit, or automatic scaling to the data) and its decimal places. It writes
// into the settings it is given; the caller keeps them on OK and drops them on
// Cancel.

#include "document/TarvikChannelCalculation.h"
#include "platform/owl/TButton.h"
#include "platform/owl/TComboBox.h"
#include "platform/owl/TDialog.h"
#include "platform/owl/TEdit.h"
#include "platform/owl/TStatic.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

class TarvikData;
class TarvikDocument;

class TarvikChannelCalculationDlg : public OWL::TDialog {
public:
    enum Control : int {
        kDecimals = 1045,
        kAutoScale = 1046,
        kScaleTop = 1047,
        kScaleBottom = 1048,
        kTopUnit = 1049,
        kBottomUnit = 1050,
        kTopLabel = 1052,
        kBottomLabel = 1053,
        kParameter = 1058,
    };
    static constexpr int kMostDecimals = 6;

    // hostDocument: the document of the channel (held); settings: edited in place.
    TarvikChannelCalculationDlg(OWL::TWindow* parent, IUnknown* hostDocument,
                                TarvikChannelCalculation::Settings& settings);

    bool CanClose() override;

    DECLARE_RESPONSE_TABLE(TarvikChannelCalculationDlg);

protected:
    void SetupWindow() override;

private:
    // Copies the controls into the settings, unchecked (text that is not a number reads as 0).
    void ReadControls();
    void ShowValues();
    void EnableScaleEdits();
    void UpdateUnits();
    void ParameterChosen();
    void AutoScaleClicked();
    void DecimalsTyped();
    // The settings take the chosen parameter.
    void TakeParameter();
    double UnitFactor() const;

    ComPtr<IUnknown> mHostDocument;
    TarvikDocument* mDocument = nullptr;
    TarvikChannelCalculation::Settings& mSettings;
    TarvikData* mLoops = nullptr;
    // The controls' objects belong to the dialog (deleted with it).
    OWL::TComboBox* mParameter;
    OWL::TCheckBox* mAutoScale;
    OWL::TEdit* mTop;
    OWL::TEdit* mBottom;
    OWL::TStatic* mTopUnit;
    OWL::TStatic* mBottomUnit;
    OWL::TStatic* mTopLabel;
    OWL::TStatic* mBottomLabel;
    OWL::TEdit* mDecimals;
    bool mUpdating = false;
    bool mSetUp = false;
};

} // namespace Tarvik
