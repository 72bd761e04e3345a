// PNG output and read-back.

#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/gdi/Png.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using gdi_test::Canvas;

TEST(Png, RoundTripKeepsEveryColour) {
    Canvas c(17, 9);
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 17; ++x)
            SetPixel(c.dc(), x, y, RGB(x * 15, y * 28, (x * y) % 256));
    const gdi::Surface& drawn = *gdi::SurfaceOf(c.bitmap());
    const gdi::Surface back = gdi::DecodePng(gdi::EncodePng(drawn));
    EXPECT_EQ(back.Width(), 17);
    EXPECT_EQ(gdi::DifferentPixels(drawn, back), 0u);
    EXPECT_EQ(gdi::ColorFromPixel(back.Get(16, 0)), RGB(240, 0, 0)) << "red stays red";

    const std::string path = (std::filesystem::temp_directory_path() / "gdi_png_round_trip.png").string();
    gdi::SavePng(drawn, path);
    EXPECT_EQ(gdi::DifferentPixels(gdi::LoadPng(path), drawn), 0u);
    std::remove(path.c_str());
}

TEST(Png, ComparisonCountsPixelsBeyondTheTolerance) {
    gdi::Surface a(4, 1, 32, gdi::PixelFromColor(RGB(100, 100, 100)));
    gdi::Surface b = a;
    b.Set(0, 0, gdi::PixelFromColor(RGB(102, 100, 100)));
    b.Set(1, 0, gdi::PixelFromColor(RGB(100, 100, 90)));
    EXPECT_EQ(gdi::DifferentPixels(a, b), 2u);
    EXPECT_EQ(gdi::DifferentPixels(a, b, 2), 1u);
    EXPECT_EQ(gdi::DifferentPixels(a, gdi::Surface(2, 2)), 4u);
}

TEST(Png, BadInputIsRefusedWithAReason) {
    EXPECT_THROW(gdi::DecodePng({1, 2, 3, 4}), std::runtime_error);
    EXPECT_THROW(gdi::LoadPng("/nonexistent/picture.png"), std::runtime_error);
    EXPECT_THROW(gdi::EncodePng(gdi::Surface(0, 0)), std::runtime_error);
}

} // namespace
