#include "document/comments/StrevCommentBase.h"

#include <new>
#include <tuple>

#include "document/comments/CommentPopup.h"
#include "platform/gdi/gdi.h"
#include "platform/user/paint_api.h"
#include "platform/user/rect_api.h"
#include "platform/user/timer_api.h"
#include "platform/user/window_api.h"
#include "platform/win32/com_ptr.h"

namespace StrevClient {
namespace {

struct Compared {
    HostTickPosition position{0, 0};
    DWORD id = 0;
    DWORD typeId = 0;
    LONG channel = 0;
    Ovo::String text;
};

Compared Read(IStrevComment& comment) {
    Compared c;
    IAutoOvoString* text = nullptr;
    comment.GetInfo(&c.position, &c.channel, &c.id, &text);
    c.text.AssignAndRelease(text);
    comment.GetTypeId(&c.typeId);
    return c;
}

// Position words compare unsigned, first then second.
auto PositionKey(const HostTickPosition& p) {
    return std::make_tuple(static_cast<DWORD>(p.record), static_cast<DWORD>(p.tick));
}

// Edge a + (b - a) * step / 10, the product truncated toward zero.
LONG Between(LONG a, LONG b, int step) {
    return a + static_cast<LONG>((static_cast<long long>(b) - a) * step / 10);
}

bool ShownAndNotMinimised(HWND hwnd) {
    return hwnd != nullptr && IsWindowVisible(hwnd) && !IsIconic(hwnd);
}

// The window itself or its nearest ancestor with a sizing frame.
HWND FrameWindow(HWND hwnd) {
    for (HWND w = hwnd; w != nullptr; w = GetParent(w)) {
        WINDOWINFO info{};
        info.cbSize = sizeof info;
        if (GetWindowInfo(w, &info) && (info.dwStyle & WS_THICKFRAME) != 0)
            return w;
    }
    return nullptr;
}

} // namespace

HRESULT StrevCommentBase::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_IStrevCommentEx, static_cast<IStrevCommentEx*>(this)},
                                   {IID_IStrevComment, static_cast<IStrevCommentEx*>(this)}},
                                  iid, out);
}

LONG StrevCommentBase::CurrentRecord() const {
    if (mPositionProvider == nullptr)
        return mRecord;
    LONG record = -1;
    mPositionProvider->GetRecord(&record);
    return record;
}

HRESULT StrevCommentBase::GetInfo(HostTickPosition* position, LONG* channel, DWORD* id,
                                  IAutoOvoString** text) {
    if (position != nullptr)
        *position = HostTickPosition{CurrentRecord(), mTick};
    if (channel != nullptr)
        *channel = mChannel;
    if (id != nullptr)
        *id = mId;
    if (text != nullptr)
        *text = mText.GetInterface();
    return S_OK;
}

HRESULT StrevCommentBase::GetTypeId(DWORD* typeId) {
    *typeId = mTypeId;
    return S_OK;
}

HRESULT StrevCommentBase::GetChannel(LONG* channel) {
    *channel = mChannel;
    return S_OK;
}

HRESULT StrevCommentBase::GetId(DWORD* id) {
    *id = mId;
    return S_OK;
}

HRESULT StrevCommentBase::SetId(DWORD id) {
    mId = id;
    return S_OK;
}

HRESULT StrevCommentBase::SetChannel(DWORD, LONG channel) {
    mChannel = channel;
    return S_OK;
}

HRESULT StrevCommentBase::SetPositionProvider(ICommentPositionProvider* provider) {
    if (provider == nullptr && mPositionProvider != nullptr)
        mRecord = CurrentRecord(); // the comment keeps the record it was at
    mPositionProvider = provider;
    return S_OK;
}

HRESULT StrevCommentBase::GetPositionProvider(ICommentPositionProvider** provider) {
    *provider = mPositionProvider;
    if (mPositionProvider == nullptr)
        return S_FALSE;
    mPositionProvider->AddRef();
    return S_OK;
}

HRESULT StrevCommentBase::GetAbsoluteTick(LONG* tick) {
    if (mPositionProvider == nullptr)
        return E_UNEXPECTED;
    LONG base = 0;
    mPositionProvider->GetBaseTick(&base);
    *tick = mTick + base;
    return S_OK;
}

HRESULT StrevCommentBase::GetText(IAutoOvoString** text) {
    *text = Ovo::String(mText.c_str(), mText.Length()).GetInterface();
    return S_OK;
}

HRESULT StrevCommentBase::IsBefore(IStrevComment* other) {
    const Compared a = Read(*this), b = Read(*other);
    if (PositionKey(a.position) != PositionKey(b.position))
        return PositionKey(a.position) < PositionKey(b.position) ? S_OK : S_FALSE;
    if (a.id != b.id)
        return a.id < b.id ? S_OK : S_FALSE;
    if (a.typeId != b.typeId)
        return a.typeId < b.typeId ? S_OK : S_FALSE;
    if (a.channel != b.channel)
        return a.channel < b.channel ? S_OK : S_FALSE;
    return a.text < b.text ? S_OK : S_FALSE;
}

HRESULT StrevCommentBase::IsSame(IStrevComment* other) {
    if (other == static_cast<IStrevComment*>(this))
        return S_OK;
    const Compared a = Read(*this), b = Read(*other);
    const bool same = PositionKey(a.position) == PositionKey(b.position) && a.id == b.id &&
                      a.typeId == b.typeId && a.channel == b.channel && a.text == b.text;
    return same ? S_OK : S_FALSE;
}

ICommentPopupWindow* StrevCommentBase::MakePopup(HWND owner, POINT anchor, IAutoOvoString* timeText,
                                                 int markerHeight) {
    return new (std::nothrow) CommentPopup(owner, anchor, this, timeText, markerHeight);
}

HRESULT StrevCommentBase::OpenPopup(HWND window, DWORD, IAutoOvoString* timeText, ICommentPopupWindow** popup,
                                    DWORD, const RECT& marker) {
    POINT anchor{(marker.left + marker.right) / 2, marker.top};
    ClientToScreen(window, &anchor);
    const ComPtr<IStrevComment> held(this); // kept while the popup is made
    *popup = MakePopup(window, anchor, timeText, marker.bottom - marker.top);
    return *popup != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT StrevCommentBase::AnimateRect(HWND window, const RECT& from, const RECT& to, DWORD milliseconds) {
    return Animate(window, 0, from, to, milliseconds);
}

HRESULT StrevCommentBase::AnimateEllipse(HWND window, const RECT& from, const RECT& to, DWORD milliseconds) {
    return Animate(window, 1, from, to, milliseconds);
}

HRESULT StrevCommentBase::Animate(HWND window, int shape, const RECT& from, const RECT& to,
                                  DWORD milliseconds) {
    if (!ShownAndNotMinimised(window))
        return S_OK;
    const DWORD step = milliseconds / 10;
    GdiFlush();
    Sleep(50);
    const HWND frame = FrameWindow(window);
    if (!ShownAndNotMinimised(frame))
        return S_OK;
    WINDOWINFO info{};
    info.cbSize = sizeof info;
    GetWindowInfo(frame, &info);
    // From the window's client area to the frame's window (non-client) coordinates.
    POINT origin{0, 0};
    MapWindowPoints(window, frame, &origin, 1);
    origin.x += info.rcClient.left - info.rcWindow.left;
    origin.y += info.rcClient.top - info.rcWindow.top;

    const HDC dc = GetWindowDC(frame);
    const HPEN pen = CreatePen(PS_SOLID, 2, 0);
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    const HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int oldRop = SetROP2(dc, R2_NOT);
    const LONG width = from.right - from.left, height = from.bottom - from.top;
    const HDC saved = CreateCompatibleDC(dc);
    const HBITMAP background = CreateCompatibleBitmap(dc, width, height);
    const HGDIOBJ oldBitmap = SelectObject(saved, background);
    RECT first{};
    for (int i = 0; i < 10; ++i) {
        RECT r{Between(from.left, to.left, i), Between(from.top, to.top, i), Between(from.right, to.right, i),
               Between(from.bottom, to.bottom, i)};
        OffsetRect(&r, origin.x, origin.y);
        if (i == 0) {
            first = r;
            BitBlt(saved, 0, 0, width, height, dc, r.left, r.top, SRCCOPY);
        }
        if (shape == 1) {
            Ellipse(dc, r.left + 1, r.top, r.right, r.bottom);
            GdiFlush();
            Sleep(step);
            BitBlt(dc, first.left, first.top, width, height, saved, 0, 0, SRCCOPY);
        } else {
            const POINT outline[] = {
                {r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}, {r.left, r.top}};
            Polyline(dc, outline, 5);
            GdiFlush();
            Sleep(step);
            Polyline(dc, outline, 5);
        }
        GdiFlush();
    }
    SelectObject(saved, oldBitmap);
    DeleteObject(background);
    DeleteDC(saved);
    SetROP2(dc, oldRop);
    SelectObject(dc, oldBrush);
    DeleteObject(SelectObject(dc, oldPen));
    ReleaseDC(frame, dc);
    return S_OK;
}

} // namespace StrevClient
