#include "panes/TraceDrawer.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "controls/SysColours.h"
#include "platform/gdi/gdi.h"
#include "platform/vantrel/IRecordSource.h"

namespace StrevDraw {

namespace {

constexpr int kPointBuffer = 256;

// One count of 2 for every two-point segment of a full buffer.
const DWORD* SegmentCounts() {
    static const auto counts = [] {
        std::array<DWORD, kPointBuffer / 2> c{};
        c.fill(2);
        return c;
    }();
    return counts.data();
}

COLORREF Derived(IDrawerDataPane* pane, COLORREF colour) {
    COLORREF derived = colour;
    if (pane && pane->DeriveColour(colour, &derived) != S_OK)
        derived = colour;
    return derived;
}

double DeviceScale(IDrawerDataPane* pane) {
    double x = 1.0, y = 1.0;
    if (pane && pane->GetDeviceScale(&x, &y) != S_OK)
        x = 1.0;
    return x;
}

} // namespace

PolyLineTraceDrawer::PolyLineTraceDrawer(LONG channel, DWORD selector, COLORREF colour, int lineWidth)
    : DrawerBase(kTraceKind, kChannelDataFlags, channel, selector, kNoChannel, kNoSelector), mColour(colour),
      mLineWidth(lineWidth) {}

HRESULT PolyLineTraceDrawer::SetSource(LONG reserved, IUnknown* source) {
    DrawerBase::SetSource(reserved, source);
    mSegments.Reset();
    mExtentOffset = 0;
    return S_OK;
}

HRESULT PolyLineTraceDrawer::GetLayout(IDrawerDataPane*, DWORD* layer, LONG* left, LONG* right) {
    return WriteLayout(0x60000000u, 1, 0, layer, left, right);
}

HRESULT PolyLineTraceDrawer::QueryDataByPosition(DWORD_PTR pane, LONGLONG position, double* value,
                                                 LONG* valid) {
    if (mChannel < 0 || !mData || !ForThisPane(pane)) {
        if (value)
            *value = 0.0;
        return S_FALSE;
    }
    LONG ok = 0;
    mData->IsValueValid(RequestKey(), position, mChannel, &ok);
    if (valid)
        *valid = ok;
    return mData->GetValue(RequestKey(), position, mChannel, value);
}

HRESULT PolyLineTraceDrawer::SetViewRect(DWORD_PTR pane, LONG, const double* scale, IUnknown*) {
    if (!ForThisPane(pane))
        return S_FALSE;
    if (scale) {
        mScale[0] = scale[0];
        mScale[1] = scale[1];
    }
    mSegments.Reset();
    return S_OK;
}

HRESULT PolyLineTraceDrawer::Invalidate(DWORD) {
    if (mAttached) {
        if (auto source = mSource.Query<IRecordSource>(IID_IRecordSource))
            source->RefreshDrawer(static_cast<IStrevRecordDrawer*>(this), &mExtentOffset);
    }
    mSegments.Reset();
    return S_OK;
}

HRESULT PolyLineTraceDrawer::Activate(DWORD_PTR pane, DWORD on) {
    mPaneId = pane;
    return DrawerBase::Activate(pane, on);
}

HRESULT PolyLineTraceDrawer::GetExtent(LONGLONG, LONGLONG, LONGLONG* extent) {
    LONGLONG own = 0;
    if (mSegments)
        mSegments->GetExtent(&own);
    if (extent)
        *extent = mExtentOffset + own;
    return S_OK;
}

HRESULT PolyLineTraceDrawer::Deactivate(LONG a, LONG b) {
    mSegments.Reset();
    return DrawerBase::Deactivate(a, b);
}

HRESULT PolyLineTraceDrawer::HitTest(DWORD kind, DWORD_PTR pane, LONG x, LONG y, LONG* result) {
    if (!ForThisPane(pane) || !mData)
        return S_FALSE;
    DWORD flags = mDataFlags;
    if (mLaneOption)
        flags &= ~0x3000u;
    flags = ((flags | kind) & ~0xFFu) | (mSelector & 0xFFu);
    return mData->HitTest(flags | 0x82000100u, mChannel, x, y, result);
}

HRESULT PolyLineTraceDrawer::GetPaneId(DWORD_PTR* pane) {
    if (pane)
        *pane = mPaneId;
    return S_OK;
}

HRESULT PolyLineTraceDrawer::ReleaseSources() {
    mSegments.Reset();
    return S_OK;
}

DWORD PolyLineTraceDrawer::SegmentKey() const {
    DWORD flags = mDataFlags;
    if (mLaneOption)
        flags &= ~0x3000u;
    flags = (flags & ~0xFFu) | (mSelector & 0xFFu);
    return (flags | 0x2000000u) & ~0x80000000u;
}

HRESULT PolyLineTraceDrawer::Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record,
                                  LONG x, const RECT* clip, DWORD flags, const TimeAxisLayout*,
                                  const RecordTime*) {
    if (flags & kDrawDropSources)
        mSegments.Reset();
    bool clipped = false;
    bool drawn = false;
    if (mSegments) {
        LONGLONG current = 0;
        mSegments->GetPosition(&current);
        const LONGLONG difference = from - current;
        if (difference == -1) {
            ++from;
            ++x;
        } else if (difference != 0) {
            mSegments.Reset();
        }
        if (mSegments && from < to) {
            DrawSegments(dc, to - from, x, 0, record);
            drawn = true;
        }
    }
    if (!drawn) {
        // A strip that begins before the record: nothing is drawn left of its first sample.
        if (recordOffset > 0) {
            from += recordOffset;
            x += static_cast<LONG>(recordOffset);
            if (from >= to)
                return S_OK;
            const LONG height = mBounds.bottom - mBounds.top;
            IntersectClipRect(dc, x, clip ? clip->top : 0,
                              clip ? clip->right : x + static_cast<LONG>(to - from),
                              clip ? clip->bottom : height);
            clipped = true;
        }
        if (!mSegments && mData)
            mData->CreateSegmentSource(SegmentKey(), mChannel, from, to, -1, 0x7FFFFFFF, mScale, 0,
                                       mSegments.Put());
        if (mSegments)
            DrawSegments(dc, to - from, x, 0, record);
    }
    if (!(flags & kDrawKeepSources))
        mSegments.Reset();
    if (clipped)
        SelectClipRgn(dc, nullptr);
    return S_OK;
}

LONGLONG PolyLineTraceDrawer::DrawSegments(HDC dc, LONGLONG count, LONG x, DWORD colourMode, LONG) {
    WORD option = 0;
    if (mDrawerData)
        mDrawerData->GetOptionFlag(&option);
    double d = 1.0;
    int width = 1;
    if (option) {
        d = DeviceScale(mDrawerData);
        width = static_cast<int>(mLineWidth * d);
    }
    COLORREF colour = mColour;
    if ((colourMode & 0xFFFF) == 1)
        colour = LightenColor(colour, 50.0 / 180.0);
    colour = Derived(mDrawerData, colour);
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    HPEN pen = option ? ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT, static_cast<DWORD>(std::max(width, 1)),
                                     &brush, 0, nullptr)
                      : CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ oldPen = SelectObject(dc, pen);

    POINT points[kPointBuffer];
    LONGLONG position = 0;
    mSegments->GetPosition(&position);
    LONGLONG remaining = count;
    LONG column = x;
    while (remaining > 0) {
        LONG n = 0;
        LONGLONG consumed = 0;
        // A position gives at most four points: asking for no more keeps the source from
        // running past the strip.
        const LONG room = static_cast<LONG>(std::min<LONGLONG>(remaining * 4, kPointBuffer));
        const LONG asked = (room + 3) / 4;
        mSegments->NextSegments(position, column, room, points, &n, &consumed);
        n = std::clamp<LONG>(n, 0, room) & ~1;
        if (n > 0) {
            if (option && (colourMode & 0xFFFF) != 1)
                for (LONG i = 0; i < n; i += 2)
                    if (points[i].x == points[i + 1].x)
                        points[i + 1].y = static_cast<LONG>(points[i + 1].y + d - 1);
            PolyPolyline(dc, points, SegmentCounts(), static_cast<DWORD>(n / 2));
        }
        // A source that covers no positions would never end the loop.
        if (consumed <= 0)
            break;
        consumed = std::min(consumed, remaining);
        position += consumed;
        column += static_cast<LONG>(consumed);
        remaining -= consumed;
        if (consumed < asked && n < room)
            break;
    }
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    return count - remaining;
}

EventDrawer::EventDrawer(LONG channel, DWORD selector)
    : DrawerBase(kEventKind, kChannelDataFlags, channel, selector, kNoChannel, kNoSelector) {}

HRESULT EventDrawer::GetLayout(IDrawerDataPane*, DWORD* layer, LONG* left, LONG* right) {
    return WriteLayout(0x40000000u, 10, 10, layer, left, right);
}

HRESULT EventDrawer::QueryDataByPosition(DWORD_PTR, LONGLONG, double* value, LONG*) {
    if (value)
        *value = 0.0;
    return S_FALSE;
}

HRESULT EventDrawer::QueryData(LONGLONG, double* value) {
    if (value)
        *value = 0.0;
    return S_FALSE;
}

HRESULT EventDrawer::Invalidate(DWORD) {
    mLastEventPosition = -1.0;
    return S_OK;
}

HRESULT EventDrawer::Activate(DWORD_PTR pane, DWORD on) {
    mLastRecord = -1;
    return DrawerBase::Activate(pane, on);
}

HRESULT EventDrawer::GetExtent(LONGLONG, LONGLONG, LONGLONG* extent) {
    if (!mEvents || mLastRecord != mSourceCookie)
        return S_FALSE;
    if (extent)
        *extent = static_cast<LONGLONG>(mLastEventPosition);
    return S_OK;
}

HRESULT EventDrawer::ReleaseSources() {
    mEvents.Reset();
    return S_OK;
}

HRESULT EventDrawer::Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                          const RECT*, DWORD flags, const TimeAxisLayout*, const RecordTime*) {
    if (flags & kDrawDropSources)
        mEvents.Reset();
    auto source = mSource.Query<IRecordSource>(IID_IRecordSource);
    if (!source || !mData || mChannel < 0)
        return S_FALSE;
    if (!mEvents || mLastRecord != record) {
        mEvents.Reset();
        LONG first = 0, end = 0;
        if (source->FirstEventAt(mChannel, record, from, &first) != S_OK ||
            source->EndEventAt(mChannel, record, to, &end) != S_OK || first >= end)
            return S_OK;
        const DWORD key = ((mDataFlags & ~0xFFu) | (mSelector & 0xFFu)) | 0x80000000u;
        if (mData->CreateEventEnumerator(key, mChannel, 0x40000000u, record, first, mEvents.Put()) != S_OK)
            return S_FALSE;
        mLastRecord = record;
    }
    const double s = std::max(GetDeviceCaps(dc, LOGPIXELSX) / 96.0, 1.0);
    const int radius = static_cast<int>(3 * s);
    const LOGBRUSH silver{BS_SOLID, RGB(192, 192, 192), 0};
    HPEN line = (GetDeviceCaps(dc, TECHNOLOGY) & 1)
                    ? ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &silver, 0, nullptr)
                    : ExtCreatePen(PS_GEOMETRIC | PS_DOT, static_cast<DWORD>(s), &silver, 0, nullptr);
    HPEN outline = CreatePen(PS_SOLID, 1, Derived(mDrawerData, RGB(0, 0, 0)));
    HGDIOBJ oldPen = SelectObject(dc, line);
    const LONG height = mBounds.bottom - mBounds.top;
    const double recordColumn = static_cast<double>(x) + static_cast<double>(recordOffset);
    LONGLONG position = 0;
    while (mEvents->Next(&position) == S_OK) {
        double pixel = 0.0;
        source->PositionToPixel(0x80000000u, position, &pixel);
        mLastEventPosition = pixel;
        if (position >= to)
            break;
        const LONG column = static_cast<LONG>(std::floor(pixel + 0.5 + recordColumn));
        SelectObject(dc, line);
        MoveToEx(dc, column, 0, nullptr);
        LineTo(dc, column, height);
        SelectObject(dc, outline);
        Ellipse(dc, column - radius, 0, column + radius + 1, 2 * radius + 1);
    }
    SelectObject(dc, oldPen);
    DeleteObject(line);
    DeleteObject(outline);
    if (!(flags & kDrawKeepSources))
        mEvents.Reset();
    return S_OK;
}

} // namespace StrevDraw
