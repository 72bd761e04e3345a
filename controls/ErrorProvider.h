#pragma once
// An error provider: a small icon beside an input control or a line of text
// that tells the user what is wrong. Pointing at it or clicking it shows the
// message in a balloon, or (hover kind) in a plain pop-up after the mouse
// rests on it; without a message it stays hidden.
//
// Flags: 0x01 balloon at the mouse, 0x02 pop-up after hovering, 0x04 no
// pop-up; 0x08 error icon, 0x10 warning, 0x20 information (the balloon then
// shows the information icon); 0x40 the balloon carries the link. SetupWindow
// keeps one pop-up kind (0x01 over 0x02 over 0x04, 0x01 when none) and one
// icon (0x10 over 0x08 over 0x20, 0x08 when none).

#include <functional>
#include <memory>

#include "controls/Popup.h"
#include "core/String.h"
#include "platform/owl/TBitmap.h"
#include "platform/owl/TStatic.h"

namespace OvoControls {

class ErrorProvider : public OWL::TStatic {
public:
    static constexpr DWORD kBalloon = 0x01;
    static constexpr DWORD kHoverPopup = 0x02;
    static constexpr DWORD kNoPopup = 0x04;
    static constexpr DWORD kError = 0x08;
    static constexpr DWORD kWarning = 0x10;
    static constexpr DWORD kInformation = 0x20;
    static constexpr DWORD kLink = 0x40;

    // A new static window without a title; hidden until SetError shows it.
    ErrorProvider(OWL::TWindow* parent, int id, int x, int y, int w, int h, HINSTANCE module, DWORD flags);
    // An alias of the parent dialog's control 1062, flags 0x09.
    enum FromResource { kFromResource };
    ErrorProvider(OWL::TWindow* parent, FromResource, HINSTANCE module = nullptr);
    ~ErrorProvider() override;

    void SetError(const Ovo::String& title, const Ovo::String& text, bool show);
    void SetLink(const Ovo::String& text, std::function<void()> callback);

    DWORD Flags() const { return mFlags; }
    const Ovo::String& Title() const { return mTitle; }
    const Ovo::String& Text() const { return mText; }
    Ovo::Popup* HoverPopup() const { return mPopup.get(); }
    int HoverElapsed() const { return mHoverElapsed; }

    // The normalisation SetupWindow applies.
    static DWORD NormaliseFlags(DWORD flags);

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;
    void EvMouseMove(UINT modKeys, const OWL::TPoint& point);
    void EvLButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvOtherButtonDown(UINT modKeys, const OWL::TPoint& point);
    void EvMouseLeave();
    void EvTimer(UINT_PTR id);

    DECLARE_RESPONSE_TABLE(ErrorProvider);

protected:
    void SetupWindow() override;
    void ShowBalloon();
    const OWL::TBitmap& IconBitmap() const;
    SIZE IconSize() const;

private:
    void Initialise(HINSTANCE module);
    void StartHover();

    DWORD mFlags;
    std::unique_ptr<OWL::TBitmap> mBitmaps[3];
    Ovo::String mTitle;
    Ovo::String mText;
    Ovo::String mLinkText;
    POINT mLastShowPos{0, 0};
    std::function<void()> mLinkCallback;
    std::unique_ptr<Ovo::Popup> mPopup;
    bool mPopupShown = false;
    int mHoverElapsed = 0;
    bool mTrackingLeave = false;
};

// A static text that keeps an error provider just right of its text, on the
// same line. The provider is a sibling window owned by the static.
class StaticTextErrorProvider : public OWL::TStatic {
public:
    // Control id 3006, the text, at a zero rectangle; its provider at (0, 0).
    StaticTextErrorProvider(OWL::TWindow* parent, LPCWSTR text);
    // An alias of the parent dialog's control 1012.
    enum FromResource { kFromResource };
    StaticTextErrorProvider(OWL::TWindow* parent, FromResource);
    ~StaticTextErrorProvider() override;

    void SetText(LPCWSTR text);
    void SetError(const Ovo::String& title, const Ovo::String& text, bool show);
    ErrorProvider* Provider() const;
    // Where the provider goes: 5 pixels right of the text's end, centred on
    // the line; the static's origin when it has no text.
    POINT ProviderPlace();

    void EvMove(const OWL::TPoint& origin);

    DECLARE_RESPONSE_TABLE(StaticTextErrorProvider);

    class MoveableErrProv;

protected:
    void SetupWindow() override;

private:
    void MoveProvider();

    MoveableErrProv* mProvider = nullptr;
};

// The provider a StaticTextErrorProvider makes: control id 1, 12 x 12,
// flags 9 (balloon, error icon).
class StaticTextErrorProvider::MoveableErrProv : public ErrorProvider {
public:
    MoveableErrProv(StaticTextErrorProvider& owner, OWL::TWindow* parent, int x, int y);
    ~MoveableErrProv() override;

private:
    StaticTextErrorProvider* mOwner;
    friend class StaticTextErrorProvider;
};

} // namespace OvoControls
