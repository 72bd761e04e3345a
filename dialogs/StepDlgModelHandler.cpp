#include "dialogs/StepDlgModelHandler.h"

#include "platform/user/user.h"

namespace Tarvik {

ZARCommandTable& StepDlgModelHandler::CommandTable() {
    using Rows = TableRows<StepDlgModelHandler>;
    static ZARCommandTable table{
        Rows::Observer<&StepDlgModelHandler::OnParamsChanged>(DocId<34>),
        Rows::Observer<&StepDlgModelHandler::OnStepMessage>(DocId<35>),
        Rows::Observer<&StepDlgModelHandler::OnStepReady>(DocId<36>),
        Rows::Observer<&StepDlgModelHandler::OnStepNotReady>(DocId<37>),
        Rows::Observer<&StepDlgModelHandler::OnDocumentRefreshed>(DocId<38>),
        Rows::Observer<&StepDlgModelHandler::OnSettingsChanged>(DocId<33>),
    };
    return table;
}

StepDlgModelHandler::StepDlgModelHandler(TarvikDocument& document, ModelPtr model)
    : mModel(std::move(model)), mDocument(&document) {
    if (mModel)
        static_cast<ZARSubject*>(mModel.get())->Attach(ObserverPart());
    if (IUnknown* host = document.HostDocumentObject()) {
        mDocumentSubject = QueryInterfacePtr<ISubject>(host, IID_ISubject);
        if (mDocumentSubject)
            mDocumentSubject->Attach(ObserverPart());
    }
}

StepDlgModelHandler::~StepDlgModelHandler() {
    if (mDocumentSubject)
        mDocumentSubject->Detach(ObserverPart());
    if (mModel)
        static_cast<ISubject*>(static_cast<ZARSubject*>(mModel.get()))->Detach(ObserverPart());
}

HRESULT StepDlgModelHandler::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IObserver)
        *out = ObserverPart();
    else if (iid == IID_ICAFCommandHandler)
        *out = CommandPart();
    else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    return S_OK;
}

void StepDlgModelHandler::SyncModel() {
    if (mModel)
        mModel->CommitChange();
}

HWND StepDlgModelHandler::Section() const {
    HWND dialog = StepWindow();
    return dialog != nullptr ? GetParent(dialog) : nullptr;
}

void StepDlgModelHandler::ShowStepMessage(const Ovo::String& caption, const Ovo::String& text) {
    SendMessageW(Section(), WM_USER + 2, reinterpret_cast<WPARAM>(caption.c_str()),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

void StepDlgModelHandler::ClearStepMessage() {
    SendMessageW(Section(), WM_USER + 2, 0, 0);
}

void StepDlgModelHandler::SetStepReady(bool ready) {
    SendMessageW(Section(), WM_USER + 3, ready ? 1 : 0, 0);
}

void StepDlgModelHandler::OnParamsChanged(const ModelParamsChangedData* data) {
    if (data->model == mModel.get() && StepWindow() != nullptr)
        OnModelChanged(data->Changed());
}

void StepDlgModelHandler::OnStepMessage(const StepMessageRaisedData* data) {
    if (data->model != mModel.get())
        return;
    ShowStepMessage(data->caption, data->message);
    AfterStepMessage();
}

void StepDlgModelHandler::OnStepReady(const ModelNoticeData* data) {
    if (data->model != mModel.get())
        return;
    SetStepReady(true);
    ClearStepMessage();
    AfterStepReady();
}

void StepDlgModelHandler::OnStepNotReady(const ModelNoticeData* data) {
    if (data->model != mModel.get())
        return;
    SetStepReady(false);
    ClearStepMessage();
    AfterStepNotReady();
}

void StepDlgModelHandler::OnDocumentRefreshed() {
    if (mModel && StepWindow() != nullptr)
        OnModelChanged(mModel->GetParamIdSet());
}

void StepDlgModelHandler::OnSettingsChanged(ULONG_PTR) {
    if (StepWindow() != nullptr)
        OnDocumentChanged();
}

} // namespace Tarvik
