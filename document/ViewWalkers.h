#pragma once
// Walks over the host's tree of a document's views (platform/vantrel/HostViews.h),
// depth first: a node's views in order, then its child nodes; a null node is
// skipped.

#include <vector>

#include "module/MessageIds.h"
#include "workflow/WorkflowSteps.h"

struct IUnknown;

namespace Tarvik {

// Hides (view operation 5 with false) every view whose kind is neither the workflow panel's nor one the
// step's layout places.
void ForEachStepView(IUnknown* root, const std::vector<ViewPlacement>& layout, TarvikMessageId workflowPanel);
// Hides every workflow panel.
void ForEachWorkflowView(IUnknown* root, TarvikMessageId workflowPanel);

} // namespace Tarvik
