#include "host/framework/ViewServices.h"
#include "host/graph/GraphService.h"
#include "platform/user/user.h"
#include "tests/views/AnalysedRecording.h"

namespace TarvikTest {

struct ViewFrame::Parts {
    ComPtr<Vantrel::ViewClassService> service =
        ComPtr<Vantrel::ViewClassService>::Adopt(new Vantrel::ViewClassService);
    ComPtr<Vantrel::HostFrame> frame = ComPtr<Vantrel::HostFrame>::Adopt(new Vantrel::HostFrame);
    ComPtr<Vantrel::GraphService> graphs = ComPtr<Vantrel::GraphService>::Adopt(new Vantrel::GraphService);
    ComPtr<IDocView2> view;
};

ViewFrame::ViewFrame(Vantrel::Framework& framework) : mParts(std::make_unique<Parts>()) {
    Vantrel::InstallViewServices(framework, *mParts->service.Get());
    // The graphs' scale strips.
    Vantrel::InstallGraphService(framework, *mParts->graphs.Get());
}

ViewFrame::~ViewFrame() {
    Close();
}

HWND ViewFrame::Open(IUnknown* viewClass, IUnknown* document, DWORD kind) {
    const auto docViewClass = QueryInterfacePtr<IDocViewClass>(viewClass, IID_IDocViewClass);
    if (!docViewClass)
        return nullptr;
    mParts->view = Vantrel::OpenView(*docViewClass.Get(), document, *mParts->frame.Get(), 0, kind);
    return mParts->view ? GetWindow(mParts->frame->ClientWindow(), GW_CHILD) : nullptr;
}

void ViewFrame::Close() {
    if (mParts->view)
        mParts->view->Close();
    mParts->view.Reset();
}

} // namespace TarvikTest
