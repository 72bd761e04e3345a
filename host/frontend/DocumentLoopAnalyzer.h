#pragma once

#include "host/frontend/LoopAnalyzer.h"

#include <span>

namespace Vantrel {

class ModuleHost;

/// The analysis as a user runs it in the host: the recording is opened as a host document with the
/// module's document in it (with the kept settings, when given); a recorded macro is replayed; the
/// stretch asked for becomes the host's selection (kept settings without one: their region, selected
/// again by ReselectTarvikAnalyzedRegion); the module's Settings dialog is answered as the user
/// would answer it (the channels, the selection or the whole channel, the peak height and period of
/// the pressure's beat detection, and for an ECG the host's event channel of its R waves as QRS
/// source; what is not asked for stays as the settings have it); then the automation command
/// AnalyzeTarvikNow runs. The loops
/// are the events of the module's virtual channel "tarvik" (except the trailing event of each
/// record, which carries no loop), each parameter is read through the module's selector classes
/// ("pva" for PVA, PE and CE), and the relations come from the module's "pva" text (see
/// relationReport). The module is reached only through the library the host loaded.
class DocumentLoopAnalyzer : public LoopAnalyzer {
public:
    /// The loop parameters shown, in the module's display order.
    static std::span<const int> parameterIds();

    explicit DocumentLoopAnalyzer(ModuleHost& module);

    /// Throws SettingsRefused when the module refuses the settings, std::runtime_error when the
    /// macro cannot be replayed, the Settings dialog refuses its answers, or the formulas cannot be
    /// evaluated.
    AnalysisOutcome analyze(Recording& recording, const AnalysisRequest& request) override;

private:
    ModuleHost& mModule;
};

} // namespace Vantrel
