#pragma once
// The x-y-colour plotters: a series as pixels or markers, with connecting
// lines, a legend block and a highlighted point. Every point drawn inside the
// plot is recorded in the data's pixel-bin grid for mouse tracking.
// XYCPlotter draws from the owner's arrays; XYCPlotter2 reads iterators in
// chunks of 128 values.

#include <cstdint>
#include <vector>

#include "plot/GraphDrawer.h"
#include "plot/PlotData.h"

namespace ZOzuve1 {

// The library-wide draw counter: each x-y draw takes the next value and
// stores it in the bins it fills.
std::uint32_t NextDrawSerial();

// A scoped clip: the first Intersect saves the context (or only marks it
// clipped), Restore puts back what was there.
class ClipScope {
public:
    ClipScope(HDC dc, bool saveDc) : mDc(dc), mSaveDc(saveDc) {}
    ~ClipScope() { Restore(); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

    void Intersect(const RECT& rect);
    void Restore();

private:
    HDC mDc;
    bool mSaveDc;
    bool mClipped = false;
    int mSaved = 0;
};

class XYCPlotterBase : public Plotter {
public:
    // Copy the plotter's extent into its data when it is a proper interval
    // that differs from the data's; the data is then marked modified.
    void OnXExtentChanged() override;
    void OnYExtentChanged() override;
    void SyncExtentsToData() override;
    // No data, or data not drawn since it changed.
    bool IsDataChanged() override;
    bool NeedsRedraw() override;
    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;

    XYCPlotDataBase* GetXYCPlotDataBase() const { return dynamic_cast<XYCPlotDataBase*>(mData); }

    double markerWidthPt = 2.0;
    double markerHeightPt = 2.0;

protected:
    struct Series {
        int count = 0;
        int firstIndex = 0;
        COLORREF colour = 0;
        std::uint32_t flags = 1;
    };
    struct Chunk {
        int count = 0;
        const float* xs = nullptr;
        const float* ys = nullptr;
        const COLORREF* colours = nullptr; // null: the series colour
    };

    // Asks the data for the series (CanDraw first when asked); false ends the draw.
    virtual bool OpenSeries(bool askCanDraw, Series& series) = 0;
    // The points from position on, as many as the plotter hands out at once.
    virtual Chunk NextChunk(int position) = 0;

private:
    struct Context;
    void DrawCore(HDC dc, const Context& context);
    void DrawPoint(HDC dc, const Context& context, double px, double py) const;
    void DrawMarker(HDC dc, std::uint32_t flags, int cx, int cy, int w, int h, COLORREF colour) const;
    void DrawHighlight(HDC dc, const Context& context) const;
    void DrawLegend(HDC dc, const Context& context) const;
};

class XYCPlotter : public XYCPlotterBase {
public:
    XYCPlotData* GetXYCPlotData() const { return dynamic_cast<XYCPlotData*>(mData); }

protected:
    bool OpenSeries(bool askCanDraw, Series& series) override;
    Chunk NextChunk(int position) override;

private:
    const float* mXs = nullptr;
    const float* mYs = nullptr;
    const COLORREF* mColours = nullptr;
};

class XYCPlotter2 : public XYCPlotterBase {
public:
    static constexpr int kChunk = 128;
    XYCPlotData2* GetXYCPlotData() const { return dynamic_cast<XYCPlotData2*>(mData); }

protected:
    bool OpenSeries(bool askCanDraw, Series& series) override;
    Chunk NextChunk(int position) override;

private:
    GraphFloatIterator* mXs = nullptr;
    GraphFloatIterator* mYs = nullptr;
    GraphColorrefIterator* mColours = nullptr;
    int mCount = 0;
    std::vector<float> mXBuffer;
    std::vector<float> mYBuffer;
    std::vector<COLORREF> mColourBuffer;
};

} // namespace ZOzuve1
