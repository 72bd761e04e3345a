#include "tableview/GridEditors.h"

#include <vector>

#include "platform/user/input_api.h"
#include "tableview/GridPane.h"

namespace TVF_Grid {

GridEditCtrl::GridEditCtrl(OWL::TWindow* parent, int argument)
    : OWL::TEdit(parent, kEditorId, u"", 0, 0, 0, 0), mArgument(argument) {}

void GridEditCtrl::Transfer(bool toCell) {
    auto* cell = dynamic_cast<CellStringData*>(mData);
    if (cell == nullptr)
        return;
    if (!toCell) {
        SetWindowText(cell->GetText().c_str());
        return;
    }
    std::vector<char16_t> text(kMaxCommitted + 1);
    const int n = GetWindowText(text.data(), static_cast<int>(text.size()));
    cell->SetText(Ovo::String(text.data(), n));
}

namespace {
// WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_GROUP | WS_TABSTOP | CBS_AUTOHSCROLL
// | CBS_DROPDOWNLIST.
constexpr DWORD kComboStyle = 0x50230043;
constexpr UINT kComboTextLimit = 32;
} // namespace

StringComboBox::StringComboBox(OWL::TWindow* parent, const std::vector<Ovo::String>& choices, int argument)
    : OWL::TComboBox(parent, kEditorId, 0, 0, 0, 0, CBS_DROPDOWNLIST, kComboTextLimit), mChoices(choices),
      mArgument(argument) {
    Attr.Style = kComboStyle;
    Attr.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void StringComboBox::SetupWindow() {
    OWL::TComboBox::SetupWindow();
    for (const Ovo::String& choice : mChoices)
        AddString(choice.c_str());
}

void StringComboBox::Transfer(bool toCell) {
    auto* cell = dynamic_cast<CellUint32Data*>(mData);
    if (cell == nullptr)
        return;
    if (toCell)
        cell->SetValue(static_cast<std::uint32_t>(GetSelIndex()));
    else
        SetSelIndex(static_cast<int>(cell->GetValue()));
}

ControlAlias::ControlAlias(HWND editor, GridPane& pane, int col, int row)
    : OWL::TWindow(editor), mPane(pane), mCol(col), mRow(row) {}

DEFINE_RESPONSE_TABLE1(ControlAlias, OWL::TWindow)
EV_WM_KEYDOWN, EV_WM_CHAR, EV_WM_KILLFOCUS, EV_WM_SETFOCUS, EV_WM_LBUTTONDBLCLK, END_RESPONSE_TABLE;

void ControlAlias::EvKeyDown(UINT key, UINT, UINT) {
    if (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE)
        mPane.EditorKey(key);
    else
        DefaultProcessing();
}

void ControlAlias::EvChar(UINT key, UINT, UINT) {
    if (key != VK_TAB)
        DefaultProcessing();
}

void ControlAlias::EvKillFocus(HWND) {
    DefaultProcessing();
    mPane.CommitEditing();
}

void ControlAlias::EvSetFocus(HWND) {
    DefaultProcessing();
}

void ControlAlias::EvLButtonDblClk(UINT, const OWL::TPoint& p) {
    mPane.EditorDoubleClick(p);
}

} // namespace TVF_Grid
