#pragma once
// Trace colours of the data previews (COLORREF, 0x00BBGGRR).

#include <array>
#include <span>

#include "platform/win32/types.h"

namespace Tarvik {

// A preview that chooses its traces' colours itself.
class PreviewColourOwner {
public:
    virtual void PreviewColour(int index, COLORREF& colour) = 0;

protected:
    ~PreviewColourOwner() = default;
};

// The owner's colour when there is an owner; otherwise the palette entry at
// index modulo the number of entries in use (a negative index counts from the
// end). Without an owner the palette is the first 12 entries of palette 1 on a
// screen of at most 8 bits per pixel and its first 20 entries on a deeper one.
// The choice is kept and made again only when asked in the other mode.
COLORREF GetPreviewColour(PreviewColourOwner* owner, int index);

// The palettes, filled at start-up.
std::span<const COLORREF, 21> PreviewPalette1();
std::span<const COLORREF, 37> PreviewPalette2();
std::span<const COLORREF, 37> PreviewPalette3();
std::span<const COLORREF, 37> PreviewPalette4();

// The entries in use for a choice: palette 1's first 12 (shallow screen) or
// 20 (no owner), else palette 2's last 19.
struct PaletteChoice {
    const COLORREF* first;
    int count;
};
PaletteChoice ChoosePreviewPalette(bool hasOwner, int bitsPerPixel);

} // namespace Tarvik
