#include "views/TarvikAnalysisGraphView.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/EventStats.h"
#include "analysis/LoopParameters.h"
#include "controls/FontSelectionGuard.h"
#include "controls/UiFont.h"
#include "core/NumberText.h"
#include "core/OFormatStringStream.h"
#include "document/HostLoopData.h"
#include "document/TarvikDocument.h"
#include "module/ModuleInstance.h"
#include "module/SendDocMessage.h"
#include "platform/gdi/gdi.h"
#include "platform/user/combobox.h"
#include "platform/user/user.h"
#include "plot/PlotMessages.h"
#include "workflow/ModelParamAccess.h"

namespace Tarvik {

namespace {

// The smallest value of a loop parameter below limit; a comparison with a
// value that is no number is false.
bool SmallestBelow(TarvikData* loops, std::int32_t id, double limit) {
    double minimum = 0, maximum = 0, mean = 0;
    std::int32_t count = 0;
    return loops != nullptr && loops->GetParamStats(id, minimum, maximum, mean, count) && count > 0 &&
           minimum < limit;
}

constexpr std::uint32_t kNoLoop = 2; // the state of the trailing event after a block's last loop
constexpr int kAnalyzeStep = 7;
constexpr int kLiveLoops = 30;

const Ovo::String& Text(UINT id) {
    return CachedString(id);
}

Ovo::String Number(double value) {
    return FormatDoubleForDisplay(value);
}

// The equation texts of the fits drawn, one line each in its fit's colour, at the upper left of the
// plot.
class FitTextAnnotation : public ZOzuve1::Annotation {
public:
    explicit FitTextAnnotation(TarvikAnalysisGraphView& view) : mView(view) {}
    void OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) override {
        OWL::TDC wrapped(dc);
        FontSelectionGuard font(wrapped, GetUiFontPointSize(dc, false, false));
        const int oldMode = SetBkMode(dc, TRANSPARENT);
        const COLORREF oldColour = GetTextColor(dc);
        int y = plot.top + 4;
        for (const auto& [curve, colour] :
             {std::pair{&mView.EspvrCurve(), TarvikAnalysisGraphView::kEspvrColour},
              std::pair{&mView.EdpvrCurve(), TarvikAnalysisGraphView::kEdpvrColour}}) {
            if (!curve->valid || curve->text.Length() == 0)
                continue;
            SetTextColor(dc, colour);
            SIZE extent{};
            GetTextExtentPoint32W(dc, curve->text.c_str(), static_cast<int>(curve->text.Length()), &extent);
            TextOutW(dc, plot.left + 6, y, curve->text.c_str(), static_cast<int>(curve->text.Length()));
            y += extent.cy + 2;
        }
        SetTextColor(dc, oldColour);
        SetBkMode(dc, oldMode);
    }

private:
    TarvikAnalysisGraphView& mView;
};

// "Loop drawing timed out. Reduce size of analysis." after a redraw ran out of time; otherwise,
// while the loops drawn end at a marked position, "Click here to show all loops", and a click shows
// them all again.
class TextClickAnnotation : public ZOzuve1::Annotation {
public:
    explicit TextClickAnnotation(TarvikAnalysisGraphView& view) : mView(view) {}
    void OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) override {
        if (mView.DrawingTimedOut())
            DrawCornerNotice(dc, plot, Text(kDrawingTimedOutText));
        else if (Limited())
            DrawCornerNotice(dc, plot, Text(kShowAllLoopsText));
    }
    bool Click(const RECT&, UINT, POINT, POINT) override {
        TarvikDocument* document = mView.ModuleDocument();
        if (!Limited() || document == nullptr)
            return false;
        document->OnMarkedPositionCleared();
        return true;
    }

private:
    bool Limited() const {
        TarvikData* loops = mView.Loops();
        return loops != nullptr && !loops->GetTraceLimit().IsNone();
    }
    TarvikAnalysisGraphView& mView;
};

} // namespace

DEFINE_RESPONSE_TABLE1(TarvikAnalysisGraphView, TarvikGraphViewBase)
EV_WM_SIZE, EV_LBN_SELCHANGE(TarvikAnalysisGraphView::kLoopListId, LoopSelectionChanged),
    EV_BN_CLICKED(TarvikAnalysisGraphView::kShowEspvrId, ToggleEspvr),
    EV_BN_CLICKED(TarvikAnalysisGraphView::kShowEdpvrId, ToggleEdpvr),
    EV_CBN_SELCHANGE(TarvikAnalysisGraphView::kEspvrTypeId, EspvrTypeChanged),
    EV_CBN_SELCHANGE(TarvikAnalysisGraphView::kEdpvrTypeId, EdpvrTypeChanged), END_RESPONSE_TABLE;

TarvikAnalysisGraphView::TarvikAnalysisGraphView(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                                                 OwlDocViewClassBase* viewClass, ULONG_PTR creation)
    : TitledView(parent, document, view, viewClass, creation), mEndSystolic(*this, kEndSystolicPoints, 0),
      mEndDiastolic(*this, kEndDiastolicPoints, 0) {
    OWL::TModule* module = viewClass ? viewClass->Module() : nullptr;
    mLoopList = new OWL::TCheckList(this, kLoopListId, 0, 0, 60, 60, module);
    mShowEspvr = new OWL::TCheckBox(this, kShowEspvrId, Text(146).c_str(), 0, 0, 0, 0, module);
    mShowEdpvr = new OWL::TCheckBox(this, kShowEdpvrId, Text(147).c_str(), 0, 0, 0, 0, module);
    mEspvrType = new OWL::TComboBox(this, kEspvrTypeId, 0, 0, 0, 0, CBS_DROPDOWNLIST, 0, module);
    mEdpvrType = new OWL::TComboBox(this, kEdpvrTypeId, 0, 0, 0, 0, CBS_DROPDOWNLIST, 0, module);
    mWarning = new OvoControls::ErrorProvider(this, kWarningId, 0, 0, 0, 0, ModuleInstance(),
                                              OvoControls::ErrorProvider::kBalloon |
                                                  OvoControls::ErrorProvider::kWarning |
                                                  OvoControls::ErrorProvider::kLink);
}

// The child windows go with this window; the list's items go after it.
TarvikAnalysisGraphView::~TarvikAnalysisGraphView() {
    if (ZOzuve1::Graph2DWindow* graph = GraphWindow()) {
        graph->RemoveAllPlotters();
        graph->RemoveAllAnnotations();
    }
}

bool TarvikAnalysisGraphView::IsLoopParam13Small(TarvikData* loops) {
    return SmallestBelow(loops, LP_Ped, 0.001);
}

bool TarvikAnalysisGraphView::IsLoopParam5Small(TarvikData* loops) {
    return SmallestBelow(loops, LP_Vmin, 0.0001);
}

void TarvikAnalysisGraphView::SetupWindow() {
    TitledView::SetupWindow();
    for (UINT id : {143u, 144u})
        mEspvrType->AddString(Text(id).c_str());
    for (UINT id : {143u, 145u})
        mEdpvrType->AddString(Text(id).c_str());
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (OWL::TWindow* control :
         std::initializer_list<OWL::TWindow*>{mLoopList, mShowEspvr, mShowEdpvr, mEspvrType, mEdpvrType}) {
        control->SetWindowFont(font, false);
        control->SetWindowPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    mWarning->SetLink(Text(190), [] {});
    mControlsReady = true;
    CopyFromModel(true);
    // A view opened on an analysis shows its loops at once.
    RefillLoopList();
}

// --- Template answers ---------------------------------------------------------------------------

Ovo::String TarvikAnalysisGraphView::GetXTitle() {
    return Text(22917);
}

Ovo::String TarvikAnalysisGraphView::GetXAbbreviation() {
    return Text(22919);
}

Ovo::String TarvikAnalysisGraphView::GetYTitle() {
    return Text(22918);
}

Ovo::String TarvikAnalysisGraphView::GetYAbbreviation() {
    return Text(22920);
}

Ovo::String TarvikAnalysisGraphView::GetHelpTipText() {
    return Text(281);
}

Ovo::String TarvikAnalysisGraphView::GetHelpTopic() {
    return Text(280);
}

bool TarvikAnalysisGraphView::GetDataRange(float* xMin, float* xMax, float* yMin, float* yMax) {
    TarvikData* loops = Loops();
    if (loops == nullptr || LoopCount() == 0)
        return false;
    const TarvikData::Extents& e = loops->GetExtents();
    if (xMin != nullptr)
        *xMin = e.volume.minimum;
    if (xMax != nullptr)
        *xMax = e.volume.maximum;
    if (yMin != nullptr)
        *yMin = e.pressure.minimum;
    if (yMax != nullptr)
        *yMax = e.pressure.maximum;
    return true;
}

int TarvikAnalysisGraphView::GetTitleWidth() {
    if (!mWarning->IsWindow())
        return 0;
    RECT r{};
    ::GetWindowRect(mWarning->GetHandle(), &r);
    POINT p{r.left, r.top};
    ::ScreenToClient(GetHandle(), &p);
    return p.x >= 242 ? 240 : 0;
}

void TarvikAnalysisGraphView::GetChunkPoints(int chunk, int& count, const float*& xs, const float*& ys,
                                             COLORREF& colour) {
    count = 0;
    xs = ys = nullptr;
    TarvikData* loops = Loops();
    if (loops == nullptr)
        return;
    std::int32_t n = 0, flag = 0;
    loops->GetAnalysisPlotPoints(chunk, n, xs, ys, flag, colour);
    count = n;
}

bool TarvikAnalysisGraphView::GetData(int series, int* count, int* firstIndex, const float** xs,
                                      const float** ys, const COLORREF** colours, COLORREF* colour,
                                      std::uint32_t* flags) {
    *firstIndex = 0;
    *colours = nullptr;
    int n = 0;
    COLORREF c = 0;
    GetChunkPoints(series, n, *xs, *ys, c);
    *count = n;
    *colour = c;
    *flags = series > kEndSystolicPoints ? 0x1002u : ZOzuve1::kDrawMarkers;
    return n > 0;
}

// --- Plot -------------------------------------------------------------------------------------------

bool TarvikAnalysisGraphView::LiveSampling() {
    return IsLatestLoopsOnly();
}

bool TarvikAnalysisGraphView::FitDisplayAllowed() {
    TarvikDocument* document = ModuleDocument();
    if (document == nullptr)
        return false;
    const ModelPtr setup = document->FindModel();
    if (!setup || !GetModelParam<34>(setup))
        return true;
    // The step models as they stand: a model not made yet holds its defaults.
    ModelPtr workflow, analysis;
    document->ForEachModel([&](std::int32_t id, const ModelPtr& model) {
        if (id == kWorkflowViewModel)
            workflow = model;
        else if (id == kAnalysisModel)
            analysis = model;
    });
    return GetModelParam<25>(workflow) == kAnalyzeStep && GetModelParam<20>(analysis) == 1;
}

bool TarvikAnalysisGraphView::ShowParam(bool endSystolic) {
    TarvikDocument* document = ModuleDocument();
    if (document == nullptr)
        return false;
    const ModelPtr loopView = document->GetModel(kLoopViewModel);
    return endSystolic ? GetModelParam<21>(loopView) : GetModelParam<22>(loopView);
}

int TarvikAnalysisGraphView::TypeParam(bool endSystolic) {
    TarvikDocument* document = ModuleDocument();
    if (document == nullptr)
        return 0;
    const ModelPtr loopView = document->GetModel(kLoopViewModel);
    return endSystolic ? GetModelParam<23>(loopView) : GetModelParam<24>(loopView);
}

void TarvikAnalysisGraphView::RebuildPlot(ZOzuve1::Graph2DWindow& graph) {
    graph.RemoveAllPlotters();
    graph.RemoveAllAnnotations();
    TarvikDocument* document = ModuleDocument();
    int n = LoopCount();
    const bool live = LiveSampling();
    if (live)
        n = std::min(n, kLiveLoops);
    const std::int32_t current = document != nullptr ? GetModelParam<58>(document->FindModel()) : -1;
    // The older loops first, the newest last among them, the current loop last of all.
    for (int k = n; k >= 0; --k) {
        auto* plotter = new ZOzuve1::XYCPlotter;
        if (k == 0 && current >= 0)
            plotter->SetLineWidth(2.0f);
        plotter->SetPlotData(PointsPart(), static_cast<std::uint32_t>(kHighlightedTrace + k), false);
        graph.AddPlotter(plotter, true);
    }
    const bool allowed = FitDisplayAllowed();
    const bool showEs = allowed && ShowParam(true);
    const bool showEd = allowed && ShowParam(false);
    for (const auto& [show, points] : {std::pair{showEd, &mEndDiastolic}, std::pair{showEs, &mEndSystolic}}) {
        if (!show)
            continue;
        points->SetModified(true);
        auto* plotter = new ZOzuve1::XYCPlotter;
        plotter->SetLineWidth(2.0f);
        plotter->SetPlotData(points, static_cast<std::uint32_t>(points->Chunk()), false);
        graph.AddPlotter(plotter, true);
    }
    mEspvr = FitCurve{};
    mEdpvr = FitCurve{};
    if (showEs && !live) {
        ZOzuve1::GlyphPlotter* fit =
            TypeParam(true) == 1 ? new ZOzuve1::FunctionGlyphPlotter<ZOzuve1::PolynomialFunctionPolicy>
                                 : new ZOzuve1::GlyphPlotter;
        fit->SetLineWidth(1.0f);
        fit->SetPlotData(FunctionPart(), kEspvrSeries, false);
        graph.AddPlotter(fit, true);
    }
    if (showEd && !live) {
        ZOzuve1::GlyphPlotter* fit =
            TypeParam(false) == 1 ? new ZOzuve1::FunctionGlyphPlotter<ZOzuve1::ExponentialFunctionPolicy>
                                  : new ZOzuve1::GlyphPlotter;
        fit->SetLineWidth(1.0f);
        fit->SetPlotData(FunctionPart(), kEdpvrSeries, false);
        graph.AddPlotter(fit, true);
    }
    auto hit = std::make_shared<NearestHit>();
    graph.AddAnnotation(new NearestHitReset(hit), true);
    graph.AddAnnotation(new SharedBasicAnnotation(*this, hit, mEndDiastolic), true);
    graph.AddAnnotation(new SharedBasicAnnotation(*this, hit, mEndSystolic), true);
    graph.AddAnnotation(new FitTextAnnotation(*this), true);
    graph.AddAnnotation(new TextClickAnnotation(*this), true);
}

void TarvikAnalysisGraphView::OnChangeBit0(ZOzuve1::Graph2DWindow& graph) {
    TarvikGraphViewBase::OnChangeBit0(graph);
    UpdateWarning();
}

void TarvikAnalysisGraphView::UpdateWarning() {
    if (!mWarning->IsWindow())
        return;
    TarvikData* loops = Loops();
    if (IsLoopParam13Small(loops)) {
        mWarning->SetLink(Text(190), [] {});
        mWarning->SetError(Text(186), Text(187), true);
    } else if (IsLoopParam5Small(loops)) {
        mWarning->SetLink(Text(190), [] {});
        mWarning->SetError(Text(188), Text(189), true);
    } else {
        mWarning->SetError(Ovo::String(), Ovo::String(), false);
    }
}

void TarvikAnalysisGraphView::OnOtherChange(int bit) {
    TarvikDocument* document = ModuleDocument();
    if (bit == 4 && document != nullptr && !document->IsSampling())
        RefillLoopList();
}

// --- Fits -------------------------------------------------------------------------------------------

void TarvikAnalysisGraphView::ChannelScaling(std::uint32_t channel, double& scale, double& offset) {
    TarvikDocument* document = ModuleDocument();
    double zero = 0.0, one = 1.0;
    if (document != nullptr) {
        document->ApplyChannelScaling(channel, zero);
        document->ApplyChannelScaling(channel, one);
    }
    scale = one - zero;
    offset = scale != 0.0 && std::isfinite(scale) ? zero / scale : 0.0;
    if (scale == 0.0 || !std::isfinite(scale)) {
        scale = 1.0;
        offset = 0.0;
    }
}

bool TarvikAnalysisGraphView::LinearFit(bool endSystolic, double& intercept, double& slope, double& rSquared,
                                        bool display) {
    TarvikData* loops = Loops();
    TarvikDocument* document = ModuleDocument();
    intercept = slope = rSquared = std::nan("");
    if (loops == nullptr || document == nullptr)
        return false;
    const bool fitted = endSystolic ? loops->FitLinearESPVR(intercept, slope, rSquared)
                                    : loops->FitLinearEDPVR(intercept, slope, rSquared);
    if (!fitted || !display)
        return fitted;
    // shown volume V = (v + oV) sV and pressure P = (p + oP) sP, with p = b + a v.
    double sV = 1, oV = 0, sP = 1, oP = 0;
    ChannelScaling(document->GetVolumeChannel(), sV, oV);
    ChannelScaling(document->GetPressureChannel(), sP, oP);
    const double a = slope, b = intercept;
    slope = a * sP / sV;
    intercept = (b - a * oV + oP) * sP;
    return true;
}

Ovo::String TarvikAnalysisGraphView::LinearText(bool endSystolic, double slope, double intercept,
                                                double rSquared) {
    Ovo::String text(endSystolic ? u"ESPVR: Pes = " : u"EDPVR: Ped = ");
    text += Number(slope);
    text += Ovo::String(endSystolic ? u" * Ves " : u" * Ved ");
    text += Ovo::String(intercept >= 0 ? u"+ " : u"- ");
    text += Number(std::fabs(intercept));
    text += Ovo::String(u", r");
    text += Text(kSquaredText);
    text += Ovo::String(u" = ");
    text += Number(rSquared);
    return text;
}

Ovo::String TarvikAnalysisGraphView::QuadraticText(const std::vector<double>& c, double rSquared) {
    if (c.size() < 3)
        return Ovo::String();
    Ovo::OFormatStringStream out(Text(200));
    out << Number(c[2]) << Ovo::String(c[1] >= 0 ? u"+" : u"-") << Number(std::fabs(c[1]))
        << Ovo::String(c[0] >= 0 ? u"+" : u"-") << Number(std::fabs(c[0])) << Number(rSquared);
    return out.str();
}

Ovo::String TarvikAnalysisGraphView::ExponentialText(double amplitude, double rate, double rSquared) {
    Ovo::OFormatStringStream out(Text(201));
    out << Number(amplitude) << Number(rate) << Number(rSquared);
    return out.str();
}

bool TarvikAnalysisGraphView::GetGlyphs(int series, int* count, const ZOzuve1::GlyphRecord** records) {
    *count = 0;
    if (LiveSampling())
        return false;
    const bool endSystolic = series != kEdpvrSeries;
    FitCurve& curve = endSystolic ? mEspvr : mEdpvr;
    double b = 0, a = 0, r2 = 0;
    const bool fitted = LinearFit(endSystolic, b, a, r2, true);
    curve.text = LinearText(endSystolic, a, b, r2);
    curve.valid = fitted;
    if (!fitted)
        return false;
    // The line is drawn in the loops' own units, as the points are.
    double rb = 0, ra = 0, rr = 0;
    LinearFit(endSystolic, rb, ra, rr, false);
    double x0 = 0, x1 = 0;
    GraphWindow()->GetDomain(x0, x1);
    mLine = ZOzuve1::GlyphRecord{};
    mLine.kind = ZOzuve1::kGlyphSegment;
    mLine.colour = endSystolic ? kEspvrColour : kEdpvrColour;
    mLine.x = x0;
    mLine.y = rb + ra * x0;
    mLine.x2 = x1;
    mLine.y2 = rb + ra * x1;
    *records = &mLine;
    *count = 1;
    return true;
}

bool TarvikAnalysisGraphView::GetFunctions(int series, int* count, const ZOzuve1::FunctionRecord** records) {
    *count = 0;
    TarvikData* loops = Loops();
    if (loops == nullptr || LiveSampling())
        return false;
    mFunction = ZOzuve1::FunctionRecord{};
    if (series == kEdpvrSeries) {
        double a = 0, k = 0, r2 = std::nan("");
        double da = 0, dk = 0, dr2 = std::nan("");
        if (!loops->FitExponentialRelation(&a, &k, &r2, true) ||
            !loops->FitExponentialRelation(&da, &dk, &dr2, false))
            return false;
        mEdpvr = FitCurve{true, ExponentialText(da, dk, dr2)};
        mFunction.colour = kEdpvrColour;
        mFunction.coefficients = {a, k};
    } else if (series == kEspvrSeries) {
        std::vector<double> c, dc;
        double r2 = 0, dr2 = 0;
        if (!loops->FitQuadraticRelation(c, &r2, true) || !loops->FitQuadraticRelation(dc, &dr2, false))
            return false;
        mEspvr = FitCurve{true, QuadraticText(dc, dr2)};
        mFunction.colour = kEspvrColour;
        mFunction.coefficients = c;
    } else {
        return false;
    }
    *records = &mFunction;
    *count = 1;
    return true;
}

bool TarvikAnalysisGraphView::GetRegressionText(Ovo::String& text) {
    TarvikData* loops = Loops();
    if (loops == nullptr || LiveSampling())
        return false;
    Ovo::String all;
    for (const bool endSystolic : {true, false}) {
        if (!ShowParam(endSystolic))
            continue;
        Ovo::String line;
        if (TypeParam(endSystolic) == 0) {
            double b = 0, a = 0, r2 = 0;
            if (LinearFit(endSystolic, b, a, r2, true))
                line = LinearText(endSystolic, a, b, r2);
        } else if (endSystolic) {
            std::vector<double> c;
            double r2 = 0;
            if (loops->FitQuadraticRelation(c, &r2, false))
                line = QuadraticText(c, r2);
        } else {
            double a = 0, k = 0, r2 = std::nan("");
            if (loops->FitExponentialRelation(&a, &k, &r2, false))
                line = ExponentialText(a, k, r2);
        }
        if (line.Length() == 0)
            continue;
        if (all.Length() != 0)
            all += Ovo::String(u"\r\n");
        all += line;
    }
    if (all.Length() == 0)
        return false;
    text = all;
    return true;
}

bool TarvikAnalysisGraphView::CanCopyRegression() {
    Ovo::String text;
    return GetRegressionText(text);
}

// --- Controls ----------------------------------------------------------------------------------------

void TarvikAnalysisGraphView::UpdateControlStates() {
    TarvikDocument* document = ModuleDocument();
    const bool sampling = document == nullptr || document->IsSampling();
    const bool shown = FitDisplayAllowed();
    const bool es = ShowParam(true), ed = ShowParam(false);
    mShowEspvr->EnableWindow(!sampling);
    mShowEdpvr->EnableWindow(!sampling);
    mEspvrType->EnableWindow(!sampling && es);
    mEdpvrType->EnableWindow(!sampling && ed);
    for (OWL::TWindow* control :
         std::initializer_list<OWL::TWindow*>{mShowEspvr, mShowEdpvr, mEspvrType, mEdpvrType})
        control->ShowWindow(shown ? SW_SHOWNA : SW_HIDE);
}

void TarvikAnalysisGraphView::CopyFromModel(bool rebuild) {
    if (!mControlsReady || ModuleDocument() == nullptr)
        return;
    for (const bool endSystolic : {true, false}) {
        const int type = TypeParam(endSystolic);
        if (type == 0 || type == 1)
            (endSystolic ? mEspvrType : mEdpvrType)->SetSelIndex(type);
        (endSystolic ? mShowEspvr : mShowEdpvr)
            ->SetCheck(ShowParam(endSystolic) ? BST_CHECKED : BST_UNCHECKED);
    }
    UpdateControlStates();
    const bool allowed = FitDisplayAllowed();
    if (!rebuild && allowed == mFitDisplayAllowed)
        return;
    mFitDisplayAllowed = allowed;
    RebuildPlot(*GraphWindow());
    if (GraphWindow()->IsWindow())
        GraphWindow()->OWL::TWindow::Invalidate(false);
}

void TarvikAnalysisGraphView::ToggleFit(bool endSystolic) {
    TarvikDocument* document = ModuleDocument();
    if (document == nullptr)
        return;
    const std::uint32_t show = ShowParam(endSystolic) ? 0 : 1;
    if (endSystolic)
        SendDocMessage(Ovo::MakeMsgData1<std::uint32_t>(DocMsgId<264>(), show), *this, document->Target(), 0);
    else
        SendDocMessage(Ovo::MakeMsgData1<std::uint32_t>(DocMsgId<265>(), show), *this, document->Target(), 0);
    CopyFromModel(true);
}

void TarvikAnalysisGraphView::FitTypeChanged(bool endSystolic) {
    TarvikDocument* document = ModuleDocument();
    const int position = (endSystolic ? mEspvrType : mEdpvrType)->GetSelIndex();
    if (document == nullptr || position < 0 || position > 1)
        return;
    Ovo::IOvoString* word = Text(position == 0 ? 143 : (endSystolic ? 144 : 145)).GetInterface();
    const Ovo::MsgData1<IAutoOvoString*> record{endSystolic ? DocMsgId<266>() : DocMsgId<267>(), 0,
                                                kParamString, word};
    SendDocMessage(record, *this, document->Target(), 0);
    word->Release();
    CopyFromModel(true);
}

// The graph's context menu: items 1 and 2 show whether each fit is shown, and toggle it.
bool TarvikAnalysisGraphView::ReceiveMessage(const MessSys::Message& message) {
    if (const auto* before = dynamic_cast<const ZOzuve1::PreDisplayMenuMessage*>(&message)) {
        if ((before->id == 1 || before->id == 2) && before->ticked != nullptr) {
            *before->ticked = ShowParam(before->id == 1);
            return true;
        }
    }
    if (const auto* chosen = dynamic_cast<const ZOzuve1::OnMenuItemMessage*>(&message)) {
        if (chosen->id == 1 || chosen->id == 2) {
            ToggleFit(chosen->id == 1);
            return true;
        }
    }
    return TitledView::ReceiveMessage(message);
}

// --- The loop list -------------------------------------------------------------------------------------

void TarvikAnalysisGraphView::OnDocumentDataChanged(std::uint32_t flags) {
    if ((flags & kAnalysisUpdated) != 0)
        EmptyLoopList();
    TitledView::OnDocumentDataChanged(flags);
    TarvikDocument* document = ModuleDocument();
    if (mControlsReady && document != nullptr && !document->IsSampling())
        RefillLoopList();
}

void TarvikAnalysisGraphView::EmptyLoopList() {
    if (mLoopList->IsWindow())
        mLoopList->ClearList();
    mItems.clear();
}

void TarvikAnalysisGraphView::RefillLoopList() {
    TarvikDocument* document = ModuleDocument();
    TarvikData* loops = LoopDataOf(Document());
    if (document == nullptr || loops == nullptr || !mLoopList->IsWindow())
        return;
    const EventStats* stats = loops->GetVChanData().GetStats();
    const std::int32_t total = stats != nullptr ? stats->total() : 0;
    const ModelPtr setup = document->FindModel();
    const std::int32_t current = setup ? GetModelParam<58>(setup) : -1;
    std::size_t used = 0;
    for (std::int32_t i = 0; i < total; ++i) {
        const auto state = static_cast<std::uint32_t>(stats->GetEventState(i));
        if (state == kNoLoop)
            continue;
        const bool checked = state != TarvikEvent::Marked;
        const std::string digits = std::to_string(used + 1);
        const std::u16string number(digits.begin(), digits.end());
        if (used < mItems.size()) {
            OWL::TCheckListItem& item = *mItems[used];
            item.SetText(number);
            checked ? item.Check() : item.Uncheck();
            mLoopList->Update(static_cast<int>(used));
        } else {
            mItems.push_back(std::make_unique<OWL::TCheckListItem>(number, checked));
            mLoopList->AddItem(mItems.back().get());
        }
        if (static_cast<std::int32_t>(used) == current)
            mLoopList->SetSelIndex(static_cast<int>(used));
        ++used;
    }
    for (int p = mLoopList->GetCount() - 1; p >= static_cast<int>(used); --p)
        mLoopList->DetachItem(p);
    mItems.resize(used);
}

void TarvikAnalysisGraphView::LoopSelectionChanged() {
    const int p = mLoopList->GetSelIndex();
    TarvikDocument* document = ModuleDocument();
    if (p < 0 || static_cast<std::size_t>(p) >= mItems.size() || document == nullptr)
        return;
    const ModelPtr setup = document->FindModel();
    const ModelPtr loopView = document->GetModel(kLoopViewModel);
    if (!setup || !loopView)
        return;
    IntSet excluded = GetModelParam<61>(loopView);
    if (mItems[static_cast<std::size_t>(p)]->IsChecked())
        excluded.erase(p);
    else
        excluded.insert(p);
    SetModelParam<58>(setup, p);
    SetModelParam<61>(loopView, excluded);
    loopView->CommitChange();
    setup->CommitChange();
}

void TarvikAnalysisGraphView::EvSize(UINT kind, const OWL::TSize& size) {
    if (size.cx <= 0 || size.cy <= 0)
        return;
    const OWL::TRect client = GetClientRect();
    mLoopList->MoveWindow(client.left + 2, client.top + 26, 60, (client.bottom - 2) - (client.top + 26) - 1,
                          true);
    // The fit controls along the top, right of the read-out.
    const int x = client.left + 250, y = client.top + 4;
    mShowEspvr->MoveWindow(x, y, 58, 18, false);
    mEspvrType->MoveWindow(x + 62, y - 2, 90, 120, false);
    mShowEdpvr->MoveWindow(x + 160, y, 58, 18, false);
    mEdpvrType->MoveWindow(x + 222, y - 2, 95, 120, false);
    mWarning->MoveWindow(x + 325, y, 18, 18, false);
    TitledView::EvSize(kind, size);
}

} // namespace Tarvik
