#pragma once
// A logical font: what was asked for (GetObjectW gives it back unchanged) and
// the pinned face and pixel size it is drawn with.
//
// Size, as GDI treats LOGFONT heights: lfHeight < 0 asks for a character
// height (em) of -lfHeight pixels; lfHeight > 0 asks for a cell height
// (ascent + descent) of lfHeight pixels, so em = round(lfHeight x unitsPerEm /
// (winAscent + winDescent)); 0 asks for the default cell height of 16.
// Metrics are the face's OS/2 win metrics scaled to the em and rounded half up
// once: for a character height, tmAscent = round(em x winAscent / unitsPerEm)
// and tmHeight = round(em x (winAscent + winDescent) / unitsPerEm); for a cell
// height, tmHeight = lfHeight and tmAscent = round(lfHeight x winAscent /
// (winAscent + winDescent)). tmDescent = tmHeight - tmAscent,
// tmInternalLeading = tmHeight - em, tmExternalLeading from the hhea line
// spacing beyond the win metrics (never negative), tmAveCharWidth from
// xAvgCharWidth.

#include <memory>

#include "platform/gdi/GdiObject.h"
#include "platform/gdi/structs.h"

namespace gdi {

class FontInstance;

class FontObject : public GdiObject {
public:
    static constexpr int kDefaultCellHeight = 16;

    explicit FontObject(const LOGFONTW& requested);

    const LOGFONTW& Requested() const { return mRequested; }
    // The first of these starts the font engine (and its pin check).
    const TEXTMETRICW& Metrics();
    FontInstance& Instance();
    int Em();
    // Underline and strike-out bars: offset of the bar's top row below the
    // baseline (negative above it) and thickness, in pixels.
    int UnderlineOffset();
    int UnderlineThickness();
    int StrikeoutOffset();
    int StrikeoutThickness();

private:
    void Realize();

    LOGFONTW mRequested;
    bool mRealized = false;
    TEXTMETRICW mMetrics{};
    std::shared_ptr<FontInstance> mInstance;
    int mUnderlineOffset = 0;
    int mUnderlineThickness = 1;
    int mStrikeoutOffset = 0;
    int mStrikeoutThickness = 1;
};

} // namespace gdi
