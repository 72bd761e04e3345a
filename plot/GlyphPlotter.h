#pragma once
// Reference glyphs a graph view supplies (arrows on the top edge, full-width
// and full-height rules, horizontal and free segments, optionally labelled),
// and fitted curves sampled at every pixel column.

#include <cstdint>

#include "plot/GraphDrawer.h"
#include "plot/PlotData.h"

namespace ZOzuve1 {

class GlyphPlotter : public Plotter {
public:
    static constexpr int kCopyPen = 13;

    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;
    void OnXExtentChanged() override;
    void OnYExtentChanged() override;

    GlyphPlotData* GetGlyphPlotData() const { return dynamic_cast<GlyphPlotData*>(mData); }

    int rasterOp = kCopyPen;

protected:
    // Selects the stock black pen and brush, the raster operation and the
    // winding fill mode for the scope, with a pen of 0xFFFF00 to start with.
    class DrawScope {
    public:
        DrawScope(HDC dc, const GlyphPlotter& plotter, int rop);
        ~DrawScope();
        DrawScope(const DrawScope&) = delete;
        DrawScope& operator=(const DrawScope&) = delete;
        // A pen of the plotter's style in colour, made when the colour changes.
        void Use(COLORREF colour);

    private:
        HDC mDc;
        const GlyphPlotter& mPlotter;
        HGDIOBJ mOldPen;
        HGDIOBJ mOldBrush;
        int mOldRop;
        int mOldFill;
        HPEN mPen = nullptr;
        COLORREF mColour = 0;
    };

private:
    void DrawGlyph(HDC dc, const GlyphRecord& g, const RECT& plot) const;
    void DrawGuide(HDC dc, const RECT& plot, double x0, double y0, double x1, double y1) const;
};

class FunctionGlyphPlotterBase : public GlyphPlotter {
public:
    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;
    // Draws one curve over the pixel columns [plot.left, plot.right) for x in [x0, x1].
    virtual void DrawFunction(HDC dc, const FunctionRecord& f, const RECT& plot, double x0, double x1) = 0;

    static constexpr int kRunColumns = 512;
    // Pixels are clamped to this far beyond the plot before they become integers.
    static constexpr double kFarPixel = 1048576.0;

protected:
    // Samples f once per column in runs of at most 512 columns; consecutive
    // samples form segments, those touching the plot's vertical band drawn in
    // one PolyPolyline per run. A sample that is not finite breaks the curve.
    template <class F>
    void PlotSegments(HDC dc, const FunctionRecord& f, const RECT& plot, double x0, double x1, F fn);
};

struct PolynomialFunctionPolicy {
    // c0 + sum over k >= 1 of ck * x * (powerScale * x)^(k - 1); no
    // coefficient draws nothing.
    static bool Drawable(const FunctionRecord& f) { return !f.coefficients.empty(); }
    static double Evaluate(const FunctionRecord& f, double x);
};

struct ExponentialFunctionPolicy {
    // c0 * exp(c1 * x).
    static bool Drawable(const FunctionRecord& f) { return f.coefficients.size() >= 2; }
    static double Evaluate(const FunctionRecord& f, double x);
};

template <class Policy> class FunctionGlyphPlotter : public FunctionGlyphPlotterBase, public Policy {
public:
    void DrawFunction(HDC dc, const FunctionRecord& f, const RECT& plot, double x0, double x1) override;
};

extern template class FunctionGlyphPlotter<PolynomialFunctionPolicy>;
extern template class FunctionGlyphPlotter<ExponentialFunctionPolicy>;

} // namespace ZOzuve1
