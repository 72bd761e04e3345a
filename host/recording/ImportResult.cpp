#include "host/recording/ImportResult.h"

#include <stdexcept>
#include <utility>

namespace Vantrel {

const Recording& ImportResult::recording() const {
    if (!ok())
        throw std::logic_error("import failed: " + std::get<ImportError>(mValue).text());
    return std::get<Recording>(mValue);
}

Recording& ImportResult::recording() {
    return const_cast<Recording&>(std::as_const(*this).recording());
}

const ImportError& ImportResult::error() const {
    if (ok())
        throw std::logic_error("import succeeded");
    return std::get<ImportError>(mValue);
}

} // namespace Vantrel
