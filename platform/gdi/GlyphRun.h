#pragma once
// A line of text laid out in one font: its characters (UTF-16 decoded, an
// unpaired surrogate becoming U+FFFD) and their integer advances, which add
// up to the line's width.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/win32/types.h"

namespace gdi {

class FontObject;
class Raster;

class GlyphRun {
public:
    // dx, when given, replaces the advances: one value per UTF-16 unit.
    GlyphRun(FontObject& font, std::u16string_view text, const INT* dx = nullptr);

    int Width() const { return mWidth; }
    std::size_t Size() const { return mChars.size(); }
    int Advance(std::size_t i) const { return mAdvances[i]; }
    // Index of the UTF-16 unit where character i starts.
    std::size_t Unit(std::size_t i) const { return mUnits[i]; }

    // Turns what is drawn by quarter turns counter-clockwise about a device
    // point (a font's escapement of 900 is one turn). No turn by default.
    void SetTurn(int quarterTurns, std::int64_t pivotX, std::int64_t pivotY);
    // A device rectangle as it lies after the turn.
    RECT Turned(const RECT& r) const;

    // Blends the glyphs in the text colour, the pen starting at device
    // (x, baseline); draws the font's underline and strike-out bars.
    void Draw(Raster& raster, std::int64_t x, std::int64_t baseline, COLORREF color) const;
    // A bar under characters [first, last), as the underline is drawn.
    void Underline(Raster& raster, std::int64_t x, std::int64_t baseline, COLORREF color, std::size_t first,
                   std::size_t last) const;

private:
    // The device point (x, y) after the turn.
    void Turn(std::int64_t& x, std::int64_t& y) const;
    void Bar(Raster& raster, std::int64_t x0, std::int64_t x1, std::int64_t top, int thickness,
             COLORREF color) const;

    FontObject& mFont;
    std::vector<char32_t> mChars;
    std::vector<int> mAdvances;
    std::vector<std::size_t> mUnits;
    int mWidth = 0;
    int mTurns = 0;
    std::int64_t mPivotX = 0;
    std::int64_t mPivotY = 0;
};

} // namespace gdi
