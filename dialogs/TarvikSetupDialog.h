#pragma once
// Tarvik::TarvikSetupDialog: the module's settings dialog (template 134). It
// edits a working copy of the set-up model that its caller made: the pressure
// and volume source channels, the analysis region (whole channel or the
// selection), and how heart cycles are found (from the QRS events of an event
// channel, or from the pressure signal with a minimum peak height and period).
// OK validates and leaves the settings in the copy; Cancel leaves everything.
// The loop preview, the help button and the unit label with its error marks
// are not part of it yet.

#include <map>
#include <string>

#include "document/TarvikDocument.h"
#include "platform/owl/TButton.h"
#include "platform/owl/TComboBox.h"
#include "platform/owl/TDialog.h"
#include "platform/owl/TEdit.h"

namespace Tarvik {

class TarvikSetupDialog : public OWL::TDialog {
public:
    // parent: the host's data window.
    TarvikSetupDialog(HWND parent, TarvikDocument& document, ModelPtr workingModel);
    ~TarvikSetupDialog() override;

    // 0 ok, 1 not a number, 2 out of range; the value in base units (peak height) or seconds (period).
    int ParseMinPeakHeight(double& value);
    int ParseMinPeriod(double& value);

protected:
    void SetupWindow() override;
    bool CanClose() override;

private:
    // Event channels usable as QRS sources: title to virtual-channel name, titles in code-unit order.
    using EventChannelTable = std::multimap<std::u16string, std::u16string>;

    void CollectEventChannels();
    void EnsureSourceChannels();
    void LoadControlsFromModel();
    void ApplyControlsToModel();
    void ShowMinPeakHeight(double value);
    void ShowMinPeriod(double value);
    void EnableDetectionControls(bool fromEcg);
    double PressurePrefixScale();

    void PressureChannelChanged();
    void VolumeChannelChanged();
    void PeriodUnitChanged();
    void DetectFromPressure();
    void DetectFromEcg();
    void PeakHeightLeft();
    void PeriodLeft();
    void Apply() { ApplyControlsToModel(); }

    TarvikDocument& mDocument;
    OWL::TComboBox* mPressure;
    OWL::TComboBox* mVolume;
    OWL::TRadioButton* mWholeChannel;
    OWL::TRadioButton* mSelection;
    OWL::TEdit* mMinPeriod;
    OWL::TEdit* mMinPeakHeight;
    OWL::TComboBox* mPeriodUnit;
    OWL::TRadioButton* mFromPressure;
    OWL::TRadioButton* mFromEcg;
    OWL::TComboBox* mQrsChannel;
    EventChannelTable mEventChannels;
    bool mUpdating = false;
    ModelPtr mModel;

    DECLARE_RESPONSE_TABLE(TarvikSetupDialog);
};

// Runs the dialog modally; 1 when accepted.
int RunSetupDialog(HWND parent, TarvikDocument& document, const ModelPtr& workingModel);

} // namespace Tarvik
