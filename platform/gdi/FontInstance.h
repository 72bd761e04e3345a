#pragma once
// A pinned face at one pixel size (em): integer advances and grey-coverage
// glyph images, both cached. Advances are the design advances scaled to the
// em and rounded once per glyph, with no hinting and no kerning, so the width
// of a text is the sum of its characters' advances on every machine.

#include <cstdint>
#include <map>
#include <vector>

namespace gdi {

class FontFace;

struct GlyphImage {
    int left = 0; // from the pen position to the first column
    int top = 0;  // rows from the first row down to the baseline
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage; // width x height, 0..255
};

class FontInstance {
public:
    FontInstance(FontFace& face, int em) : mFace(face), mEm(em) {}

    int Em() const { return mEm; }
    const FontFace& Face() const { return mFace; }
    int Advance(char32_t c);
    const GlyphImage& Glyph(char32_t c);

    // Font units scaled to this em, rounded half away from zero.
    int Scale(int units) const;

private:
    FontFace& mFace;
    int mEm;
    std::map<char32_t, int> mAdvances;
    std::map<char32_t, GlyphImage> mGlyphs;
};

} // namespace gdi
