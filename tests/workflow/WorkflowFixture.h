#pragma once
// A document for step models without a recording document around it, an
// observer that records what models send, and the fixture that gives both the
// host's framework and the module's string table.

#include <set>
#include <string>
#include <vector>

#include "module/ModuleInstance.h"
#include "tests/support/ModuleHost.h"
#include "workflow/ModelClassObjects.h"
#include "workflow/ModelDocument.h"
#include "workflow/ModelMap.h"
#include "workflow/ModelMessages.h"
#include "workflow/ModelParamAccess.h"

namespace TarvikTest {

// What the models ask of a document, answered by the test; the set-up model is made at once, as the
// module's document makes it.
class TestModelDocument : public Tarvik::ModelDocument {
public:
    TestModelDocument() { GetModel(Tarvik::kSetupModel); }
    ~TestModelDocument() override { models.Clear(); }

    Tarvik::ModelPtr GetModel(std::int32_t id) override { return models.GetModel(id, this, nullptr); }
    Tarvik::ModelPtr FindModel() override { return models.Find(Tarvik::kSetupModel); }
    void EnsureSettingsLoaded() override {
        ++settingsUpdates;
        if (log != nullptr)
            log->push_back("settings");
    }
    bool IsLoadingSettings() const override { return loading; }
    std::int32_t GetHostChannelCount() override { return channelCount; }
    bool IsChannelFlaggedAtPosition(std::uint32_t number, std::uint32_t kind) override {
        return kind == 0xC0000000 && flagged.count(number) != 0;
    }
    IUnitService* UnitService() override;
    IDocumentData* DocumentData() override { return data; }
    IUnknown* FindUnitElsewhere(std::int32_t, Position, Position) override { return nullptr; }

    Tarvik::ModelMap models;
    bool loading = false;
    std::int32_t channelCount = 4;
    std::set<std::uint32_t> flagged;
    IDocumentData* data = nullptr;
    int settingsUpdates = 0;
    std::vector<std::string>* log = nullptr;
};

// Records the notifications of the models it observes as texts: "34 3,5" (changed ids), "35 caption
// | text", "36", "37" (each prefixed with the source model's id when asked).
class Recorder : public IObserver {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT Register(ISubjectService*) override { return S_OK; }
    HRESULT Notify(ISubject* subject, DWORD id, DWORD reserved, ULONG_PTR payload) override;

    void Observe(const Tarvik::ModelPtr& model) { model->Attach(this); }

    std::vector<std::string> log;
    bool withSource = false;
    // Runs on each notification after it is logged.
    std::function<void(DWORD id, ULONG_PTR payload)> onNotify;
};

// The framework, the module's string table, and a document for the models.
class WorkflowTest : public ModuleHost {
protected:
    WorkflowTest();
    void TearDown() override;

    template <std::int32_t Id> Tarvik::ModelPtr Model() { return document->GetModel(Id); }

    std::unique_ptr<TestModelDocument> document;
};

// Ids as text: "3,5".
std::string IdsText(const Tarvik::ModelParamSet& ids);

} // namespace TarvikTest
