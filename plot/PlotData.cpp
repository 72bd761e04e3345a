#include "plot/PlotData.h"

#include <algorithm>

namespace ZOzuve1 {

bool PlotData::SetModified(bool modified) {
    mModified = modified;
    if (modified) {
        mRedrawPending = true;
        mHitTestStale = true;
    }
    return modified;
}

bool XYCPlotDataBase::HitTest(int, TrackInfo* info) {
    if (info == nullptr)
        return false;
    info->found = false;
    mHitTestStale = false;
    PlotBin bin;
    if (!FindNearestBin(info->mouseX, info->mouseY, kHitRadius, &bin))
        return false;
    info->x = bin.x;
    info->y = bin.y;
    info->index = bin.index;
    info->found = true;
    return true;
}

bool XYCPlotDataBase::BeginBinning(int width, int height, int* out) {
    if (width < 1 || height < 1 || mBinning)
        return false;
    if (width != mGridWidth || height != mGridHeight) {
        ClearBins();
        mGridWidth = width;
        mGridHeight = height;
    }
    if (out != nullptr)
        *out = 0;
    mBinning = true;
    return true;
}

bool XYCPlotDataBase::FindNearestBin(int x, int y, int radius, PlotBin* out) {
    if (mBins.empty())
        return false;
    // In 64 bits: a query far off the grid must not overflow.
    const std::int64_t r = radius;
    const std::int64_t rowEnd = std::min<std::int64_t>(std::int64_t{y} + r, mGridHeight);
    const std::int64_t columnEnd = std::min<std::int64_t>(std::int64_t{x} + r, mGridWidth);
    std::int64_t best = INT_MAX;
    bool found = false;
    for (std::int64_t row = std::max<std::int64_t>(y - r, 0); row < rowEnd; ++row)
        for (std::int64_t column = std::max<std::int64_t>(x - r, 0); column < columnEnd; ++column) {
            const std::int64_t d2 = (column - x) * (column - x) + (row - y) * (row - y);
            if (d2 >= r * r || d2 >= best)
                continue;
            if (GetBin(static_cast<int>(column), static_cast<int>(row), out)) {
                best = d2;
                found = true;
            }
        }
    return found;
}

bool XYCPlotDataBase::InGrid(int column, int row) const {
    return column >= 0 && row >= 0 && column < mGridWidth && row < mGridHeight;
}

std::uint32_t XYCPlotDataBase::Key(int column, int row) const {
    return static_cast<std::uint32_t>(mGridWidth) * static_cast<std::uint32_t>(row) +
           static_cast<std::uint32_t>(column);
}

bool XYCPlotDataBase::GetBin(int column, int row, PlotBin* out) {
    if (!InGrid(column, row))
        return false;
    auto it = mBins.find(Key(column, row));
    if (it == mBins.end())
        return false;
    if (out != nullptr)
        *out = it->second;
    return true;
}

void XYCPlotDataBase::SetBin(int column, int row, double x, double y, std::uint32_t index, COLORREF colour,
                             std::uint32_t drawSerial) {
    SetBinRecord(column, row, PlotBin{-1, x, y, index, drawSerial, colour});
}

void XYCPlotDataBase::SetBinRecord(int column, int row, const PlotBin& bin) {
    if (InGrid(column, row))
        mBins[Key(column, row)] = bin;
}

void XYCPlotDataBase::AddBinRecord(int column, int row, const PlotBin& bin) {
    if (InGrid(column, row))
        mBins.emplace(Key(column, row), bin);
}

} // namespace ZOzuve1
