#include "document/ViewWalkers.h"

#include <algorithm>

#include "platform/vantrel/HostViews.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

namespace {

// Calls visit(view, kind) for every view under node.
template <class Visit> void Walk(IUnknown* node, Visit& visit) {
    const auto tree = QueryInterfacePtr<IHostViewNode>(node, IID_IHostViewNode);
    if (!tree)
        return;
    ComPtr<IHostEnum> views;
    if (SUCCEEDED(tree->EnumViews(views.Put())) && views) {
        for (;;) {
            ComPtr<IUnknown> item;
            ULONG fetched = 0;
            if (views->Next(1, item.Put(), &fetched) != S_OK || !item)
                break;
            const auto view = QueryInterfacePtr<IHostView>(item.Get(), IID_IHostView);
            ComPtr<IHostViewClass> viewClass;
            DWORD kind = 0;
            if (view && SUCCEEDED(view->GetViewClass(viewClass.Put())) && viewClass &&
                SUCCEEDED(viewClass->GetKindId(&kind)))
                visit(*view.Get(), kind);
        }
    }
    ComPtr<IHostEnum> children;
    if (FAILED(tree->EnumChildren(children.Put())) || !children)
        return;
    for (;;) {
        ComPtr<IUnknown> child;
        ULONG fetched = 0;
        if (children->Next(1, child.Put(), &fetched) != S_OK || !child)
            break;
        Walk(child.Get(), visit);
    }
}

} // namespace

void ForEachStepView(IUnknown* root, const std::vector<ViewPlacement>& layout,
                     TarvikMessageId workflowPanel) {
    auto hide = [&](IHostView& view, DWORD kind) {
        const bool placed = std::any_of(layout.begin(), layout.end(), [kind](const ViewPlacement& entry) {
            return entry.viewKind == kind;
        });
        if (kind != workflowPanel && !placed)
            view.Show(FALSE);
    };
    Walk(root, hide);
}

void ForEachWorkflowView(IUnknown* root, TarvikMessageId workflowPanel) {
    auto hide = [&](IHostView& view, DWORD kind) {
        if (kind == workflowPanel)
            view.Show(FALSE);
    };
    Walk(root, hide);
}

} // namespace Tarvik
