#pragma once
// The base of the module's analysis views: a view window of the module with
// the view class that made it. Until a view draws its content it shows its
// title on the window colour. Its command table turns the document's
// data-changed notification into OnDocumentDataChanged; a view's own table
// falls back to it, and it to ViewBase's.

#include "views/OwlDocViewClassBase.h"
#include "views/ViewBase.h"

namespace Tarvik {

// String id of the module's string table, loaded through the library's instance.
Ovo::String LoadViewTitle(UINT id);

class TarvikViewBase : public ViewBase {
public:
    TarvikViewBase(OWL::TWindow* parent, IUnknown* document, IDocView2* view, OwlDocViewClassBase* viewClass,
                   ULONG_PTR creation);

    OwlDocViewClassBase* ViewClass() const { return mViewClass; }
    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;
    // Cuts the link to the host's view object before the window goes.
    void EvDestroy();

    // The document's data changed (flags: what changed). A view that draws nothing has nothing to
    // refresh.
    virtual void OnDocumentDataChanged(std::uint32_t flags) {}
    void OnDataChangedNotice(ULONG_PTR flags);

protected:
    // The text shown by a view that draws nothing else: its class's title.
    virtual const Ovo::String& ViewTitle() const = 0;

private:
    OwlDocViewClassBase* mViewClass;

    DECLARE_RESPONSE_TABLE(TarvikViewBase);

public:
    ZAR_COMMAND_TABLE(TarvikViewBase, ViewBase)
};

} // namespace Tarvik
