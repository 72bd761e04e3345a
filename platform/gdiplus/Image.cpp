#include "platform/gdiplus/Image.h"

#include "platform/gdi/gdi.h"

#include <cstring>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/gdi/Png.h"
#include "platform/gdi/bridge.h"
#include "platform/gdiplus/Startup.h"
#include "platform/win32/resources.h"
#include "platform/win32/stream.h"

namespace Gdiplus {
namespace {

bool Opaque(PixelFormat f) {
    return f != PixelFormat32bppARGB && f != PixelFormat32bppPARGB;
}

std::vector<BYTE> ReadAll(IStream* stream) {
    std::vector<BYTE> bytes;
    BYTE chunk[65536];
    for (;;) {
        ULONG read = 0;
        if (FAILED(stream->Read(chunk, sizeof chunk, &read)) || read == 0)
            break;
        bytes.insert(bytes.end(), chunk, chunk + read);
    }
    return bytes;
}

PixelFormat FormatOfDepth(int bpp) {
    switch (bpp) {
    case 1:
        return PixelFormat1bppIndexed;
    case 8:
    case 4:
        return PixelFormat8bppIndexed;
    case 24:
        return PixelFormat24bppRGB;
    default:
        return PixelFormat32bppRGB;
    }
}

std::unique_ptr<gdi::Surface> Opaqued(gdi::Surface s) {
    auto out = std::make_unique<gdi::Surface>(s.Width(), s.Height());
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            out->Set(x, y, s.Get(x, y) | 0xFF000000u);
    return out;
}

} // namespace

ARGB StraightOf(std::uint32_t p, PixelFormat format) {
    if (Opaque(format))
        return p | 0xFF000000u;
    if (format != PixelFormat32bppPARGB)
        return p;
    const std::uint32_t a = p >> 24;
    if (a == 0)
        return 0;
    ARGB out = a << 24;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t c = (p >> shift) & 0xFF;
        out |= std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) << shift;
    }
    return out;
}

std::uint32_t PixelOf(ARGB s, PixelFormat format) {
    if (Opaque(format))
        return s | 0xFF000000u;
    if (format != PixelFormat32bppPARGB)
        return s;
    const std::uint32_t a = s >> 24;
    std::uint32_t out = a << 24;
    for (int shift = 0; shift <= 16; shift += 8)
        out |= ((((s >> shift) & 0xFF) * a + 127) / 255) << shift;
    return out;
}

void* Image::operator new(std::size_t size) {
    void* p = GdipAlloc(size);
    if (p == nullptr)
        throw std::bad_alloc();
    return p;
}

void Image::operator delete(void* block) {
    GdipFree(block);
}

UINT Image::GetWidth() {
    return mPixels ? static_cast<UINT>(mPixels->Width()) : (Set(InvalidParameter), 0u);
}

UINT Image::GetHeight() {
    return mPixels ? static_cast<UINT>(mPixels->Height()) : (Set(InvalidParameter), 0u);
}

PixelFormat Image::GetPixelFormat() {
    return mFormat;
}

Status Image::GetLastStatus() {
    const Status s = mLast;
    mLast = Ok;
    return s;
}

Bitmap::Bitmap(IStream* stream) {
    if (ActiveSessions() == 0) {
        Set(GdiplusNotInitialized);
        return;
    }
    if (stream == nullptr) {
        Set(InvalidParameter);
        return;
    }
    const std::vector<BYTE> bytes = ReadAll(stream);
    static constexpr BYTE kPng[] = {0x89, 'P', 'N', 'G'};
    if (bytes.size() >= 4 && std::memcmp(bytes.data(), kPng, 4) == 0) {
        try {
            mPixels = std::make_unique<gdi::Surface>(gdi::DecodePng(bytes));
            mFormat = PixelFormat32bppARGB;
            return;
        } catch (const std::runtime_error&) {
            Set(UnknownImageFormat);
            return;
        }
    }
    constexpr std::size_t kFileHeader = 14;
    if (bytes.size() > kFileHeader && bytes[0] == 'B' && bytes[1] == 'M') {
        int bpp = 0;
        if (auto s = gdi::DecodePackedDib(bytes.data() + kFileHeader, bytes.size() - kFileHeader, &bpp)) {
            mFormat = bpp == 32 ? PixelFormat32bppRGB : FormatOfDepth(bpp);
            mPixels = Opaqued(std::move(*s));
            return;
        }
    }
    Set(UnknownImageFormat);
}

Bitmap::Bitmap(HINSTANCE instance, const WCHAR* name) {
    if (ActiveSessions() == 0) {
        Set(GdiplusNotInitialized);
        return;
    }
    HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(2));
    const auto* bytes =
        found ? static_cast<const BYTE*>(LockResource(LoadResource(instance, found))) : nullptr;
    int bpp = 0;
    auto s = bytes ? gdi::DecodePackedDib(bytes, SizeofResource(instance, found), &bpp) : std::nullopt;
    if (!s) {
        Set(InvalidParameter);
        return;
    }
    mFormat = FormatOfDepth(bpp);
    mPixels = Opaqued(std::move(*s));
}

Bitmap::Bitmap(INT width, INT height, PixelFormat format) {
    if (ActiveSessions() == 0) {
        Set(GdiplusNotInitialized);
        return;
    }
    if (width <= 0 || height <= 0 || width > gdi::Surface::kMaxSide || height > gdi::Surface::kMaxSide) {
        Set(InvalidParameter);
        return;
    }
    mFormat = format;
    mPixels = std::make_unique<gdi::Surface>(width, height, 32, PixelOf(0, format));
}

Bitmap::Bitmap(HBITMAP bitmap, HPALETTE) {
    if (ActiveSessions() == 0) {
        Set(GdiplusNotInitialized);
        return;
    }
    BITMAP b{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof b, &b) == 0 || b.bmWidth <= 0 || b.bmHeight <= 0) {
        Set(InvalidParameter);
        return;
    }
    mFormat = b.bmBitsPixel == 32   ? PixelFormat32bppRGB
              : b.bmBitsPixel == 24 ? PixelFormat24bppRGB
                                    : FormatOfDepth(b.bmBitsPixel);
    mPixels = std::make_unique<gdi::Surface>(b.bmWidth, b.bmHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int y = 0; y < b.bmHeight; ++y)
        for (int x = 0; x < b.bmWidth; ++x)
            mPixels->Set(x, y, gdi::PixelFromColor(::GetPixel(dc, x, y)) | 0xFF000000u);
    SelectObject(dc, old);
    DeleteDC(dc);
}

Status Bitmap::GetHBITMAP(const Color& background, HBITMAP* out) {
    if (out == nullptr || !mPixels)
        return Set(InvalidParameter);
    const ARGB bg = background.GetValue();
    const double bgA = (bg >> 24) / 255.0;
    auto s = std::make_shared<gdi::Surface>(mPixels->Width(), mPixels->Height());
    for (int y = 0; y < s->Height(); ++y)
        for (int x = 0; x < s->Width(); ++x) {
            const ARGB p = StraightOf(mPixels->Get(x, y), mFormat);
            const double a = (p >> 24) / 255.0;
            const double outA = a + bgA * (1 - a);
            std::uint32_t px = static_cast<std::uint32_t>(outA * 255 + 0.5) << 24;
            for (int shift = 0; shift <= 16; shift += 8) {
                const double c = ((p >> shift) & 0xFF) * a + ((bg >> shift) & 0xFF) * bgA * (1 - a);
                px |= static_cast<std::uint32_t>(outA > 0 ? c / outA + 0.5 : 0) << shift;
            }
            s->Set(x, y, px);
        }
    *out = gdi::CreateBitmapOver(std::move(s), 32);
    return Set(Ok);
}

Status Bitmap::GetPixel(INT x, INT y, Color* color) {
    if (!mPixels || color == nullptr || !mPixels->Contains(x, y))
        return Set(InvalidParameter);
    *color = Color(StraightOf(mPixels->Get(x, y), mFormat));
    return Set(Ok);
}

Status Bitmap::SetPixel(INT x, INT y, const Color& color) {
    if (!mPixels || !mPixels->Contains(x, y))
        return Set(InvalidParameter);
    mPixels->Set(x, y, PixelOf(color.GetValue(), mFormat));
    return Set(Ok);
}

} // namespace Gdiplus
