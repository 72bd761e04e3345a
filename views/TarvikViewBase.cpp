#include "views/TarvikViewBase.h"

#include "module/ModuleInstance.h"
#include "platform/user/user.h"

namespace Tarvik {

Ovo::String LoadViewTitle(UINT id) {
    return LoadModuleString(id);
}

DEFINE_RESPONSE_TABLE1(TarvikViewBase, ViewBase)
EV_WM_DESTROY, END_RESPONSE_TABLE;

// The document's data-changed notification is number 33 of its space; its data word is the word of
// change flags itself.
ZARCommandTable& TarvikViewBase::CommandTable() {
    static ZARCommandTable table{
        TableRows<TarvikViewBase>::Observer<&TarvikViewBase::OnDataChangedNotice>(&DocId<33>),
    };
    return table;
}

TarvikViewBase::TarvikViewBase(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                               OwlDocViewClassBase* viewClass, ULONG_PTR creation)
    : ViewBase(parent, nullptr, viewClass ? viewClass->Module() : nullptr, view, document, creation),
      mViewClass(viewClass) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
}

void TarvikViewBase::Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) {
    OWL::TRect client = GetClientRect();
    dc.FillRect(client, GetSysColorBrush(COLOR_WINDOW));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    const Ovo::String& title = ViewTitle();
    dc.DrawText(title.c_str(), title.Length(), client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ViewBase::Paint(dc, erase, rect);
}

void TarvikViewBase::OnDataChangedNotice(ULONG_PTR flags) {
    OnDocumentDataChanged(static_cast<std::uint32_t>(flags));
}

void TarvikViewBase::EvDestroy() {
    Detach();
    DefaultProcessing();
}

} // namespace Tarvik
