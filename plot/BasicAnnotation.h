#pragma once
// Annotations: drawers that follow the pointer, give hints and take clicks.
// BasicAnnotation is a small mark that snaps to the data point nearest to the
// pointer and carries its hint; drawn by inversion (raster operation 6) it is
// moved by drawing it again, without rebuilding the graph's image.

#include <cstdint>
#include <string>

#include "plot/GraphDrawer.h"
#include "plot/PlotData.h"

namespace ZOzuve1 {

class Annotation : public GraphDrawer {
public:
    // A click at point (pressed at press) inside plot; true when handled.
    virtual bool Click(const RECT& plot, UINT flags, POINT press, POINT point) { return false; }
    // Follows the pointer at (x, y) over plot; true when it has a valid position.
    virtual bool FollowPointer(int x, int y, const RECT& plot) { return false; }
    virtual bool SetPosition(double x, double y) { return true; }
    // Writes the hint into the record; true when there is one.
    virtual bool GetHint(TrackInfo* info) { return false; }
    // The screen under the mark is about to be replaced.
    virtual void ForgetMark() {}
    virtual bool IsInverting() const { return false; }
};

class BasicAnnotation : public Annotation {
public:
    static constexpr int kCopyPen = 13;
    static constexpr int kInvert = 6;
    static constexpr int kCross = 1;

    ~BasicAnnotation() override;

    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;
    // Passes the click to OnIndexClick with the source index.
    bool Click(const RECT& plot, UINT flags, POINT press, POINT point) override;
    bool FollowPointer(int x, int y, const RECT& plot) override;
    bool SetPosition(double x, double y) override;
    bool GetHint(TrackInfo* info) override;
    void ForgetMark() override { mMarkDrawn = false; }
    bool IsInverting() const override { return mRasterOp == kInvert; }
    virtual bool OnIndexClick(int index, const RECT& plot, UINT flags, POINT press, POINT point) {
        return false;
    }
    // The data the mark snaps to; owns: the annotation deletes it.
    virtual void SetSource(PlotData* source, int index, bool owns);

    void SetRasterOp(int rop) { mRasterOp = rop; }
    void SetMarkSize(int pixels) { mMarkSize = pixels; }
    void SetMarkStyle(int style) { mMarkStyle = style; }
    bool IsValid() const { return mValid; }
    double XValue() const { return mX; }
    double YValue() const { return mY; }
    const std::u16string& Hint() const { return mHint; }

private:
    // Hit-tests the source with the record; true when a point with a y value was found.
    bool Refresh(TrackInfo& record);
    void DrawMarker(HDC dc, const RECT& rect);
    void DrawMark(HDC dc, const RECT& rect, int px, int py) const;

    int mRasterOp = kCopyPen;
    int mMarkSize = 3;
    int mMarkStyle = kCross;
    bool mValid = false;
    double mX = -1.7976931348623157e308;
    double mY = -1.7976931348623157e308;
    std::u16string mHint;
    PlotData* mSource = nullptr;
    int mIndex = -1;
    bool mOwnsSource = false;
    bool mShowMark = false;
    POINT mLastMark{0, 0};
    bool mMarkDrawn = false;
};

} // namespace ZOzuve1
