#pragma once
// Drawing onto a device context or into an image: images (stretched to the
// nearest pixel, through image attributes: first the remap table, exact
// colours, then the colour matrix on straight channels, clamped) and solid
// rectangles, both composed source-over. A device context's pixels count as
// opaque; an image's are composed with their own alpha.

#include <optional>
#include <vector>

#include "platform/gdi/handles.h"
#include "platform/gdiplus/Image.h"

namespace Gdiplus {

class ImageAttributes {
public:
    Status SetColorMatrix(const ColorMatrix* matrix, ColorMatrixFlags flags = ColorMatrixFlagsDefault,
                          ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetRemapTable(UINT count, const ColorMap* map, ColorAdjustType type = ColorAdjustTypeDefault);

    const std::optional<ColorMatrix>& Matrix() const { return mMatrix; }
    const std::vector<ColorMap>& Remap() const { return mRemap; }

private:
    std::optional<ColorMatrix> mMatrix;
    std::vector<ColorMap> mRemap;
};

class Brush {
public:
    virtual ~Brush() = default;
    virtual Color BrushColor() const = 0;
};

class SolidBrush : public Brush {
public:
    explicit SolidBrush(const Color& color) : mColor(color) {}
    Color BrushColor() const override { return mColor; }

private:
    Color mColor;
};

class Graphics {
public:
    explicit Graphics(HDC dc);
    // OutOfMemory for images in an indexed format, as GDI+ answers.
    explicit Graphics(Image* image);
    static Graphics* FromHDC(HDC dc) { return new Graphics(dc); }
    static Graphics* FromImage(Image* image) { return new Graphics(image); }
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    Status DrawImage(Image* image, INT x, INT y);
    Status DrawImage(Image* image, INT x, INT y, INT width, INT height);
    Status DrawImage(Image* image, const Rect& dest);
    Status DrawImage(Image* image, const Rect& dest, INT srcX, INT srcY, INT srcWidth, INT srcHeight,
                     Unit unit, const ImageAttributes* attributes = nullptr);
    Status FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height);
    Status GetLastStatus();

private:
    Status Set(Status s) { return mLast = s; }

    HDC mDc = nullptr;
    Image* mImage = nullptr;
    Status mLast = Ok;
};

} // namespace Gdiplus
