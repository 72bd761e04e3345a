#pragma once
// The common body of the module's x-y graph views: a graph window, a title line that doubles as
// the read-out of the point under the mouse, and a help button. A view answers the template's
// questions (titles, units, read-out format, plot kind, regression); the base lays the children
// out, follows the document through pending change bits processed once before painting, sets the
// axes and autoscales, plots the analysed loops in chunks of one hundred, marks the point nearest
// the mouse, selects a loop on a point click, draws the regression line and stops drawing after
// 700 ms of a redraw, saying so on the graph.
//
// Loop values are kept in their channels' own units (prefix included), so the factor from data to
// the unit shown is 1; the unit texts are the channels'.

#include <bitset>
#include <memory>
#include <vector>

#include "controls/StaticText.h"
#include "controls/TBmpTxtButton.h"
#include "core/Unit.h"
#include "module/ZARPrintout.h"
#include "plot/BasicAnnotation.h"
#include "plot/GlyphPlotter.h"
#include "plot/Graph2DWindow.h"
#include "plot/PlotData.h"
#include "plot/XYCPlotter.h"
#include "views/TarvikViewBase.h"

namespace Tarvik {

class TarvikData;
class TarvikDocument;
class TarvikGraphViewBase;

// What the point search of one mouse move found, shared by the chunks of one view.
struct NearestHit {
    bool found = false;
    double best = 1.7976931348623157e308;
    int chunk = -1;
};

// The points of one chunk of loops: the view's point list from the chunk's first loop on.
class ViewPlotData : public ZOzuve1::XYCPlotData {
public:
    ViewPlotData(TarvikGraphViewBase& view, int chunk, int start)
        : mView(view), mChunk(chunk), mStart(start) {}

    bool GetData(int series, int* count, int* firstIndex, const float** xs, const float** ys,
                 const COLORREF** colours, COLORREF* colour, std::uint32_t* flags) override;
    bool CanDraw(int series) override;

    int Chunk() const { return mChunk; }
    int Start() const { return mStart; }
    void Reuse(int chunk, int start) {
        mChunk = chunk;
        mStart = start;
    }

private:
    TarvikGraphViewBase& mView;
    int mChunk;
    int mStart;
};

// The mark on the point nearest the mouse: each chunk has one; only the chunk that holds the
// nearest point over all chunks marks it and sets the view's read-out. A click selects the loop of
// the chunk's point nearest the click.
class SharedBasicAnnotation : public ZOzuve1::BasicAnnotation {
public:
    SharedBasicAnnotation(TarvikGraphViewBase& view, std::shared_ptr<NearestHit> hit, ViewPlotData& data);

    bool FollowPointer(int x, int y, const RECT& plot) override;
    bool GetHint(ZOzuve1::TrackInfo* info) override;
    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;
    bool Click(const RECT& plot, UINT flags, POINT press, POINT point) override;

private:
    bool Mine() const { return mHit->found && mHit->chunk == mData.Chunk(); }

    TarvikGraphViewBase& mView;
    std::shared_ptr<NearestHit> mHit;
    ViewPlotData& mData;
};

// Starts each point search afresh: it stands before the chunks' marks.
class NearestHitReset : public ZOzuve1::Annotation {
public:
    explicit NearestHitReset(std::shared_ptr<NearestHit> hit) : mHit(std::move(hit)) {}
    bool FollowPointer(int, int, const RECT&) override;
    void OnDraw(HDC, HDC, const RECT&, const RECT&) override {}

private:
    std::shared_ptr<NearestHit> mHit;
};

// Writes "Loop drawing timed out. Reduce size of analysis." at the lower right of the graph after a
// redraw ran out of time; the next completed redraw clears it.
class AbandonedDrawingAnnotation : public ZOzuve1::Annotation {
public:
    explicit AbandonedDrawingAnnotation(TarvikGraphViewBase& view) : mView(view) {}
    void OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) override;

private:
    TarvikGraphViewBase& mView;
};

// Text id of the module's string table, loaded on first use and kept for the life of the module.
const Ovo::String& CachedString(UINT id);

// Writes text with its lower right corner 6 pixels in from the plot's lower right corner, in the
// 10-point user-interface font.
void DrawCornerNotice(HDC dc, const RECT& plot, const Ovo::String& text);

class TarvikGraphViewBase : public TarvikViewBase,
                            public ZOzuve1::XYCPlotData,
                            public ZOzuve1::FunctionGlyphPlotData,
                            public MessSys::MessageReceiver {
public:
    static constexpr int kHelpButtonId = 9;
    static constexpr int kChunkSize = 100;
    static constexpr DWORD kDrawingBudget = 700; // milliseconds of one redraw
    static constexpr int kChangeBits = 100;

    TarvikGraphViewBase(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                        OwlDocViewClassBase* viewClass, ULONG_PTR creation);
    ~TarvikGraphViewBase() override;

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;
    void GetCopyCommandText(Ovo::String& text) override;
    void GetPrintCommandText(Ovo::String& text) override;
    bool CanCopy() override { return true; }
    bool CanPrint() override { return true; }
    void OnDocumentDataChanged(std::uint32_t flags) override;

    // --- The template.
    virtual const Ovo::String& GetViewTitle() const { return ViewTitle(); }
    // Intercept b, slope a and fit value r of the regression line; false without one.
    virtual bool GetRegression(double& b, double& a, double& r) { return false; }
    virtual Ovo::String GetXTitle() = 0;
    virtual Ovo::String GetXAbbreviation() = 0;
    virtual Ovo::String GetYTitle() = 0;
    virtual Ovo::String GetYAbbreviation() = 0;
    // The x quantity's unit: the volume channel's unless a view says otherwise; the empty unit
    // without loops.
    virtual Ovo::Unit GetXUnit();
    virtual Ovo::Unit GetYUnit();
    virtual Ovo::String GetXUnitText();
    virtual Ovo::String GetYUnitText();
    virtual double GetXUnitFactor() { return 1.0; }
    virtual double GetYUnitFactor() { return 1.0; }
    virtual int GetPlotKind() = 0;
    // The glyph of the regression line; -1 for none.
    virtual int GetRegressionGlyph() = 0;
    virtual int GetFirstChunkNumber() { return GetPlotKind(); }
    virtual bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) = 0;
    virtual UINT GetReadoutFormat() = 0;
    virtual Ovo::String GetHelpTipText() = 0;
    virtual Ovo::String GetHelpTopic() = 0;
    virtual int GetTitleWidth();
    virtual bool HasTitleText() { return true; }
    virtual void OnBeforeChanges(const std::bitset<128>& changes) {}
    virtual RECT GetGraphInsets() { return RECT{0, 0, 0, 0}; }
    virtual SIZE GetPreferredSize() { return SIZE{300, 200}; }
    virtual bool UseWhiteBackground() { return true; }
    virtual void OnOtherChange(int bit) {}
    virtual bool HelpButtonInGraph() { return true; }
    virtual bool DependsOnAnalysis() { return true; }
    virtual bool CanBuildPlot() { return true; }
    virtual void OnPointClicked(int index) {}
    virtual void UpdateAxes(ZOzuve1::Graph2DWindow& graph);
    virtual void RebuildPlot(ZOzuve1::Graph2DWindow& graph);
    virtual void OnChangeBit0(ZOzuve1::Graph2DWindow& graph) { MarkChanged(1); }
    virtual bool IsDrawingTimeLimited() { return !mRenderingForOutput; }
    // First chunk, one past the last, chunk size and size of the final chunk; false when the view
    // does not plot the analysis' loops in chunks.
    virtual bool GetChunkInfo(int& first, int& last, int& size, int& lastSize);
    virtual bool GetRegressionText(Ovo::String& text);
    virtual bool CanCopyRegression() { return mRegressionAvailable && !IsLatestLoopsOnly(); }
    virtual bool ShowRegressionHint() { return true; }

    // --- Change processing.
    void MarkChanged(int bit) { mPending.set(static_cast<std::size_t>(bit)); }
    void ProcessPendingChanges();
    void AutoScale();

    // --- Chunks and the read-out.
    void GetChunkRange(int chunk, int& start, int& count);
    virtual void GetChunkPoints(int chunk, int& count, const float*& xs, const float*& ys, COLORREF& colour);
    bool ContinueDrawing();
    Ovo::String FormatReadout(double x, double y);
    void SetReadout(const Ovo::String& text) { mReadout = text; }
    const Ovo::String& Readout() const { return mReadout; }
    // A point of chunk data, index i of the chunk's points, was clicked.
    void PointClicked(const ViewPlotData& data, int i);

    // The regression equation: the y abbreviation, " = ", the slope, " * ", the x abbreviation, the
    // signed intercept and the fit value after ", r²".
    Ovo::String FormatRegressionText(double b, double a, double r);
    // Puts the regression equation on the clipboard as UTF-16 text; false when there is none or
    // the clipboard cannot be had.
    bool CopyRegressionToClipboard();

    // Draws the graph again into dc over rect, as the screen shows it but without the drawing budget:
    // the printout's page and the clipboard's picture. attributeDc: the printer's context in a
    // preview, else null.
    void RenderToDC(HDC dc, const RECT& rect, HDC attributeDc);
    // Hands the host's print service a printout of the view: printed at once, or previewed.
    HRESULT PrintView();
    HRESULT PreviewView();
    Ovo::String PrintoutTitle() const;
    // The copy-regression command: copies, and is enabled with "Copy %1 Regression" as its text.
    void CopyRegressionCommand() { CopyRegressionToClipboard(); }
    void UpdateCopyRegressionCommand(ICommandState& state);

    // Only the newest loops are shown: online mode (set-up parameter 35) while the host samples.
    bool IsLatestLoopsOnly();

    // The regression line (the function-plot part): one grey segment across the shown x range.
    bool GetGlyphs(int series, int* count, const ZOzuve1::GlyphRecord** records) override;

    // The graph drawer's messages: redraw begin and end, and the mouse read-out.
    bool ReceiveMessage(const MessSys::Message& message) override;

    ZOzuve1::Graph2DWindow* GraphWindow() const { return mGraph; }
    StaticText* TitleText() const { return mTitleText.get(); }
    OvoControls::TBmpTxtButton* HelpButton() const { return mHelpButton.get(); }
    bool DrawingTimedOut() const { return mDrawingTimedOut; }
    void ClearDrawingTimedOut() { mDrawingTimedOut = false; }
    bool RenderingForOutput() const { return mRenderingForOutput; }
    TarvikDocument* ModuleDocument() const;
    TarvikData* Loops() const;
    // The number of loops of the analysis; 0 without one.
    int LoopCount() const;

    void EvSize(UINT kind, const OWL::TSize& size);

protected:
    void SetupWindow() override;
    // The x-y part's series: a view that plots its own series answers here.
    bool GetData(int series, int* count, int* firstIndex, const float** xs, const float** ys,
                 const COLORREF** colours, COLORREF* colour, std::uint32_t* flags) override {
        return false;
    }
    bool CanDraw(int) override { return ContinueDrawing(); }
    void ShowHelp() {}
    ZOzuve1::XYCPlotData* PointsPart() { return static_cast<ZOzuve1::XYCPlotData*>(this); }
    ZOzuve1::FunctionGlyphPlotData* FunctionPart() {
        return static_cast<ZOzuve1::FunctionGlyphPlotData*>(this);
    }

    std::vector<std::unique_ptr<ViewPlotData>> mChunks; // by chunk number
    bool mRegressionAvailable = false;

private:
    friend class SharedBasicAnnotation;

    ZOzuve1::Graph2DWindow* mGraph; // a child window: deleted with this one
    std::unique_ptr<StaticText> mTitleText;
    std::unique_ptr<OvoControls::TBmpTxtButton> mHelpButton;
    std::bitset<128> mPending;
    Ovo::String mReadout;
    ZOzuve1::GlyphRecord mRegressionLine;
    bool mRenderingForOutput = false;
    bool mDrawingTimedOut = false;
    DWORD mRedrawStartTick = 0;

    DECLARE_RESPONSE_TABLE(TarvikGraphViewBase);

public:
    ZAR_COMMAND_TABLE(TarvikGraphViewBase, TarvikViewBase)
};

// The printout of a graph view: one page, the view drawn over the page rectangle.
class TarvikGraphViewBasePrintout : public ZARPrintout {
public:
    TarvikGraphViewBasePrintout(TarvikGraphViewBase& view, const Ovo::String& title)
        : ZARPrintout(title, 0, nullptr), mView(view) {}

protected:
    void DrawPage(UINT page, OWL::TDC& dc, DWORD flags) override;

private:
    TarvikGraphViewBase& mView;
};

// The ids of the module's string table the graph views use.
inline constexpr UINT kPrintViewFormat = 210; // "Print Tarvik %1"
inline constexpr UINT kCopyViewFormat = 211;  // "Copy Tarvik %1"
inline constexpr UINT kCopyRegressionFormat = 212;
inline constexpr UINT kShowAllLoopsText = 220;
inline constexpr UINT kDrawingTimedOutText = 222;
inline constexpr UINT kSquaredText = 251;

} // namespace Tarvik
