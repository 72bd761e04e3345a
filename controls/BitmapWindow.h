#pragma once
// A static control that shows a bitmap with a transparent colour (its
// top-left pixel) on the 3-D face colour, placed by a mode, with an optional
// painter drawing over it.

#include <memory>

#include "platform/owl/TBitmap.h"
#include "platform/owl/TStatic.h"

namespace OvoControls {

// Draws over the bitmap: the context and the control's client rectangle.
class BitmapOverlay {
public:
    virtual ~BitmapOverlay() = default;
    virtual void Paint(HDC dc, const RECT& client) = 0;
};

class BitmapWindow : public OWL::TStatic {
public:
    // 1: aligned to the bottom; 2: centred both ways; 3: its own size at the
    // top-left; 4: the control is sized to the bitmap at set-up.
    enum Mode { kBottom = 1, kCentre = 2, kTopLeft = 3, kSizedToBitmap = 4 };

    // An alias of the parent dialog's control 1002, taking the bitmap.
    BitmapWindow(OWL::TWindow* parent, std::unique_ptr<OWL::TBitmap> bitmap);

    void SetBitmap(std::unique_ptr<OWL::TBitmap> bitmap);
    void SetMode(Mode mode) { mMode = mode; }
    void SetOverlay(std::unique_ptr<BitmapOverlay> overlay) { mOverlay = std::move(overlay); }
    const RECT& Destination() const { return mDestination; }

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    DECLARE_RESPONSE_TABLE(BitmapWindow);

protected:
    void SetupWindow() override;

private:
    Mode mMode = kSizedToBitmap;
    std::unique_ptr<OWL::TBitmap> mBitmap;
    RECT mDestination{0, 0, 0, 0};
    RECT mRecorded{0, 0, 0, 0};
    std::unique_ptr<BitmapOverlay> mOverlay;
};

} // namespace OvoControls
