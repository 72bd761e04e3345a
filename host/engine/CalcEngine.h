#pragma once

#include "host/engine/Calculation.h"
#include "platform/vantrel/ICalcService.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace Vantrel {

/// The host's calculation engine over one recording. It parses formula texts (FormulaParser),
/// binds their names and evaluates them record by record (Calculation).
///
/// Names a formula may use, without regard to case:
/// - sample formulas: channel references "chN"/"channelN", numbers, "t", "pi", "+ - * /", "sin",
///   "shift" (SampleExpression);
/// - "CMPeakDet(signal, minHeight[, minPeriod])": the host's peak detector (PeakDetector), heights
///   in signal units, minPeriod in seconds (0 when left out), both constant and not negative;
/// - any calculation class the class lookup finds (ICalcService: by class or output name). Its
///   first sourceCount arguments (ICalcEnumNumericParams::GetParamInfo) are sources: a sample
///   formula where GetParam gives kCalcParamSamples, otherwise events (a calculation, CMPeakDet,
///   or a channel reference, which then stands for the channel's stored events). The arguments
///   after them are constant numbers inside the parameter's [minimum, maximum] (not checked when
///   both are 0); trailing ones may be left out.
///
/// The argument text SetArgs receives: the numbers after the sources, in the classic locale in
/// their shortest exact form, separated by single blanks, preceded by their count when the class
/// sets kCalcArgsLeadingCount ("4 -1 -1 -1 -1"; "0" for none).
class CalcEngine {
public:
    /// A channel that other formulas name: its formula and, when it gives events, the events it keeps.
    struct NamedChannel {
        std::u16string formula;
        KeptEvents events;
    };
    /// The channel of a name (a virtual channel's, by its lower-case name); none when the name is no
    /// such channel's. A formula that names one reads it as if its formula stood there, but takes
    /// the events the channel keeps for a complete record instead of computing them again.
    using ChannelFormulas = std::function<std::optional<NamedChannel>(const std::string& name)>;

    /// host: the object enumerators are created for (the document); may be null.
    CalcEngine(const Recording& recording, ComPtr<ICalcService> classes, ComPtr<IUnknown> host = {});

    /// Throws FormulaError for a text it cannot evaluate: bad syntax, an unknown name, a wrong
    /// argument, or arguments a calculation class refuses.
    Calculation compile(std::u16string_view text) const;
    Calculation compile(std::string_view text) const;
    /// Formulas may name the channels of `channels`; a channel defined through itself is an error.
    Calculation compile(std::u16string_view text, const ChannelFormulas& channels) const;
    /// As compile, but answers a bad text with E_INVALIDARG and the error's text.
    HRESULT tryCompile(std::u16string_view text, std::unique_ptr<Calculation>& out, std::string& error,
                       const ChannelFormulas& channels = {}) const;

private:
    const Recording& mRecording;
    ComPtr<ICalcService> mClasses;
    ComPtr<IUnknown> mHost;
};

} // namespace Vantrel
