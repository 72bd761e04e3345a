// Formula texts: the parser gives a tree or a FormulaError that points into the text; the tree,
// written back as text, parses to the same tree; and the engine compiles and evaluates any formula
// (with the module's calculation classes, on a generated pressure-volume recording) or refuses it
// with a FormulaError, in time that grows with the formula's length.

#include "analysis/CalcEnumClasses.h"
#include "fuzz/support/FuzzCheck.h"
#include "host/engine/CalcClassCatalog.h"
#include "host/engine/CalcEngine.h"
#include "host/engine/DocumentData.h"
#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"
#include "host/recording/TextCells.h"
#include "tools/pvsim/Simulation.h"

#include <string>
#include <vector>

namespace {

using namespace Vantrel;
using Kind = FormulaNode::Kind;

bool isSum(const FormulaNode& node) {
    return node.kind == Kind::Add || node.kind == Kind::Subtract;
}

bool isProduct(const FormulaNode& node) {
    return node.kind == Kind::Multiply || node.kind == Kind::Divide;
}

// The node as text with no more brackets than its shape needs, so that the text nests no deeper than
// the one it was parsed from.
std::string written(const FormulaNode& node) {
    const auto bracketed = [](const FormulaNode& operand, bool need) {
        return need ? "(" + written(operand) + ")" : written(operand);
    };
    switch (node.kind) {
    case Kind::Number:
        return numberText(node.number);
    case Kind::Channel:
        return "ch" + std::to_string(node.channel + 1);
    case Kind::Name:
        return node.name;
    case Kind::Call: {
        std::string text = node.name + "(";
        for (std::size_t i = 0; i < node.operands.size(); ++i)
            text += (i > 0 ? "," : "") + written(node.operands[i]);
        return text + ")";
    }
    case Kind::Negate:
        return "-" + bracketed(node.operands[0], isSum(node.operands[0]) || isProduct(node.operands[0]));
    case Kind::Add:
    case Kind::Subtract:
        return written(node.operands[0]) + (node.kind == Kind::Add ? "+" : "-") +
               bracketed(node.operands[1], isSum(node.operands[1]));
    case Kind::Multiply:
    case Kind::Divide:
        return bracketed(node.operands[0], isSum(node.operands[0])) +
               (node.kind == Kind::Multiply ? "*" : "/") +
               bracketed(node.operands[1], isSum(node.operands[1]) || isProduct(node.operands[1]));
    }
    return {};
}

// The same tree: kinds, numbers, channels, and names of names and calls (a channel's name, "ch052"
// or "ch52", is only its spelling).
bool sameTree(const FormulaNode& a, const FormulaNode& b) {
    const bool named = a.kind == Kind::Name || a.kind == Kind::Call;
    if (a.kind != b.kind || (named && a.name != b.name) || a.channel != b.channel || a.number != b.number ||
        a.operands.size() != b.operands.size())
        return false;
    for (std::size_t i = 0; i < a.operands.size(); ++i)
        if (!sameTree(a.operands[i], b.operands[i]))
            return false;
    return true;
}

// A generated mouse recording of 1.5 s (about a dozen beats) and the engine over it, made once.
struct World {
    World() : recording(simulated()), document(ComPtr<DocumentData>::Adopt(new DocumentData(recording))) {
        for (ICalcEnumClass2* calcClass : CalcEnums::CalcClassObjects())
            classes->add(calcClass);
    }

    static Recording simulated() {
        PvSim::SimParams params = PvSim::SimParams::steadyPreset();
        params.duration = 1.5;
        params.warmupBeats = 5;
        return PvSim::simulate(params).recording;
    }

    CalcEngine engine() const {
        return CalcEngine(recording, ComPtr<ICalcService>(classes.Get()),
                          ComPtr<IUnknown>(static_cast<IDocumentData*>(document.Get())));
    }

    Recording recording;
    ComPtr<CalcClassCatalog> classes = ComPtr<CalcClassCatalog>::Adopt(new CalcClassCatalog);
    ComPtr<DocumentData> document;
};

void checkParse(std::string_view text) {
    std::optional<FormulaNode> tree;
    std::optional<std::size_t> errorAt;
    try {
        tree = FormulaParser::parse(text);
    } catch (const FormulaError& error) {
        errorAt = error.position();
        FUZZ_CHECK(error.position() <= text.size(), "an error points into the text");
    }
    // The UTF-16 form of the same text parses alike.
    try {
        const FormulaNode wide = FormulaParser::parse(std::u16string(text.begin(), text.end()));
        FUZZ_CHECK(tree && sameTree(wide, *tree), "UTF-16 text parses as its bytes do");
    } catch (const FormulaError& error) {
        FUZZ_CHECK(errorAt == error.position(), "UTF-16 text is refused where its bytes are");
    }
    if (!tree)
        return;
    const std::string again = written(*tree);
    try {
        FUZZ_CHECK(sameTree(FormulaParser::parse(again), *tree),
                   "written back, the tree parses the same: " + again);
    } catch (const FormulaError& error) {
        FUZZ_CHECK(false, "written back, the tree parses: " + again + ": " + error.what());
    }
}

// Compiles the formula and evaluates it on every record: whole events, or every sample.
void evaluate(const World& world, std::string_view text) {
    try {
        const CalcEngine engine = world.engine();
        const Calculation calculation = engine.compile(text);
        if (calculation.givesEvents()) {
            FUZZ_CHECK(calculation.eventSize() > 0, "events have a size");
            for (std::int32_t r = 0; r < world.recording.recordCount(); ++r)
                FUZZ_CHECK(calculation.events(r).size() % calculation.eventSize() == 0, "whole events");
        } else {
            const auto& samples = *calculation.samples();
            const Tick reach = samples.reach(world.recording, 0);
            FUZZ_CHECK(reach == world.recording.record(0).tickCount(), "a complete record has every value");
            std::vector<double> values(static_cast<std::size_t>(reach));
            samples.evaluate(world.recording, 0, 0, values);
        }
    } catch (const FormulaError& error) {
        FUZZ_CHECK(std::string(error.what()).find('\n') == std::string::npos, "an error is one line");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const World world;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkParse(text);
    Fuzz::withinBudget("compiling and evaluating the formula", size, std::chrono::milliseconds(300),
                       std::chrono::milliseconds(4), [&] { evaluate(world, text); });
    return 0;
}
