#pragma once
// A device context as the framework's painting code sees it. A TDC made over
// a handle does not own it; the objects selected through SelectObject are
// selected out again (RestoreObjects) when the TDC goes.

#include "platform/gdi/gdi.h"
#include "platform/owl/TBrush.h"
#include "platform/owl/TFont.h"
#include "platform/owl/TPen.h"
#include "platform/owl/TRect.h"

namespace OWL {

class TDC {
public:
    explicit TDC(HDC handle) : mHandle(handle) {}
    TDC(const TDC&) = delete;
    TDC& operator=(const TDC&) = delete;
    virtual ~TDC() { RestoreObjects(); }

    HDC GetHDC() const { return mHandle; }
    operator HDC() const { return mHandle; }

    void SelectObject(const TFont& font);
    void SelectObject(const TPen& pen);
    void SelectObject(const TBrush& brush);
    void RestoreFont();
    void RestorePen();
    void RestoreBrush();
    void RestoreObjects();

    int SaveDC() const { return ::SaveDC(mHandle); }
    bool RestoreDC(int saved = -1) const { return ::RestoreDC(mHandle, saved) != FALSE; }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(mHandle, index); }

    TColor SetBkColor(const TColor& color) const { return ::SetBkColor(mHandle, color.GetValue()); }
    TColor SetTextColor(const TColor& color) const { return ::SetTextColor(mHandle, color.GetValue()); }
    int SetBkMode(int mode) const { return ::SetBkMode(mHandle, mode); }

    bool GetTextMetrics(TEXTMETRICW& metrics) const { return GetTextMetricsW(mHandle, &metrics) != FALSE; }
    TSize GetTextExtent(LPCWSTR text, int count) const;
    bool TextOut(int x, int y, LPCWSTR text, int count = -1) const;
    bool ExtTextOut(int x, int y, UINT options, const TRect* rect, LPCWSTR text, int count,
                    const int* dx = nullptr) const;
    int DrawText(LPCWSTR text, int count, TRect& rect, UINT format) const {
        return DrawTextW(mHandle, text, count, &rect, format);
    }

    bool MoveTo(int x, int y) const { return MoveToEx(mHandle, x, y, nullptr) != FALSE; }
    bool MoveTo(const TPoint& p) const { return MoveTo(p.x, p.y); }
    bool LineTo(int x, int y) const { return ::LineTo(mHandle, x, y) != FALSE; }
    bool LineTo(const TPoint& p) const { return LineTo(p.x, p.y); }
    bool FillRect(const TRect& rect, HBRUSH brush) const { return ::FillRect(mHandle, &rect, brush) != 0; }
    bool FillRect(const TRect& rect, const TBrush& brush) const { return FillRect(rect, brush.GetHandle()); }
    bool DrawFocusRect(const TRect& rect) const { return ::DrawFocusRect(mHandle, &rect) != FALSE; }
    bool DrawFrameControl(const TRect& rect, UINT type, UINT state) const;
    bool FrameRect(const TRect& rect, HBRUSH brush) const { return ::FrameRect(mHandle, &rect, brush) != 0; }
    bool BitBlt(int x, int y, int w, int h, HDC src, int srcX, int srcY, DWORD rop = SRCCOPY) const {
        return ::BitBlt(mHandle, x, y, w, h, src, srcX, srcY, rop) != FALSE;
    }
    bool StretchBlt(int x, int y, int w, int h, HDC src, int srcX, int srcY, int srcW, int srcH,
                    DWORD rop = SRCCOPY) const {
        return ::StretchBlt(mHandle, x, y, w, h, src, srcX, srcY, srcW, srcH, rop) != FALSE;
    }
    TColor GetPixel(int x, int y) const { return ::GetPixel(mHandle, x, y); }
    TPoint SetViewportOrg(const TPoint& origin) const {
        POINT previous{0, 0};
        SetViewportOrgEx(mHandle, origin.x, origin.y, &previous);
        return previous;
    }
    UINT SetTextAlign(UINT align) const { return ::SetTextAlign(mHandle, align); }
    TRect GetClipBox() const {
        RECT r{0, 0, 0, 0};
        ::GetClipBox(mHandle, &r);
        return r;
    }
    int IntersectClipRect(const TRect& r) const {
        return ::IntersectClipRect(mHandle, r.left, r.top, r.right, r.bottom);
    }

protected:
    TDC() = default;
    void SetHDC(HDC handle) { mHandle = handle; }

private:
    HDC mHandle = nullptr;
    HGDIOBJ mOrgFont = nullptr;
    HGDIOBJ mOrgPen = nullptr;
    HGDIOBJ mOrgBrush = nullptr;
};

} // namespace OWL
