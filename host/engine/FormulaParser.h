#pragma once

#include "host/engine/FormulaNode.h"

#include <string_view>

namespace Vantrel {

/// Parses a formula text into its syntax tree. The grammar, with names matched case-insensitively:
///
///   formula := sum
///   sum     := product (("+" | "-") product)*
///   product := unary (("*" | "/") unary)*
///   unary   := ("-" | "+") unary | primary
///   primary := number | "ch" "(" integer "," "\"base\"" ")" | name "(" [sum ("," sum)*] ")" | name
///            | "(" sum ")"
///
/// Numbers are read in the classic locale ("1.5", ".5", "2e-05"; a sign is a unary operator); names
/// are ASCII letters, digits and "_" starting with a letter or "_"; "chN" and "channelN" (N >= 1)
/// are channel references, and ch(N, "base") is channel N in its base units. Blanks (space, tab, line ends)
/// separate tokens. Throws FormulaError with the offending position for any other text, and for nesting
/// deeper than maxDepth.
class FormulaParser {
public:
    static constexpr int maxDepth = 200;

    static FormulaNode parse(std::u16string_view text);
    static FormulaNode parse(std::string_view text);
};

} // namespace Vantrel
