#pragma once
// PNG through libpng. Pictures are written as 8-bit RGB (the alpha byte of
// GDI surfaces means nothing to a viewer); reading gives 32-bit pixels with
// the file's alpha (0xFF where it has none). Failures throw
// std::runtime_error naming the cause.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/Surface.h"

namespace gdi {

std::vector<std::uint8_t> EncodePng(const Surface& surface);
// Keeps the alpha byte (straight, not premultiplied): for pictures that are
// drawn over something, such as image resources.
std::vector<std::uint8_t> EncodePngWithAlpha(const Surface& surface);
Surface DecodePng(const std::vector<std::uint8_t>& bytes);
void SavePng(const Surface& surface, const std::string& path);
Surface LoadPng(const std::string& path);

// Pixels whose red, green or blue differ by more than tolerance; surfaces of
// different sizes differ everywhere (the larger pixel count is returned).
std::size_t DifferentPixels(const Surface& a, const Surface& b, int tolerance = 0);

} // namespace gdi
