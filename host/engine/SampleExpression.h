#pragma once

#include "host/engine/FormulaNode.h"
#include "host/recording/Recording.h"

#include <cstdint>
#include <span>
#include <vector>

namespace Vantrel {

/// A formula that computes one sample per tick of a record: numbers, channel references, "t"
/// (seconds from the record start), "pi", "+ - * /", unary minus, "sin(x)" and "shift(x, seconds)".
///
/// shift(x, s) at tick k is x at tick k - round(s / tick period): shift(ch1, 0.1) lags ch1 by 0.1 s,
/// shift(ch1, -0.1) leads it. A channel read outside its record's samples is NaN ("no value"), and
/// so is anything computed from it; "t" and numbers have a value at every tick.
///
/// While a record is being sampled only a part of it is known: reach() tells how many ticks from
/// the record start can be computed now. A computed value never changes when more samples arrive,
/// so a record evaluated block by block gives the same values as the complete record.
class SampleExpression {
public:
    /// Checks the node: names, argument counts, channel numbers below channelCount, and a constant
    /// shift. Throws FormulaError.
    SampleExpression(FormulaNode node, std::size_t channelCount);

    /// True when the value is the same at every tick (no channel, no "t").
    bool isConstant() const;
    /// The value of a constant expression.
    double constant() const;

    /// Ticks 0 .. reach() - 1 of the record have a value now; the record's tick count once it is
    /// complete.
    Tick reach(const Recording& recording, std::int32_t record) const;
    /// Buffers an evaluation keeps from one block to the next, so that it allocates nothing once
    /// they have grown to the block size.
    using Scratch = std::vector<std::vector<double>>;

    /// The values of ticks first .. first + out.size() - 1.
    void evaluate(const Recording& recording, std::int32_t record, Tick first, std::span<double> out) const;
    void evaluate(const Recording& recording, std::int32_t record, Tick first, std::span<double> out,
                  Scratch& scratch) const;
    /// The same values as samples: values beyond the range of float become infinities. A channel
    /// read as it stands is copied from the record.
    void read(const Recording& recording, std::int32_t record, Tick first, std::span<float> out,
              Scratch& scratch) const;

    /// Whether the record receives no more samples.
    static bool recordComplete(const Recording& recording, std::int32_t record);

private:
    FormulaNode mNode;
};

} // namespace Vantrel
