#include "tests/workflow/WorkflowFixture.h"

#include "module/HostServices.h"
#include "tests/support/ModuleStrings.h"

namespace TarvikTest {

using namespace Tarvik;

IUnitService* TestModelDocument::UnitService() {
    return GetUnitService();
}

HRESULT Recorder::QueryInterface(REFIID iid, void** out) {
    if (iid != IID_IObserver && iid != IID_IUnknown)
        return E_NOINTERFACE;
    *out = static_cast<IObserver*>(this);
    return S_OK;
}

std::string IdsText(const ModelParamSet& ids) {
    std::string text;
    for (ModelParamId id : ids.Ids())
        text += (text.empty() ? "" : ",") + std::to_string(id);
    return text;
}

HRESULT Recorder::Notify(ISubject*, DWORD id, DWORD, ULONG_PTR payload) {
    const auto* notice = reinterpret_cast<const ModelNoticeData*>(payload);
    std::string entry = withSource ? std::to_string(notice->model->GetModelId()) + ": " : std::string();
    if (id == ModelParamsChangedMsgId()) {
        entry += "34 " + IdsText(reinterpret_cast<const ModelParamsChangedData*>(payload)->Changed());
    } else if (id == StepMessageRaisedMsgId()) {
        const auto* raised = reinterpret_cast<const StepMessageRaisedData*>(payload);
        entry += "35 " + raised->caption.ToUtf8() + " | " + raised->message.ToUtf8();
    } else if (id == ModelApplicableMsgId()) {
        entry += "36";
    } else if (id == ModelNotApplicableMsgId()) {
        entry += "37";
    } else {
        entry += "? " + std::to_string(id);
    }
    log.push_back(entry);
    if (onNotify)
        onNotify(id, payload);
    return S_OK;
}

WorkflowTest::WorkflowTest() {
    SetModuleInstance(StringTableModule());
    document = std::make_unique<TestModelDocument>();
}

void WorkflowTest::TearDown() {
    document.reset();
    ModuleHost::TearDown();
}

} // namespace TarvikTest
