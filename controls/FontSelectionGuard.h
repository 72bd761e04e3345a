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
        : dc_(dc), font_(std::move(font)), previous_(SelectObject(dc_.GetHDC(), font_->GetHandle())) {}
    ~FontSelectionGuard() {
        if (previous_ != nullptr)
            SelectObject(dc_.GetHDC(), previous_);
    }
    FontSelectionGuard(const FontSelectionGuard&) = delete;
    FontSelectionGuard& operator=(const FontSelectionGuard&) = delete;

private:
    OWL::TDC& dc_;
    std::unique_ptr<OWL::TFont> font_;
    HGDIOBJ previous_;
};

} // namespace Tarvik
