#pragma once
// The base of everything a two-dimensional graph draws: plotters, annotations
// and the marker controller. It carries the value extents and the
// value-to-pixel maps the graph hands it, a visibility flag, the pixel size of
// the drawing area and the drawing entry point; drawers chained behind it
// (next) are drawn after it.

#include <memory>

#include "platform/gdi/handles.h"
#include "platform/win32/types.h"
#include "plot/PlotData.h"

namespace ZOzuve1 {

// A value-to-pixel map: pixel = (value + offset) * scale + the rectangle's
// left (x) or top (y) edge.
struct ScaleMap {
    double scale = 1.0;
    double offset = 0.0;
    bool operator==(const ScaleMap&) const = default;

    double ToPixel(double value, LONG edge) const { return (value + offset) * scale + edge; }
    double ToValue(double pixel, LONG edge) const { return (pixel - edge) / scale - offset; }
};

enum class Axis { X = 0, Z = 1, Y = 2 };

class GraphDrawer {
public:
    GraphDrawer() = default;
    virtual ~GraphDrawer();
    GraphDrawer(const GraphDrawer&) = delete;
    GraphDrawer& operator=(const GraphDrawer&) = delete;

    // Each stores the extent, then calls its notification.
    virtual void SetXExtent(double min, double max);
    virtual void SetZExtent(double min, double max);
    virtual void SetYExtent(double min, double max);
    // Called after the graph replaced a map (first triple: the pixel maps;
    // second: the scale-origin records).
    virtual void OnMapChanged(Axis axis) {}
    virtual void OnOriginChanged(Axis axis) {}
    // The default writes "You forgot the OnDraw handler" centred on plot.
    virtual void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip);
    // Called after the chained drawers.
    virtual void OnDrawOverlay(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) {}
    virtual void OnXExtentChanged() {}
    virtual void OnZExtentChanged() {}
    virtual void OnYExtentChanged() {}
    virtual void OnPixelSizeChanged() {}

    // OnDraw, then the chained drawer's draw, then OnDrawOverlay.
    void Draw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip);

    // A map the drawer does not own unless told; an owned map it had is freed.
    void SetMap(Axis axis, ScaleMap* map, bool owns = false);
    void SetOrigin(Axis axis, ScaleMap* map, bool owns = false);
    ScaleMap* Map(Axis axis) const { return mMaps[Index(axis)].map; }
    ScaleMap* Origin(Axis axis) const { return mOrigins[Index(axis)].map; }

    void SetPixelSize(int width, int height);
    int PixelWidth() const { return mPixelWidth; }
    int PixelHeight() const { return mPixelHeight; }

    const Extent& XExtent() const { return mX; }
    const Extent& ZExtent() const { return mZ; }
    const Extent& YExtent() const { return mY; }

    bool IsVisible() const { return mVisible; }
    void SetVisible(bool visible) { mVisible = visible; }
    GraphDrawer* Next() const { return mNext; }
    void SetNext(GraphDrawer* next) { mNext = next; }

    // Takes another drawer's extents, maps (never their ownership) and pixel size.
    void CopyDrawerFields(const GraphDrawer& other);

private:
    struct MapSlot {
        ScaleMap* map = nullptr;
        std::unique_ptr<ScaleMap> owned;
    };
    static int Index(Axis axis) { return static_cast<int>(axis); }
    static void Put(MapSlot& slot, ScaleMap* map, bool owns);

    GraphDrawer* mNext = nullptr;
    Extent mX;
    Extent mZ;
    Extent mY;
    MapSlot mMaps[3];
    MapSlot mOrigins[3];
    int mPixelWidth = 0;
    int mPixelHeight = 0;
    bool mVisible = true;
};

// The look of a data series and the pointer to its data.
class Plotter : public GraphDrawer {
public:
    ~Plotter() override;

    virtual COLORREF SetColour(COLORREF colour);
    virtual COLORREF SetFillColour(COLORREF colour);
    virtual void SetLineWidth(float width) { mLineWidth = width; }
    // Returns the previous pen style.
    virtual std::uint32_t SetStyle(std::uint32_t style);
    // Frees owned data that is being replaced.
    virtual void SetPlotData(PlotData* data, std::uint32_t series, bool owns);
    // Writes "Dummy hint"; false for a null record.
    virtual bool GetHint(TrackInfo* info);
    virtual void SyncExtentsToData() {}
    // Whether the data changed since it was last drawn.
    virtual bool IsDataChanged() { return false; }
    // Whether the next paint must rebuild the graph's image.
    virtual bool NeedsRedraw() { return false; }

    COLORREF Colour() const { return mColour; }
    COLORREF FillColour() const { return mFillColour; }
    float LineWidth() const { return mLineWidth; }
    std::uint32_t Style() const { return mStyle; }
    std::uint32_t Series() const { return mSeries; }
    PlotData* Data() const { return mData; }
    bool AlwaysRedraw() const { return mAlwaysRedraw; }
    void SetAlwaysRedraw(bool always) { mAlwaysRedraw = always; }

protected:
    // A pen of the plotter's style and line width.
    HPEN MakePen(COLORREF colour) const;
    // Copies the plotter's x or y extent into the data when it is a proper
    // interval that differs from the data's; the data is then marked modified.
    bool CopyExtentTo(PlotDataBase* data, Axis axis) const;

    std::uint32_t mSeries = 0;
    COLORREF mColour = 255;
    COLORREF mFillColour = 0xFFFF;
    float mLineWidth = 1.0f;
    std::uint32_t mStyle = 0;
    bool mAlwaysRedraw = true;
    bool mOwnsData = false;
    PlotData* mData = nullptr;
};

} // namespace ZOzuve1
