#pragma once
// The background and dotted grid of a channel strip: horizontal dots at the
// channel's grid rows, vertical dots at the time axis ticks, and a shade over
// the parts of the strip beyond the channel's range limits. On screens the
// dots are stamped from one-pixel-wide column bitmaps; the metafile variant
// draws dotted lines instead.

#include <memory>
#include <vector>

#include "panes/DrawerBase.h"
#include "platform/gdi/Color.h"
#include "platform/gdi/handles.h"

namespace StrevDraw {

class GraticuleDrawer : public DrawerBase {
public:
    GraticuleDrawer(LONG channel, DWORD selector, DWORD option = 0);
    ~GraticuleDrawer() override;

    HRESULT SetSource(LONG reserved, IUnknown* source) override;
    HRESULT SetBounds(DWORD tag, const RECT* bounds) override;
    HRESULT GetLayout(IDrawerDataPane* pane, DWORD* layer, LONG* left, LONG* right) override;
    HRESULT QueryDataByPosition(DWORD_PTR, LONGLONG, double* value, LONG*) override;
    HRESULT SetViewRect(DWORD_PTR pane, LONG a, const double* scale, IUnknown* grid) override;
    HRESULT Invalidate(DWORD what) override;
    HRESULT Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                 const RECT* clip, DWORD flags, const TimeAxisLayout* layout,
                 const RecordTime* recordTime) override;
    HRESULT HitTest(DWORD, DWORD_PTR, LONG, LONG, LONG*) override { return S_FALSE; }
    HRESULT Clone(DWORD flags, IStrevRecordDrawer** copy) override;

    // The pane whose SetViewRect calls the drawer takes.
    void SetPaneId(DWORD_PTR pane) { mPaneId = pane; }
    bool HasGrid() const { return (mGridFlags & 0xC0000000u) != 0xC0000000u; }
    // How many times the column bitmaps were made (they follow the strip's height).
    int ColumnBuilds() const { return mColumnBuilds; }

protected:
    GraticuleDrawer(const GraticuleDrawer& other);
    int Pitch(HDC dc, bool vertical) const;
    virtual void StampRows(HDC dc, LONG from, LONG to, int pitch);
    // Stamps a vertical line at every grid column of the strip from position p on, spacing apart.
    void StampColumns(HDC dc, double p, double spacing, bool& drawn);
    virtual void StampColumn(HDC dc, LONG x);
    virtual void SelectGridColour(HDC dc, COLORREF colour);
    virtual void EndGrid(HDC dc);

    std::vector<LONG> mGridRows;

private:
    void RebuildColumns(int pitch);
    void RebuildGridRows(IUnknown* grid);
    void Stamp(HDC dc, HBITMAP column, LONG x);

    DWORD mResetWords[2] = {};
    DWORD_PTR mPaneId = 0;
    COLORREF mGridColour = RGB(0, 0, 128);
    DWORD mOption;
    HBITMAP mRowColumn = nullptr; // black dots at the grid rows
    HBITMAP mDotColumn = nullptr; // a black dot every pitch
    int mColumnHeight = -1;
    int mColumnBuilds = 0;
    double mScale[2] = {1.0, 0.0};
    LONG mLastRecord = -1;
    DWORD mGridFlags = 0;
    DWORD mDotsAtCrossings = 0;
    LONG mUpperRow = 0, mLowerRow = 0;
    bool mUpperShown = false, mLowerShown = false;
    bool mGridShown = true;
    HBRUSH mBrush = nullptr;
    HGDIOBJ mOldBrush = nullptr;
};

class MetafileGraticuleDrawer : public GraticuleDrawer {
public:
    explicit MetafileGraticuleDrawer(const GraticuleDrawer& other) : GraticuleDrawer(other) {}

protected:
    void StampRows(HDC dc, LONG from, LONG to, int pitch) override;
    void StampColumn(HDC dc, LONG x) override;
    void SelectGridColour(HDC dc, COLORREF colour) override;
    void EndGrid(HDC dc) override;

private:
    HPEN mPen = nullptr;
    HGDIOBJ mOldPen = nullptr;
};

} // namespace StrevDraw
