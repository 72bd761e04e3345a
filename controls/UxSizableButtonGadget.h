#pragma once
// A button gadget with a themed look: its background drawn by the theme
// ("BUTTON" or "TOOLBAR") when one is open (else the framework's plain
// border), a GDI+ image and a text side by side or stacked, and hot, pressed,
// down and disabled states. Virtual slots 28 to 34 follow the framework's:
// Layout, PaintText, SetImage, GetTypeName, GetImageDesiredSize,
// UpdateImageSize, PaintThemedBackground.

#include <memory>

#include "platform/gdiplus/gdiplus.h"
#include "platform/owl/TButtonTextGadget.h"
#include "platform/theme/uxtheme.h"

class UxSizableButtonGadget : public OWL::TButtonTextGadget {
public:
    // Look bits.
    static constexpr UINT kPressed = 0x1;
    static constexpr UINT kHot = 0x2;
    static constexpr UINT kDisabled = 0x8;
    // Theme class choice: 1 "BUTTON", anything else "TOOLBAR".
    static constexpr int kButtonClass = 1;
    static constexpr int kToolbarClass = 2;

    // A bitmap-style gadget of the glyph resource (a PNG, else a bitmap, of
    // the window's module), 4 characters, "BUTTON".
    UxSizableButtonGadget(int id, int glyphResourceId, TType type = Command, TState state = Up);
    // The text kind: no character count, flag word 8.
    enum TextKind { kText };
    UxSizableButtonGadget(TextKind, int id, int glyphResourceId, TType type = Command);
    // The general form: the gadget takes the image.
    UxSizableButtonGadget(int id, TStyle style, TType type, bool enabled, TState state, bool shared,
                          UINT numChars, int themeClass, std::unique_ptr<Gdiplus::Image> image);
    ~UxSizableButtonGadget() override;

    void GetDesiredSize(OWL::TSize& size) override;
    void SetBounds(const OWL::TRect& bounds) override;
    void CommandEnable() override;
    void SysColorChange() override;
    void Created() override;
    void Paint(OWL::TDC& dc) override;
    void PaintBorder(OWL::TDC& dc) override;
    void MouseEnter(UINT modKeys, const OWL::TPoint& point) override;
    void MouseLeave(UINT modKeys, const OWL::TPoint& point) override;
    void LButtonDown(UINT modKeys, const OWL::TPoint& point) override;
    void LButtonUp(UINT modKeys, const OWL::TPoint& point) override;
    void PaintFace(OWL::TDC& dc, const OWL::TRect& rect) override;
    // Answers none: the framework builds no glyph of its own.
    HBITMAP GetGlyphDib() override { return nullptr; }

    virtual void Layout(const OWL::TRect& inner, OWL::TRect& text, OWL::TRect& image);
    virtual void PaintText(OWL::TDC& dc, const OWL::TRect& rect);
    // which 0 replaces image 0 (and its size), 1 the image shown while down;
    // the previous image goes to the caller.
    virtual std::unique_ptr<Gdiplus::Image> SetImage(int which, std::unique_ptr<Gdiplus::Image> image);
    virtual const char* GetTypeName() const { return "UxSizableButtonGadget"; }
    virtual void GetImageDesiredSize(OWL::TSize& size);
    virtual void UpdateImageSize();
    virtual void PaintThemedBackground(OWL::TDC& dc, const OWL::TRect& rect);

    UINT Look() const { return mLook; }
    HTHEME Theme() const { return mTheme; }
    SIZE ImageSize() const { return mImageSize; }
    OWL::TPoint ImageOrigin() const { return mImageOrigin; }

protected:
    // The theme's state for the look: 4 disabled, 3 down or pressed, 2 hot, 1.
    int ThemeState();
    void OpenTheme(HWND window);
    void EnsureImage();
    void SetLook(UINT bits, bool on);
    void PaintPressedOverlay(OWL::TDC& dc, const OWL::TRect& rect);

    HTHEME mTheme = nullptr;
    UINT mLook = 0;
    int mThemeClass;
    std::unique_ptr<Gdiplus::Image> mImage0;
    std::unique_ptr<Gdiplus::Image> mImage1;
    SIZE mImageSize{0, 0};
    OWL::TPoint mImageOrigin;

private:
    void Initialise();
};

// Enable enables the gadget; SetText sets the text of a gadget that shows one
// (unless flag bit 16 is set) and repaints only on a change; SetCheck sets the
// state unless the gadget ignores checks.
class UxSizableButtonGadgetEnabler : public OWL::TCommandEnabler {
public:
    UxSizableButtonGadgetEnabler(HWND receiver, UxSizableButtonGadget& gadget);
    void Enable(bool enable = true) override;
    void SetText(LPCWSTR text) override;
    void SetCheck(int state) override;

private:
    UxSizableButtonGadget& mGadget;
};

// A sizable gadget whose themed background is drawn without the parent's
// background, and only while it is in a window.
class UxCustomButtonGadget : public UxSizableButtonGadget {
public:
    UxCustomButtonGadget(int id, TStyle style, TType type, bool enabled, TState state, bool shared,
                         UINT numChars, int themeClass, std::unique_ptr<Gdiplus::Image> image)
        : UxSizableButtonGadget(id, style, type, enabled, state, shared, numChars, themeClass,
                                std::move(image)) {}
    const char* GetTypeName() const override { return "UxCustomButtonGadget"; }
    void PaintThemedBackground(OWL::TDC& dc, const OWL::TRect& rect) override;
};
