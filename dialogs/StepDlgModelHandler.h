#pragma once
// Tarvik::StepDlgModelHandler: the part of a step dialog that binds it to the
// document and to its step model. It observes the model (34 parameters
// changed, 35 step message, 36 ready, 37 not ready) and the document (33
// settings changed, 38 refreshed) and turns them into redraws of the dialog and
// into the state of the dialog's accordion section (its parent window):
// WM_USER+2 (caption, text) shows a step message there, (0, 0) clears it, and
// WM_USER+3 (flag) marks the step ready.

#include "document/TarvikDocument.h"
#include "module/ZAREventHandlerT.h"
#include "platform/vantrel/Subject.h"
#include "platform/win32/com_ptr.h"
#include "workflow/Model.h"
#include "workflow/ModelMessages.h"

namespace Tarvik {

class StepDlgModelHandler : public ZAREventHandlerT {
public:
    // Attaches to the model and to the document's subject.
    StepDlgModelHandler(TarvikDocument& document, ModelPtr model);
    ~StepDlgModelHandler() override;
    StepDlgModelHandler(const StepDlgModelHandler&) = delete;
    StepDlgModelHandler& operator=(const StepDlgModelHandler&) = delete;

    // The handler lives inside its dialog: the counts never delete it.
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }

    ZAR_COMMAND_TABLE(StepDlgModelHandler, ZAREventHandlerBase)

    // Publishes the model's changes (after the dialog has set a parameter).
    void SyncModel();

    // Redraws the controls of the parameters in the set.
    virtual void OnModelChanged(const ModelParamSet& changed) = 0;
    virtual void AfterStepMessage() {}
    virtual void AfterStepReady() {}
    virtual void AfterStepNotReady() {}
    virtual void OnDocumentChanged() {}

    void ShowStepMessage(const Ovo::String& caption, const Ovo::String& text);
    void ClearStepMessage();
    void SetStepReady(bool ready);

    Model& StepModel() const { return *mModel; }
    const ModelPtr& StepModelPtr() const { return mModel; }
    TarvikDocument& Document() const { return *mDocument; }

protected:
    // The dialog's window; its parent is the accordion section.
    virtual HWND StepWindow() const = 0;

private:
    void OnParamsChanged(const ModelParamsChangedData* data);
    void OnStepMessage(const StepMessageRaisedData* data);
    void OnStepReady(const ModelNoticeData* data);
    void OnStepNotReady(const ModelNoticeData* data);
    void OnDocumentRefreshed();
    void OnSettingsChanged(ULONG_PTR flags);
    HWND Section() const;

    ModelPtr mModel;
    TarvikDocument* mDocument;
    ComPtr<ISubject> mDocumentSubject;
};

} // namespace Tarvik
