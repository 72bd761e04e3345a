#pragma once

#include "host/recording/ExportOptions.h"
#include "host/recording/Recording.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace Vantrel {

/// One record as the delimited text that importDelimitedText reads back. The channel titles and
/// units come back unchanged; samples come back exactly with decimals -1, else rounded; a missing
/// sample (NaN) is written "NaN". Times run from the record's start time and are written exactly:
/// with fixed decimals when the tick period and start time are decimal numbers, else each as the
/// shortest text of its double; the import then gives the period back to within a few units in the
/// last place of the times (exactly for a whole number of samples per second). A record of one tick
/// has one time, which gives no rate: it reads back only with its sample rate given, or beside
/// records of the same rate. Throws std::out_of_range for a bad record, and std::invalid_argument
/// for decimals outside -1 .. 9 and for what the text cannot give back: no channels or no samples,
/// an infinite sample, times beyond the largest double or too large for their steps (a period under
/// 2^-46 of them), a title or unit that is not UTF-8 or holds a
/// line break, an empty title, blanks around a title or unit, a unit holding both "(" and "[", and
/// without the time column a start time other than 0, a channel titled "Time" or a header of
/// numbers alone.
std::string exportDelimitedText(const Recording& recording, std::int32_t record = 0,
                                const ExportOptions& options = {});

/// Every record of the recording, as exportDelimitedText writes one, in blocks separated by a blank
/// line, which importDelimitedText reads back as the same records. Without a time column the
/// records must share their sample rate. Throws as exportDelimitedText, and for no records.
std::string exportDelimitedRecording(const Recording& recording, const ExportOptions& options = {});

/// exportDelimitedText into a file, as writeOutputFile writes one: an earlier file is replaced only
/// once the text is whole on the disk. Throws as exportDelimitedText, and FileError (a
/// std::runtime_error) when the file cannot be written.
void writeDelimitedFile(const std::filesystem::path& path, const Recording& recording,
                        std::int32_t record = 0, const ExportOptions& options = {});

} // namespace Vantrel
