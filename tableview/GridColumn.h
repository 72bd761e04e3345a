#pragma once
// A column of a grid pane: its titles, its data column, its place and width
// in content pixels (column 0 starts at 0; each column is followed by one
// pixel of grid line), and what the title bar and the renderer keep on it.

#include <memory>

#include "core/String.h"
#include "tableview/RowPosCursor.h"

namespace TVF_Grid {

class GridPane;

class GridColumn {
public:
    static constexpr int kMinimumWidth = 5;

    GridColumn(const Ovo::String& title, int dataColumn, int width)
        : mTitle(title), mDataColumn(dataColumn), mWidth(width) {}
    virtual ~GridColumn() = default;
    // A cursor over rows [row, end of the pane's rows) of this column.
    virtual std::unique_ptr<RowPosCursor> CreateRowCursor(int row, int rowOrigin, int col,
                                                          int colOrigin) const = 0;

    const Ovo::String& Title() const { return mTitle; }
    const Ovo::String& ShortTitle() const { return mShortTitle; }
    void SetShortTitle(const Ovo::String& text) { mShortTitle = text; }
    GridPane* Pane() const { return mPane; }
    void SetPane(GridPane* pane) { mPane = pane; }
    // 1: the cells get no per-cell paint hooks.
    int Kind() const { return mKind; }
    void SetKind(int kind) { mKind = kind; }
    // 0-based; the client's column is this plus the grid's column origin.
    int DataColumn() const { return mDataColumn; }
    int Left() const { return mLeft; }
    void SetLeft(int left) { mLeft = left; }
    int Width() const { return mWidth; }
    void SetWidth(int width) { mWidth = width; }
    int Right() const { return mLeft + mWidth; }
    int MinimumWidth() const { return mMinimumWidth; }
    bool IsGrey() const { return mGrey; }
    void SetGrey(bool grey) { mGrey = grey; }
    bool IsResizable() const { return mResizable; }
    void SetResizable(bool resizable) { mResizable = resizable; }
    // The title bar fits a column of size mode 3 to its title once.
    int SizeMode() const { return mSizeMode; }
    void SetSizeMode(int mode) { mSizeMode = mode; }
    bool IsFitted() const { return mFitted; }
    void SetFitted(bool fitted) { mFitted = fitted; }

private:
    Ovo::String mTitle;
    Ovo::String mShortTitle;
    GridPane* mPane = nullptr;
    int mKind = 0;
    int mDataColumn;
    int mLeft = 0;
    int mWidth;
    int mMinimumWidth = kMinimumWidth;
    bool mGrey = false;
    bool mResizable = true;
    bool mFitted = false;
    int mSizeMode = 0;
};

// Rows of the pane's one row height.
class UniformGridColumn : public GridColumn {
public:
    using GridColumn::GridColumn;
    std::unique_ptr<RowPosCursor> CreateRowCursor(int row, int rowOrigin, int col,
                                                  int colOrigin) const override;
};

} // namespace TVF_Grid
