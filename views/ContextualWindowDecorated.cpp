#include "views/ContextualWindowDecorated.h"

namespace Tarvik {

using SubclassedWindow = ContextualWindowDecorated::SubclassedWindow;

DEFINE_RESPONSE_TABLE1(SubclassedWindow, OWL::TWindow)
EV_REGISTERED(kGetWindowContextMessage, EvGetWindowContext), EV_WM_SHOWWINDOW, END_RESPONSE_TABLE;

ContextualWindowDecorated::~ContextualWindowDecorated() = default;

SubclassedWindow::SubclassedWindow(ContextualWindowDecorated* owner, OWL::TModule* module)
    : OWL::TWindow(owner->window, module), mOwner(owner) {}

LRESULT SubclassedWindow::EvGetWindowContext(WPARAM, LPARAM) {
    return static_cast<LRESULT>(mOwner->context);
}

void SubclassedWindow::EvShowWindow(bool shown, UINT) {
    if (mOwner != nullptr)
        mOwner->OnShown(shown);
    DefaultProcessing();
}

void ContextualWindowDecorated::ReplaceContentWindow(OWL::TModule* module) {
    auto replacement = std::make_unique<SubclassedWindow>(this, module);
    if (replacement.get() != mContent.get())
        mContent = std::move(replacement);
}

} // namespace Tarvik
