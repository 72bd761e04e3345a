#pragma once

#include "host/frontend/LoopAnalyzer.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/win32/com_ptr.h"

#include <functional>
#include <span>

namespace Vantrel {

/// The name and unit of a loop parameter (id 1 to 29) for the given pressure and volume channels.
using LoopParameterNamer =
    std::function<NamedColumn(int id, const ChannelInfo& pressure, const ChannelInfo& volume)>;

/// The analysis as the host runs it for the module's document: the loop analyser's formula over
/// the whole recording is evaluated by the host's calculation engine, which creates the module's
/// calculation classes through the class lookup, and each loop parameter is read through the
/// module's parameter selector over the same loops. Loops are the analyser's events except the
/// trailing one of each record, which carries no loop. The pressure-volume relations are fitted
/// over them as the module's loop data fits them (fitRelations).
class EngineLoopAnalyzer : public LoopAnalyzer {
public:
    /// The loop parameters shown, in the module's display order: every one the loop analyser
    /// gives (those of the pressure-volume-area calculation need relation fits).
    static std::span<const int> parameterIds();

    EngineLoopAnalyzer(ComPtr<ICalcService> classes, LoopParameterNamer namer);

    /// Throws FormulaError when the engine cannot evaluate the formulas (a class is missing or
    /// refuses them), std::runtime_error when the selectors disagree with the analyser.
    LoopTable analyze(Recording& recording, const AnalysisChannels& channels) override;

private:
    ComPtr<ICalcService> mClasses;
    LoopParameterNamer mNamer;
};

} // namespace Vantrel
