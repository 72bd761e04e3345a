#include "platform/gdi/GlyphRun.h"

#include <algorithm>

#include "platform/gdi/FontInstance.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Raster.h"
#include "platform/gdi/saturate.h"

namespace gdi {
namespace {

bool IsHigh(char16_t u) {
    return u >= 0xD800 && u <= 0xDBFF;
}
bool IsLow(char16_t u) {
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

GlyphRun::GlyphRun(FontObject& font, std::u16string_view text, const INT* dx) : mFont(font) {
    FontInstance& instance = font.Instance();
    for (std::size_t i = 0; i < text.size();) {
        const char16_t u = text[i];
        std::size_t units = 1;
        char32_t c = u;
        if (IsHigh(u) && i + 1 < text.size() && IsLow(text[i + 1])) {
            c = 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            units = 2;
        } else if (IsHigh(u) || IsLow(u)) {
            c = 0xFFFD;
        }
        int advance = instance.Advance(c);
        if (dx)
            advance = units == 2 ? dx[i] + dx[i + 1] : dx[i];
        mChars.push_back(c);
        mAdvances.push_back(advance);
        mUnits.push_back(i);
        mWidth += advance;
        i += units;
    }
}

void GlyphRun::SetTurn(int quarterTurns, std::int64_t pivotX, std::int64_t pivotY) {
    mTurns = ((quarterTurns % 4) + 4) % 4;
    mPivotX = pivotX;
    mPivotY = pivotY;
}

void GlyphRun::Turn(std::int64_t& x, std::int64_t& y) const {
    const std::int64_t dx = x - mPivotX;
    const std::int64_t dy = y - mPivotY;
    switch (mTurns) {
    case 1: // y grows downwards: a counter-clockwise turn takes right to up
        x = mPivotX + dy;
        y = mPivotY - dx;
        break;
    case 2:
        x = mPivotX - dx;
        y = mPivotY - dy;
        break;
    case 3:
        x = mPivotX - dy;
        y = mPivotY + dx;
        break;
    default:
        break;
    }
}

RECT GlyphRun::Turned(const RECT& r) const {
    if (mTurns == 0)
        return r;
    // The pixel [x, x + 1) x [y, y + 1) turns onto another whole pixel; the
    // corners of the rectangle's first and last pixels bound the result.
    std::int64_t x0 = r.left, y0 = r.top, x1 = r.right - 1, y1 = r.bottom - 1;
    Turn(x0, y0);
    Turn(x1, y1);
    return RECT{Saturate(std::min(x0, x1)), Saturate(std::min(y0, y1)), Saturate(std::max(x0, x1) + 1),
                Saturate(std::max(y0, y1) + 1)};
}

void GlyphRun::Draw(Raster& raster, std::int64_t x, std::int64_t baseline, COLORREF color) const {
    const Pixel pixel = PixelFromColor(color);
    FontInstance& instance = mFont.Instance();
    std::int64_t pen = x;
    for (std::size_t i = 0; i < mChars.size(); ++i) {
        const GlyphImage& g = instance.Glyph(mChars[i]);
        for (int row = 0; row < g.height; ++row)
            for (int col = 0; col < g.width; ++col) {
                std::int64_t px = pen + g.left + col;
                std::int64_t py = baseline - g.top + row;
                Turn(px, py);
                raster.Blend(px, py, pixel, g.coverage[static_cast<std::size_t>(row * g.width + col)]);
            }
        pen += mAdvances[i];
    }
    if (mFont.Requested().lfUnderline)
        Underline(raster, x, baseline, color, 0, mChars.size());
    if (mFont.Requested().lfStrikeOut)
        Bar(raster, x, x + mWidth, baseline + mFont.StrikeoutOffset(), mFont.StrikeoutThickness(), color);
}

void GlyphRun::Underline(Raster& raster, std::int64_t x, std::int64_t baseline, COLORREF color,
                         std::size_t first, std::size_t last) const {
    std::int64_t x0 = x;
    for (std::size_t i = 0; i < first && i < mChars.size(); ++i)
        x0 += mAdvances[i];
    std::int64_t x1 = x0;
    for (std::size_t i = first; i < last && i < mChars.size(); ++i)
        x1 += mAdvances[i];
    Bar(raster, x0, x1, baseline + mFont.UnderlineOffset(), mFont.UnderlineThickness(), color);
}

void GlyphRun::Bar(Raster& raster, std::int64_t x0, std::int64_t x1, std::int64_t top, int thickness,
                   COLORREF color) const {
    const RECT bar = Turned(RECT{Saturate(x0), Saturate(top), Saturate(x1), Saturate(top + thickness)});
    raster.FillRect(bar, PixelFromColor(color), R2_COPYPEN);
}

} // namespace gdi
