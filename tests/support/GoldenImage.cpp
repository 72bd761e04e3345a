#include "tests/support/GoldenImage.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

#include "platform/gdi/Png.h"

namespace golden {
namespace {

bool Updating() {
    const char* v = std::getenv("TARVIK_UPDATE_GOLDEN");
    return v != nullptr && std::string(v) == "1";
}

// Differing pixels red; equal ones a faded copy of the picture.
gdi::Surface Difference(const gdi::Surface& actual, const gdi::Surface& expected) {
    gdi::Surface out(actual.Width(), actual.Height());
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x) {
            const gdi::Pixel a = actual.Get(x, y) & gdi::kRgbMask;
            const bool same = expected.Contains(x, y) && (expected.Get(x, y) & gdi::kRgbMask) == a;
            if (!same) {
                out.Set(x, y, 0xFF0000);
                continue;
            }
            gdi::Pixel faded = 0;
            for (int shift = 0; shift <= 16; shift += 8)
                faded |= ((((a >> shift) & 0xFF) + 3 * 255) / 4) << shift;
            out.Set(x, y, faded);
        }
    return out;
}

} // namespace

std::string ReferenceDir() {
    return std::string(TARVIK_TEST_DATA_DIR) + "/golden";
}

std::string OutputDir() {
    const char* v = std::getenv("TARVIK_GOLDEN_OUT");
    return v != nullptr && *v != 0 ? std::string(v) : std::string(TARVIK_GOLDEN_OUT_DIR);
}

::testing::AssertionResult Matches(const gdi::Surface& picture, const std::string& name) {
    const std::filesystem::path reference = std::filesystem::path(ReferenceDir()) / (name + ".png");
    if (Updating()) {
        std::filesystem::create_directories(reference.parent_path());
        gdi::SavePng(picture, reference.string());
        return ::testing::AssertionSuccess() << "rewrote " << reference;
    }
    const std::filesystem::path out = OutputDir();
    std::filesystem::create_directories(out);
    const std::filesystem::path actualPath = out / (name + ".actual.png");
    if (!std::filesystem::exists(reference)) {
        gdi::SavePng(picture, actualPath.string());
        return ::testing::AssertionFailure()
               << "no reference " << reference << "; the picture is " << actualPath
               << " (TARVIK_UPDATE_GOLDEN=1 makes it the reference)";
    }
    const gdi::Surface expected = gdi::LoadPng(reference.string());
    const std::size_t differing = gdi::DifferentPixels(picture, expected);
    if (differing == 0)
        return ::testing::AssertionSuccess();
    const std::filesystem::path diffPath = out / (name + ".diff.png");
    gdi::SavePng(picture, actualPath.string());
    gdi::SavePng(Difference(picture, expected), diffPath.string());
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ from " << reference << " (picture "
           << picture.Width() << "x" << picture.Height() << ", reference " << expected.Width() << "x"
           << expected.Height() << "); see " << actualPath << " and " << diffPath;
}

} // namespace golden
