#pragma once
// The loop view: the pressure-volume loops of the current analysis (volume across, pressure up),
// the end-systolic and end-diastolic points of the usable loops, the current loop drawn thicker,
// and on request the end-systolic and end-diastolic pressure-volume relation fits with their
// equations. Beside the graph the check list of loops; above it the fit controls; a warning balloon
// reports negative end-diastolic pressures or volumes.
//
// The list names every loop of the loop data with its number from 1; a loop the user excluded is
// unchecked. Selecting an item makes its loop the current loop (set-up parameter 58); checking or
// unchecking it takes the loop out of or puts it in the loop view's excluded set (parameter 61);
// both models then publish, and the document marks the loops again and tells its views.
//
// List positions are the loop data's loop indices, the indices parameters 58 and 61 hold: the
// trailing event after a block's last loop (state 2) is no loop and gets no item, and it has no loop
// index either, so a loop after it keeps its own index in the list.
//
// The fits are drawn in the loops' own units, where the loop data fits them; their equations are
// written in the channels' display units, so that they describe the drawn line when a channel's
// scaling is not the identity.

#include <memory>
#include <vector>

#include "analysis/TarvikData.h"
#include "controls/ErrorProvider.h"
#include "platform/owl/TButton.h"
#include "platform/owl/TCheckList.h"
#include "platform/owl/TComboBox.h"
#include "views/TarvikGraphViewBase.h"
#include "views/TitledView.h"

namespace Tarvik {

class TarvikDocument;

// A fit's equation and its drawing record.
struct FitCurve {
    bool valid = false;
    Ovo::String text;
};

class TarvikAnalysisGraphView : public TitledView<106, TarvikGraphViewBase> {
public:
    TarvikAnalysisGraphView(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                            OwlDocViewClassBase* viewClass, ULONG_PTR creation);
    ~TarvikAnalysisGraphView() override;

    static constexpr int kLoopListId = 3001;
    static constexpr int kShowEspvrId = 3002;
    static constexpr int kShowEdpvrId = 3003;
    static constexpr int kEspvrTypeId = 3004;
    static constexpr int kEdpvrTypeId = 3005;
    static constexpr int kWarningId = 3006;
    static constexpr COLORREF kEspvrColour = 0x006464C8;
    static constexpr COLORREF kEdpvrColour = 0x00AA8908;
    static constexpr int kEdpvrSeries = 14;
    static constexpr int kEspvrSeries = 16;

    // Whether the loops' smallest end-diastolic pressure (loop parameter 13)
    // is below 0.001, or their smallest minimum volume (parameter 5) below
    // 0.0001: values a relation plot cannot take on a logarithmic axis. False
    // without loop data, without loops, and for a value that is no number.
    static bool IsLoopParam13Small(TarvikData* loops);
    static bool IsLoopParam5Small(TarvikData* loops);

    // A new analysis (flag 0x2) empties the list first; then everything is redrawn and the list is
    // filled again from the loop data unless the host is sampling.
    void OnDocumentDataChanged(std::uint32_t flags) override;
    OWL::TCheckList& LoopList() const { return *mLoopList; }
    // Fills the list from the loop data: items are reused in place, new ones appended and the rest
    // removed; the current loop's item is selected.
    void RefillLoopList();
    void EvSize(UINT kind, const OWL::TSize& size);

    // --- The graph view's template.
    bool GetRegression(double&, double&, double&) override { return false; }
    Ovo::String GetXTitle() override;
    Ovo::String GetXAbbreviation() override;
    Ovo::String GetYTitle() override;
    Ovo::String GetYAbbreviation() override;
    int GetPlotKind() override { return 18; }
    int GetFirstChunkNumber() override { return 17; }
    int GetRegressionGlyph() override { return 0; }
    bool GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) override;
    UINT GetReadoutFormat() override { return 184; }
    Ovo::String GetHelpTipText() override;
    Ovo::String GetHelpTopic() override;
    RECT GetGraphInsets() override { return RECT{62, 6, 0, 0}; }
    int GetTitleWidth() override;
    bool UseWhiteBackground() override { return false; }
    bool GetChunkInfo(int&, int&, int&, int&) override { return false; }
    void OnChangeBit0(ZOzuve1::Graph2DWindow& graph) override;
    void RebuildPlot(ZOzuve1::Graph2DWindow& graph) override;
    void OnOtherChange(int bit) override;
    bool GetRegressionText(Ovo::String& text) override;
    bool CanCopyRegression() override;
    void GetChunkPoints(int chunk, int& count, const float*& xs, const float*& ys, COLORREF& colour) override;

    // --- The fits.
    // Series 14: the linear EDPVR, any other: the linear ESPVR.
    bool GetGlyphs(int series, int* count, const ZOzuve1::GlyphRecord** records) override;
    // Series 14: the exponential EDPVR, 16: the quadratic ESPVR.
    bool GetFunctions(int series, int* count, const ZOzuve1::FunctionRecord** records) override;
    // The equation texts: linear ESPVR (slope and intercept of Pes over Ves in display units),
    // linear EDPVR, quadratic ESPVR (coefficients c0, c1, c2) and exponential EDPVR (A, k).
    static Ovo::String LinearText(bool endSystolic, double slope, double intercept, double rSquared);
    static Ovo::String QuadraticText(const std::vector<double>& c, double rSquared);
    static Ovo::String ExponentialText(double amplitude, double rate, double rSquared);
    const FitCurve& EspvrCurve() const { return mEspvr; }
    const FitCurve& EdpvrCurve() const { return mEdpvr; }

    // Fits and point markers are shown when the workflow is not in use, or in its Analyze step with
    // analysis type 1.
    bool FitDisplayAllowed();
    // The warning of the balloon: the pressure warning wins over the volume warning.
    void UpdateWarning();
    // The controls from the loop-view model; the plot is rebuilt when asked or when the display
    // test's answer changed.
    void CopyFromModel(bool rebuild);
    void ToggleEspvr() { ToggleFit(true); }
    void ToggleEdpvr() { ToggleFit(false); }
    void EspvrTypeChanged() { FitTypeChanged(true); }
    void EdpvrTypeChanged() { FitTypeChanged(false); }

    OWL::TCheckBox& ShowEspvrBox() const { return *mShowEspvr; }
    OWL::TCheckBox& ShowEdpvrBox() const { return *mShowEdpvr; }
    OWL::TComboBox& EspvrTypeBox() const { return *mEspvrType; }
    OWL::TComboBox& EdpvrTypeBox() const { return *mEdpvrType; }
    OvoControls::ErrorProvider& Warning() const { return *mWarning; }
    ViewPlotData& EndDiastolicPoints() { return mEndDiastolic; }
    ViewPlotData& EndSystolicPoints() { return mEndSystolic; }

    bool ReceiveMessage(const MessSys::Message& message) override;

protected:
    void SetupWindow() override;
    bool GetData(int series, int* count, int* firstIndex, const float** xs, const float** ys,
                 const COLORREF** colours, COLORREF* colour, std::uint32_t* flags) override;

private:
    void EmptyLoopList();
    void LoopSelectionChanged();
    void ToggleFit(bool endSystolic);
    void FitTypeChanged(bool endSystolic);
    void UpdateControlStates();
    bool LiveSampling();
    // The display scaling of a channel: shown = (value + offset) * scale.
    void ChannelScaling(std::uint32_t channel, double& scale, double& offset);
    // The linear fit in display units: slope and intercept of the shown line.
    bool LinearFit(bool endSystolic, double& intercept, double& slope, double& rSquared, bool display);
    bool ShowParam(bool endSystolic);
    int TypeParam(bool endSystolic);

    ViewPlotData mEndSystolic;
    ViewPlotData mEndDiastolic;
    ZOzuve1::GlyphRecord mLine;
    ZOzuve1::FunctionRecord mFunction;
    FitCurve mEspvr;
    FitCurve mEdpvr;
    OWL::TCheckList* mLoopList; // child windows: the window deletes them
    OWL::TCheckBox* mShowEspvr;
    OWL::TCheckBox* mShowEdpvr;
    OWL::TComboBox* mEspvrType;
    OWL::TComboBox* mEdpvrType;
    OvoControls::ErrorProvider* mWarning;
    std::vector<std::unique_ptr<OWL::TCheckListItem>> mItems;
    bool mFitDisplayAllowed = false;
    bool mControlsReady = false;

    DECLARE_RESPONSE_TABLE(TarvikAnalysisGraphView);
};

} // namespace Tarvik
