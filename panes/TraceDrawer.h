#pragma once
// Record drawers of a channel strip: the trace as a polyline of segments from
// the data interface's segment source, and the channel's events as dotted
// vertical lines with a round marker at their top.

#include "panes/DrawerBase.h"
#include "platform/gdi/Color.h"
#include "platform/vantrel/IRecordDrawing.h"

namespace StrevDraw {

class PolyLineTraceDrawer : public DrawerBase {
public:
    PolyLineTraceDrawer(LONG channel, DWORD selector, COLORREF colour = RGB(0, 0, 255), int lineWidth = 1);

    HRESULT SetSource(LONG reserved, IUnknown* source) override;
    HRESULT GetLayout(IDrawerDataPane* pane, DWORD* layer, LONG* left, LONG* right) override;
    HRESULT QueryDataByPosition(DWORD_PTR pane, LONGLONG position, double* value, LONG* valid) override;
    HRESULT SetViewRect(DWORD_PTR pane, LONG a, const double* scale, IUnknown* grid) override;
    HRESULT Invalidate(DWORD what) override;
    HRESULT Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                 const RECT* clip, DWORD flags, const TimeAxisLayout* layout,
                 const RecordTime* recordTime) override;
    HRESULT Activate(DWORD_PTR pane, DWORD on) override;
    HRESULT GetExtent(LONGLONG position, LONGLONG count, LONGLONG* extent) override;
    HRESULT Deactivate(LONG a, LONG b) override;
    HRESULT HitTest(DWORD kind, DWORD_PTR pane, LONG x, LONG y, LONG* result) override;
    HRESULT GetPaneId(DWORD_PTR* pane) override;
    HRESULT ReleaseSources() override;

    void SetColour(COLORREF colour, int lineWidth) {
        mColour = colour;
        mLineWidth = lineWidth;
    }
    bool KeepsSegments() const { return static_cast<bool>(mSegments); }

protected:
    // Draws up to count positions from the segment source's position at column x; the
    // number of positions drawn.
    virtual LONGLONG DrawSegments(HDC dc, LONGLONG count, LONG x, DWORD colourMode, LONG record);

private:
    bool ForThisPane(DWORD_PTR pane) const { return mPaneId == 0 || pane == mPaneId; }
    DWORD SegmentKey() const;

    DWORD_PTR mPaneId = 0;
    COLORREF mColour;
    int mLineWidth;
    double mScale[2] = {1.0, 0.0};
    ComPtr<ISegmentSource> mSegments;
    LONGLONG mExtentOffset = 0;
};

class EventDrawer : public DrawerBase {
public:
    EventDrawer(LONG channel, DWORD selector);

    HRESULT GetLayout(IDrawerDataPane* pane, DWORD* layer, LONG* left, LONG* right) override;
    HRESULT QueryDataByPosition(DWORD_PTR, LONGLONG, double* value, LONG*) override;
    HRESULT QueryData(LONGLONG position, double* value) override;
    HRESULT SetViewRect(DWORD_PTR, LONG, const double*, IUnknown*) override { return S_OK; }
    HRESULT Invalidate(DWORD what) override;
    HRESULT Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                 const RECT* clip, DWORD flags, const TimeAxisLayout* layout,
                 const RecordTime* recordTime) override;
    HRESULT Activate(DWORD_PTR pane, DWORD on) override;
    HRESULT GetExtent(LONGLONG position, LONGLONG count, LONGLONG* extent) override;
    HRESULT HitTest(DWORD, DWORD_PTR, LONG, LONG, LONG*) override { return S_FALSE; }
    HRESULT ReleaseSources() override;

    double LastEventPosition() const { return mLastEventPosition; }

private:
    double mLastEventPosition = -1.0;
    ComPtr<IEventEnumerator> mEvents;
    LONG mLastRecord = -1;
};

// Draw flags of the record drawers: drop kept sources before drawing, keep them after.
inline constexpr DWORD kDrawDropSources = 0x8000000u;
inline constexpr DWORD kDrawKeepSources = 0x80000000u;

} // namespace StrevDraw
