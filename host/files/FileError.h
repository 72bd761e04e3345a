#pragma once

#include <stdexcept>

namespace Vantrel {

/// A file that cannot be read or written. The message names the file and says why, in one line:
/// "cannot read rec.csv: it is a folder, not a file".
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace Vantrel
