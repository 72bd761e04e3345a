#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace Vantrel {

/// One node of a parsed formula. Names are lower case (formulas are case-insensitive); a channel
/// reference "ch3" or "channel3" is a Channel node with the 0-based index 2.
struct FormulaNode {
    enum class Kind { Number, Channel, Name, Call, Negate, Add, Subtract, Multiply, Divide };

    Kind kind = Kind::Number;
    double number = 0.0;               // Number
    std::int32_t channel = 0;          // Channel, 0-based
    bool baseUnits = false;            // Channel: ch(N, "base"), the values before the channel's unit
    std::string name;                  // Name, Call
    std::vector<FormulaNode> operands; // call arguments, or the operands of an operator
    std::size_t position = 0;          // 0-based offset of the node's first character in the text
};

} // namespace Vantrel
