#pragma once

#include "host/loader/Host.h"
#include "module/HostServices.h"
#include "module/ModuleInstance.h"
#include "tests/support/ModuleStrings.h"
#include "workflow/ModelDocument.h"
#include "workflow/ModelMap.h"

namespace Fuzz {

/// A document that owns step models and answers what they ask with a recording of four channels.
class StepModelDocument : public Tarvik::ModelDocument {
public:
    StepModelDocument() { GetModel(Tarvik::kSetupModel); }
    ~StepModelDocument() { mModels.Clear(); }

    Tarvik::ModelPtr GetModel(std::int32_t id) override { return mModels.GetModel(id, this, nullptr); }
    Tarvik::ModelPtr FindModel() override { return mModels.Find(Tarvik::kSetupModel); }
    void EnsureSettingsLoaded() override {}
    bool IsLoadingSettings() const override { return false; }
    std::int32_t GetHostChannelCount() override { return 4; }
    bool IsChannelFlaggedAtPosition(std::uint32_t, std::uint32_t) override { return false; }
    IUnitService* UnitService() override { return Tarvik::GetUnitService(); }
    IDocumentData* DocumentData() override { return nullptr; }
    IUnknown* FindUnitElsewhere(std::int32_t, Position, Position) override { return nullptr; }

private:
    Tarvik::ModelMap mModels;
};

/// The host's framework and the module's string table for module code linked into the program, set
/// up once and never taken down (the module's statics may still call the host while they go).
inline void setUpModuleHost() {
    static const Vantrel::Host* const host = [] {
        auto* made = new Vantrel::Host(true);
        Tarvik::SetModuleInstance(TarvikTest::StringTableModule());
        return made;
    }();
    (void)host;
}

} // namespace Fuzz
