#include "dialogs/ResultsViewCopyDlg.h"

#include "platform/user/user.h"

namespace Tarvik {

namespace {

constexpr int kGraph = 1038;
constexpr int kTable = 1039;

} // namespace

DEFINE_RESPONSE_TABLE1(ResultsViewCopyDlg, OWL::TDialog)
EV_BN_CLICKED(kGraph, ChooseGraph), EV_BN_CLICKED(kTable, ChooseTable), END_RESPONSE_TABLE;

ResultsViewCopyDlg::ResultsViewCopyDlg(OWL::TWindow* parent, LPCWSTR resId, int choice)
    : Ovo::DialogBase(parent, resId), mChoice(choice), mGraph(new OWL::TRadioButton(this, kGraph)),
      mTable(new OWL::TRadioButton(this, kTable)) {}

ResultsViewCopyDlg::~ResultsViewCopyDlg() {
    if (GetHandle() != nullptr && ::IsWindow(GetHandle()))
        ::DestroyWindow(GetHandle());
}

void ResultsViewCopyDlg::SetupWindow() {
    OWL::TDialog::SetupWindow();
    if (mChoice == 2)
        mChoice = 0;
    if (mChoice == 0)
        ChooseGraph();
    else
        ChooseTable();
}

bool ResultsViewCopyDlg::EvInitDialog(HWND focus) {
    OWL::TDialog::EvInitDialog(focus);
    return false;
}

void ResultsViewCopyDlg::ChooseGraph() {
    mGraph->SetCheck(BST_CHECKED);
    mTable->SetCheck(BST_UNCHECKED);
    mChoice = 0;
}

void ResultsViewCopyDlg::ChooseTable() {
    mGraph->SetCheck(BST_UNCHECKED);
    mTable->SetCheck(BST_CHECKED);
    mChoice = 1;
}

} // namespace Tarvik
