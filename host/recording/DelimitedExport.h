#pragma once

#include "host/recording/ExportOptions.h"
#include "host/recording/Recording.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace Vantrel {

/// One record as the delimited text that importDelimitedText reads back. The channel titles and
/// units come back unchanged; samples come back exactly with decimals -1, else rounded. Throws
/// std::out_of_range for a bad record, std::invalid_argument for decimals outside -1 .. 9 or a
/// title or unit with a line break.
std::string exportDelimitedText(const Recording& recording, std::int32_t record = 0,
                                const ExportOptions& options = {});

/// exportDelimitedText into a file, replacing it. Throws as exportDelimitedText, and
/// std::runtime_error when the file cannot be written.
void writeDelimitedFile(const std::filesystem::path& path, const Recording& recording,
                        std::int32_t record = 0, const ExportOptions& options = {});

} // namespace Vantrel
