#pragma once
// A tool-tip-like pop-up: word-wrapped text on pale yellow, 2 pixels right of
// and below its anchor, kept on the anchor's monitor (left of the right edge's
// 10-pixel margin, above the point when it would pass the bottom). It never
// takes the focus and is shown only while the host application is visible.

#include <memory>

#include "core/String.h"
#include "platform/owl/TFont.h"
#include "platform/owl/TWindow.h"

namespace Ovo {

class Popup : public OWL::TWindow {
public:
    // Measures and creates the window (owned by the parent's window).
    Popup(POINT anchor, OWL::TWindow* parent, const String& text);

    const String& GetText() const { return mText; }
    POINT Anchor() const { return mAnchor; }

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

protected:
    void SetupWindow() override;

private:
    String mText;
    std::unique_ptr<OWL::TFont> mFont;
    POINT mAnchor;
};

} // namespace Ovo
