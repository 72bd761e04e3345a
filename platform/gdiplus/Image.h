#pragma once
// Images: bitmaps decoded from PNG or BMP streams or made from bitmap
// resources, or made empty in a pixel format. Pixels are kept as the format
// says: straight ARGB, premultiplied PARGB, or opaque RGB formats (24- and
// 32-bit, and the indexed formats of resources, expanded). Every call's status
// is kept as the object's last status, which GetLastStatus reads and resets.

#include <memory>

#include "platform/gdi/Surface.h"
#include "platform/gdi/handles.h"
#include "platform/gdiplus/GdiplusTypes.h"

struct IStream;

namespace Gdiplus {

class Image {
public:
    virtual ~Image() = default;
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    static void* operator new(std::size_t size);
    static void operator delete(void* block);

    UINT GetWidth();
    UINT GetHeight();
    PixelFormat GetPixelFormat();
    Status GetLastStatus();

    // The pixels, for the drawing code; null when the image failed.
    const gdi::Surface* Pixels() const { return mPixels.get(); }
    gdi::Surface* Pixels() { return mPixels.get(); }
    PixelFormat Format() const { return mFormat; }

protected:
    Image() = default;
    Status Set(Status s) { return mLast = s; }

    std::unique_ptr<gdi::Surface> mPixels;
    PixelFormat mFormat = PixelFormat32bppARGB;
    Status mLast = Ok;
};

class Bitmap : public Image {
public:
    // Reads the stream from where it stands to its end: a PNG (straight
    // ARGB) or a BMP file. UnknownImageFormat for anything else.
    explicit Bitmap(IStream* stream);
    // A bitmap resource (RT_BITMAP) of the module; InvalidParameter when there
    // is none.
    Bitmap(HINSTANCE instance, const WCHAR* name);
    // Transparent black pixels (opaque black in the RGB formats).
    Bitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
    // A copy of a GDI bitmap's pixels, opaque, in the RGB format of its depth
    // (PixelFormat32bppRGB for 32 bits); the palette is not used.
    Bitmap(HBITMAP bitmap, HPALETTE palette);
    static Bitmap* FromHBITMAP(HBITMAP bitmap, HPALETTE palette) { return new Bitmap(bitmap, palette); }

    static Bitmap* FromStream(IStream* stream) { return new Bitmap(stream); }
    static Bitmap* FromResource(HINSTANCE instance, const WCHAR* name) { return new Bitmap(instance, name); }

    // A new 32-bit GDI bitmap of the image drawn over the background colour.
    Status GetHBITMAP(const Color& background, HBITMAP* out);
    Status GetPixel(INT x, INT y, Color* color);
    Status SetPixel(INT x, INT y, const Color& color);
};

// The straight ARGB colour of a pixel kept in the format.
ARGB StraightOf(std::uint32_t pixel, PixelFormat format);
// The pixel that keeps a straight colour in the format.
std::uint32_t PixelOf(ARGB straight, PixelFormat format);

} // namespace Gdiplus
