#include "views/TarvikGraphViewBase.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <map>

#include "analysis/EventStats.h"
#include "controls/FontSelectionGuard.h"
#include "controls/UiFont.h"
#include "core/LocaleInfo.h"
#include "core/NumberText.h"
#include "core/NumericHelpers.h"
#include "core/OFormatStringStream.h"
#include "document/HostLoopData.h"
#include "document/TarvikDocument.h"
#include "module/HostServices.h"
#include "module/ModuleInstance.h"
#include "module/SendDocMessage.h"
#include "platform/gdi/gdi.h"
#include "platform/user/clipboard_api.h"
#include "platform/user/user.h"
#include "platform/win32/global.h"
#include "workflow/ChannelQueries.h"

namespace Tarvik {

namespace {

Ovo::String FormatWithTitle(UINT format, const Ovo::String& title) {
    Ovo::OFormatStringStream out(CachedString(format));
    out << title;
    return out.str();
}

HFONT TitleFont() {
    static const HFONT font = [] {
        LOGFONTW f{};
        f.lfHeight = 13;
        f.lfWeight = 400;
        f.lfCharSet = DEFAULT_CHARSET;
        std::u16string face = u"Tahoma";
        std::copy(face.begin(), face.end(), f.lfFaceName);
        return CreateFontIndirectW(&f);
    }();
    return font;
}

// Whether a shown end follows its limit: within a relative 1e-6 of it, or both next to zero.
bool Follows(double shown, double limit) {
    if (std::fabs(shown) < 1e-12 && std::fabs(limit) < 1e-12)
        return true;
    return std::fabs(shown - limit) <= std::max(std::fabs(shown), std::fabs(limit)) * 1e-6;
}

} // namespace

const Ovo::String& CachedString(UINT id) {
    static std::map<UINT, Ovo::String> texts;
    auto it = texts.find(id);
    if (it == texts.end())
        it = texts.emplace(id, LoadModuleString(id)).first;
    return it->second;
}

void DrawCornerNotice(HDC dc, const RECT& plot, const Ovo::String& text) {
    OWL::TDC wrapped(dc);
    FontSelectionGuard font(wrapped, GetUiFontPointSize(dc, false, false));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.Length()), &extent);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, plot.right - extent.cx - 6, plot.bottom - extent.cy - 6, text.c_str(),
             static_cast<int>(text.Length()));
    SetBkMode(dc, oldMode);
}

// --- ViewPlotData ---------------------------------------------------------------------------------

bool ViewPlotData::GetData(int, int* count, int* firstIndex, const float** xs, const float** ys,
                           const COLORREF** colours, COLORREF* colour, std::uint32_t* flags) {
    *count = 0;
    *firstIndex = 0;
    *xs = *ys = nullptr;
    *colours = nullptr;
    *flags = ZOzuve1::kDrawMarkers;
    COLORREF c = 255;
    mView.GetChunkPoints(mChunk, *count, *xs, *ys, c);
    *colour = c;
    return *count > 0;
}

bool ViewPlotData::CanDraw(int) {
    return mView.ContinueDrawing();
}

// --- SharedBasicAnnotation ------------------------------------------------------------------------

SharedBasicAnnotation::SharedBasicAnnotation(TarvikGraphViewBase& view, std::shared_ptr<NearestHit> hit,
                                             ViewPlotData& data)
    : mView(view), mHit(std::move(hit)), mData(data) {
    SetSource(&data, 0, false);
    SetMarkSize(6);
    SetMarkStyle(ZOzuve1::BasicAnnotation::kCross);
}

bool SharedBasicAnnotation::FollowPointer(int x, int y, const RECT& plot) {
    if (!BasicAnnotation::FollowPointer(x, y, plot))
        return false;
    const ZOzuve1::ScaleMap* xm = Map(ZOzuve1::Axis::X);
    const ZOzuve1::ScaleMap* ym = Map(ZOzuve1::Axis::Y);
    const double dx = XValue() - xm->ToValue(x, plot.left);
    const double dy = YValue() - ym->ToValue(y, plot.top);
    const double d2 = dx * dx + dy * dy;
    if (mHit->found && mHit->best <= d2)
        return true;
    *mHit = NearestHit{true, d2, mData.Chunk()};
    mView.SetReadout(mView.FormatReadout(XValue(), YValue()));
    return true;
}

bool SharedBasicAnnotation::GetHint(ZOzuve1::TrackInfo* info) {
    return Mine() && BasicAnnotation::GetHint(info);
}

void SharedBasicAnnotation::OnDraw(HDC dc, HDC attributeDc, const RECT& plot, const RECT& clip) {
    if (Mine())
        BasicAnnotation::OnDraw(dc, attributeDc, plot, clip);
}

bool SharedBasicAnnotation::Click(const RECT& plot, UINT, POINT, POINT point) {
    const ZOzuve1::ScaleMap* xm = Map(ZOzuve1::Axis::X);
    const ZOzuve1::ScaleMap* ym = Map(ZOzuve1::Axis::Y);
    if (xm == nullptr || ym == nullptr)
        return false;
    ZOzuve1::TrackInfo record;
    record.mouseX = point.x - plot.left;
    record.mouseY = point.y - plot.top;
    record.plot = plot;
    if (!mData.HitTest(0, &record) || !record.found)
        return false;
    mView.PointClicked(mData, static_cast<int>(record.index));
    return true;
}

bool NearestHitReset::FollowPointer(int, int, const RECT&) {
    *mHit = NearestHit{};
    return false;
}

void AbandonedDrawingAnnotation::OnDraw(HDC dc, HDC, const RECT& plot, const RECT&) {
    if (!mView.DrawingTimedOut())
        return;
    DrawCornerNotice(dc, plot, CachedString(kDrawingTimedOutText));
}

// --- TarvikGraphViewBase --------------------------------------------------------------------------

DEFINE_RESPONSE_TABLE1(TarvikGraphViewBase, TarvikViewBase)
EV_WM_SIZE, EV_COMMAND(TarvikGraphViewBase::kHelpButtonId, ShowHelp), END_RESPONSE_TABLE;

// The host's print and preview commands, and the regression copy of the Edit menu (message 30).
ZARCommandTable& TarvikGraphViewBase::CommandTable() {
    using Rows = TableRows<TarvikGraphViewBase>;
    static ZARCommandTable table{
        Rows::Message<&TarvikGraphViewBase::PrintView>(&FixedId<0x8001000B>),
        Rows::Message<&TarvikGraphViewBase::PreviewView>(&FixedId<0x8001000C>),
        Rows::Command<&TarvikGraphViewBase::CopyRegressionCommand>(&DocId<30>),
        Rows::Enabler<&TarvikGraphViewBase::UpdateCopyRegressionCommand>(&DocId<30>),
    };
    return table;
}

TarvikGraphViewBase::TarvikGraphViewBase(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                                         OwlDocViewClassBase* viewClass, ULONG_PTR creation)
    : TarvikViewBase(parent, document, view, viewClass, creation), mGraph(new ZOzuve1::Graph2DWindow(this)),
      mHelpButton(std::make_unique<OvoControls::TBmpTxtButton>(this, kHelpButtonId, u"",
                                                               viewClass ? viewClass->Module() : nullptr)) {
    Attr.Style |= WS_CLIPSIBLINGS;
}

TarvikGraphViewBase::~TarvikGraphViewBase() {
    mGraph->RemoveAllPlotters();
    mGraph->RemoveAllAnnotations();
}

TarvikDocument* TarvikGraphViewBase::ModuleDocument() const {
    return ModuleDocumentOf(Document());
}

TarvikData* TarvikGraphViewBase::Loops() const {
    return LoopDataOf(Document());
}

int TarvikGraphViewBase::LoopCount() const {
    TarvikData* loops = Loops();
    const EventStats* stats = loops != nullptr ? loops->GetVChanData().GetStats() : nullptr;
    return stats != nullptr ? stats->included() : 0;
}

bool TarvikGraphViewBase::IsLatestLoopsOnly() {
    TarvikData* loops = Loops();
    return loops != nullptr && loops->IsOnlineMode();
}

void TarvikGraphViewBase::SetupWindow() {
    if (HasTitleText())
        mTitleText = std::make_unique<StaticText>(this);
    TarvikViewBase::SetupWindow();
    if (mTitleText) {
        mTitleText->Create();
        mTitleText->SetFont(TitleFont());
        mTitleText->SetText(Ovo::String());
        mTitleText->SetColours(GetSysColor(COLOR_BTNTEXT),
                               UseWhiteBackground() ? RGB(255, 255, 255) : GetSysColor(COLOR_3DFACE));
    }
    mGraph->SetXScaleBounds(-DBL_MAX, DBL_MAX);
    mGraph->SetXScaleLimits(0, 1);
    mGraph->SetDomain(0, 1);
    mGraph->SetYScaleBounds(-DBL_MAX, DBL_MAX);
    mGraph->SetYScaleLimits(0, 1);
    mGraph->SetRange(0, 1);
    mGraph->SetXScaleStyleBit();
    mGraph->SetYScaleStyleBit();
    mGraph->AddRedrawReceiver(this);
    mGraph->AddMouseReceiver(this);
    mHelpButton->SetTipText(GetHelpTipText());
    OnDocumentDataChanged(0);
}

void TarvikGraphViewBase::Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) {
    ProcessPendingChanges();
    const OWL::TRect client = GetClientRect();
    dc.FillRect(client, UseWhiteBackground() ? static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))
                                             : GetSysColorBrush(COLOR_3DFACE));
    if (mTitleText && mTitleText->IsWindow())
        mTitleText->Invalidate(true);
    ViewBase::Paint(dc, erase, rect);
}

void TarvikGraphViewBase::GetCopyCommandText(Ovo::String& text) {
    text = FormatWithTitle(kCopyViewFormat, GetViewTitle());
}

void TarvikGraphViewBase::GetPrintCommandText(Ovo::String& text) {
    text = FormatWithTitle(kPrintViewFormat, GetViewTitle());
}

void TarvikGraphViewBase::OnDocumentDataChanged(std::uint32_t) {
    for (int bit = 0; bit < kChangeBits; ++bit)
        MarkChanged(bit);
    if (mGraph->IsWindow())
        mGraph->OWL::TWindow::Invalidate(false);
    ProcessPendingChanges();
    Invalidate(true);
}

void TarvikGraphViewBase::ProcessPendingChanges() {
    if (mPending.none())
        return;
    OnBeforeChanges(mPending);
    // A handler may set further bits; a handler that keeps setting them cannot hang the view.
    for (int pass = 0; pass < 102 && mPending.any(); ++pass) {
        int bit = 0;
        while (!mPending.test(static_cast<std::size_t>(bit)))
            ++bit;
        mPending.reset(static_cast<std::size_t>(bit));
        switch (bit) {
        case 0:
            OnChangeBit0(*mGraph);
            break;
        case 1:
            RebuildPlot(*mGraph);
            break;
        case 2:
            UpdateAxes(*mGraph);
            break;
        default:
            OnOtherChange(bit);
            break;
        }
    }
    AutoScale();
    if (mGraph->IsWindow())
        mGraph->OWL::TWindow::Invalidate(false);
}

Ovo::Unit TarvikGraphViewBase::GetXUnit() {
    TarvikDocument* document = ModuleDocument();
    return document != nullptr && LoopCount() > 0 ? GetVolumeChannelUnit(*document) : Ovo::Unit();
}

Ovo::Unit TarvikGraphViewBase::GetYUnit() {
    TarvikDocument* document = ModuleDocument();
    return document != nullptr && LoopCount() > 0 ? GetPressureChannelUnit(*document) : Ovo::Unit();
}

Ovo::String TarvikGraphViewBase::GetXUnitText() {
    return Ovo::String(GetXUnit().Text());
}

Ovo::String TarvikGraphViewBase::GetYUnitText() {
    return Ovo::String(GetYUnit().Text());
}

int TarvikGraphViewBase::GetTitleWidth() {
    return Attr.W;
}

void TarvikGraphViewBase::UpdateAxes(ZOzuve1::Graph2DWindow& graph) {
    if (DependsOnAnalysis() && LoopCount() == 0)
        return;
    graph.SetYAxisTitle(GetYTitle().ToU16String());
    graph.ShowYScale(true);
    graph.SetXAxisTitle(GetXTitle().ToU16String());
    graph.ShowXScale(true);
    graph.SetXScaleOrigin(GetXUnitFactor());
    graph.SetXAxisUnit(GetXUnitText().ToU16String());
    graph.SetYScaleOrigin(GetYUnitFactor());
    graph.SetYAxisUnit(GetYUnitText().ToU16String());
}

void TarvikGraphViewBase::AutoScale() {
    float xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    if (!CanBuildPlot() || !GetDataRange(&xMin, &xMax, &yMin, &yMax))
        return;
    const auto fitAxis = [](double lo, double hi, double factor, double& a, double& b) {
        lo = static_cast<float>(lo * factor);
        hi = static_cast<float>(hi * factor);
        double extent = hi - lo;
        if (!(extent > 0))
            extent = std::fabs(hi * 0.1);
        // A single value of 0 would give a scale of no width.
        if (!(extent > 0))
            extent = 1.0;
        const double centre = (lo + hi) * 0.5;
        a = centre - extent;
        b = centre + extent;
    };
    for (const bool x : {true, false}) {
        double a = 0, b = 0;
        fitAxis(x ? xMin : yMin, x ? xMax : yMax, x ? GetXUnitFactor() : GetYUnitFactor(), a, b);
        double l0 = 0, l1 = 0, s0 = 0, s1 = 0;
        if (x) {
            mGraph->GetXScaleLimits(l0, l1);
            mGraph->GetDomain(s0, s1);
        } else {
            mGraph->GetYScaleLimits(l0, l1);
            mGraph->GetRange(s0, s1);
        }
        const bool follows = Follows(s0, l0) && Follows(s1, l1);
        const bool changed = !ApproxEqual(a, l0) || !ApproxEqual(b, l1);
        if (!changed)
            continue;
        if (x) {
            mGraph->SetXScaleLimits(a, b);
            if (follows)
                mGraph->SetDomain(a, b);
        } else {
            mGraph->SetYScaleLimits(a, b);
            if (follows)
                mGraph->SetRange(a, b);
        }
    }
}

// --- Chunks -----------------------------------------------------------------------------------------

bool TarvikGraphViewBase::GetChunkInfo(int& first, int& last, int& size, int& lastSize) {
    if (!DependsOnAnalysis())
        return false;
    const int n = LoopCount();
    first = GetPlotKind();
    last = first + n / kChunkSize + (n % kChunkSize != 0 ? 1 : 0);
    size = kChunkSize;
    lastSize = n % kChunkSize;
    return true;
}

void TarvikGraphViewBase::GetChunkRange(int chunk, int& start, int& count) {
    start = 0;
    count = 0;
    int first = 0, last = 0, size = 0, lastSize = 0;
    if (chunk < GetPlotKind() || !GetChunkInfo(first, last, size, lastSize))
        return;
    start = (chunk - GetPlotKind()) * size;
    // The final chunk holds only the loops that are left.
    count = std::clamp(LoopCount() - start, 0, size);
}

void TarvikGraphViewBase::GetChunkPoints(int chunk, int& count, const float*& xs, const float*& ys,
                                         COLORREF& colour) {
    count = 0;
    xs = ys = nullptr;
    int start = 0, loops = 0;
    GetChunkRange(chunk, start, loops);
    TarvikData* data = Loops();
    if (data == nullptr || loops == 0)
        return;
    std::int32_t n = 0, flag = 0;
    data->GetRelationPlotPoints(GetPlotKind(), start, loops, n, xs, ys, flag, colour);
    count = n;
}

bool TarvikGraphViewBase::ContinueDrawing() {
    if (IsDrawingTimeLimited() && GetTickCount() - mRedrawStartTick > kDrawingBudget) {
        mDrawingTimedOut = true;
        return false;
    }
    return true;
}

void TarvikGraphViewBase::RebuildPlot(ZOzuve1::Graph2DWindow& graph) {
    graph.RemoveAllPlotters();
    if (!CanBuildPlot())
        return;
    int first = 0, last = 0, size = 0, lastSize = 0;
    if (!GetChunkInfo(first, last, size, lastSize)) {
        first = GetPlotKind();
        last = first + 1;
        size = DependsOnAnalysis() ? LoopCount() : INT_MAX;
    }
    if (IsLatestLoopsOnly() && size > 0) {
        const int keep = 30 / size + 1 + (30 % size != 0 ? 1 : 0);
        first = std::max(first, last - keep);
    }
    graph.RemoveAllAnnotations();
    auto hit = std::make_shared<NearestHit>();
    graph.AddAnnotation(new NearestHitReset(hit), true);
    for (int c = first; c < last; ++c) {
        const int start = (c - GetPlotKind()) * size;
        if (static_cast<std::size_t>(c) >= mChunks.size())
            mChunks.resize(static_cast<std::size_t>(c) + 1);
        auto& data = mChunks[static_cast<std::size_t>(c)];
        if (data)
            data->Reuse(c, start);
        else
            data = std::make_unique<ViewPlotData>(*this, c, start);
        data->SetModified(true);
        auto* plotter = new ZOzuve1::XYCPlotter;
        plotter->SetColour(255);
        plotter->SetLineWidth(2.0f);
        plotter->SetPlotData(data.get(), static_cast<std::uint32_t>(c), false);
        graph.AddPlotter(plotter, true);
        graph.AddAnnotation(new SharedBasicAnnotation(*this, hit, *data), true);
    }
    if (GetRegressionGlyph() != -1) {
        auto* line = new ZOzuve1::GlyphPlotter;
        line->SetLineWidth(1.0f);
        line->SetPlotData(FunctionPart(), static_cast<std::uint32_t>(GetRegressionGlyph()), false);
        graph.AddPlotter(line, true);
    }
    graph.AddAnnotation(new AbandonedDrawingAnnotation(*this), true);
}

bool TarvikGraphViewBase::GetGlyphs(int, int* count, const ZOzuve1::GlyphRecord** records) {
    *count = 0;
    double b = 0, a = 0, r = 0;
    mRegressionAvailable = GetRegression(b, a, r) && std::isfinite(a) && std::isfinite(b);
    if (!mRegressionAvailable)
        return false;
    double x0 = 0, x1 = 0;
    mGraph->GetDomain(x0, x1);
    x0 /= GetXUnitFactor();
    x1 /= GetXUnitFactor();
    mRegressionLine = ZOzuve1::GlyphRecord{};
    mRegressionLine.kind = ZOzuve1::kGlyphSegment;
    mRegressionLine.x = x0;
    mRegressionLine.y = a * x0 + b;
    mRegressionLine.x2 = x1;
    mRegressionLine.y2 = a * x1 + b;
    mRegressionLine.colour = 0x808080;
    if (ShowRegressionHint())
        mRegressionLine.label = FormatRegressionText(b, a, r).ToU16String();
    *records = &mRegressionLine;
    *count = 1;
    return true;
}

// --- Read-out and clicks ----------------------------------------------------------------------------

Ovo::String TarvikGraphViewBase::FormatReadout(double x, double y) {
    Ovo::OFormatStringStream out(CachedString(GetReadoutFormat()));
    out << FormatDoubleForDisplay(y * GetYUnitFactor()) << GetYUnitText()
        << Ovo::String(LocaleInfo::Instance().ListSeparator()) << FormatDoubleForDisplay(x * GetXUnitFactor())
        << GetXUnitText();
    return out.str();
}

void TarvikGraphViewBase::PointClicked(const ViewPlotData& data, int i) {
    OnPointClicked(i + data.Start());
    TarvikDocument* document = ModuleDocument();
    TarvikData* loops = Loops();
    if (!DependsOnAnalysis() || document == nullptr || loops == nullptr)
        return;
    // The chunk's points are its usable loops: the i-th usable loop from the chunk's first loop on.
    std::int32_t loop = -1;
    TarvikEvent event;
    for (std::int32_t j = data.Start(), seen = 0; j < LoopCount(); ++j) {
        if (!loops->GetVChanData().GetLoop(j, event) || event.state != TarvikEvent::Valid)
            continue;
        if (seen++ == i) {
            loop = j;
            break;
        }
    }
    if (loop < 0)
        return;
    SendDocMessage(Ovo::MakeMsgData1<std::int32_t>(DocMsgId<268>(), loop), *this, document->Target(), 2);
}

bool TarvikGraphViewBase::ReceiveMessage(const MessSys::Message& message) {
    if (dynamic_cast<const ZOzuve1::MsgGraph2DDrawerNotifyBeginRedraw*>(&message) != nullptr) {
        mRedrawStartTick = GetTickCount();
        return false;
    }
    if (dynamic_cast<const ZOzuve1::MsgGraph2DDrawerNotifyEndRedraw*>(&message) != nullptr) {
        // The notice was drawn with this redraw; the next one that completes goes without it.
        mDrawingTimedOut = false;
        return false;
    }
    if (dynamic_cast<const ZOzuve1::MouseTrackHintMsg*>(&message) != nullptr) {
        if (!mTitleText)
            return true;
        mTitleText->SetText(mReadout);
        if (mGraph->IsWindow())
            mGraph->OWL::TWindow::Invalidate(false);
        Invalidate(true);
        return true;
    }
    return false;
}

// --- Regression text --------------------------------------------------------------------------------

Ovo::String TarvikGraphViewBase::FormatRegressionText(double b, double a, double r) {
    const double fx = GetXUnitFactor(), fy = GetYUnitFactor();
    const double slope = a * fy / fx;
    const double intercept = b * fy;
    Ovo::String text = GetYAbbreviation();
    text += Ovo::String(u" = ");
    text += FormatDoubleForDisplay(slope);
    text += Ovo::String(u" * ");
    text += GetXAbbreviation();
    text += Ovo::String(intercept >= 0 ? u" + " : u" - ");
    text += FormatDoubleForDisplay(std::fabs(intercept));
    text += Ovo::String(u", r");
    text += CachedString(kSquaredText);
    text += Ovo::String(u" = ");
    text += FormatDoubleForDisplay(r);
    return text;
}

bool TarvikGraphViewBase::GetRegressionText(Ovo::String& text) {
    double b = 0, a = 0, r = 0;
    if (!GetRegression(b, a, r) || !std::isfinite(a) || !std::isfinite(b))
        return false;
    text = FormatRegressionText(b, a, r);
    return true;
}

bool TarvikGraphViewBase::CopyRegressionToClipboard() {
    Ovo::String text;
    if (!GetRegressionText(text))
        return false;
    const std::size_t bytes = (text.Length() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!OpenClipboard(GetHandle())) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    if (!put)
        GlobalFree(memory);
    return put;
}

// --- Output -------------------------------------------------------------------------------------------

void TarvikGraphViewBasePrintout::DrawPage(UINT, OWL::TDC& dc, DWORD) {
    mView.RenderToDC(dc.GetHDC(), PageRect(), OutputDC() != PrinterDC() ? PrinterDC() : nullptr);
}

void TarvikGraphViewBase::RenderToDC(HDC dc, const RECT& rect, HDC attributeDc) {
    const bool wasRendering = mRenderingForOutput;
    mRenderingForOutput = true;
    {
        // A hidden graph of the view's own, so that the one on screen keeps its state.
        auto* graph = new ZOzuve1::Graph2DWindow(this);
        graph->Attr.Style &= ~WS_VISIBLE;
        graph->Create();
        UpdateAxes(*graph);
        OnChangeBit0(*graph);
        RebuildPlot(*graph);
        graph->SetYScaleOrigin(GetYUnitFactor());
        graph->SetXScaleOrigin(GetXUnitFactor());
        double a = 0, b = 0;
        mGraph->GetXScaleLimits(a, b);
        graph->SetXScaleLimits(a, b);
        mGraph->GetYScaleLimits(a, b);
        graph->SetYScaleLimits(a, b);
        mGraph->GetDomain(a, b);
        graph->SetDomain(a, b);
        mGraph->GetRange(a, b);
        graph->SetRange(a, b);
        graph->SetXAxisTitle(mGraph->GetXAxisTitle());
        graph->SetXAxisUnit(mGraph->GetXAxisUnit());
        graph->SetYAxisTitle(mGraph->GetYAxisTitle());
        graph->SetYAxisUnit(mGraph->GetYAxisUnit());
        if (rect.right >= rect.left && rect.bottom >= rect.top) {
            graph->SetDrawerRect(rect);
            graph->SetRect(rect, false);
        }
        graph->Print(dc, attributeDc != nullptr ? attributeDc : dc, graph->DrawerRect());
        graph->RemoveAllPlotters();
        graph->RemoveAllAnnotations();
        delete graph;
    }
    mRenderingForOutput = wasRendering;
}

namespace {

ComPtr<IHostPrintService> HostPrintService() {
    ComPtr<IHostPrintService> service;
    IHostApplication* application = GetHostApplication();
    if (application == nullptr || FAILED(application->GetPrintService(service.Put())))
        service.Reset();
    return service;
}

} // namespace

// The title: the document's, ": ", the view's.
Ovo::String TarvikGraphViewBase::PrintoutTitle() const {
    Ovo::String title = Title();
    title += Ovo::String(u": ");
    title += GetViewTitle();
    return title;
}

HRESULT TarvikGraphViewBase::PrintView() {
    const ComPtr<IHostPrintService> service = HostPrintService();
    if (!service)
        return S_OK;
    auto* printout = new TarvikGraphViewBasePrintout(*this, PrintoutTitle());
    printout->AddRef();
    service->Print(printout, 1);
    printout->Release();
    return S_OK;
}

HRESULT TarvikGraphViewBase::PreviewView() {
    const ComPtr<IHostPrintService> service = HostPrintService();
    if (!service)
        return S_OK;
    auto* printout = new TarvikGraphViewBasePrintout(*this, PrintoutTitle());
    printout->AddRef();
    service->Preview(printout);
    printout->Release();
    return S_OK;
}

void TarvikGraphViewBase::UpdateCopyRegressionCommand(ICommandState& state) {
    state.SetEnabled(CanCopyRegression() ? VARIANT_TRUE : VARIANT_FALSE);
    Ovo::String text = FormatWithTitle(kCopyRegressionFormat, GetViewTitle());
    Ovo::IOvoString* handed = text.GetInterface();
    state.SetText(handed);
    handed->Release();
}

// --- Layout -------------------------------------------------------------------------------------------

void TarvikGraphViewBase::EvSize(UINT kind, const OWL::TSize& size) {
    if (size.cx == 0 && size.cy == 0)
        return;
    const OWL::TRect client = GetClientRect();
    int titleHeight = 0;
    if (mTitleText && mTitleText->IsWindow()) {
        const int width = std::min(GetTitleWidth(), static_cast<int>(client.right - client.left));
        titleHeight = std::min(mTitleText->Attr.H, 18);
        mTitleText->MoveWindow(client.left + 7, client.top + 7, width, titleHeight, false);
    }
    RECT graph = client;
    if (mTitleText)
        graph.top = client.top + titleHeight + 7;
    const RECT insets = GetGraphInsets();
    graph.left += insets.left;
    graph.right -= insets.right;
    graph.top += insets.top;
    graph.bottom -= insets.bottom;
    if (mGraph->IsWindow())
        mGraph->MoveWindow(graph.left, graph.top, graph.right - graph.left, graph.bottom - graph.top, true);
    const RECT& base = HelpButtonInGraph() ? graph : static_cast<const RECT&>(client);
    if (mHelpButton->IsWindow())
        mHelpButton->MoveWindow(base.left + 2, base.bottom - 25, 30, 23, true);
    Invalidate(true);
}

} // namespace Tarvik
