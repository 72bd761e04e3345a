#include "dialogs/WorkflowView.h"

#include "document/HostLoopData.h"

namespace Tarvik {

WorkflowView::~WorkflowView() {
    if (mPanel && mPanel->m_hWnd != nullptr)
        mPanel->DestroyWindow();
}

void WorkflowView::SetupWindow() {
    TitledView<191>::SetupWindow();
    TarvikDocument* document = ModuleDocumentOf(Document());
    if (document == nullptr)
        return;
    RECT client{};
    ::GetClientRect(GetHandle(), &client);
    mPanel = std::make_unique<WorkflowPanel>(*document);
    if (mPanel->Create(GetHandle(), client) == nullptr)
        mPanel.reset();
}

LRESULT WorkflowView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SIZE && mPanel && mPanel->m_hWnd != nullptr)
        ::MoveWindow(mPanel->m_hWnd, 0, 0, LOWORD(static_cast<DWORD>(lParam)),
                     HIWORD(static_cast<DWORD>(lParam)), TRUE);
    return TitledView<191>::WindowProc(message, wParam, lParam);
}

} // namespace Tarvik
