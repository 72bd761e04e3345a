#pragma once
// TVF_Grid::EventGridControl: the grid as a table uses it. It answers the
// keys (navigation, Shift extension, Delete, typing into a cell), hands
// edited texts, chosen list items and cleared cells to the table's action
// handler, and tells its observers through its subject part when the first
// visible column changes, a column is resized or moved, or the control
// itself is clicked. Each notification's data word is the address of its
// words (GridNotice).
//
// The control is a window of its parent, which deletes it; references
// taken through its subject part never delete it.

#include <cstdint>

#include "core/CComObjectRoot.h"
#include "module/ZARSubject.h"
#include "tableview/GridControl.h"

namespace TVF_Grid {

inline constexpr DWORD kColumnResizedNotice = 0x80140007;      // column, width
inline constexpr DWORD kColumnMovedNotice = 0x8014000A;        // from column, to column
inline constexpr DWORD kFirstColumnChangedNotice = 0x8014000B; // first visible column
inline constexpr DWORD kClickedNotice = 0x8014000D;            // no data

struct GridNotice {
    std::int32_t words[2];
};

class EventGridControl : public GridControl, public Tarvik::ZARSubject, public Ovo::CComObjectRoot {
public:
    explicit EventGridControl(OWL::TWindow* parent);
    ~EventGridControl() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override;

    void OnFirstColumnChanged(int col, int origin) override;
    void OnColumnResized(int col, int origin, int width) override;
    void OnColumnMoved(int from, int fromOrigin, int to, int toOrigin) override;
    void OnClicked() override;
    void SetCellText(int row, int rowOrigin, int col, int colOrigin, const Ovo::String& text) override;
    void ChooseListItem(int kind, int row, int rowOrigin, int col, int colOrigin, int index) override;
    // Asks the handler's OnListItemChosen with (code, 1, row, column, 0); a
    // non-zero answer empties the cell's text.
    void ClearCell(int code, int row, int rowOrigin, int col, int colOrigin) override;
    bool OnKeyDown(UINT key, UINT repeat, UINT flags) override;

private:
    void Notify2(DWORD id, std::int32_t a, std::int32_t b);
    void ClearSelectedCells();
    int Step(bool rows, int step, bool shift);
    // Extends the selection to hold a row (Shift with Home, End and the page keys).
    void ExtendToRow(int row);
    GridPos AnchorRowOr(const SelectionRange& range) const;
    GridPos AnchorColumnOr(const SelectionRange& range) const;

    int mFirstColumn = -1;
    int mFirstColumnOrigin = -1;
};

} // namespace TVF_Grid
