#pragma once
// A point marker of the tests' own (the system makes none): it lies at its
// current position, is hit within its tolerance by pixel distance and drawn
// as a small cross; it counts its hooks.

#include <cfloat>
#include <cmath>
#include <vector>

#include "platform/gdi/gdi.h"
#include "plot/Queen.h"

namespace PlotTest {

template <class Kind = ZOzuve1::Queen> class TestMarker : public Kind {
public:
    explicit TestMarker(std::uint32_t id, ZOzuve1::DPoint at = {}) {
        this->markerId = id;
        this->committed = this->current = at;
    }
    ~TestMarker() override {
        if (deleted != nullptr)
            ++*deleted;
    }

    double Distance(POINT p) const override {
        const ZOzuve1::ScaleMap* x = this->Map(ZOzuve1::Axis::X);
        const ZOzuve1::ScaleMap* y = this->Map(ZOzuve1::Axis::Y);
        const double d =
            std::hypot(x->ToPixel(this->current.x, 0) - p.x, y->ToPixel(this->current.y, 0) - p.y);
        return d <= this->hitTolerance ? d : DBL_MAX;
    }
    void OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) override {
        ++draws;
        const ZOzuve1::ScaleMap* x = this->Map(ZOzuve1::Axis::X);
        const ZOzuve1::ScaleMap* y = this->Map(ZOzuve1::Axis::Y);
        if (dc == nullptr || x == nullptr || y == nullptr)
            return;
        const int px = static_cast<int>(x->ToPixel(this->current.x, plot.left));
        const int py = static_cast<int>(y->ToPixel(this->current.y, plot.top));
        MoveToEx(dc, px - 4, py, nullptr);
        LineTo(dc, px + 5, py);
        MoveToEx(dc, px, py - 4, nullptr);
        LineTo(dc, px, py + 5);
    }
    void PrepareDraw() override { ++prepares; }
    void OnBeginTrack() override { ++begins; }
    void OnMoved() override { ++moves; }
    void OnEndTrack() override { ++ends; }
    void SetState(int s) override { state = s; }

    int draws = 0, prepares = 0, begins = 0, moves = 0, ends = 0, state = 0;
    int* deleted = nullptr;
};

} // namespace PlotTest
