#include "host/engine/FormulaBinder.h"

#include "host/engine/CalcClassCatalog.h"
#include "host/engine/FormulaError.h"
#include "host/framework/Text.h"
#include "platform/vantrel/ICalcEnumNumericParams.h"
#include "platform/vantrel/IEnumEventEx.h"

#include <charconv>
#include <cmath>

namespace Vantrel {

struct FormulaBinder::ClassInfo {
    ComPtr<ICalcEnumNumericParams> params;
    LONG paramCount = 0;
    LONG sourceCount = 0;
    DWORD flags = 0;
};

namespace {

using Kind = FormulaNode::Kind;

bool isHostSampleFunction(const std::string& name) {
    return name == "sin" || name == "shift";
}

/// The shortest text that reads back as v, in the classic locale.
std::string numberText(double v) {
    char text[32];
    auto [end, error] = std::to_chars(text, text + sizeof text, v);
    return std::string(text, end);
}

std::string argumentName(ICalcEnumNumericParams* params, LONG index) {
    ComPtr<IAutoOvoString> name;
    if (FAILED(params->GetParam(index, nullptr, nullptr, nullptr, name.Put())))
        return "argument " + std::to_string(index + 1);
    return "'" + Utf16ToUtf8(ReadString(name.Get())) + "'";
}

} // namespace

FormulaBinder::FormulaBinder(std::size_t channelCount, ICalcService* classes, IUnknown* host,
                             const KeptByNode* kept)
    : mChannelCount(channelCount), mClasses(classes), mHost(host), mKept(kept) {}

ComPtr<ICalcEnumClass2> FormulaBinder::findClass(const std::string& name) const {
    if (!mClasses)
        return {};
    ComPtr<ICalcEnumClass2> found;
    ComPtr<IAutoOvoString> key = ComPtr<IAutoOvoString>::Adopt(MakeString(Utf8ToUtf16(name)));
    mClasses->FindCalcClass(key.Get(), found.Put());
    return found;
}

CalcTerm FormulaBinder::bind(const FormulaNode& node, Want want) {
    CalcTerm term;
    if (node.kind == Kind::Call && node.name == "cmpeakdet") {
        term = bindPeaks(node);
    } else if (node.kind == Kind::Call && !isHostSampleFunction(node.name)) {
        ComPtr<ICalcEnumClass2> calcClass = findClass(node.name);
        if (!calcClass)
            throw FormulaError(node.position, "unknown function '" + node.name + "'");
        term = bindModule(node, calcClass);
    } else if (node.kind == Kind::Channel && want == Want::Events) {
        if (static_cast<std::size_t>(node.channel) >= mChannelCount)
            throw FormulaError(node.position, "there is no channel " + std::to_string(node.channel + 1));
        term.kind = CalcTerm::Kind::ChannelEvents;
        term.channel = static_cast<std::size_t>(node.channel);
        term.name = "ch" + std::to_string(node.channel + 1);
    } else {
        term.signal = std::make_shared<SampleExpression>(node, mChannelCount);
        term.name = node.kind == Kind::Call ? node.name : "formula";
    }
    term.position = node.position;
    if (want == Want::Samples && term.givesEvents())
        throw FormulaError(node.position, "'" + term.name + "' gives events where a signal is needed");
    if (want == Want::Events && !term.givesEvents())
        throw FormulaError(node.position, "a signal where events are needed");
    if (mKept && term.givesEvents())
        if (const auto found = mKept->find(&node); found != mKept->end())
            term.kept = found->second;
    return term;
}

double FormulaBinder::constantArgument(const FormulaNode& node, const std::string& what) {
    SampleExpression expression(node, mChannelCount);
    if (!expression.isConstant())
        throw FormulaError(node.position, what + " must be a number");
    double value = expression.constant();
    if (!std::isfinite(value))
        throw FormulaError(node.position, what + " must be a finite number");
    return value;
}

CalcTerm FormulaBinder::bindPeaks(const FormulaNode& node) {
    if (node.operands.size() < 2 || node.operands.size() > 3)
        throw FormulaError(node.position, "cmpeakdet takes a signal, a minimum height and a minimum period");
    CalcTerm term = bind(node.operands[0], Want::Samples);
    term.kind = CalcTerm::Kind::Peaks;
    term.name = node.name;
    term.minHeight = constantArgument(node.operands[1], "the minimum height of cmpeakdet");
    if (node.operands.size() == 3)
        term.minPeriodSeconds = constantArgument(node.operands[2], "the minimum period of cmpeakdet");
    if (term.minHeight < 0)
        throw FormulaError(node.operands[1].position, "the minimum height of cmpeakdet must not be negative");
    if (term.minPeriodSeconds < 0)
        throw FormulaError(node.operands[2].position, "the minimum period of cmpeakdet must not be negative");
    return term;
}

CalcTerm FormulaBinder::bindModule(const FormulaNode& node, ComPtr<ICalcEnumClass2> calcClass) {
    ClassInfo info;
    info.params = calcClass.Query<ICalcEnumNumericParams>(IID_ICalcEnumNumericParams);
    if (!info.params || FAILED(info.params->GetParamInfo(nullptr, nullptr, &info.paramCount,
                                                         &info.sourceCount, &info.flags, nullptr)))
        throw FormulaError(node.position, "'" + node.name + "' has no parameter table");
    const auto given = static_cast<LONG>(node.operands.size());
    if (given < info.sourceCount)
        throw FormulaError(node.position, "'" + node.name + "' needs " + std::to_string(info.sourceCount) +
                                              " sources but has " + std::to_string(given));
    if (given > info.paramCount)
        throw FormulaError(node.operands[static_cast<std::size_t>(info.paramCount)].position,
                           "'" + node.name + "' takes at most " + std::to_string(info.paramCount) +
                               " arguments");
    CalcTerm term;
    term.kind = CalcTerm::Kind::Module;
    term.name = node.name;
    term.position = node.position;
    term.calcClass = calcClass;
    term.catalog = ComPtr<CalcClassCatalog>(dynamic_cast<CalcClassCatalog*>(mClasses));
    for (LONG i = 0; i < info.sourceCount; ++i) {
        DWORD kind = 0;
        info.params->GetParam(i, nullptr, nullptr, &kind, nullptr);
        Want want = (kind & kCalcParamSamples) != 0 ? Want::Samples : Want::Events;
        term.sources.push_back(bind(node.operands[static_cast<std::size_t>(i)], want));
    }
    bindNumbers(node, term, info);
    checkArguments(term, calcClass.Get());
    return term;
}

void FormulaBinder::bindNumbers(const FormulaNode& node, CalcTerm& term, const ClassInfo& info) {
    const auto given = static_cast<LONG>(node.operands.size());
    std::string text;
    if ((info.flags & kCalcArgsLeadingCount) != 0)
        text = std::to_string(given - info.sourceCount);
    for (LONG i = info.sourceCount; i < given; ++i) {
        const FormulaNode& argument = node.operands[static_cast<std::size_t>(i)];
        const std::string what = argumentName(info.params.Get(), i) + " of '" + node.name + "'";
        const double value = constantArgument(argument, what);
        double minimum = 0.0, maximum = 0.0;
        info.params->GetParam(i, &maximum, &minimum, nullptr, nullptr);
        if ((minimum != 0.0 || maximum != 0.0) && (value < minimum || value > maximum))
            throw FormulaError(argument.position, what + " must lie between " + numberText(minimum) +
                                                      " and " + numberText(maximum));
        text += (text.empty() ? "" : " ") + numberText(value);
    }
    term.arguments = Utf8ToUtf16(text);
}

/// Creates one enumerator to see that the class accepts the arguments and learns its event size; the
/// enumerator is kept, to be asked later what else does not change with the data.
void FormulaBinder::checkArguments(CalcTerm& term, ICalcEnumClass2* calcClass) {
    ComPtr<ICalcEnum> calc;
    if (FAILED(calcClass->CreateEnumerator(mHost, calc.Put())) || !calc)
        throw FormulaError(term.position, "'" + term.name + "' could not be created");
    DWORD flags = 0;
    ComPtr<IAutoOvoString> arguments = ComPtr<IAutoOvoString>::Adopt(MakeString(term.arguments));
    if (FAILED(calc->SetArgs(arguments.Get(), &flags)))
        throw FormulaError(term.position, "'" + term.name + "' refused its arguments");
    ULONG size = 0;
    ComPtr<IEnumEventEx> stream = calc.Query<IEnumEventEx>(IID_IEnumEventEx);
    if (!stream || FAILED(stream->GetEventSize(&size)) || size < sizeof(EventRecord))
        throw FormulaError(term.position, "'" + term.name + "' gives no event stream");
    term.eventSize = size;
    term.probe = stream;
}

} // namespace Vantrel
