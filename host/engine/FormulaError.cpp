#include "host/engine/FormulaError.h"

namespace Vantrel {

FormulaError::FormulaError(std::size_t position, const std::string& message)
    : std::runtime_error("column " + std::to_string(position + 1) + ": " + message), mPosition(position),
      mMessage(message) {}

} // namespace Vantrel
