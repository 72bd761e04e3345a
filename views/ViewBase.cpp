#include "views/ViewBase.h"

#include <algorithm>

#include "module/HostServices.h"
#include "platform/owl/TUIMetric.h"
#include "platform/user/user.h"

namespace Tarvik {

namespace {

void SetStateText(ICommandState& state, const Ovo::String& text) {
    state.SetText(ComPtr<IAutoOvoString>::Adopt(text.GetInterface()).Get());
}

} // namespace

DEFINE_RESPONSE_TABLE1(ViewBase, OWL::TWindow)
EV_WM_NCHITTEST, END_RESPONSE_TABLE;

ZARCommandTable& ViewBase::CommandTable() {
    static ZARCommandTable table{
        TableRows<ViewBase>::Enabler<&ViewBase::CeCopy>(&FixedId<kCopyCommandId>),
        TableRows<ViewBase>::Enabler<&ViewBase::CePrint>(&FixedId<kPrintCommandId>),
        TableRows<ViewBase>::Enabler<&ViewBase::CeThird>(&FixedId<kThirdCommandId>),
        TableRows<ViewBase>::Message<&ViewBase::MsgViewDefault>(&FixedId<kViewDefaultMessageId>),
    };
    return table;
}

ViewBase::ViewBase(OWL::TWindow* parent, LPCWSTR title, OWL::TModule* module, IUnknown* viewSite,
                   IUnknown* document, ULONG_PTR creation)
    : OWL::TWindow(parent, title, module), mModuleValue(module), mViewSite(viewSite), mDocument(document),
      mCreation(creation) {
    if (const auto hostDocument = QueryInterfacePtr<IHostDocumentEx>(mDocument, IID_IHostDocumentEx)) {
        BSTR text = nullptr;
        if (SUCCEEDED(hostDocument->GetTitle(&text)))
            mTitle.AttachBSTR(text);
    }
    if (const auto site = QueryInterfacePtr<IViewSite>(mViewSite, IID_IViewSite)) {
        if (SUCCEEDED(site->GetHostViewLink(&mHostViewLink)) && mHostViewLink != nullptr)
            mHostViewLink->Release(); // kept without a reference
    }
}

ViewBase::~ViewBase() = default;

ComPtr<IHostView> ViewBase::GetHostView() const {
    ComPtr<IUnknown> hostObject;
    if (const auto site = QueryInterfacePtr<IViewSite>(mViewSite, IID_IViewSite))
        site->GetHostObject(hostObject.Put());
    else
        return nullptr;
    ComPtr<IHostView> view;
    if (const auto holder = hostObject.Query<IHostViewHolder>(IID_IHostViewHolder))
        holder->GetHostView(view.Put());
    return view;
}

OWL::TRect ViewBase::GripRect() const {
    const LONG size = std::max(OWL::TUIMetric::CxHScroll.Get(), OWL::TUIMetric::CyVScroll.Get());
    const OWL::TRect client = GetClientRect();
    return {client.right - size, client.bottom - size, client.right, client.bottom};
}

// The frame that holds the view is the parent of the view's parent.
bool ViewBase::FrameMaximised() const {
    const HWND parent = GetParentH();
    const HWND frame = parent ? ::GetParent(parent) : nullptr;
    return frame != nullptr && ::IsZoomed(frame);
}

void ViewBase::Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) {
    if (mPaintSizeGrip) {
        const OWL::TRect grip = GripRect();
        if (FrameMaximised())
            dc.FillRect(grip, GetSysColorBrush(COLOR_BTNFACE));
        else
            dc.DrawFrameControl(grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    }
    OWL::TWindow::Paint(dc, erase, rect);
}

UINT ViewBase::EvNCHitTest(const OWL::TPoint& screen) {
    OWL::TPoint point = screen;
    ScreenToClient(point);
    if (!FrameMaximised() && mHitTestSizeGrip && GripRect().Contains(point))
        return static_cast<UINT>(HTBOTTOMRIGHT);
    return static_cast<UINT>(DefaultProcessing());
}

Ovo::String ViewBase::LocalisedPrintText(const Ovo::String& text, bool languageKnown, BYTE language) {
    static const Ovo::String print(u"&Print");
    static const Ovo::String imprimir(u"&Imprimir");
    constexpr BYTE kSpanish = 10;
    if (!languageKnown || language != kSpanish || text.Length() < print.Length() ||
        text.Mid(0, print.Length()) != print)
        return text;
    Ovo::String out = imprimir;
    out += text.Mid(print.Length(), text.Length() - print.Length());
    return out;
}

void ViewBase::CeCopy(ICommandState& state) {
    Ovo::String text;
    GetCopyCommandText(text);
    SetStateText(state, text);
    state.SetEnabled(CanCopy() ? VARIANT_TRUE : VARIANT_FALSE);
}

void ViewBase::CePrint(ICommandState& state) {
    Ovo::String text;
    GetPrintCommandText(text);
    WORD language = 0;
    IHostApplication* application = GetHostApplication();
    const bool known = application != nullptr && SUCCEEDED(application->GetUiLanguage(&language));
    SetStateText(state, LocalisedPrintText(text, known, static_cast<BYTE>(language & 0xFF)));
    state.SetEnabled(CanPrint() ? VARIANT_TRUE : VARIANT_FALSE);
}

void ViewBase::CeThird(ICommandState& state) {
    state.SetEnabled(CanDoThirdCommand() ? VARIANT_TRUE : VARIANT_FALSE);
}

HRESULT ViewBase::MsgViewDefault() {
    if (const auto view = GetHostView())
        view->RunDefault();
    return 1;
}

} // namespace Tarvik
