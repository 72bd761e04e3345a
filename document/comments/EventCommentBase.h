#pragma once
// EventCommentBase: a comment drawn as a small filled circle hanging below the
// point the host gives (7 x 7 pixels at 96 dpi, larger at higher resolutions),
// in the marker colour, black when selected, with an optional dotted silver
// guide line down the trace.

#include "document/comments/StrevCommentBase.h"

namespace StrevClient {

class EventCommentBase : public StrevCommentBase {
public:
    HRESULT Draw(HDC dc, HDC attributeDc, const CommentDrawRecord* record, DWORD, DWORD) override;
    HRESULT HitTest(HDC dc, const CommentDrawRecord* record, POINT point, DWORD, DWORD* flags) override;
    HRESULT ShowPopupAt(HWND window, const CommentDrawRecord* record, IAutoOvoString* timeText,
                        ICommentPopupWindow** popup, DWORD) override;
    HRESULT Flash(HWND window, const CommentDrawRecord* record, DWORD duration, DWORD) override;
    HRESULT GetDisplayFlags(DWORD* flags) override;
    HRESULT Reserved21(DWORD, DWORD) override { return E_FAIL; }
    HRESULT Reserved22(DWORD, DWORD) override { return E_FAIL; }

    // The marker's fill: black when selected, else the marker colour.
    virtual COLORREF GetFillColour(bool selected) const;
    virtual HRESULT GetDrawRect(HDC dc, const CommentDrawRecord* record, RECT* rect) const;
    // Half-size h = trunc(max(LOGPIXELSX / 96, 1) x 3): (x - h, y, x + h + 1, y + 2h + 1).
    virtual HRESULT GetMarkerRect(HDC dc, const CommentDrawRecord* record, RECT* rect) const;

    COLORREF Colour() const { return mColour; }

protected:
    using StrevCommentBase::StrevCommentBase;

    COLORREF mColour = 0x00FFFFFF;
};

} // namespace StrevClient
