#pragma once

#include <filesystem>
#include <string_view>

namespace Vantrel {

/// Replaces the file with the text as one step: the text goes to a temporary file in the same
/// folder, which is renamed over the file once it is complete, so a reader sees either the old
/// file or the whole new one and a failure leaves the old file (or none) in place. Throws
/// std::runtime_error naming the file when it cannot be written; the temporary file is removed.
void writeFileAtomically(const std::filesystem::path& path, std::string_view text);

} // namespace Vantrel
