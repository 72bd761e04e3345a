#include "host/engine/SampleExpression.h"

#include "host/engine/FormulaError.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace Vantrel {
namespace {

using Kind = FormulaNode::Kind;
constexpr double noValue = std::numeric_limits<double>::quiet_NaN();
constexpr std::int64_t unbounded = std::numeric_limits<std::int64_t>::max() / 4;

bool isConstantNode(const FormulaNode& node) {
    switch (node.kind) {
    case Kind::Number:
        return true;
    case Kind::Channel:
        return false;
    case Kind::Name:
        return node.name == "pi";
    case Kind::Call:
        return node.name == "sin" && isConstantNode(node.operands[0]);
    default:
        return std::all_of(node.operands.begin(), node.operands.end(), isConstantNode);
    }
}

double constantOf(const FormulaNode& node) {
    switch (node.kind) {
    case Kind::Number:
        return node.number;
    case Kind::Name:
        return std::numbers::pi;
    case Kind::Call:
        return std::sin(constantOf(node.operands[0]));
    case Kind::Negate:
        return -constantOf(node.operands[0]);
    case Kind::Add:
        return constantOf(node.operands[0]) + constantOf(node.operands[1]);
    case Kind::Subtract:
        return constantOf(node.operands[0]) - constantOf(node.operands[1]);
    case Kind::Multiply:
        return constantOf(node.operands[0]) * constantOf(node.operands[1]);
    default:
        return constantOf(node.operands[0]) / constantOf(node.operands[1]);
    }
}

void checkCall(const FormulaNode& node) {
    if (node.name == "sin") {
        if (node.operands.size() != 1)
            throw FormulaError(node.position, "sin takes one argument");
    } else if (node.name == "shift") {
        if (node.operands.size() != 2)
            throw FormulaError(node.position, "shift takes a signal and a time in seconds");
        if (!isConstantNode(node.operands[1]) || !std::isfinite(constantOf(node.operands[1])))
            throw FormulaError(node.operands[1].position, "the time of shift must be a finite number");
    } else {
        throw FormulaError(node.position, "'" + node.name + "' gives events, not a sample per tick");
    }
}

void check(const FormulaNode& node, std::size_t channelCount) {
    if (node.kind == Kind::Channel && static_cast<std::size_t>(node.channel) >= channelCount)
        throw FormulaError(node.position, "there is no channel " + std::to_string(node.channel + 1));
    if (node.kind == Kind::Name && node.name != "t" && node.name != "pi")
        throw FormulaError(node.position, "unknown name '" + node.name + "'");
    for (const FormulaNode& operand : node.operands) // first: a call's check may fold its operands
        check(operand, channelCount);
    if (node.kind == Kind::Call)
        checkCall(node);
}

/// Ticks by which shift(x, seconds) moves x in a record.
std::int64_t shiftTicks(const FormulaNode& call, double tickPeriod) {
    double ticks = std::round(constantOf(call.operands[1]) / tickPeriod);
    ticks = std::clamp(ticks, -static_cast<double>(unbounded), static_cast<double>(unbounded));
    return static_cast<std::int64_t>(ticks);
}

/// a + b held within ±unbounded, so that nested shifts cannot overflow.
std::int64_t offsetTicks(std::int64_t a, std::int64_t b) {
    return std::clamp(a + b, -unbounded, unbounded); // |a|, |b| <= unbounded: the sum fits
}

/// Ticks from the record start known now, or unbounded.
std::int64_t reachOf(const FormulaNode& node, const Record& record) {
    switch (node.kind) {
    case Kind::Number:
    case Kind::Name:
        return unbounded;
    case Kind::Channel:
        return record.tickCount();
    case Kind::Call:
        if (node.name == "shift") {
            std::int64_t inner = reachOf(node.operands[0], record);
            return inner == unbounded ? unbounded : offsetTicks(inner, shiftTicks(node, record.tickPeriod()));
        }
        return reachOf(node.operands[0], record);
    default: {
        std::int64_t reach = unbounded;
        for (const FormulaNode& operand : node.operands)
            reach = std::min(reach, reachOf(operand, record));
        return reach;
    }
    }
}

/// Samples of ticks first .. first + out.size() - 1 of a channel; NaN outside its samples.
template <class T> void copyChannel(std::span<const float> samples, std::int64_t first, std::span<T> out) {
    const auto size = static_cast<std::int64_t>(samples.size());
    const auto count = static_cast<std::int64_t>(out.size());
    const std::int64_t begin = std::clamp<std::int64_t>(-first, 0, count); // first index inside
    const std::int64_t end = std::clamp<std::int64_t>(size - first, begin, count);
    std::fill(out.begin(), out.begin() + begin, static_cast<T>(noValue));
    if (begin < end) // else first may lie far outside the samples: no iterator into them is formed
        std::copy(samples.begin() + (first + begin), samples.begin() + (first + end), out.begin() + begin);
    std::fill(out.begin() + end, out.end(), static_cast<T>(noValue));
}

/// Out-of-range values become infinities, as the platform's conversion gives them.
float toFloat(double v) {
    if (v > std::numeric_limits<float>::max())
        return std::numeric_limits<float>::infinity();
    if (v < -std::numeric_limits<float>::max())
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

struct Evaluation {
    const Record& record;
    SampleExpression::Scratch& scratch;
    std::size_t depth = 0; // buffers of the scratch in use by the operators being evaluated

    void run(const FormulaNode& node, std::int64_t first, std::span<double> out) {
        switch (node.kind) {
        case Kind::Number:
        case Kind::Name:
            if (node.name == "t") {
                for (std::size_t i = 0; i < out.size(); ++i)
                    out[i] = static_cast<double>(first + static_cast<std::int64_t>(i)) * record.tickPeriod();
            } else {
                std::fill(out.begin(), out.end(), constantOf(node));
            }
            return;
        case Kind::Channel:
            readChannel(node.channel, first, out);
            return;
        case Kind::Call:
            if (node.name == "shift")
                run(node.operands[0], offsetTicks(first, -shiftTicks(node, record.tickPeriod())), out);
            else
                runUnary(node, first, out, [](double x) { return std::sin(x); });
            return;
        case Kind::Negate:
            runUnary(node, first, out, [](double x) { return -x; });
            return;
        default:
            runBinary(node, first, out);
            return;
        }
    }

    void readChannel(std::int32_t channel, std::int64_t first, std::span<double> out) const {
        copyChannel(record.samples(static_cast<std::size_t>(channel)), first, out);
    }

    template <class F>
    void runUnary(const FormulaNode& node, std::int64_t first, std::span<double> out, F f) {
        run(node.operands[0], first, out);
        std::transform(out.begin(), out.end(), out.begin(), f);
    }

    void runBinary(const FormulaNode& node, std::int64_t first, std::span<double> out) {
        run(node.operands[0], first, out);
        if (scratch.size() <= depth)
            scratch.resize(depth + 1);
        std::vector<double>& buffer = scratch[depth];
        buffer.resize(out.size());
        const std::span<double> right(buffer);
        ++depth;
        run(node.operands[1], first, right);
        --depth;
        for (std::size_t i = 0; i < out.size(); ++i) {
            switch (node.kind) {
            case Kind::Add:
                out[i] += right[i];
                break;
            case Kind::Subtract:
                out[i] -= right[i];
                break;
            case Kind::Multiply:
                out[i] *= right[i];
                break;
            default:
                out[i] /= right[i];
                break;
            }
        }
    }
};

} // namespace

SampleExpression::SampleExpression(FormulaNode node, std::size_t channelCount) : mNode(std::move(node)) {
    check(mNode, channelCount);
}

bool SampleExpression::isConstant() const {
    return isConstantNode(mNode);
}

double SampleExpression::constant() const {
    return constantOf(mNode);
}

bool SampleExpression::recordComplete(const Recording& recording, std::int32_t record) {
    return !recording.sampling() || record != recording.recordCount() - 1;
}

Tick SampleExpression::reach(const Recording& recording, std::int32_t record) const {
    const Record& data = recording.record(record);
    if (recordComplete(recording, record))
        return data.tickCount();
    std::int64_t reach = std::clamp<std::int64_t>(reachOf(mNode, data), 0, data.tickCount());
    return static_cast<Tick>(reach);
}

void SampleExpression::evaluate(const Recording& recording, std::int32_t record, Tick first,
                                std::span<double> out) const {
    Scratch scratch;
    evaluate(recording, record, first, out, scratch);
}

void SampleExpression::evaluate(const Recording& recording, std::int32_t record, Tick first,
                                std::span<double> out, Scratch& scratch) const {
    Evaluation{recording.record(record), scratch}.run(mNode, first, out);
}

void SampleExpression::read(const Recording& recording, std::int32_t record, Tick first, std::span<float> out,
                            Scratch& scratch) const {
    const Record& data = recording.record(record);
    if (mNode.kind == Kind::Channel) {
        copyChannel(data.samples(static_cast<std::size_t>(mNode.channel)), first, out);
        return;
    }
    if (scratch.empty())
        scratch.resize(1);
    scratch.front().resize(out.size());
    // A span: the operators may grow the scratch, which moves its vectors but not their elements.
    const std::span<double> values(scratch.front());
    Evaluation evaluation{data, scratch, 1};
    evaluation.run(mNode, first, values);
    std::transform(values.begin(), values.end(), out.begin(), toFloat);
}

} // namespace Vantrel
