#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vantrel {

/// The two settings streams of the module's document, byte for byte as the module saves them.
using SettingsStreams = std::array<std::vector<std::uint8_t>, 2>;

/// A settings file that cannot be read: the message is one line naming what is wrong.
class SettingsFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The settings file of `vantrel analyze --settings` and `--save-settings`: a small container that
/// keeps the module document's two settings streams byte for byte. Little-endian throughout:
///
///   8 bytes   "VTRLSET1"                  the format and its version
///   4 bytes   2                           the number of streams
///   per stream: 4 bytes length n, then n bytes of the stream (stream 0, then stream 1)
///   4 bytes   CRC-32 (IEEE 802.3, as zlib computes it) of every byte before it
///
/// and nothing after. A file that ends early, carries more, has another header or count, or whose
/// checksum does not match is refused.
std::string settingsFileText(const SettingsStreams& streams);
SettingsStreams parseSettingsFile(const std::string& bytes);
/// Reads and parses the file; SettingsFileError names the file and the fault.
SettingsStreams readSettingsFile(const std::filesystem::path& path);

/// The CRC-32 of the bytes.
std::uint32_t crc32Of(const std::string& bytes);

} // namespace Vantrel
