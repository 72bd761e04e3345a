#include "dialogs/WorkflowPanel.h"

#include <algorithm>

#include "dialogs/StepDlgBase.h"
#include "module/ModuleInstance.h"
#include "module/ZARSubject.h"
#include "platform/gdi/gdi.h"
#include "platform/user/scrollbar.h"
#include "workflow/ModelParamAccess.h"
#include "workflow/WorkflowSteps.h"

namespace Tarvik {

namespace {

constexpr int kFirstSectionId = 113;
constexpr int kMargin = 10;
constexpr int kSectionHeight = 27;
constexpr int kTileViews = 1;
constexpr int kHelp = 2;
constexpr UINT kTileViewsText = 269;
constexpr UINT kPanelTitle = 191;
constexpr int kHelpWidth = 30;
constexpr int kHelpHeight = 23;
constexpr int kCloseSize = 12;
constexpr COLORREF kBandGrey = 0xF0F0F0;
constexpr COLORREF kBandEdge = 0xDFDFDF;

WorkflowPanel::HelpHandler& HelpHook() {
    static WorkflowPanel::HelpHandler handler;
    return handler;
}

void Fill(HDC dc, RECT rect, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

int WindowHeight(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
}

} // namespace

// Hears the step models' change notifications for the panel.
class WorkflowPanel::Observer : public IObserver {
public:
    explicit Observer(WorkflowPanel& panel) : mPanel(panel) {}
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IObserver) {
            *out = static_cast<IObserver*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT Register(ISubjectService*) override { return S_OK; }
    HRESULT Notify(ISubject*, DWORD id, DWORD, ULONG_PTR payload) override {
        if (id == ModelParamsChangedMsgId() && payload != 0 && mPanel.m_hWnd != nullptr)
            mPanel.OnModelChanged(reinterpret_cast<const ModelParamsChangedData*>(payload)->Changed());
        return S_OK;
    }

private:
    WorkflowPanel& mPanel;
};

// --- The layout window ----------------------------------------------------------------------------

int AccordionLayout::ContentHeight() const {
    int height = kMargin;
    for (std::size_t i = 0; i < mPanel.SectionCount(); ++i)
        height += WindowHeight(mPanel.Section(i).m_hWnd) + kMargin;
    return height;
}

int AccordionLayout::Page() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    return client.bottom - client.top;
}

void AccordionLayout::Layout() {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    mPosition = std::clamp(mPosition, 0, std::max(0, ContentHeight() - Page()));
    int top = kMargin - mPosition;
    for (std::size_t i = 0; i < mPanel.SectionCount(); ++i) {
        HWND section = mPanel.Section(i).m_hWnd;
        const int height = WindowHeight(section);
        ::SetWindowPos(section, nullptr, client.left + kMargin, top,
                       std::max(0, static_cast<int>(client.right - client.left) - 2 * kMargin), height,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        top += height + kMargin;
    }
}

void AccordionLayout::Scroll(int request, int trackPosition) {
    int wanted = mPosition;
    switch (request) {
    case SB_LINEUP:
        wanted = mPosition - 1;
        break;
    case SB_LINEDOWN:
        wanted = mPosition + 1;
        break;
    case SB_PAGEUP:
        wanted = mPosition - Page();
        break;
    case SB_PAGEDOWN:
        wanted = mPosition + Page();
        break;
    case SB_THUMBTRACK:
        wanted = trackPosition;
        break;
    case SB_TOP:
        wanted = 0;
        break;
    default: // SB_THUMBPOSITION keeps the position reached by tracking; SB_BOTTOM and SB_ENDSCROLL do nothing
        return;
    }
    const int position = std::clamp(wanted, 0, std::max(0, ContentHeight() - Page()));
    if (position == mPosition)
        return;
    mPosition = position;
    Layout();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

LRESULT AccordionLayout::OnNotify(UINT, WPARAM, LPARAM lParam, BOOL&) {
    return mPanel.OnSectionNotify(*reinterpret_cast<OvoControls::AccordionNotify*>(lParam));
}

LRESULT AccordionLayout::OnSize(UINT, WPARAM, LPARAM, BOOL&) {
    Layout();
    return 0;
}

LRESULT AccordionLayout::OnVScroll(UINT, WPARAM wParam, LPARAM, BOOL&) {
    Scroll(LOWORD(static_cast<DWORD>(wParam)), HIWORD(static_cast<DWORD>(wParam)));
    return 0;
}

// --- The panel --------------------------------------------------------------------------------------

void WorkflowPanel::SetHelpHandler(HelpHandler handler) {
    HelpHook() = std::move(handler);
}

WorkflowPanel::WorkflowPanel(TarvikDocument& document)
    : mDocument(document), mWorkflowModel(document.GetModel(kWorkflowViewModel)),
      mObserver(std::make_unique<Observer>(*this)), mLayout(*this) {}

WorkflowPanel::~WorkflowPanel() {
    for (Model* model : mObserved)
        static_cast<ZARSubject*>(model)->Detach(mObserver.get());
    if (mBoldFont != nullptr)
        DeleteObject(mBoldFont);
    if (mFont != nullptr)
        DeleteObject(mFont);
}

void WorkflowPanel::Observe(const ModelPtr& model) {
    if (model && mObserved.insert(model.get()).second)
        static_cast<ZARSubject*>(model.get())->Attach(mObserver.get());
}

LRESULT WorkflowPanel::OnCreate(UINT, WPARAM, LPARAM, BOOL&) {
    Observe(mWorkflowModel);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = 500;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, 500, &metrics, 0);
    mFont = CreateFontIndirectW(&metrics.lfMessageFont);
    LOGFONTW bold = metrics.lfMessageFont;
    bold.lfWeight = FW_BOLD;
    mBoldFont = CreateFontIndirectW(&bold);
    HDC screen = ::GetDC(nullptr);
    HGDIOBJ old = SelectObject(screen, mBoldFont);
    TEXTMETRICW text{};
    GetTextMetricsW(screen, &text);
    SelectObject(screen, old);
    ::ReleaseDC(nullptr, screen);
    mBand = static_cast<int>(2.5 * text.tmAscent);

    const Ovo::String tile = LoadModuleString(kTileViewsText);
    mTileBox = CreateWindowExW(0, u"Button", tile.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 0, 0, 0, m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTileViews)), nullptr, nullptr);
    ::SendMessageW(mTileBox, WM_SETFONT, reinterpret_cast<WPARAM>(mFont), FALSE);
    mHelpButton =
        CreateWindowExW(0, u"Button", u"?", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0,
                        m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelp)), nullptr, nullptr);
    mLayout.Create(m_hWnd, RECT{0, 0, 0, 0}, nullptr, WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_CLIPCHILDREN,
                   WS_EX_CONTROLPARENT);
    BuildSections();
    OnModelChanged(mWorkflowModel->GetParamIdSet());
    return 0;
}

LRESULT WorkflowPanel::OnDestroy(UINT, WPARAM, LPARAM, BOOL&) {
    RemoveSections(true);
    return 0;
}

void WorkflowPanel::BuildSections() {
    const std::int32_t open = GetModelParam<25>(mWorkflowModel);
    const std::span<const WorkflowStepRow> rows = GetWorkflowSteps(GetWorkflowKind(mDocument));
    const std::size_t first = mSections.empty() ? 0 : 1;
    OvoControls::Accordion* toOpen = nullptr;
    for (std::size_t i = first; i < rows.size(); ++i) {
        auto section = std::make_unique<OvoControls::Accordion>();
        const Ovo::String title = LoadModuleString(rows[i].title);
        section->Create(mLayout.m_hWnd, RECT{0, 0, 0, kSectionHeight}, title.c_str(), 0x56000000,
                        WS_EX_CONTROLPARENT, kFirstSectionId + i);
        if (static_cast<std::int32_t>(rows[i].stepDialogId) == open)
            toOpen = section.get();
        Observe(mDocument.GetModel(static_cast<std::int32_t>(rows[i].modelId)));
        mSections.push_back(std::move(section));
    }
    mLayout.Layout();
    if (toOpen != nullptr)
        toOpen->Expand(true);
}

void WorkflowPanel::RemoveSections(bool all) {
    const std::size_t keep = all ? 0 : std::min<std::size_t>(1, mSections.size());
    for (std::size_t i = keep; i < mSections.size(); ++i)
        if (mSections[i]->m_hWnd != nullptr)
            mSections[i]->DestroyWindow();
    mSections.resize(keep);
}

LRESULT WorkflowPanel::OnSectionNotify(OvoControls::AccordionNotify& notify) {
    switch (notify.code) {
    case OvoControls::Accordion::kExpanding: {
        for (auto& section : mSections)
            if (section->m_hWnd != notify.hwndFrom)
                section->Expand(false);
        const std::size_t index = notify.idFrom - kFirstSectionId;
        const std::span<const WorkflowStepRow> rows = GetWorkflowSteps(GetWorkflowKind(mDocument));
        if (index >= rows.size())
            return 0;
        const auto step = static_cast<std::int32_t>(rows[index].stepDialogId);
        notify.content = CreateStepDlgById(step, mLayout.m_hWnd, mDocument);
        if (!mWorkflowModel->IsParamLocked(25))
            SetModelParam<25>(mWorkflowModel, step);
        mWorkflowModel->CommitChange();
        return 0;
    }
    case OvoControls::Accordion::kStepped:
        mLayout.Layout();
        return 0;
    default:
        return 0;
    }
}

void WorkflowPanel::OnModelChanged(const ModelParamSet& changed) {
    if (changed.Test(0)) {
        RemoveSections(false);
        BuildSections();
    }
    const std::span<const WorkflowStepRow> rows = GetWorkflowSteps(GetWorkflowKind(mDocument));
    for (std::size_t i = 0; i < rows.size() && i < mSections.size(); ++i) {
        const ModelPtr model = mDocument.GetModel(static_cast<std::int32_t>(rows[i].modelId));
        if (!model)
            continue;
        HWND section = mSections[i]->m_hWnd;
        ::SendMessageW(section, OvoControls::Accordion::kSetDone,
                       model->GetStepStatusMessage().HasMessage() ? 0 : 1, 0);
        if (!model->GetStepMessage().HasMessage())
            ::SendMessageW(section, OvoControls::Accordion::kSetTexts, 0, 0);
    }
    if (changed.Test(26) && mTileBox != nullptr)
        ::SendMessageW(mTileBox, BM_SETCHECK, GetModelParam<26>(mWorkflowModel) ? BST_CHECKED : BST_UNCHECKED,
                       0);
}

LRESULT WorkflowPanel::OnSize(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const int width = LOWORD(static_cast<DWORD>(lParam));
    const int height = HIWORD(static_cast<DWORD>(lParam));
    const int footer = height - mBand;
    const int helpLeft = width - 9 - kHelpWidth;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(mHelpButton, nullptr, helpLeft, footer + (mBand - kHelpHeight) / 2, kHelpWidth,
                   kHelpHeight, flags);
    ::SetWindowPos(mTileBox, nullptr, kMargin, footer + 1, std::max(0, helpLeft - 1 - kMargin), mBand - 2,
                   flags);
    ::SetWindowPos(mLayout.m_hWnd, nullptr, 0, mBand, width, std::max(0, height - 2 * mBand), flags);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return 0;
}

RECT WorkflowPanel::CloseButtonRect() const {
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    const int top = client.top + (mBand - kCloseSize) / 2;
    return RECT{client.right - kMargin - kCloseSize, top, client.right - kMargin, top + kCloseSize};
}

LRESULT WorkflowPanel::OnPaint(UINT, WPARAM, LPARAM, BOOL&) {
    PAINTSTRUCT paint{};
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    RECT client{};
    ::GetClientRect(m_hWnd, &client);
    RECT header{client.left, client.top, client.right, client.top + mBand};
    RECT footer{client.left, client.bottom - mBand, client.right, client.bottom};
    Fill(dc, header, kBandGrey);
    Fill(dc, footer, kBandGrey);
    Fill(dc, RECT{header.left, header.bottom - 1, header.right, header.bottom}, kBandEdge);
    Fill(dc, RECT{footer.left, footer.top, footer.right, footer.top + 1}, kBandEdge);
    static const Ovo::String title = LoadModuleString(kPanelTitle);
    HGDIOBJ old = SelectObject(dc, mBoldFont);
    RECT text{};
    DrawTextW(dc, title.c_str(), -1, &text, DT_CALCRECT | DT_SINGLELINE);
    OffsetRect(&text, kMargin, header.top + (mBand - (text.bottom - text.top)) / 2);
    SetBkColor(dc, kBandGrey);
    DrawTextW(dc, title.c_str(), -1, &text, DT_SINGLELINE);
    // The close mark: a cross, darker while the pointer is over it.
    const RECT close = CloseButtonRect();
    HPEN pen = CreatePen(PS_SOLID, 2, mHot ? 0x202020 : 0x707070);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    MoveToEx(dc, close.left + 2, close.top + 2, nullptr);
    LineTo(dc, close.right - 2, close.bottom - 2);
    MoveToEx(dc, close.right - 2, close.top + 2, nullptr);
    LineTo(dc, close.left + 2, close.bottom - 2);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, old);
    ::EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT WorkflowPanel::OnMouseMove(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT close = CloseButtonRect();
    const bool hot = PtInRect(&close, point) != FALSE;
    if (hot != mHot) {
        mHot = hot;
        ::InvalidateRect(m_hWnd, &close, FALSE);
    }
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_hWnd, 0};
    TrackMouseEvent(&track);
    return 0;
}

LRESULT WorkflowPanel::OnLButtonDown(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT close = CloseButtonRect();
    if (PtInRect(&close, point))
        ::SetCapture(m_hWnd);
    return 0;
}

LRESULT WorkflowPanel::OnLButtonUp(UINT, WPARAM, LPARAM lParam, BOOL&) {
    const POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    const RECT close = CloseButtonRect();
    const bool captured = ::GetCapture() == m_hWnd;
    ::ReleaseCapture();
    if (captured && PtInRect(&close, point))
        ::SendMessageW(GetParent(), WM_CLOSE, 0, 0);
    return 0;
}

LRESULT WorkflowPanel::OnCommand(UINT, WPARAM wParam, LPARAM, BOOL& handled) {
    switch (LOWORD(static_cast<DWORD>(wParam))) {
    case kTileViews:
        SetModelParam<26>(mWorkflowModel, ::SendMessageW(mTileBox, BM_GETCHECK, 0, 0) == BST_CHECKED);
        mWorkflowModel->CommitChange();
        return 0;
    case kHelp:
        ShowHelp();
        return 0;
    default:
        handled = FALSE;
        return 0;
    }
}

void WorkflowPanel::ShowHelp() {
    static const Ovo::String file(u"TarvikHelp");
    const Ovo::String topic = GetWorkflowHelpTopic(mDocument, GetModelParam<25>(mWorkflowModel));
    if (HelpHook())
        HelpHook()(topic, file);
}

LRESULT WorkflowPanel::OnControlColour(UINT, WPARAM wParam, LPARAM, BOOL&) {
    SetDCBrushColor(reinterpret_cast<HDC>(wParam), kBandGrey);
    return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
}

} // namespace Tarvik
