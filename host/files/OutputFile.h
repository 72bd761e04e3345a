#pragma once

#include "host/files/FileError.h"

#include <filesystem>
#include <string_view>

namespace Vantrel {

/// Writes the text to the file at path, through FileCalls, so that nothing is lost or half-written:
/// - a regular file, or none yet, is replaced as one step: the text goes to a temporary file in the
///   same folder, which is renamed over the file once it is complete and on the disk, so a reader
///   sees either the old file or the whole new one; a replaced file keeps its permission bits (and
///   its owner and group, as far as the process may give them);
/// - a symbolic link is followed and the file it names is written as above; the link stays;
/// - a device, pipe or socket (/dev/null, /dev/stdout, a named pipe) is written to, never replaced.
/// Throws FileError when the file cannot be written, naming the file, or the temporary file when
/// that is what failed (it is removed); a folder is refused. The old file is then as it was.
void writeOutputFile(const std::filesystem::path& path, std::string_view text);

} // namespace Vantrel
