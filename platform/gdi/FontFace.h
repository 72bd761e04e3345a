#pragma once
// One pinned font file opened with FreeType, with the design metrics that
// text metrics are derived from (font units).

#include <cstdint>
#include <string>

#include <ft2build.h>
#include FT_FREETYPE_H

namespace gdi {

struct FaceMetrics {
    int unitsPerEm = 0;
    int winAscent = 0;  // OS/2 usWinAscent
    int winDescent = 0; // OS/2 usWinDescent
    int hheaAscender = 0;
    int hheaDescender = 0; // negative below the baseline
    int hheaLineGap = 0;
    int avgCharWidth = 0; // OS/2 xAvgCharWidth
    int maxAdvance = 0;
    int underlinePosition = 0; // negative below the baseline
    int underlineThickness = 0;
    int strikeoutPosition = 0; // above the baseline
    int strikeoutSize = 0;
};

class FontFace {
public:
    // Checks the file's size and FNV-1a hash before opening it; throws
    // std::runtime_error naming the file when either differs.
    FontFace(FT_Library library, const std::string& path, std::uintmax_t size, std::uint64_t fnv1a);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_Face Handle() const { return mFace; }
    const FaceMetrics& Metrics() const { return mMetrics; }
    unsigned GlyphIndex(char32_t c) const;
    int AdvanceUnits(unsigned glyph) const;

private:
    FT_Face mFace = nullptr;
    FaceMetrics mMetrics;
};

} // namespace gdi
