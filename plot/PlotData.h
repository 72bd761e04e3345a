#pragma once
// What a plotter draws. The owner of the numbers (a graph view) implements the
// data interfaces and hands out pointers to its own arrays at drawing time;
// nothing is copied per draw. The x-y data also keeps the pixel-bin grid:
// while a plotter draws a series it records, for every pixel that received a
// point, the last point drawn there, so that the mouse finds the data point
// under it by searching a few hundred pixels instead of the data.

#include <cfloat>
#include <climits>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/gdi/Color.h"
#include "platform/win32/types.h"

namespace ZOzuve1 {

// A value interval; (-DBL_MAX, +DBL_MAX) means unbounded.
struct Extent {
    double min = -DBL_MAX;
    double max = DBL_MAX;
    bool operator==(const Extent&) const = default;
};

// The record a hit test fills. Mouse coordinates are relative to the plot
// rectangle's top-left corner when the record is used for a hit test.
struct TrackInfo {
    std::int32_t mouseX = 0;
    std::int32_t mouseY = 0;
    RECT plot{0, 0, 0, 0};
    RECT area{0, 0, 0, 0};
    double x = 0.0;
    double y = 0.0;
    std::u16string hint;
    std::uint32_t index = 0;
    bool found = false;
};

class PlotData {
public:
    virtual ~PlotData() = default;
    // index is the caller's source index.
    virtual bool HitTest(int index, TrackInfo* info) { return false; }
    virtual bool IsModified() const { return mModified; }
    // true also raises redrawPending and hitTestStale.
    virtual bool SetModified(bool modified);
    virtual void ClearModified() { mModified = false; }

    bool RedrawPending() const { return mRedrawPending; }
    void ClearRedrawPending() { mRedrawPending = false; }
    bool HitTestStale() const { return mHitTestStale; }

protected:
    bool mModified = false;
    bool mRedrawPending = false;
    bool mHitTestStale = false;
};

// Plotters copy their own extents here.
class PlotDataBase : public PlotData {
public:
    Extent xExtent;
    Extent zExtent;
    Extent yExtent;
};

// The record of one occupied pixel: the point's data values, its index in the
// owner's numbering, the draw counter when it was binned and its colour.
struct PlotBin {
    std::int32_t id = -1;
    double x = 0.0;
    double y = 0.0;
    std::uint32_t index = 0;
    std::uint32_t drawSerial = 0;
    COLORREF colour = 0;
};

// The extent the legend pass of the x-y plotter covered. Maxima start at
// -INT_MAX, not INT_MIN.
struct LegendBounds {
    std::int32_t left = INT_MAX;
    std::int32_t right = -INT_MAX;
    std::int32_t top = INT_MAX;
    std::int32_t bottom = -INT_MAX;
    std::int32_t rowExtent = -INT_MAX;
};

class XYCPlotDataBase : public PlotDataBase {
public:
    // Nearest bin within 20 pixels of the record's mouse position; copies its
    // values and index into the record. Clears the found flag and hitTestStale.
    bool HitTest(int index, TrackInfo* info) override;

    // Opens the grid for a draw of width x height pixels; the same size keeps
    // the bins, another size clears them. *out receives 0. Fails for an empty
    // size or while a binning is open.
    virtual bool BeginBinning(int width, int height, int* out);
    virtual void EndBinning() { mBinning = false; }
    virtual void ClearBins() { mBins.clear(); }
    // The occupied cell nearest to (x, y) with distance squared below
    // radius squared; ties keep the first cell in row-major order.
    virtual bool FindNearestBin(int x, int y, int radius, PlotBin* out);
    // Cells outside the grid are empty and ignore writes.
    virtual bool GetBin(int column, int row, PlotBin* out);
    virtual void SetBin(int column, int row, double x, double y, std::uint32_t index, COLORREF colour,
                        std::uint32_t drawSerial);
    virtual void SetBinRecord(int column, int row, const PlotBin& bin);
    // Only into an empty cell.
    virtual void AddBinRecord(int column, int row, const PlotBin& bin);

    std::u16string GetName() const { return mName; }
    void SetName(std::u16string name) { mName = std::move(name); }
    int GridWidth() const { return mGridWidth; }
    int GridHeight() const { return mGridHeight; }
    std::size_t BinCount() const { return mBins.size(); }
    bool Binning() const { return mBinning; }

    // Set by the data's owner, read by the x-y plotter.
    std::int32_t legendSlot = -1;
    LegendBounds legendBounds;
    static constexpr double kNoHighlight = 2147483647.0;
    double highlightX = kNoHighlight;
    double highlightY = kNoHighlight;
    std::uint32_t highlightScale = 0;
    COLORREF highlightColour = 0;
    // When set and the data is not modified, the next draw refills the grid
    // without clearing it first; the draw clears it.
    bool keepBins = false;

    static constexpr int kHitRadius = 20;

private:
    bool InGrid(int column, int row) const;
    std::uint32_t Key(int column, int row) const;

    bool mBinning = false;
    std::unordered_map<std::uint32_t, PlotBin> mBins;
    std::u16string mName;
    int mGridWidth = -1;
    int mGridHeight = -1;
};

// Drawing flags that GetData hands out.
inline constexpr std::uint32_t kDrawMarkers = 0x1;
inline constexpr std::uint32_t kDrawLines = 0x2;
inline constexpr std::uint32_t kDrawLegend = 0x4;
inline constexpr std::uint32_t kShapeMask = 0x7F8; // bits 3 to 10: the marker shape
inline constexpr std::uint32_t kNoBinning = 0x1000;

// x-y-colour data over value and colour arrays of the owner.
template <class Value, class Colour> class XYCPlotDataCore : public XYCPlotDataBase {
public:
    // The series' point count, the index of its first point, the x and y
    // arrays, a per-point colour array or null plus one colour, and the flags.
    // False: nothing to draw.
    virtual bool GetData(int series, int* count, int* firstIndex, Value** xs, Value** ys, Colour** colours,
                         COLORREF* colour, std::uint32_t* flags) = 0;
    // False abandons a full redraw (an owner whose redraw ran too long).
    virtual bool CanDraw(int series) { return true; }
};

class XYCPlotData : public XYCPlotDataCore<const float, const COLORREF> {};

// Values read through iterators, a chunk at a time.
template <class T> class GraphValueIterator {
public:
    virtual ~GraphValueIterator() = default;
    // Reads up to count values from position into buffer; returns how many.
    virtual int Read(int position, int count, T* buffer) = 0;
};
using GraphFloatIterator = GraphValueIterator<float>;
using GraphColorrefIterator = GraphValueIterator<COLORREF>;

class XYCPlotData2 : public XYCPlotDataBase {
public:
    // As XYCPlotData::GetData; colours are read only when colourStride is positive.
    virtual bool GetData(int series, int* count, int* firstIndex, GraphFloatIterator** xs,
                         GraphFloatIterator** ys, GraphColorrefIterator** colours, int* colourStride,
                         COLORREF* colour, std::uint32_t* flags) = 0;
    virtual bool CanDraw(int series) { return true; }
};

// A reference glyph of the glyph plotter.
enum GlyphKind : std::int32_t {
    kGlyphArrow = 0,             // a downward arrow on the top edge at x
    kGlyphHorizontal = 1,        // a full-width line at y
    kGlyphVertical = 2,          // a full-height line at x
    kGlyphHorizontalSegment = 4, // from x to x2 at y
    kGlyphSegment = 5,           // from (x, y) to (x2, y2)
};

struct GlyphRecord {
    double x = 0.0;
    double y = 0.0;
    double x2 = 0.0;
    double y2 = 0.0;
    std::int32_t kind = kGlyphArrow;
    COLORREF colour = 0;
    std::u16string label;
    bool ruled = false; // a free segment gets a dashed guide first
};

// Function record flags.
inline constexpr std::uint32_t kClipToXMin = 0x80000000u;
inline constexpr std::uint32_t kClipToXMax = 0x40000000u;

// A fitted curve. Polynomial: f(x) = c0 + sum over k >= 1 of
// ck * x * (powerScale * x)^(k - 1); exponential: f(x) = c0 * exp(c1 * x).
struct FunctionRecord {
    std::uint32_t flags = 0;
    COLORREF colour = 0;
    double xMin = 0.0;
    double xMax = 0.0;
    std::vector<double> coefficients;
    double powerScale = 1.0;
    std::u16string label;
    std::uint32_t labelFlags = 0; // text alignment of the label
    // Label position in points from the plot rectangle's top-left corner.
    double labelX = 0.0;
    double labelY = 0.0;
};

class GlyphPlotData : public PlotDataBase {
public:
    bool HitTest(int, TrackInfo*) override { return false; }
    virtual bool GetGlyphs(int series, int* count, const GlyphRecord** records) {
        *count = 0;
        return false;
    }
    virtual bool GetFunctions(int series, int* count, const FunctionRecord** records) {
        *count = 0;
        return false;
    }
};

class FunctionGlyphPlotData : public GlyphPlotData {};

} // namespace ZOzuve1
