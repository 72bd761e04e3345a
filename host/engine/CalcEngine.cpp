#include "host/engine/CalcEngine.h"

#include "host/engine/FormulaBinder.h"
#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"

namespace Vantrel {

CalcEngine::CalcEngine(const Recording& recording, ComPtr<ICalcService> classes, ComPtr<IUnknown> host)
    : mRecording(recording), mClasses(std::move(classes)), mHost(std::move(host)) {}

namespace {

// How deep channels may be defined through other channels.
constexpr int kMaxChannelNesting = 8;

void expandChannels(FormulaNode& node, const CalcEngine::ChannelFormulas& channels, int depth) {
    if (node.kind == FormulaNode::Kind::Name) {
        if (std::optional<std::u16string> formula = channels(node.name)) {
            if (depth >= kMaxChannelNesting)
                throw FormulaError(node.position,
                                   "the channel '" + node.name + "' is defined through itself");
            const std::size_t position = node.position;
            node = FormulaParser::parse(*formula);
            expandChannels(node, channels, depth + 1);
            node.position = position;
            return;
        }
    }
    for (FormulaNode& operand : node.operands)
        expandChannels(operand, channels, depth);
}

} // namespace

Calculation CalcEngine::compile(std::u16string_view text) const {
    return compile(text, ChannelFormulas());
}

Calculation CalcEngine::compile(std::u16string_view text, const ChannelFormulas& channels) const {
    FormulaNode node = FormulaParser::parse(text);
    if (channels)
        expandChannels(node, channels, 0);
    FormulaBinder binder(mRecording.channelCount(), mClasses.Get(), mHost.Get());
    auto root = std::make_shared<CalcTerm>(binder.bind(node, FormulaBinder::Want::Either));
    return Calculation(mRecording, std::move(root), mHost);
}

Calculation CalcEngine::compile(std::string_view text) const {
    return compile(std::u16string(text.begin(), text.end()));
}

HRESULT CalcEngine::tryCompile(std::u16string_view text, std::unique_ptr<Calculation>& out,
                               std::string& error, const ChannelFormulas& channels) const {
    try {
        out = std::make_unique<Calculation>(compile(text, channels));
        error.clear();
        return S_OK;
    } catch (const FormulaError& e) {
        out.reset();
        error = e.what();
        return E_INVALIDARG;
    }
}

} // namespace Vantrel
