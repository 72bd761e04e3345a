#include "host/graph/ScaleStrip.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "host/framework/Text.h"
#include "platform/gdi/gdi.h"
#include "platform/user/user.h"

namespace Vantrel {
namespace {

constexpr const char16_t* kStripClass = u"VantrelScaleStrip";
constexpr int kLabelGap = 2;     // pixels between a tick and its label
constexpr int kTitleGap = 4;     // pixels between the labels and the title
constexpr int kFontHeight = -11; // the pinned font at 8 points on a 96-dpi screen
constexpr int kMaxTicks = 1000;

LRESULT StripProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* strip = reinterpret_cast<ScaleStrip*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (strip != nullptr)
        return strip->OnMessage(hwnd, message, wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void EnsureStripClass() {
    WNDCLASSW c{};
    c.style = CS_DBLCLKS;
    c.lpfnWndProc = &StripProc;
    c.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    c.lpszClassName = kStripClass;
    RegisterClassW(&c); // refused harmlessly when the desktop has it
}

// The smallest step of 1, 2 or 5 times a power of ten at least as large as x.
double NiceStepAtLeast(double x) {
    const double p = std::pow(10.0, std::floor(std::log10(x)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * p >= x * (1.0 - 1e-12))
            return m * p;
    return 10.0 * p;
}

HFONT MakeFont(int escapement) {
    return CreateFontW(kFontHeight, 0, escapement, escapement, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                       0x22, u"MS Shell Dlg 2");
}

void Text(HDC dc, int x, int y, UINT align, const std::u16string& text) {
    SetTextAlign(dc, align);
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

} // namespace

ScaleStrip::ScaleStrip(bool axisX, DWORD style, DWORD id) : mAxisX(axisX), mStyle(style), mId(id) {}

ScaleStrip::~ScaleStrip() {
    if (mWindow != nullptr && IsWindow(mWindow)) {
        SetWindowLongPtrW(mWindow, GWLP_USERDATA, 0);
        DestroyWindow(mWindow);
    }
}

void* ScaleStrip::find(REFIID iid) {
    if (iid == IID_IScaleStrip)
        return static_cast<IScaleStrip*>(this);
    if (iid == IID_IScaleStripTicks)
        return static_cast<IScaleStripTicks*>(this);
    if (iid == IID_IScaleStripSpan)
        return static_cast<IScaleStripSpan*>(this);
    if (iid == IID_IOleWindow && mWindow != nullptr)
        return static_cast<IOleWindow*>(this);
    return nullptr;
}

bool ScaleStrip::CreateWindowIn(HWND parent) {
    EnsureStripClass();
    mWindow = CreateWindowExW(0, kStripClass, u"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(mId)), nullptr, nullptr);
    if (mWindow == nullptr)
        return false;
    SetWindowLongPtrW(mWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return true;
}

int ScaleStrip::Length() const {
    return mAxisX ? mRect.right - mRect.left : mRect.bottom - mRect.top;
}

ScalePair ScaleStrip::Transform() const {
    double span = mX1 - mX0;
    if (!std::isfinite(span) || span == 0.0)
        span = 1.0;
    const double length = Length();
    return mAxisX ? ScalePair{length / span, -mX0} : ScalePair{-length / span, -mX1};
}

double ScaleStrip::TickStep() const {
    const double span = std::abs(mX1 - mX0);
    const int length = Length();
    if (!std::isfinite(span) || span == 0.0 || length < 1)
        return 0.0;
    const double spacing = mAxisX ? kMinTickSpacingX : kMinTickSpacingY;
    return NiceStepAtLeast(std::max(span * spacing / length, span / kMaxTicks));
}

std::vector<double> ScaleStrip::TickValues() const {
    std::vector<double> values;
    const double step = TickStep();
    if (!(step > 0.0) || !std::isfinite(step))
        return values;
    const double low = std::min(mX0, mX1);
    const double high = std::max(mX0, mX1);
    const double tolerance = step * 1e-9;
    for (double k = std::ceil(low / step - 1e-9); k * step <= high + tolerance; k += 1.0) {
        const double v = k * step;
        values.push_back(std::abs(v) < tolerance ? 0.0 : v);
    }
    return values;
}

std::vector<ScaleTick> ScaleStrip::Ticks() const {
    const ScalePair t = Transform();
    std::vector<ScaleTick> ticks;
    for (double v : TickValues())
        ticks.push_back({static_cast<std::int32_t>(std::lround((v + t.second) * t.first)), 1});
    return ticks;
}

std::u16string ScaleStrip::Label(double value) const {
    const double step = TickStep();
    const int decimals =
        step > 0.0 ? std::clamp(static_cast<int>(-std::floor(std::log10(step) + 1e-9)), 0, 12) : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return Utf8ToUtf16(text);
}

std::u16string ScaleStrip::Caption() const {
    return mUnit.empty() ? mTitle : mTitle + u" (" + mUnit + u")";
}

// IScaleStrip

HRESULT ScaleStrip::SetOriginAndTitle(const ScalePair* origin, const WCHAR* title) {
    if (origin != nullptr)
        mOrigin = *origin;
    if (title != nullptr)
        mTitle = title;
    Repaint();
    return S_OK;
}

HRESULT ScaleStrip::GetOriginAndTitle(ScalePair* origin, BSTR* title) {
    if (origin != nullptr)
        *origin = mOrigin;
    if (title != nullptr)
        *title = MakeBstr(mTitle);
    return S_OK;
}

HRESULT ScaleStrip::SetInterval(const ScalePair* interval) {
    if (interval == nullptr)
        return E_POINTER;
    mX0 = interval->second;
    mX1 = interval->first;
    Repaint();
    if (mWindow != nullptr)
        Notify([this](IDragScaleObserver& o) { o.OnScalingChanged(mId, 0, 0); });
    return S_OK;
}

HRESULT ScaleStrip::GetInterval(ScalePair* interval) {
    if (interval == nullptr)
        return E_POINTER;
    *interval = {mX1, mX0};
    return S_OK;
}

HRESULT ScaleStrip::SetRect(const RECT* rect) {
    if (rect == nullptr)
        return E_POINTER;
    mRect = *rect;
    if (mWindow != nullptr)
        MoveWindow(mWindow, mRect.left, mRect.top, mRect.right - mRect.left, mRect.bottom - mRect.top, TRUE);
    return S_OK;
}

HRESULT ScaleStrip::GetTransform(ScalePair* transform) {
    if (transform == nullptr)
        return E_POINTER;
    *transform = Transform();
    return S_OK;
}

HRESULT ScaleStrip::Refresh(LONG) {
    Repaint();
    return S_OK;
}

HRESULT ScaleStrip::GetGridLines(LONG* word, double* lastOffset, double* step) {
    if (word == nullptr || lastOffset == nullptr || step == nullptr)
        return E_POINTER;
    const std::vector<ScaleTick> ticks = Ticks();
    *word = 0;
    *lastOffset = 0.0;
    *step = 0.0;
    if (ticks.size() >= 2) {
        const auto [low, high] = std::minmax(ticks.front().offset, ticks.back().offset);
        *lastOffset = high;
        *step = -static_cast<double>(high - low) / static_cast<double>(ticks.size() - 1);
    }
    return S_OK;
}

HRESULT ScaleStrip::SetUnit(const WCHAR* unit) {
    mUnit = unit != nullptr ? unit : u"";
    Repaint();
    return S_OK;
}

HRESULT ScaleStrip::Show(VARIANT_BOOL show) {
    mShown = show != VARIANT_FALSE;
    if (mWindow != nullptr)
        ShowWindow(mWindow, mShown ? SW_SHOW : SW_HIDE);
    return S_OK;
}

HRESULT ScaleStrip::Draw(HDC dc, HDC, VARIANT_BOOL) {
    if (!mShown || dc == nullptr)
        return S_OK;
    HFONT font = MakeFont(0);
    HGDIOBJ oldFont = SelectObject(dc, font);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = SetTextColor(dc, RGB(0, 0, 0));
    const UINT oldAlign = GetTextAlign(dc);
    if (mAxisX)
        DrawX(dc, font);
    else
        DrawY(dc, font);
    SetTextAlign(dc, oldAlign);
    SetTextColor(dc, oldColour);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    return S_OK;
}

void ScaleStrip::DrawX(HDC dc, HFONT) const {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const std::vector<double> values = TickValues();
    const std::vector<ScaleTick> ticks = Ticks();
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int x = mRect.left + ticks[i].offset;
        MoveToEx(dc, x, mRect.top, nullptr);
        LineTo(dc, x, mRect.top + kTickLength);
        // A label at an end of the strip stays inside it.
        const std::u16string label = Label(values[i]);
        SIZE size{0, 0};
        GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
        const int left = std::clamp(x - size.cx / 2, static_cast<int>(mRect.left),
                                    std::max<int>(mRect.left, mRect.right - size.cx));
        Text(dc, left, mRect.top + kTickLength + kLabelGap, TA_LEFT | TA_TOP, label);
    }
    Text(dc, (mRect.left + mRect.right) / 2, mRect.top + kTickLength + kLabelGap + tm.tmHeight + kTitleGap,
         TA_CENTER | TA_TOP, Caption());
}

void ScaleStrip::DrawY(HDC dc, HFONT) const {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    const std::vector<double> values = TickValues();
    const std::vector<ScaleTick> ticks = Ticks();
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int y = mRect.top + ticks[i].offset;
        MoveToEx(dc, mRect.right - kTickLength, y, nullptr);
        LineTo(dc, mRect.right, y);
        Text(dc, mRect.right - kTickLength - kLabelGap, y - tm.tmHeight / 2, TA_RIGHT | TA_TOP,
             Label(values[i]));
    }
    HFONT turned = MakeFont(900);
    HGDIOBJ old = SelectObject(dc, turned);
    // Turned up, the top of the text faces the strip's left edge.
    Text(dc, mRect.left + kLabelGap, (mRect.top + mRect.bottom) / 2, TA_CENTER | TA_TOP, Caption());
    SelectObject(dc, old);
    DeleteObject(turned);
}

HRESULT ScaleStrip::SetLimits(const ScalePair* limits) {
    if (limits == nullptr)
        return E_POINTER;
    mLimits = *limits;
    return S_OK;
}

HRESULT ScaleStrip::AddObserver(IDragScaleObserver* observer) {
    if (observer == nullptr)
        return E_POINTER;
    observer->AddRef();
    mObservers.push_back(observer);
    return S_OK;
}

HRESULT ScaleStrip::RemoveObserver(IDragScaleObserver* observer) {
    auto it = std::find(mObservers.begin(), mObservers.end(), observer);
    if (it == mObservers.end())
        return S_FALSE;
    mObservers.erase(it);
    observer->Release();
    return S_OK;
}

HRESULT ScaleStrip::SetBounds(double second, double first) {
    mBounds = {second, first};
    return S_OK;
}

HRESULT ScaleStrip::SetMinSpan(const ScalePair* span) {
    if (span == nullptr)
        return E_POINTER;
    mMinSpan = *span;
    return S_OK;
}

HRESULT ScaleStrip::GetStyle(DWORD* style) {
    if (style == nullptr)
        return E_POINTER;
    *style = mStyle;
    return S_OK;
}

HRESULT ScaleStrip::SetStyle(DWORD style) {
    mStyle = style;
    return S_OK;
}

// The strip itself: its ticks follow the drag.
HRESULT ScaleStrip::GetDragLink(LONG, IUnknown** link) {
    if (link == nullptr)
        return E_POINTER;
    *link = static_cast<IScaleStrip*>(this);
    AddRef();
    return S_OK;
}

// IScaleStripTicks

HRESULT ScaleStrip::GetTickCount(LONG* count) {
    if (count == nullptr)
        return E_POINTER;
    *count = static_cast<LONG>(Ticks().size());
    return S_OK;
}

HRESULT ScaleStrip::GetTicks(LONG capacity, ScaleTick* ticks, LONG* returned) {
    if (returned == nullptr || (capacity > 0 && ticks == nullptr))
        return E_POINTER;
    const std::vector<ScaleTick> all = Ticks();
    const auto n = static_cast<LONG>(
        std::min<std::size_t>(all.size(), static_cast<std::size_t>(std::max<LONG>(capacity, 0))));
    std::copy_n(all.begin(), n, ticks);
    *returned = n;
    return S_OK;
}

HRESULT ScaleStrip::GetStripRect(RECT* rect) {
    if (rect == nullptr)
        return E_POINTER;
    *rect = mRect;
    return S_OK;
}

HRESULT ScaleStrip::SetSpan(double span, double start) {
    mX0 = start;
    mX1 = start + span;
    return S_OK;
}

HRESULT ScaleStrip::GetWindow(HWND* window) {
    if (window == nullptr)
        return E_POINTER;
    *window = mWindow;
    return mWindow != nullptr ? S_OK : E_FAIL;
}

// The window.

void ScaleStrip::Repaint() const {
    if (mWindow != nullptr)
        InvalidateRect(mWindow, nullptr, TRUE);
}

template <class Call> void ScaleStrip::Notify(Call call) {
    // A copy: an observer may go while it is told.
    const std::vector<IDragScaleObserver*> observers = mObservers;
    for (IDragScaleObserver* o : observers)
        if (std::find(mObservers.begin(), mObservers.end(), o) != mObservers.end())
            call(*o);
}

void ScaleStrip::Pan(int pixels) {
    const ScalePair t = Transform();
    const double shift = -pixels / t.first;
    mX0 += shift;
    mX1 += shift;
    Repaint();
    Notify([this](IDragScaleObserver& o) { o.OnScalingChanged(mId, 0, 0); });
}

void ScaleStrip::EndDrag() {
    if (!mDragging)
        return;
    mDragging = false;
    Notify([this](IDragScaleObserver& o) { o.OnEndDrag(mId, 0); });
}

LRESULT ScaleStrip::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        HDC dc = BeginPaint(hwnd, &ps);
        RECT client{};
        GetClientRect(hwnd, &client);
        FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetViewportOrgEx(dc, -mRect.left, -mRect.top, nullptr);
        Draw(dc, nullptr, VARIANT_FALSE);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_LBUTTONDOWN:
        SetCapture(hwnd);
        mDragging = true;
        mDragFrom = p;
        Notify([this](IDragScaleObserver& o) { o.OnBeginDrag(mId, 0); });
        return 0;
    case WM_MOUSEMOVE:
        if (mDragging) {
            const int travel = mAxisX ? p.x - mDragFrom.x : p.y - mDragFrom.y;
            mDragFrom = p;
            if (travel != 0)
                Pan(travel);
        }
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd)
            ReleaseCapture(); // WM_CAPTURECHANGED ends the drag
        EndDrag();
        return 0;
    case WM_CAPTURECHANGED:
        EndDrag();
        return 0;
    case WM_LBUTTONDBLCLK:
        Notify([this](IDragScaleObserver& o) { o.OnAutoScale(mId); });
        return 0;
    case WM_NCDESTROY:
        mWindow = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace Vantrel
