#pragma once
// The TarvikdPdTMaxEDVGraphView window as far as the view classes need it: its title (string
// 135) and its place as a module view.

#include "views/TarvikViewBase.h"

namespace Tarvik {

class TarvikdPdTMaxEDVGraphView : public TarvikViewBase {
public:
    TarvikdPdTMaxEDVGraphView(OWL::TWindow* parent, IUnknown* document, IDocView2* view,
                              OwlDocViewClassBase* viewClass, ULONG_PTR creation)
        : TarvikViewBase(parent, document, view, viewClass, creation) {}

    // Loaded once from the module's string table.
    static const Ovo::String& GetTitle();

protected:
    const Ovo::String& ViewTitle() const override { return GetTitle(); }
};

} // namespace Tarvik
