#include "platform/gdi/FontInstance.h"

#include "platform/gdi/FontFace.h"

namespace gdi {

int FontInstance::Scale(int units) const {
    const std::int64_t n = static_cast<std::int64_t>(units) * mEm;
    const std::int64_t d = mFace.Metrics().unitsPerEm;
    const std::int64_t q = (2 * (n < 0 ? -n : n) + d) / (2 * d);
    return static_cast<int>(n < 0 ? -q : q);
}

int FontInstance::Advance(char32_t c) {
    auto it = mAdvances.find(c);
    if (it != mAdvances.end())
        return it->second;
    const int advance = Scale(mFace.AdvanceUnits(mFace.GlyphIndex(c)));
    mAdvances.emplace(c, advance);
    return advance;
}

const GlyphImage& FontInstance::Glyph(char32_t c) {
    auto it = mGlyphs.find(c);
    if (it != mGlyphs.end())
        return it->second;
    GlyphImage image;
    FT_Face face = mFace.Handle();
    FT_Set_Pixel_Sizes(face, static_cast<FT_UInt>(mEm), static_cast<FT_UInt>(mEm));
    if (FT_Load_Glyph(face, mFace.GlyphIndex(c), FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) == 0 &&
        FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        image.left = face->glyph->bitmap_left;
        image.top = face->glyph->bitmap_top;
        image.width = static_cast<int>(bitmap.width);
        image.height = static_cast<int>(bitmap.rows);
        image.coverage.resize(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height));
        for (int row = 0; row < image.height; ++row)
            for (int col = 0; col < image.width; ++col)
                image.coverage[static_cast<std::size_t>(row * image.width + col)] =
                    bitmap.buffer[row * bitmap.pitch + col];
    }
    return mGlyphs.emplace(c, std::move(image)).first->second;
}

} // namespace gdi
