#include "host/engine/CalcEngine.h"

#include "host/engine/FormulaBinder.h"
#include "host/engine/FormulaError.h"
#include "host/engine/FormulaParser.h"

#include <charconv>

namespace Vantrel {

CalcEngine::CalcEngine(const Recording& recording, ComPtr<ICalcService> classes, ComPtr<IUnknown> host)
    : mRecording(recording), mClasses(std::move(classes)), mHost(std::move(host)) {}

namespace {

// How deep channels may be defined through other channels.
constexpr int kMaxChannelNesting = 8;

void expandChannels(FormulaNode& node, const CalcEngine::ChannelFormulas& channels, int depth,
                    FormulaBinder::KeptByNode& kept) {
    if (node.kind == FormulaNode::Kind::Name) {
        if (std::optional<CalcEngine::NamedChannel> channel = channels(node.name)) {
            if (depth >= kMaxChannelNesting)
                throw FormulaError(node.position,
                                   "the channel '" + node.name + "' is defined through itself");
            const std::size_t position = node.position;
            node = FormulaParser::parse(channel->formula);
            expandChannels(node, channels, depth + 1, kept);
            node.position = position;
            if (channel->events)
                kept[&node] = std::move(channel->events);
            return;
        }
    }
    for (FormulaNode& operand : node.operands)
        expandChannels(operand, channels, depth, kept);
}

// The node written out whole: every number exactly, every name in lower case.
void writeKey(const FormulaNode& node, std::string& key) {
    key += std::to_string(static_cast<int>(node.kind));
    switch (node.kind) {
    case FormulaNode::Kind::Number: {
        char text[32];
        const auto written = std::to_chars(text, text + sizeof text, node.number, std::chars_format::hex);
        key.append(text, written.ptr);
        break;
    }
    case FormulaNode::Kind::Channel:
        key += std::to_string(node.channel) + (node.baseUnits ? "b" : "");
        break;
    default:
        key += node.name;
        break;
    }
    key += '(';
    for (const FormulaNode& operand : node.operands) {
        writeKey(operand, key);
        key += ',';
    }
    key += ')';
}

} // namespace

Calculation CalcEngine::compile(std::u16string_view text) const {
    return compile(text, ChannelFormulas());
}

Calculation CalcEngine::compile(std::u16string_view text, const ChannelFormulas& channels) const {
    FormulaNode node = FormulaParser::parse(text);
    FormulaBinder::KeptByNode kept; // the expanded nodes stay in place until bound
    if (channels)
        expandChannels(node, channels, 0, kept);
    FormulaBinder binder(mRecording.channelCount(), mClasses.Get(), mHost.Get(), &kept);
    auto root = std::make_shared<CalcTerm>(binder.bind(node, FormulaBinder::Want::Either));
    std::string key;
    writeKey(node, key);
    return Calculation(mRecording, std::move(root), mHost, std::move(key));
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
