#include "panes/GraticuleDrawer.h"

#include <algorithm>
#include <cmath>

#include "panes/TimeAxis.h"
#include "platform/gdi/gdi.h"
#include "platform/vantrel/GraphService.h"
#include "platform/win32/com_ptr.h"

namespace StrevDraw {

namespace {

constexpr DWORD kStampRop = 0xB8074A; // the brush where the column is black, the destination where white
constexpr COLORREF kOutOfRange = RGB(245, 242, 230);
constexpr double kScreenPixelsPerMm = 3.7795276158179276;

// One memory context for every grid drawer of the process.
HDC SharedDc() {
    static HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

HBITMAP WhiteColumn(int height) {
    HBITMAP column = CreateBitmap(1, std::max(height, 1), 1, 32, nullptr);
    HGDIOBJ old = SelectObject(SharedDc(), column);
    const RECT all{0, 0, 1, std::max(height, 1)};
    FillRect(SharedDc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(SharedDc(), old);
    return column;
}

void SetBlack(HBITMAP column, LONG row) {
    HGDIOBJ old = SelectObject(SharedDc(), column);
    SetPixel(SharedDc(), 0, row, RGB(0, 0, 0));
    SelectObject(SharedDc(), old);
}

} // namespace

GraticuleDrawer::GraticuleDrawer(LONG channel, DWORD selector, DWORD option)
    : DrawerBase(kGridKind, kChannelDataFlags, channel, selector, kNoChannel, kNoSelector), mOption(option) {
    SharedDc();
}

GraticuleDrawer::GraticuleDrawer(const GraticuleDrawer& other)
    : DrawerBase(other), mGridRows(other.mGridRows), mPaneId(other.mPaneId), mGridColour(other.mGridColour),
      mOption(other.mOption), mGridFlags(other.mGridFlags), mDotsAtCrossings(other.mDotsAtCrossings),
      mUpperRow(other.mUpperRow), mLowerRow(other.mLowerRow), mUpperShown(other.mUpperShown),
      mLowerShown(other.mLowerShown), mGridShown(other.mGridShown) {}

GraticuleDrawer::~GraticuleDrawer() {
    if (mRowColumn)
        DeleteObject(mRowColumn);
    if (mDotColumn)
        DeleteObject(mDotColumn);
}

HRESULT GraticuleDrawer::SetSource(LONG reserved, IUnknown* source) {
    DrawerBase::SetSource(reserved, source);
    mResetWords[0] = mResetWords[1] = 0;
    return S_OK;
}

int GraticuleDrawer::Pitch(HDC dc, bool vertical) const {
    if (!mDrawerData || !dc)
        return 3;
    double pane = kScreenPixelsPerMm;
    if (vertical)
        mDrawerData->GetPixelsPerMmY(&pane);
    else
        mDrawerData->GetPixelsPerMmX(&pane);
    const double device = GetDeviceCaps(dc, vertical ? LOGPIXELSY : LOGPIXELSX) / 25.4;
    return std::max(1, static_cast<int>(std::ceil(3 * pane / device)));
}

HRESULT GraticuleDrawer::SetBounds(DWORD tag, const RECT* bounds) {
    DrawerBase::SetBounds(tag, bounds);
    if (mBounds.bottom - mBounds.top != mColumnHeight || !mRowColumn)
        RebuildColumns(3);
    return S_OK;
}

void GraticuleDrawer::RebuildColumns(int pitch) {
    mColumnHeight = mBounds.bottom - mBounds.top;
    ++mColumnBuilds;
    if (mDotColumn)
        DeleteObject(mDotColumn);
    if (mRowColumn)
        DeleteObject(mRowColumn);
    mDotColumn = WhiteColumn(mColumnHeight);
    for (LONG row = 0; row < mColumnHeight; row += pitch)
        SetBlack(mDotColumn, row);
    mRowColumn = WhiteColumn(mColumnHeight);
    for (const LONG row : mGridRows)
        if (row >= 0 && row < mColumnHeight)
            SetBlack(mRowColumn, row);
}

HRESULT GraticuleDrawer::GetLayout(IDrawerDataPane*, DWORD* layer, LONG* left, LONG* right) {
    return WriteLayout(0x80000000u, 0, 0, layer, left, right);
}

HRESULT GraticuleDrawer::QueryDataByPosition(DWORD_PTR, LONGLONG, double* value, LONG*) {
    if (value)
        *value = 0.0;
    return S_FALSE;
}

HRESULT GraticuleDrawer::SetViewRect(DWORD_PTR pane, LONG, const double* scale, IUnknown* grid) {
    if (mPaneId != 0 && pane != mPaneId)
        return S_FALSE;
    mLastRecord = -1;
    if (scale) {
        mScale[0] = scale[0];
        mScale[1] = scale[1];
    }
    if (grid)
        RebuildGridRows(grid);
    return S_OK;
}

void GraticuleDrawer::RebuildGridRows(IUnknown* object) {
    auto grid = QueryInterfacePtr<IScaleStripTicks>(object, IID_IScaleStripTicks);
    if (!grid)
        return;
    mUpperShown = mLowerShown = false;
    mGridFlags &= ~0xC0000000u;
    mGridRows.clear();
    LONG count = 0;
    if (grid->GetTickCount(&count) != S_OK || count < 0) {
        mGridFlags |= 0xC0000000u;
    } else {
        std::vector<ScaleTick> ticks(static_cast<std::size_t>(count));
        LONG returned = 0;
        if (count > 0 && grid->GetTicks(count, ticks.data(), &returned) == S_OK)
            for (LONG i = 0; i < std::min(returned, count); ++i)
                mGridRows.push_back(ticks[static_cast<std::size_t>(i)].offset);
        double low = NAN, high = NAN;
        if (grid->GetRangeLimits(&low, &high) == S_OK) {
            double a = (mScale[1] + low) * mScale[0], b = (mScale[1] + high) * mScale[0];
            if (b < a)
                std::swap(a, b);
            const double height = mBounds.bottom - mBounds.top;
            mUpperShown = std::isfinite(a) && a > 0 && a < height;
            mLowerShown = std::isfinite(b) && b > 0 && b < height;
            if (mUpperShown)
                mUpperRow = static_cast<LONG>(a);
            if (mLowerShown)
                mLowerRow = static_cast<LONG>(b);
        }
    }
    if (mRowColumn)
        DeleteObject(mRowColumn);
    mRowColumn = WhiteColumn(mColumnHeight);
    for (const LONG row : mGridRows)
        if (row >= 0 && row < mColumnHeight)
            SetBlack(mRowColumn, row);
}

HRESULT GraticuleDrawer::Invalidate(DWORD) {
    mLastRecord = -1;
    return S_OK;
}

void GraticuleDrawer::Stamp(HDC dc, HBITMAP column, LONG x) {
    HGDIOBJ old = SelectObject(SharedDc(), column);
    BitBlt(dc, x, 0, 1, mColumnHeight, SharedDc(), 0, 0, kStampRop);
    SelectObject(SharedDc(), old);
}

void GraticuleDrawer::StampRows(HDC dc, LONG from, LONG to, int pitch) {
    for (LONG x = from; x < to; x += pitch)
        Stamp(dc, mRowColumn, x);
}

void GraticuleDrawer::StampColumns(HDC dc, double p, double spacing, bool& drawn) {
    if (!(spacing > 0) || !std::isfinite(spacing) || !std::isfinite(p))
        return;
    for (;; p += spacing) {
        const LONG x = static_cast<LONG>(std::floor(p + 0.5));
        if (x >= mBounds.right)
            break;
        if (x >= mBounds.left) {
            StampColumn(dc, x);
            drawn = true;
        }
    }
}

void GraticuleDrawer::StampColumn(HDC dc, LONG x) {
    Stamp(dc, mDotColumn, x);
}

void GraticuleDrawer::SelectGridColour(HDC dc, COLORREF colour) {
    mBrush = CreateSolidBrush(colour);
    mOldBrush = SelectObject(dc, mBrush);
}

void GraticuleDrawer::EndGrid(HDC dc) {
    if (!mBrush)
        return;
    SelectObject(dc, mOldBrush);
    DeleteObject(mBrush);
    mBrush = nullptr;
}

HRESULT GraticuleDrawer::Draw(HDC dc, LONGLONG from, LONGLONG to, LONGLONG recordOffset, LONG record, LONG x,
                              const RECT* clip, DWORD, const TimeAxisLayout* layout, const RecordTime*) {
    const LONG height = mBounds.bottom - mBounds.top;
    const LONG left = clip ? clip->left : x;
    const LONG right = clip ? clip->right : x + static_cast<LONG>(to - from);
    if (!(mGridFlags & 0x20000000u)) {
        COLORREF background = RGB(255, 255, 255);
        if (!HasGrid())
            background = GetSysColor(COLOR_3DLIGHT);
        else if (mDrawerData)
            mDrawerData->GetBackgroundColour(&background);
        HBRUSH brush = CreateSolidBrush(background);
        const RECT visible{left, 0, right, height};
        FillRect(dc, &visible, brush);
        DeleteObject(brush);
    }
    DWORD laneOption = 0, paneOptions = 0;
    if (mDrawerData)
        mDrawerData->GetPaneOptions(&laneOption, &paneOptions);
    if (record > 0 && recordOffset > 0 && recordOffset < to - from && !(paneOptions & 0x40000000u)) {
        const LONG column = x + static_cast<LONG>(recordOffset) - 2;
        const RECT line{column, 0, column + 1, height};
        FillRect(dc, &line, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    }
    if (mGridShown && HasGrid()) {
        HBRUSH shade = CreateSolidBrush(kOutOfRange);
        if (mUpperShown) {
            const RECT above{left, 0, right, mUpperRow};
            FillRect(dc, &above, shade);
        }
        if (mLowerShown) {
            const RECT below{left, mLowerRow, right, height};
            FillRect(dc, &below, shade);
        }
        DeleteObject(shade);
        COLORREF colour = mGridColour;
        if (mDrawerData)
            mDrawerData->DeriveColour(mGridColour, &colour);
        SelectGridColour(dc, colour);
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
        if (!mDotsAtCrossings && !(mGridFlags & 0x80000000u)) {
            const int pitch = Pitch(dc, false);
            // The data position at the strip's left edge: the dots stay with the data as it scrolls.
            const LONGLONG absolute = from + (mBounds.left - x);
            const LONG remainder = static_cast<LONG>(((absolute % pitch) + pitch) % pitch);
            StampRows(dc, remainder == 0 ? mBounds.left : mBounds.left + (pitch - remainder), mBounds.right,
                      pitch);
        }
        if (layout && layout->HasTicks()) {
            bool drawn = false;
            StampColumns(
                dc, static_cast<double>(x) + static_cast<double>(recordOffset) + layout->firstTickPosition,
                layout->pixelsPerMinorTick, drawn);
        }
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
        EndGrid(dc);
    }
    mLastRecord = record;
    return S_OK;
}

HRESULT GraticuleDrawer::Clone(DWORD flags, IStrevRecordDrawer** copy) {
    if (!copy)
        return E_POINTER;
    GraticuleDrawer* drawer =
        (flags & 0x40000000u) ? new MetafileGraticuleDrawer(*this) : new GraticuleDrawer(*this);
    drawer->RebuildColumns(3);
    *copy = drawer;
    drawer->AddRef();
    return S_OK;
}

void MetafileGraticuleDrawer::SelectGridColour(HDC dc, COLORREF colour) {
    const LOGBRUSH brush{BS_SOLID, colour, 0};
    mPen = ExtCreatePen(PS_GEOMETRIC | PS_DOT, 1, &brush, 0, nullptr);
    mOldPen = SelectObject(dc, mPen);
}

void MetafileGraticuleDrawer::EndGrid(HDC dc) {
    if (!mPen)
        return;
    SelectObject(dc, mOldPen);
    DeleteObject(mPen);
    mPen = nullptr;
}

void MetafileGraticuleDrawer::StampRows(HDC dc, LONG, LONG, int) {
    for (const LONG row : mGridRows) {
        if (row < 0)
            continue;
        MoveToEx(dc, mBounds.left, row, nullptr);
        LineTo(dc, mBounds.right, row);
    }
}

void MetafileGraticuleDrawer::StampColumn(HDC dc, LONG x) {
    MoveToEx(dc, x, 0, nullptr);
    LineTo(dc, x, mBounds.bottom - mBounds.top);
}

} // namespace StrevDraw
