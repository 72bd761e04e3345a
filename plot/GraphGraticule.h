#pragma once
// The grid behind a graph's plotters: dotted lines, or dots at the crossings,
// at the tick positions of the x and y scale strips.

#include <cstdint>

#include "platform/gdi/Color.h"
#include "platform/gdi/handles.h"
#include "platform/vantrel/GraphService.h"
#include "platform/win32/com_ptr.h"

namespace ZOzuve1 {

// The graticule's look, filled from the host's display settings.
class GraphDisplayInfo {
public:
    virtual ~GraphDisplayInfo() = default;
    bool operator==(const GraphDisplayInfo&) const = default;

    std::uint32_t word1 = 1; // not read by the graticule
    std::uint32_t word2 = 175;
    COLORREF colour = 0xFFAFAF;
    std::uint32_t dotted = 0; // 0: dotted lines; otherwise dots at the crossings
    bool shown = true;
};

class GraphGraticule {
public:
    GraphGraticule() = default;
    GraphGraticule(IUnknown* x, IUnknown* y, const GraphDisplayInfo& info);
    virtual ~GraphGraticule() = default;

    // Takes a reference to each and releases the previous ones.
    void SetScaleObjects(IUnknown* x, IUnknown* y);
    void SetRect(const RECT& rect) { mRect = rect; }
    const RECT& Rect() const { return mRect; }
    void SetDisplayInfo(const GraphDisplayInfo& info) { mInfo = info; }
    const GraphDisplayInfo& DisplayInfo() const { return mInfo; }
    IUnknown* XObject() const { return mX.Get(); }
    IUnknown* YObject() const { return mY.Get(); }

    // Draws the tick grid, or without ticks the strips' own grid lines;
    // nothing when a clip rectangle misses the grid rectangle.
    virtual void Draw(HDC dc, HDC attributeDc, const RECT* clip);

private:
    void DrawTicks(HDC dc, const ScaleTick* xs, int nx, const ScaleTick* ys, int ny) const;
    void DrawFallback(HDC dc) const;
    bool Misses(const RECT* clip) const;

    RECT mRect{0, 0, 0, 0};
    ComPtr<IUnknown> mX;
    ComPtr<IUnknown> mY;
    GraphDisplayInfo mInfo;
    std::uint32_t mWord = 2;
};

} // namespace ZOzuve1
