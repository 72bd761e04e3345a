// The settings file of --settings and --save-settings: the two streams kept byte for byte, and
// every damaged file refused with the reason.

#include "host/frontend/SettingsFile.h"

#include <gtest/gtest.h>

namespace Vantrel {
namespace {

TEST(SettingsFile, KeepsBothStreamsByteForByte) {
    const SettingsStreams streams{{{0x11, 0x00, 0x00, 0x00, 0xFF}, {}}};
    const std::string text = settingsFileText(streams);
    EXPECT_EQ(text.substr(0, 8), "VTRLSET1");
    EXPECT_EQ(text.size(), 8u + 4 + 4 + 5 + 4 + 0 + 4);
    EXPECT_EQ(parseSettingsFile(text), streams);
    EXPECT_EQ(crc32Of("123456789"), 0xCBF43926u) << "the check value of CRC-32";
}

TEST(SettingsFile, RefusesWhatIsDamagedSayingWhy) {
    const std::string good = settingsFileText({{{1, 2, 3}, {4, 5, 6, 7}}});
    std::string flipped = good;
    flipped[18] ^= 0x40;
    std::string threeStreams = good;
    threeStreams[8] = 3;
    const std::pair<std::string, const char*> cases[] = {
        {"", "not a settings file"},
        {"Time,Pressure\n", "not a settings file"},
        {good.substr(0, 14), "truncated"},
        {good.substr(0, 20), "truncated"},
        {good.substr(0, good.size() - 1), "truncated"},
        {good + "x", "bytes after the checksum"},
        {flipped, "checksum does not match"},
        {threeStreams, "does not hold two streams"},
    };
    for (const auto& [bytes, reason] : cases) {
        SCOPED_TRACE(reason);
        try {
            parseSettingsFile(bytes);
            ADD_FAILURE() << "accepted";
        } catch (const SettingsFileError& error) {
            EXPECT_NE(std::string(error.what()).find(reason), std::string::npos) << error.what();
            EXPECT_EQ(std::string(error.what()).find('\n'), std::string::npos);
        }
    }
}

} // namespace
} // namespace Vantrel
