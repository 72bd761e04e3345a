#pragma once
// A recording open in the host with the module's document set up (the stored set-up streams: pressure
// channel 0, volume channel 1) and its menu added through a command object of the host, so that the
// host's command service reaches the document's commands and enablers.

#include "platform/user/Desktop.h"
#include "tests/document/RecordingFixture.h"
#include "workflow/ModelParamAccess.h"

namespace TarvikTest {

class CommandFixture : public RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        user::Desktop::Reset();
        recording = InBlocks(*ImportSample("mouse-occlusion"));
    }
    void TearDown() override {
        command.Reset();
        Zar().MessageClasses().ReleaseClasses();
        RecordingFixture::TearDown();
        user::Desktop::Reset();
    }

    Tarvik::TarvikDocument& OpenWithSetUp() {
        Open(*recording);
        recordingDocument->storeStream(0, ReadBytes(kDocumentData / "setup-stream0.bin"));
        recordingDocument->storeStream(1, ReadBytes(kDocumentData / "setup-stream1.bin"));
        Tarvik::TarvikDocument& document = OpenModule();
        // The document class's command object routes the menu's commands to the document.
        const auto handler =
            QueryInterfacePtr<ICAFCommandHandler>(document.Identity(), IID_ICAFCommandHandler);
        Zar().Commands().CreateCommand(&Tarvik::TarvikDocumentGUID, handler.Get(), 0, command.Put());
        Tarvik::TarvikDocument::AddMenuCommands(command.Get());
        // The automation commands, registered as the library registers them.
        Tarvik::InitModuleStatics(Tarvik::DefaultRegistrars());
        Tarvik::Statics().messageClasses.ForEach([this](Ovo::LinkedClassObject& node) {
            Zar().MessageClasses().RegisterMessageClass(0, node.ClassObject());
        });
        return document;
    }

    static DWORD Id(WORD n) {
        return Tarvik::MakeMessageId(Tarvik::MessageSpace(Tarvik::TarvikDocumentGUID), n);
    }
    Vantrel::CommandState* Item(WORD n) { return Zar().CommandUI().Item(Id(n)); }
    Vantrel::CommandUpdate Update(WORD n) { return Zar().CommandUI().Update(Id(n)); }

    // Commits a workflow step (with the workflow in use, a small-mammal one).
    void EnterStep(Tarvik::TarvikDocument& document, std::int32_t step, std::int32_t analysisType = 1) {
        const Tarvik::ModelPtr setup = document.FindModel();
        Tarvik::SetModelParam<0>(setup, 1);
        Tarvik::SetModelParam<34>(setup, true);
        setup->CommitChange();
        const Tarvik::ModelPtr analysis = document.GetModel(Tarvik::kAnalysisModel);
        Tarvik::SetModelParam<20>(analysis, analysisType);
        analysis->CommitChange();
        const Tarvik::ModelPtr workflow = document.GetModel(Tarvik::kWorkflowViewModel);
        Tarvik::SetModelParam<25>(workflow, step);
        workflow->CommitChange();
    }

    const Vantrel::HostView* View(WORD kind) { return recordingDocument->views().Find(Id(kind)); }

    std::unique_ptr<Vantrel::Recording> recording;
    ComPtr<ICAFCommand> command;
};

} // namespace TarvikTest
