#pragma once
// Iterators over rows and their vertical pixel positions: a row's top and
// bottom, its position and the end position (exclusive).

#include <cstdint>

#include "tableview/GridPosition.h"

namespace TVF_Grid {

class RowPosCursor {
public:
    virtual ~RowPosCursor() = default;
    // Moves one row down; the new top.
    virtual int Next() = 0;
    // Moves n rows down; the distance moved in pixels.
    virtual int Skip(int n) = 0;
    virtual bool HasMore() const = 0;

    int Top() const { return mTop; }
    int Bottom() const { return mBottom; }
    GridPos Row() const { return mRow; }
    GridPos End() const { return mEnd; }
    void SetEnd(GridPos end) { mEnd = end; }

protected:
    RowPosCursor(int top, int bottom, GridPos row, GridPos end)
        : mTop(top), mBottom(bottom), mRow(row), mEnd(end) {}

    int mTop;
    int mBottom;
    GridPos mRow;
    GridPos mEnd;
};

// Rows of one height.
class UniformRowPosCursor : public RowPosCursor {
public:
    UniformRowPosCursor(int top, GridPos first, GridPos end, int rowHeight)
        : RowPosCursor(top, top + rowHeight, first, end), mRowHeight(rowHeight) {}

    int Next() override {
        mTop = mBottom;
        mBottom += mRowHeight;
        ++mRow.index;
        return mTop;
    }
    int Skip(int n) override {
        mTop += n * mRowHeight;
        mBottom += n * mRowHeight;
        mRow.index += n;
        return n * mRowHeight;
    }
    bool HasMore() const override { return mRow.index < mEnd.index; }

private:
    int mRowHeight;
};

} // namespace TVF_Grid
