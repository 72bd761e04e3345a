#include "host/frontend/SettingsFile.h"

#include "host/files/RegularFile.h"

#include <string_view>

namespace Vantrel {

namespace {

constexpr std::string_view kMagic = "VTRLSET1";
constexpr std::uint32_t kStreams = 2;

void putWord(std::string& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((word >> shift) & 0xFF);
}

class Reader {
public:
    explicit Reader(const std::string& bytes) : mBytes(bytes) {}

    std::uint32_t word(const char* what) {
        if (mBytes.size() - mAt < 4)
            throw SettingsFileError(std::string("it ends before ") + what + " (truncated)");
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= static_cast<std::uint32_t>(static_cast<unsigned char>(mBytes[mAt + i])) << (8 * i);
        mAt += 4;
        return value;
    }
    std::vector<std::uint8_t> bytes(std::uint32_t count, const char* what) {
        if (mBytes.size() - mAt < count)
            throw SettingsFileError(std::string("it ends inside ") + what + " (truncated)");
        std::vector<std::uint8_t> out(mBytes.begin() + static_cast<std::ptrdiff_t>(mAt),
                                      mBytes.begin() + static_cast<std::ptrdiff_t>(mAt + count));
        mAt += count;
        return out;
    }
    std::size_t at() const { return mAt; }
    std::size_t left() const { return mBytes.size() - mAt; }

private:
    const std::string& mBytes;
    std::size_t mAt = 0;
};

} // namespace

std::uint32_t crc32Of(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : bytes) {
        crc ^= static_cast<unsigned char>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string settingsFileText(const SettingsStreams& streams) {
    std::string out(kMagic);
    putWord(out, kStreams);
    for (const auto& stream : streams) {
        putWord(out, static_cast<std::uint32_t>(stream.size()));
        out.append(stream.begin(), stream.end());
    }
    putWord(out, crc32Of(out));
    return out;
}

SettingsStreams parseSettingsFile(const std::string& bytes) {
    if (bytes.compare(0, kMagic.size(), kMagic) != 0)
        throw SettingsFileError("not a settings file (it does not start with \"VTRLSET1\")");
    Reader in(bytes);
    in.bytes(static_cast<std::uint32_t>(kMagic.size()), "the header");
    if (in.word("the stream count") != kStreams)
        throw SettingsFileError("not a settings file of this version (it does not hold two streams)");
    SettingsStreams streams;
    for (std::size_t s = 0; s < streams.size(); ++s) {
        const char* name = s == 0 ? "settings stream 0" : "settings stream 1";
        streams[s] = in.bytes(in.word(name), name);
    }
    const std::size_t covered = in.at();
    const std::uint32_t stored = in.word("the checksum");
    if (in.left() != 0)
        throw SettingsFileError("corrupt (bytes after the checksum)");
    if (stored != crc32Of(bytes.substr(0, covered)))
        throw SettingsFileError("corrupt (the checksum does not match)");
    return streams;
}

SettingsStreams readSettingsFile(const std::filesystem::path& path) {
    std::string bytes;
    try {
        bytes = readRegularFile(path);
    } catch (const FileError& error) {
        throw SettingsFileError(error.what());
    }
    try {
        return parseSettingsFile(bytes);
    } catch (const SettingsFileError& error) {
        throw SettingsFileError(path.string() + ": " + error.what());
    }
}

} // namespace Vantrel
