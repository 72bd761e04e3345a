#pragma once
// The popup of a comment: on the tooltip colour, the comment's marker, the line
// "t = <time>" in bold beside it, and below them the comment's text wrapped at
// 40 average characters (at most 7 lines). It opens above the marker, below it
// when it would come within 10 pixels of the screen's top, and keeps 10 pixels
// from the work area's right edge; it never takes the focus and is shown only
// while the host application is visible. It lives until its last reference
// goes, holding one on its comment.

#include <memory>

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/owl/TFont.h"
#include "platform/owl/TGadgetWindowFont2.h"
#include "platform/owl/TWindow.h"
#include "platform/vantrel/IStrevComment.h"
#include "platform/win32/com_ptr.h"

namespace StrevClient {

class CommentPopup : public OWL::TWindow, public ICommentPopupWindow, public Ovo::CComObjectRoot {
public:
    // Made with one reference. owner: the window the marker is drawn in; anchor: the top centre of
    // the marker on the screen; markerHeight: its height there. A null time text shows as empty.
    CommentPopup(HWND owner, POINT anchor, IStrevComment* comment, IAutoOvoString* timeText,
                 int markerHeight);
    ~CommentPopup() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
    HRESULT GetComment(IStrevComment** comment) override;
    HRESULT Refresh() override;

    void Paint(OWL::TDC& dc, bool erase, OWL::TRect& rect) override;

    const RECT& MarkerRect() const { return mMarkerRect; }
    const RECT& TextRect() const { return mTextRect; }
    POINT TimePos() const { return mTimePos; }

protected:
    LPCWSTR GetClassName() const override { return u"CommentPopup"; }
    void GetWindowClass(WNDCLASSW& windowClass) const override;
    void SetupWindow() override;

private:
    Ovo::String mTimeText;
    ComPtr<IStrevComment> mComment;
    POINT mAnchor;
    std::unique_ptr<OWL::TGadgetWindowFont2> mTextFont;
    std::unique_ptr<OWL::TFont> mBoldFont;
    int mMarkerHeight;
    RECT mMarkerRect{};
    RECT mTextRect{};
    POINT mTimePos{};
};

} // namespace StrevClient
