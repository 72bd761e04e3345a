#pragma once

#include "host/files/RegularFile.h"
#include "host/recording/ImportOptions.h"
#include "host/recording/ImportResult.h"

#include <filesystem>
#include <string_view>

namespace Vantrel {

/// Reads a recording from delimited text as acquisition software exports it: UTF-8 with or without
/// a byte-order mark, LF or CRLF line ends, comment lines starting with "#" before a header row of
/// channel names with optional units ("Pressure (mmHg)", "Volume [uL]"), then one row of numbers
/// per tick. Any cell may be double-quoted. Numbers have a decimal point, or a decimal comma when
/// the first data row writes them so (then the delimiter is a tab or semicolon, or the cells are
/// quoted). An empty sample cell or "NaN" is a missing sample (a NaN); a time must be a number.
///
/// The rows come in blocks, each a record of the recording: a block ends at a blank line between
/// rows, and where the time column restarts (falls back to the block's first time) or jumps ahead
/// by more than four of its typical steps. The time column, if any, gives each record its tick
/// period and start time and is not a channel; otherwise options.sampleRate gives the period and
/// records start at 0. Blank lines may end the text. Anything else that does not fit, an irregular
/// step of the time column inside a block among it, is refused with the line and column where it
/// was found.
ImportResult importDelimitedText(std::string_view text, const ImportOptions& options = {});

/// importDelimitedText on the regular file a stream reads, a chunk at a time (no copy of the whole
/// file is held). Throws FileError when reading or closing the file failed (finish()), whatever the
/// text gave.
ImportResult importDelimitedStream(RegularFileStream& file, const ImportOptions& options = {});

/// importDelimitedText on a regular file's content (readRegularFile); a file that cannot be read,
/// a folder and a device, pipe or socket are an error of line 0 that names the file.
ImportResult importDelimitedFile(const std::filesystem::path& path, const ImportOptions& options = {});

} // namespace Vantrel
