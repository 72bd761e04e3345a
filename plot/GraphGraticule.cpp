#include "plot/GraphGraticule.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/gdi/gdi.h"

namespace ZOzuve1 {
namespace {

constexpr double kMaxLines = 10000.0;

// The ticks a strip hands out, or none when it has no tick interface.
struct StripTicks {
    ComPtr<IScaleStripTicks> ticks;
    RECT rect{0, 0, 0, 0};
    std::vector<ScaleTick> entries;
};

StripTicks ReadTicks(IUnknown* strip) {
    StripTicks t;
    t.ticks = QueryInterfacePtr<IScaleStripTicks>(strip, IID_IScaleStripTicks);
    if (t.ticks)
        t.ticks->GetStripRect(&t.rect);
    return t;
}

void Fill(StripTicks& t) {
    LONG count = 0;
    t.ticks->GetTickCount(&count);
    if (count <= 0)
        return;
    t.entries.assign(static_cast<std::size_t>(count), ScaleTick{});
    LONG returned = 0;
    t.ticks->GetTicks(count, t.entries.data(), &returned);
    t.entries.resize(static_cast<std::size_t>(std::clamp<LONG>(returned, 0, count)));
}

// The strip's last grid-line offset and step, when it has a usable grid.
bool GridLines(IUnknown* object, double& last, double& step) {
    auto strip = QueryInterfacePtr<IScaleStrip>(object, IID_IScaleStrip);
    LONG word = 0;
    last = 0.0;
    step = 0.0;
    if (!strip || FAILED(strip->GetGridLines(&word, &last, &step)))
        return false;
    return step < 0.0 && last / -step <= kMaxLines;
}

// edge + o truncated, for o = last, last + step, ... while o >= 0 (at most
// kMaxLines + 1 of them), where that is at most limit.
std::vector<int> Offsets(LONG edge, double last, double step, std::int64_t limit) {
    std::vector<int> result;
    for (double o = last; o >= 0.0; o += step)
        if (o <= static_cast<double>(limit - edge))
            result.push_back(static_cast<int>(edge + static_cast<std::int64_t>(o)));
    return result;
}

class DottedPen {
public:
    DottedPen(HDC dc, COLORREF colour) : mDc(dc), mPen(CreatePen(PS_DOT, 0, colour)) {
        mOld = SelectObject(dc, mPen);
    }
    ~DottedPen() {
        SelectObject(mDc, mOld);
        DeleteObject(mPen);
    }
    DottedPen(const DottedPen&) = delete;
    DottedPen& operator=(const DottedPen&) = delete;

private:
    HDC mDc;
    HPEN mPen;
    HGDIOBJ mOld;
};

} // namespace

GraphGraticule::GraphGraticule(IUnknown* x, IUnknown* y, const GraphDisplayInfo& info) : mInfo(info) {
    SetScaleObjects(x, y);
}

void GraphGraticule::SetScaleObjects(IUnknown* x, IUnknown* y) {
    mX = ComPtr<IUnknown>(x);
    mY = ComPtr<IUnknown>(y);
}

bool GraphGraticule::Misses(const RECT* clip) const {
    if (clip == nullptr)
        return false;
    return clip->left >= mRect.right || mRect.left >= clip->right || clip->top >= mRect.bottom ||
           mRect.top >= clip->bottom;
}

void GraphGraticule::Draw(HDC dc, HDC, const RECT* clip) {
    StripTicks x = ReadTicks(mX.Get());
    StripTicks y = ReadTicks(mY.Get());
    if (!x.ticks || !y.ticks) {
        if (!Misses(clip))
            DrawFallback(dc);
        return;
    }
    if (x.rect.right - x.rect.left < 2 || y.rect.bottom - y.rect.top < 2)
        return;
    Fill(x);
    Fill(y);
    if (Misses(clip))
        return;
    if (!x.entries.empty() && !y.entries.empty())
        DrawTicks(dc, x.entries.data(), static_cast<int>(x.entries.size()), y.entries.data(),
                  static_cast<int>(y.entries.size()));
    else
        DrawFallback(dc);
}

void GraphGraticule::DrawTicks(HDC dc, const ScaleTick* xs, int nx, const ScaleTick* ys, int ny) const {
    const auto inX = [this](std::int64_t X) { return mRect.left <= X && X < mRect.right; };
    const auto inY = [this](std::int64_t Y) { return mRect.top <= Y && Y < mRect.bottom; };
    if (mInfo.dotted != 0) {
        for (int i = 0; i < nx; ++i)
            for (int j = 0; j < ny; ++j) {
                const std::int64_t X = std::int64_t{mRect.left} + xs[i].offset;
                const std::int64_t Y = std::int64_t{mRect.top} + ys[j].offset;
                if (inX(X) && inY(Y))
                    SetPixel(dc, static_cast<int>(X), static_cast<int>(Y), mInfo.colour);
            }
        return;
    }
    DottedPen pen(dc, mInfo.colour);
    for (int i = 0; i < nx; ++i) {
        const std::int64_t X = std::int64_t{mRect.left} + xs[i].offset;
        if (!inX(X))
            continue;
        MoveToEx(dc, static_cast<int>(X), mRect.top, nullptr);
        LineTo(dc, static_cast<int>(X), mRect.bottom);
    }
    for (int j = 0; j < ny; ++j) {
        const std::int64_t Y = std::int64_t{mRect.top} + ys[j].offset;
        if (!inY(Y))
            continue;
        MoveToEx(dc, mRect.left, static_cast<int>(Y), nullptr);
        LineTo(dc, mRect.right, static_cast<int>(Y));
    }
}

void GraphGraticule::DrawFallback(HDC dc) const {
    if (!mX || !mY)
        return;
    double sx = 0.0, dx = 0.0, sy = 0.0, dy = 0.0;
    if (!GridLines(mX.Get(), sx, dx) || !GridLines(mY.Get(), sy, dy))
        return;
    const std::vector<int> xs = Offsets(mRect.left, sx, dx, mRect.right);
    const std::vector<int> ys = Offsets(mRect.top, sy, dy, INT_MAX);
    if (mInfo.dotted != 0) {
        // Dots are bounded on x only.
        for (int X : xs)
            for (int Y : ys)
                SetPixel(dc, X, Y, mInfo.colour);
        return;
    }
    DottedPen pen(dc, mInfo.colour);
    for (int X : xs) {
        MoveToEx(dc, X, mRect.top, nullptr);
        LineTo(dc, X, mRect.bottom);
    }
    for (int Y : ys) {
        if (Y > mRect.bottom)
            continue;
        MoveToEx(dc, mRect.left, Y, nullptr);
        LineTo(dc, mRect.right, Y);
    }
}

} // namespace ZOzuve1
