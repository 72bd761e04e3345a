#pragma once
// The window of the workflow panel: the module's view that hosts the
// workflow panel (dialogs/WorkflowPanel.h) over its whole client area.

#include <memory>

#include "dialogs/WorkflowPanel.h"
#include "views/TitledView.h"

namespace Tarvik {

class WorkflowView : public TitledView<191> {
public:
    using TitledView<191>::TitledView;
    ~WorkflowView() override;

    void SetupWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Null until the window is set up, or when the host document has no module document.
    WorkflowPanel* Panel() const { return mPanel.get(); }

private:
    std::unique_ptr<WorkflowPanel> mPanel;
};

} // namespace Tarvik
