// The reference-picture check itself: a match, and a mismatch that writes the
// picture and a difference picture and names them.

#include "tests/support/GoldenImage.h"

#include <cstdlib>
#include <filesystem>

#include "platform/gdi/Png.h"

namespace {

gdi::Surface Sample() {
    gdi::Surface s(3, 2, 32, 0xFFFFFF);
    s.Set(1, 0, 0xFF0000);
    s.Set(2, 1, 0x0000FF);
    return s;
}

TEST(GoldenImage, AMatchPassesAndAMismatchWritesThePictureAndTheDifference) {
    EXPECT_TRUE(golden::Matches(Sample(), "golden-sample"));
    if (std::getenv("TARVIK_UPDATE_GOLDEN") != nullptr)
        GTEST_SKIP() << "rewriting references";
    const std::filesystem::path out = std::filesystem::temp_directory_path() / "tarvik-golden-test";
    std::filesystem::remove_all(out);
    setenv("TARVIK_GOLDEN_OUT", out.c_str(), 1);
    gdi::Surface changed = Sample();
    changed.Set(0, 1, 0x00FF00);
    const ::testing::AssertionResult r = golden::Matches(changed, "golden-sample");
    unsetenv("TARVIK_GOLDEN_OUT");
    EXPECT_FALSE(r);
    EXPECT_NE(std::string(r.message()).find("1 pixels differ"), std::string::npos) << r.message();
    const gdi::Surface diff = gdi::LoadPng((out / "golden-sample.diff.png").string());
    EXPECT_EQ(diff.Get(0, 1) & gdi::kRgbMask, 0xFF0000u);
    EXPECT_NE(diff.Get(1, 1) & gdi::kRgbMask, 0xFF0000u);
    EXPECT_TRUE(std::filesystem::exists(out / "golden-sample.actual.png"));
    std::filesystem::remove_all(out);
}

} // namespace
