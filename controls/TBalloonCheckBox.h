#pragma once
// A check box that explains itself in a balloon when the mouse rests on it
// for 750 ms (after SetBalloonText). A click or key press keeps it quiet
// until the mouse has left and come back; a move of more than 3 pixels while
// its balloon is up shows the balloon again at the new place.

#include <string>

#include "platform/owl/TButton.h"

namespace OvoControls {

// The balloon's text cut into lines of at most 58 characters, each ending in
// CR LF: at line ends in the text (CR LF counting once), else at the last
// blank or after the last comma outside double quotes, else after 58
// characters; a line cut inside quotes is continued with a leading space. An
// empty text, or one blank, is " \n".
std::u16string WrapBalloonText(std::u16string_view text);

class TBalloonCheckBox : public OWL::TCheckBox {
public:
    // An alias of the parent dialog's check box.
    TBalloonCheckBox(OWL::TWindow* parent, int controlId);

    // Null texts become "Title" and "Content"; the content is wrapped.
    void SetBalloonText(LPCWSTR title, LPCWSTR content);
    void SetBalloonIcon(int systemIconId) { mIconId = systemIconId; }
    void SetAutoHide(int ms) { mAutoHideMs = ms; }

    const std::u16string& BalloonTitle() const { return mTitle; }
    const std::u16string& BalloonContent() const { return mContent; }
    bool BalloonShown() const { return mBalloonShown; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void EvTimer(UINT_PTR id);
    void EvMouseMove(UINT modKeys, const OWL::TPoint& point);
    LRESULT EvPress(WPARAM, LPARAM);

    DECLARE_RESPONSE_TABLE(TBalloonCheckBox);

private:
    void ShowBalloon();

    bool mBalloonEnabled = true;
    bool mTrackingLeave = false;
    bool mBalloonShown = false;
    bool mSuppressed = false;
    int mAutoHideMs = 0;
    int mHoverDelayMs = 750;
    DWORD mBalloonOptions = 0x4C38;
    std::u16string mTitle = u"Title";
    std::u16string mContent = u"Content";
    int mIconId = 32516; // IDI_ASTERISK
    POINT mLastMouse{0, 0};
};

} // namespace OvoControls
