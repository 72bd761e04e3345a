#pragma once
// The editor windows of a cell: an edit field for text and a drop-down list
// for a choice. Each is also a GridItemControl, which moves the value between
// the window and the cell's data. While a cell is edited the pane hangs a
// ControlAlias on the editor's window: it turns Tab and Enter into a commit,
// Esc into an end without one, and the loss of the focus into a commit.

#include <vector>

#include "core/String.h"
#include "platform/owl/TComboBox.h"
#include "platform/owl/TEdit.h"
#include "tableview/CellData.h"

namespace TVF_Grid {

class GridPane;

class GridItemControl {
public:
    static constexpr int kEditorId = 100;

    virtual ~GridItemControl() = default;
    // toCell: the window's value into the cell data; else the cell's value
    // into the window.
    virtual void Transfer(bool toCell) = 0;
    void SetCellData(CellData* data) { mData = data; }

protected:
    CellData* mData = nullptr;
};

// A single-line edit field; a commit takes at most 512 characters.
class GridEditCtrl : public OWL::TEdit, public GridItemControl {
public:
    static constexpr int kMaxCommitted = 512;

    GridEditCtrl(OWL::TWindow* parent, int argument);
    void Transfer(bool toCell) override;

private:
    int mArgument;
};

// A drop-down list of the choices; the cell's value is the selected index.
class StringComboBox : public OWL::TComboBox, public GridItemControl {
public:
    StringComboBox(OWL::TWindow* parent, const std::vector<Ovo::String>& choices, int argument);
    void Transfer(bool toCell) override;

protected:
    void SetupWindow() override;

private:
    const std::vector<Ovo::String>& mChoices;
    int mArgument;
};

class ControlAlias : public OWL::TWindow {
public:
    ControlAlias(HWND editor, GridPane& pane, int col, int row);

    DECLARE_RESPONSE_TABLE(ControlAlias);

protected:
    void EvKeyDown(UINT key, UINT repeat, UINT flags);
    void EvChar(UINT key, UINT repeat, UINT flags);
    void EvKillFocus(HWND gaining);
    void EvSetFocus(HWND losing);
    void EvLButtonDblClk(UINT flags, const OWL::TPoint& p);

private:
    GridPane& mPane;
    int mCol;
    int mRow;
};

} // namespace TVF_Grid
