#pragma once

#include "host/engine/CalcTerm.h"
#include "host/engine/FormulaNode.h"
#include "platform/vantrel/ICalcService.h"

#include <map>

namespace Vantrel {

/// Turns a parsed formula into bound terms: resolves the host functions and the calculation
/// classes, checks sources and numbers, and composes each class's argument text (rules in
/// CalcEngine). Throws FormulaError.
class FormulaBinder {
public:
    enum class Want { Samples, Events, Either };
    /// The events kept for the nodes that stand for a named channel.
    using KeptByNode = std::map<const FormulaNode*, KeptEvents>;

    /// kept: given to the event terms of those nodes; may be null.
    FormulaBinder(std::size_t channelCount, ICalcService* classes, IUnknown* host,
                  const KeptByNode* kept = nullptr);

    CalcTerm bind(const FormulaNode& node, Want want);

private:
    struct ClassInfo;

    CalcTerm bindPeaks(const FormulaNode& node);
    CalcTerm bindModule(const FormulaNode& node, ComPtr<ICalcEnumClass2> calcClass);
    void bindNumbers(const FormulaNode& node, CalcTerm& term, const ClassInfo& info);
    void checkArguments(CalcTerm& term, ICalcEnumClass2* calcClass);
    double constantArgument(const FormulaNode& node, const std::string& what);
    ComPtr<ICalcEnumClass2> findClass(const std::string& name) const;

    std::size_t mChannelCount;
    ICalcService* mClasses;
    IUnknown* mHost;
    const KeptByNode* mKept;
};

} // namespace Vantrel
