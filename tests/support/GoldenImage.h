#pragma once
// Reference pictures for tests of what is drawn. A picture is compared with
// tests/data/golden/<name>.png exactly, channel by channel (alpha ignored);
// the pinned font at 96 dpi makes drawing the same on every machine.
//
// On a mismatch the picture is written as <name>.actual.png and a difference
// picture as <name>.diff.png (differing pixels red, the others a faded copy)
// into the folder named by TARVIK_GOLDEN_OUT, by default build/.../golden-out,
// and the failure message names both. Running the tests with
// TARVIK_UPDATE_GOLDEN=1 writes the pictures as the new references instead,
// for review in the change.
//
//   EXPECT_TRUE(golden::Matches(user::WindowPicture(hwnd), "balloon-themed"));

#include <string>

#include <gtest/gtest.h>

#include "platform/gdi/Surface.h"

namespace golden {

::testing::AssertionResult Matches(const gdi::Surface& picture, const std::string& name);

// The folder of the references and the folder written on a mismatch.
std::string ReferenceDir();
std::string OutputDir();

} // namespace golden
