#pragma once

#include "host/recording/ImportOptions.h"
#include "host/recording/ImportResult.h"

#include <filesystem>
#include <string_view>

namespace Vantrel {

/// Reads a recording of one record from delimited text as acquisition software exports it: UTF-8
/// with or without a byte-order mark, LF or CRLF line ends, a header row of channel names with
/// optional units ("Pressure (mmHg)", "Volume [uL]"; a cell may be double-quoted), then one row of
/// numbers per tick with a decimal point. The time column, if any, gives the tick period and is not
/// a channel; otherwise options.sampleRate does. Blank lines may end the text. Anything else that
/// does not fit is refused with the line and column where it was found.
ImportResult importDelimitedText(std::string_view text, const ImportOptions& options = {});

/// importDelimitedText on a regular file's content (readRegularFile); a file that cannot be read,
/// a folder and a device, pipe or socket are an error of line 0 that names the file.
ImportResult importDelimitedFile(const std::filesystem::path& path, const ImportOptions& options = {});

} // namespace Vantrel
