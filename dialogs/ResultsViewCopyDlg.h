#pragma once
// Tarvik::ResultsViewCopyDlg: the modal question (template 121) of the cuvette calibration view's
// copy command: the graph as an image (choice 0) or the calibration table (choice 1). A choice of
// 2 given by the caller is read as 0, any other non-zero choice as 1.

#include <memory>

#include "controls/DialogBase.h"
#include "platform/owl/TButton.h"

namespace Tarvik {

class ResultsViewCopyDlg : public Ovo::DialogBase {
public:
    ResultsViewCopyDlg(OWL::TWindow* parent, LPCWSTR resId, int choice);
    ~ResultsViewCopyDlg() override;

    int Choice() const { return mChoice; }

    void SetupWindow() override;
    bool EvInitDialog(HWND focus) override;

private:
    void ChooseGraph();
    void ChooseTable();

    int mChoice;
    std::unique_ptr<OWL::TRadioButton> mGraph;
    std::unique_ptr<OWL::TRadioButton> mTable;

    DECLARE_RESPONSE_TABLE(ResultsViewCopyDlg);
};

} // namespace Tarvik
