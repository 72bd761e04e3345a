#include "host/recording/ImportError.h"

namespace Vantrel {

std::string ImportError::text() const {
    std::string where;
    if (line > 0)
        where = "line " + std::to_string(line);
    if (column > 0)
        where += (where.empty() ? "column " : ", column ") + std::to_string(column);
    return where.empty() ? message : where + ": " + message;
}

} // namespace Vantrel
