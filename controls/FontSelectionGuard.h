#pragma once
// Selects a font into a device context for the guard's lifetime: on
// destruction the font selected before is selected back (when there was one),
// then the font is destroyed.

#include <memory>

#include "platform/owl/TDC.h"

namespace Tarvik {

class FontSelectionGuard {
public:
    FontSelectionGuard(OWL::TDC& dc, std::unique_ptr<OWL::TFont> font)
        : mDc(dc), mFont(std::move(font)), mPrevious(SelectObject(mDc.GetHDC(), mFont->GetHandle())) {}
    ~FontSelectionGuard() {
        if (mPrevious != nullptr)
            SelectObject(mDc.GetHDC(), mPrevious);
    }
    FontSelectionGuard(const FontSelectionGuard&) = delete;
    FontSelectionGuard& operator=(const FontSelectionGuard&) = delete;

private:
    OWL::TDC& mDc;
    std::unique_ptr<OWL::TFont> mFont;
    HGDIOBJ mPrevious;
};

} // namespace Tarvik
