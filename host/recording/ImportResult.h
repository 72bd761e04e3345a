#pragma once

#include "host/recording/ImportError.h"
#include "host/recording/Recording.h"

#include <variant>

namespace Vantrel {

/// Either a complete recording or the error that refused the text; never a part of one.
class ImportResult {
public:
    ImportResult(Recording recording) : mValue(std::move(recording)) {}
    ImportResult(ImportError error) : mValue(std::move(error)) {}

    bool ok() const { return mValue.index() == 0; }
    explicit operator bool() const { return ok(); }

    /// Throw std::logic_error when the result is the other kind.
    const Recording& recording() const;
    Recording& recording();
    const ImportError& error() const;

private:
    std::variant<Recording, ImportError> mValue;
};

} // namespace Vantrel
