#pragma once
// "Tarvik Hemodynamics Options": which loop parameters the haemodynamics table
// shows as columns (model 12 parameter 55) and whether it shows the summary
// grid (56). The dialog edits a detached copy of the table's model; a
// parameter the analysis cannot give (PVA, PE and CE without pressure-volume
// area) is shown unchecked and disabled and keeps its membership of the set.

#include <memory>
#include <vector>

#include "controls/DialogBase.h"
#include "workflow/Model.h"

namespace OvoControls {
class TBmpTxtButton;
class DialogSeparator;
class TBalloonCheckBox;
} // namespace OvoControls

namespace Tarvik {

class TarvikDocument;

class TableViewOptionsDialog : public Ovo::DialogBase {
public:
    static constexpr int kSummaryBox = 1034;
    static constexpr int kCheckAll = 1065;
    static constexpr int kUncheckAll = 1064;
    static constexpr int kHelp = 9;

    // One check box of the dialog: its control, loop parameter, balloon text and title (0: the
    // parameter's long name).
    struct ParamRow {
        int control;
        std::int32_t param;
        UINT text;
        UINT title;
    };
    static const std::vector<ParamRow>& ParamRows();

    TableViewOptionsDialog(OWL::TWindow* parent, TarvikDocument& document, ModelPtr model);
    ~TableViewOptionsDialog() override;

    bool CanClose() override;
    void CmCheckAll() { CheckAvailable(true); }
    void CmUncheckAll() { CheckAvailable(false); }
    void CmHelp() {}

    DECLARE_RESPONSE_TABLE(TableViewOptionsDialog);

protected:
    void SetupWindow() override;

private:
    bool IsUnavailable(std::int32_t param) const;
    void CheckAvailable(bool check);

    TarvikDocument& mDocument;
    ModelPtr mModel;
    OvoControls::TBmpTxtButton* mHelpButton; // children: the window deletes them
    OvoControls::DialogSeparator* mCalculationsHeading;
    OvoControls::DialogSeparator* mSummaryHeading;
    std::vector<OvoControls::TBalloonCheckBox*> mBoxes; // by ParamRows()
};

// Runs the dialog on a copy of the table model; on OK the model takes the copy's state and publishes
// it. True when accepted.
bool RunHemoTableOptions(OWL::TWindow* parent, TarvikDocument& document, const ModelPtr& table);

} // namespace Tarvik
