#include "platform/gdi/FontObject.h"

#include <algorithm>
#include <cstdint>

#include "platform/gdi/FontEngine.h"
#include "platform/gdi/FontFace.h"
#include "platform/gdi/FontInstance.h"

namespace gdi {
namespace {

// round(n / d) for n >= 0, d > 0, halves up.
int RoundDiv(std::int64_t n, std::int64_t d) {
    return static_cast<int>((2 * n + d) / (2 * d));
}

struct Heights {
    int em;
    int cell;
    int ascent;
};

Heights HeightsFor(LONG lfHeight, const FaceMetrics& m) {
    const std::int64_t winSum = m.winAscent + m.winDescent;
    if (lfHeight < 0) {
        const std::int64_t em = -static_cast<std::int64_t>(lfHeight);
        return {static_cast<int>(em), RoundDiv(em * winSum, m.unitsPerEm),
                RoundDiv(em * m.winAscent, m.unitsPerEm)};
    }
    const std::int64_t cell = lfHeight == 0 ? FontObject::kDefaultCellHeight : lfHeight;
    const int em = std::max(1, RoundDiv(cell * m.unitsPerEm, winSum));
    return {em, static_cast<int>(cell), RoundDiv(cell * m.winAscent, winSum)};
}

} // namespace

FontObject::FontObject(const LOGFONTW& requested) : GdiObject(OBJ_FONT), mRequested(requested) {
    mRequested.lfFaceName[LF_FACESIZE - 1] = 0;
}

void FontObject::Realize() {
    if (mRealized)
        return;
    FontEngine& engine = FontEngine::Instance();
    const int faceIndex = FontEngine::FaceFor(mRequested);
    const FaceMetrics& m = engine.Face(faceIndex).Metrics();
    const Heights h = HeightsFor(mRequested.lfHeight, m);
    mInstance = engine.Sized(faceIndex, h.em);
    const FontInstance& inst = *mInstance;

    TEXTMETRICW& tm = mMetrics;
    tm.tmHeight = h.cell;
    tm.tmAscent = h.ascent;
    tm.tmDescent = h.cell - h.ascent;
    tm.tmInternalLeading = h.cell - h.em;
    const int hheaSpan = m.hheaAscender - m.hheaDescender + m.hheaLineGap;
    tm.tmExternalLeading = std::max(0, inst.Scale(hheaSpan - m.winAscent - m.winDescent));
    tm.tmAveCharWidth = inst.Scale(m.avgCharWidth);
    tm.tmMaxCharWidth = inst.Scale(m.maxAdvance);
    tm.tmWeight = mRequested.lfWeight == FW_DONTCARE ? FW_NORMAL : mRequested.lfWeight;
    tm.tmDigitizedAspectX = 96;
    tm.tmDigitizedAspectY = 96;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFFFC;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = mRequested.lfItalic ? 1 : 0;
    tm.tmUnderlined = mRequested.lfUnderline ? 1 : 0;
    tm.tmStruckOut = mRequested.lfStrikeOut ? 1 : 0;
    tm.tmPitchAndFamily = FF_SWISS | TMPF_TRUETYPE | TMPF_VECTOR | 0x01; // 0x01: variable pitch
    tm.tmCharSet = mRequested.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : mRequested.lfCharSet;

    mUnderlineThickness = std::max(1, inst.Scale(m.underlineThickness));
    mUnderlineOffset = std::max(1, -inst.Scale(m.underlinePosition) - mUnderlineThickness / 2);
    mStrikeoutThickness = std::max(1, inst.Scale(m.strikeoutSize));
    mStrikeoutOffset = -inst.Scale(m.strikeoutPosition);
    mRealized = true;
}

const TEXTMETRICW& FontObject::Metrics() {
    Realize();
    return mMetrics;
}

FontInstance& FontObject::Instance() {
    Realize();
    return *mInstance;
}

int FontObject::Em() {
    return Instance().Em();
}

int FontObject::UnderlineOffset() {
    Realize();
    return mUnderlineOffset;
}

int FontObject::UnderlineThickness() {
    Realize();
    return mUnderlineThickness;
}

int FontObject::StrikeoutOffset() {
    Realize();
    return mStrikeoutOffset;
}

int FontObject::StrikeoutThickness() {
    Realize();
    return mStrikeoutThickness;
}

} // namespace gdi
