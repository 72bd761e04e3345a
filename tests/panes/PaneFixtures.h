#pragma once
// A lane owner that records what lanes ask of it, and a drawer that fills its
// strip with one colour and records its Draw calls.

#include <vector>

#include "panes/ChildPaneBase.h"
#include "panes/DrawerBase.h"
#include "platform/gdi/gdi.h"

namespace panes_test {

struct FakeOwner : StrevDraw::LaneOwner {
    IDrawerDataPane* DrawerData() override { return nullptr; }
    bool DrawsBuffered() const override { return buffered; }
    bool IsSampling() const override { return sampling; }
    DWORD OptionWord() const override { return 0x80000000u; }
    bool TakeNewRecordFlag() override { return false; }
    void MarkAllLanesDirty() override {}
    void InvalidateLane(const RECT& r) override { invalidated.push_back(r); }
    void ScrollLaneRegion(int dx, const RECT&) override { scrolled.push_back(dx); }
    LONG ColumnOfPosition(LONGLONG position) const override {
        return static_cast<LONG>(position) + columnShift;
    }

    bool buffered = true;
    bool sampling = false;
    LONG columnShift = 0;
    std::vector<RECT> invalidated;
    std::vector<int> scrolled;
};

struct DrawCall {
    LONGLONG from, to;
    LONG x;
};

class FillDrawer : public StrevDraw::DrawerBase {
public:
    FillDrawer(DWORD kind, COLORREF colour, LONG overhang = 0)
        : DrawerBase(kind, 0, -1, StrevDraw::kNoSelector, StrevDraw::kNoChannel, StrevDraw::kNoSelector),
          mColour(colour), mOverhang(overhang) {}
    HRESULT GetLayout(IDrawerDataPane*, DWORD* layer, LONG* left, LONG* right) override {
        if (layer)
            *layer = 0;
        if (left)
            *left = mOverhang;
        if (right)
            *right = mOverhang;
        return S_OK;
    }
    HRESULT QueryDataByPosition(DWORD_PTR, LONGLONG, double*, LONG*) override { return S_FALSE; }
    HRESULT SetViewRect(DWORD_PTR, LONG, const double*, IUnknown*) override { return S_OK; }
    HRESULT Invalidate(DWORD) override { return S_OK; }
    HRESULT Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG, LONG, LONG x, const RECT*, DWORD,
                 const TimeAxisLayout*, const RecordTime*) override {
        calls.push_back({from, to, x});
        HBRUSH brush = CreateSolidBrush(mColour);
        const RECT r{x, 0, x + static_cast<LONG>(to - from), Bounds().bottom - Bounds().top};
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        return S_OK;
    }
    HRESULT HitTest(DWORD, DWORD_PTR, LONG, LONG, LONG*) override { return S_FALSE; }

    std::vector<DrawCall> calls;

private:
    COLORREF mColour;
    LONG mOverhang;
};

class Lane : public StrevDraw::ChildPaneBase {
public:
    using ChildPaneBase::ChildPaneBase;
    void LoadLaneState(Ovo::BinIStream&) override {}
    void SaveLaneState(Ovo::BinOStream&) override {}
};

// A memory device context over a white bitmap.
struct Canvas {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap;
    HGDIOBJ old;
    Canvas(int width, int height) {
        bitmap = CreateBitmap(width, height, 1, 32, nullptr);
        old = SelectObject(dc, bitmap);
        const RECT all{0, 0, width, height};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Canvas() {
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
};

} // namespace panes_test
