#include "platform/gdi/Png.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include <png.h>

namespace gdi {
namespace {

// Rows top-down, channels R, G, B (and A).
std::vector<std::uint8_t> Bytes(const Surface& s, bool alpha) {
    std::vector<std::uint8_t> out;
    out.reserve(s.Pixels().size() * (alpha ? 4 : 3));
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const Pixel p = s.Get(x, y);
            out.insert(out.end(), {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                                   static_cast<std::uint8_t>(p)});
            if (alpha)
                out.push_back(static_cast<std::uint8_t>(p >> 24));
        }
    return out;
}

png_image Header(const Surface& s, bool alpha) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(s.Width());
    image.height = static_cast<png_uint_32>(s.Height());
    image.format = alpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    return image;
}

void Check(png_image& image, int ok, const std::string& what) {
    if (ok)
        return;
    const std::string message = what + ": " + image.message;
    png_image_free(&image);
    throw std::runtime_error(message);
}

std::vector<std::uint8_t> Encode(const Surface& surface, bool alpha) {
    if (surface.Width() == 0 || surface.Height() == 0)
        throw std::runtime_error("PNG encode: empty surface");
    const std::vector<std::uint8_t> bytes = Bytes(surface, alpha);
    png_image image = Header(surface, alpha);
    png_alloc_size_t size = 0;
    Check(image, png_image_write_to_memory(&image, nullptr, &size, 0, bytes.data(), 0, nullptr),
          "PNG encode");
    std::vector<std::uint8_t> out(size);
    Check(image, png_image_write_to_memory(&image, out.data(), &size, 0, bytes.data(), 0, nullptr),
          "PNG encode");
    out.resize(size);
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodePng(const Surface& surface) {
    return Encode(surface, false);
}

std::vector<std::uint8_t> EncodePngWithAlpha(const Surface& surface) {
    return Encode(surface, true);
}

Surface DecodePng(const std::vector<std::uint8_t>& bytes) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    Check(image, png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()), "PNG decode");
    if (image.width > static_cast<png_uint_32>(Surface::kMaxSide) ||
        image.height > static_cast<png_uint_32>(Surface::kMaxSide)) {
        png_image_free(&image);
        throw std::runtime_error("PNG decode: picture larger than a surface may be");
    }
    image.format = PNG_FORMAT_BGRA; // bytes B, G, R, A: the pixel layout
    Surface s(static_cast<int>(image.width), static_cast<int>(image.height));
    Check(image, png_image_finish_read(&image, nullptr, s.Pixels().data(), 0, nullptr), "PNG decode");
    return s;
}

void SavePng(const Surface& surface, const std::string& path) {
    const std::vector<std::uint8_t> bytes = EncodePng(surface);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("PNG save: cannot write " + path);
}

Surface LoadPng(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("PNG load: cannot open " + path);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    return DecodePng(bytes);
}

std::size_t DifferentPixels(const Surface& a, const Surface& b, int tolerance) {
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return std::max(a.Pixels().size(), b.Pixels().size());
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.Pixels().size(); ++i) {
        const Pixel p = a.Get(static_cast<int>(i % a.Width()), static_cast<int>(i / a.Width()));
        const Pixel q = b.Get(static_cast<int>(i % b.Width()), static_cast<int>(i / b.Width()));
        for (int shift = 0; shift <= 16; shift += 8) {
            if (std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF)) >
                tolerance) {
                ++count;
                break;
            }
        }
    }
    return count;
}

} // namespace gdi
