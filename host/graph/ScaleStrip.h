#pragma once
// A scale strip of the host's graph service: the strip beside one axis of a
// graph. How it works is the host's own choice, as follows.
//
// The strip keeps the axis's visible interval (x0, x1) and its rectangle
// (the graph's coordinates). Values map to pixels across the strip's length:
// on x, scale = width / (x1 - x0) and offset = -x0, so x0 lies at the plot's
// left edge; on y, scale = -height / (y1 - y0) and offset = -y1, so y1 lies at
// the plot's top. Ticks fall on the multiples of the smallest 1-2-5 step
// (1, 2 or 5 times a power of ten) that keeps them at least 40 pixels apart on
// x and 25 on y; each is labelled with as many decimals as the step needs, in
// the pinned font. The axis title and its unit in parentheses sit beyond the
// labels, the y title turned a quarter turn up.
//
// A strip made with a window (the service's operation 7) takes the mouse: a
// drag pans the axis by the pointer's travel (its observers hear begin, a
// scaling change for each move, end), a double click asks for automatic
// scaling; setting its interval tells the observers of the new scaling. A
// strip without a window (operation 8) only answers its operations.

#include <string>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/user/handles.h"
#include "platform/vantrel/GraphService.h"
#include "platform/win32/olewindow.h"

namespace Vantrel {

class ScaleStrip : public ComObject<IScaleStrip, IScaleStripTicks, IScaleStripSpan, IOleWindow> {
public:
    // axisX: the strip lies under the plot (else left of it); style is the
    // word its style operations answer; id is the value its call-backs carry.
    ScaleStrip(bool axisX, DWORD style, DWORD id);
    // Creates the strip's window, a child of parent with the strip's id.
    bool CreateWindowIn(HWND parent);

    static constexpr int kMinTickSpacingX = 40;
    static constexpr int kMinTickSpacingY = 25;
    static constexpr int kTickLength = 4;

    // The interval as (x0, x1), the step between ticks and the tick values.
    double X0() const { return mX0; }
    double X1() const { return mX1; }
    double TickStep() const;
    std::vector<double> TickValues() const;
    std::u16string Title() const { return mTitle; }
    std::u16string Unit() const { return mUnit; }
    ScalePair Limits() const { return mLimits; }
    ScalePair Bounds() const { return mBounds; }
    const RECT& Rect() const { return mRect; }
    HWND Window() const { return mWindow; }
    int Observers() const { return static_cast<int>(mObservers.size()); }
    // The text of a tick label.
    std::u16string Label(double value) const;

    // IScaleStrip
    HRESULT SetOriginAndTitle(const ScalePair* origin, const WCHAR* title) override;
    HRESULT GetOriginAndTitle(ScalePair* origin, BSTR* title) override;
    HRESULT SetInterval(const ScalePair* interval) override;
    HRESULT GetInterval(ScalePair* interval) override;
    HRESULT SetRect(const RECT* rect) override;
    HRESULT GetTransform(ScalePair* transform) override;
    HRESULT Refresh(LONG what) override;
    HRESULT GetGridLines(LONG* word, double* lastOffset, double* step) override;
    HRESULT SetUnit(const WCHAR* unit) override;
    HRESULT Show(VARIANT_BOOL show) override;
    HRESULT Draw(HDC dc, HDC attributeDc, VARIANT_BOOL intoImage) override;
    HRESULT SetLimits(const ScalePair* limits) override;
    HRESULT AddObserver(IDragScaleObserver* observer) override;
    HRESULT RemoveObserver(IDragScaleObserver* observer) override;
    HRESULT SetBounds(double second, double first) override;
    HRESULT SetMinSpan(const ScalePair* span) override;
    HRESULT GetStyle(DWORD* style) override;
    HRESULT SetStyle(DWORD style) override;
    HRESULT GetDragLink(LONG reserved, IUnknown** link) override;
    // IScaleStripTicks
    HRESULT GetTickCount(LONG* count) override;
    HRESULT GetTicks(LONG capacity, ScaleTick* ticks, LONG* returned) override;
    HRESULT GetStripRect(RECT* rect) override;
    // IScaleStripSpan
    HRESULT SetSpan(double span, double start) override;
    // IOleWindow
    HRESULT GetWindow(HWND* window) override;
    HRESULT ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // The window's messages (its procedure passes them here).
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    ~ScaleStrip() override;
    void* find(REFIID iid) override;

private:
    int Length() const;
    // The value-to-pixel transform over the strip's length.
    ScalePair Transform() const;
    std::vector<ScaleTick> Ticks() const;
    std::u16string Caption() const;
    void DrawX(HDC dc, HFONT font) const;
    void DrawY(HDC dc, HFONT font) const;
    void Repaint() const;
    template <class Call> void Notify(Call call);
    void Pan(int pixels);
    void EndDrag();

    bool mAxisX;
    DWORD mStyle;
    DWORD mId;
    double mX0 = 0.0;
    double mX1 = 1.0;
    ScalePair mOrigin{1.0, 0.0};
    std::u16string mTitle;
    std::u16string mUnit;
    ScalePair mLimits{1.0, 0.0};
    ScalePair mBounds{1.0, -1.0};
    ScalePair mMinSpan{0.0, 0.0};
    RECT mRect{0, 0, 0, 0};
    bool mShown = true;
    std::vector<IDragScaleObserver*> mObservers;
    HWND mWindow = nullptr;
    bool mDragging = false;
    POINT mDragFrom{0, 0};
};

} // namespace Vantrel
