#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace Vantrel {

/// A formula text the engine cannot evaluate: a syntax error, an unknown name, a wrong argument.
/// position() is the 0-based character offset in the text where the fault was found; what() names it
/// 1-based, as "column 7: expected ')'".
class FormulaError : public std::runtime_error {
public:
    FormulaError(std::size_t position, const std::string& message);

    std::size_t position() const { return mPosition; }
    /// The message without the column prefix.
    const std::string& message() const { return mMessage; }

private:
    std::size_t mPosition;
    std::string mMessage;
};

} // namespace Vantrel
