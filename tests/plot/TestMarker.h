#pragma once
// A point marker of the tests' own (the system makes none): it lies at its
// current position and is hit by pixel distance; it counts its hooks and
// records the messages it sends.

#include <cmath>
#include <vector>

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
        return std::hypot(x->ToPixel(this->current.x, 0) - p.x, y->ToPixel(this->current.y, 0) - p.y);
    }
    void OnDraw(HDC, HDC, const RECT&, const RECT&) override { ++draws; }
    void PrepareDraw() override { ++prepares; }
    void OnBeginTrack() override { ++begins; }
    void OnMoved() override { ++moves; }
    void OnEndTrack() override { ++ends; }
    void SetState(int s) override { state = s; }

    int draws = 0, prepares = 0, begins = 0, moves = 0, ends = 0, state = 0;
    int* deleted = nullptr;
};

} // namespace PlotTest
