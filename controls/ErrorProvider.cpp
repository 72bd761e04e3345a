#include "controls/ErrorProvider.h"

#include <cmath>

#include "controls/BalloonHelp.h"
#include "module/ModuleInstance.h"
#include "platform/owl/TClientDC.h"
#include "platform/owl/TMemoryDC.h"
#include "platform/user/user.h"
#include "resources/ModuleImages.h"

namespace OvoControls {

DEFINE_RESPONSE_TABLE1(ErrorProvider, OWL::TStatic)
::OWL::entries::Void<TMyClass>(WM_PAINT, &OWL::TWindow::PaintObject), EV_WM_MOUSEMOVE, EV_WM_LBUTTONDOWN,
    ::OWL::entries::Mouse<TMyClass>(WM_MBUTTONDOWN, &TMyClass::EvOtherButtonDown),
    ::OWL::entries::Mouse<TMyClass>(WM_RBUTTONDOWN, &TMyClass::EvOtherButtonDown), EV_WM_MOUSELEAVE,
    EV_WM_TIMER, END_RESPONSE_TABLE;

namespace {

constexpr UINT_PTR kHoverTimer = 1;
constexpr UINT kHoverStep = 50;
constexpr int kHoverLimit = 5000;
constexpr DWORD kBalloonOptions = 0x7E38;
constexpr DWORD kLinkOptions = 0x67E38;

HINSTANCE OrModule(HINSTANCE module) {
    return module != nullptr ? module : Tarvik::ModuleInstance();
}

// The system icon at 32 x 32 on the balloon's background, reduced to 16 x 16
// with HALFTONE stretching; null without the icon.
HBITMAP BalloonIcon(bool information, COLORREF background) {
    return WTL::CBalloonHelp::ReducedIcon(
        static_cast<HICON>(
            LoadImageW(nullptr, information ? IDI_ASTERISK : IDI_EXCLAMATION, IMAGE_ICON, 16, 16, LR_SHARED)),
        background);
}

} // namespace

ErrorProvider::ErrorProvider(OWL::TWindow* parent, int id, int x, int y, int w, int h, HINSTANCE module,
                             DWORD flags)
    : OWL::TStatic(parent, id, u"", x, y, w, h), mFlags(flags) {
    Initialise(module);
}

ErrorProvider::ErrorProvider(OWL::TWindow* parent, FromResource, HINSTANCE module)
    : OWL::TStatic(parent, 1062), mFlags(kBalloon | kError) {
    Initialise(module);
}

ErrorProvider::~ErrorProvider() = default;

void ErrorProvider::Initialise(HINSTANCE module) {
    const HINSTANCE m = OrModule(module);
    const WORD ids[] = {Tarvik::kErrorIconBitmap, Tarvik::kWarningIconBitmap, Tarvik::kInfoIconBitmap};
    for (int i = 0; i < 3; ++i)
        mBitmaps[i] = std::make_unique<OWL::TBitmap>(m, MAKEINTRESOURCEW(ids[i]));
    ShowWindow(SW_HIDE);
    Attr.ExStyle |= WS_EX_TRANSPARENT;
}

DWORD ErrorProvider::NormaliseFlags(DWORD f) {
    if (f & kBalloon)
        f &= ~(kHoverPopup | kNoPopup);
    else if (f & kHoverPopup)
        f &= ~kNoPopup;
    else if (!(f & kNoPopup))
        f |= kBalloon;
    if (f & kWarning)
        f &= ~(kError | kInformation);
    else if (f & kError)
        f &= ~kInformation;
    else if (!(f & kInformation))
        f |= kError;
    return f;
}

SIZE ErrorProvider::IconSize() const {
    const OWL::TBitmap& b = *mBitmaps[(mFlags & kInformation) ? 2 : 0];
    return SIZE{b.Width(), b.Height()};
}

const OWL::TBitmap& ErrorProvider::IconBitmap() const {
    return *mBitmaps[(mFlags & kError) ? 0 : (mFlags & kWarning) ? 1 : 2];
}

void ErrorProvider::SetupWindow() {
    OWL::TStatic::SetupWindow();
    ModifyStyle(0, SS_NOTIFY);
    mFlags = NormaliseFlags(mFlags);
    const SIZE icon = IconSize();
    MoveWindow(Attr.X, Attr.Y + Attr.H - icon.cy, icon.cx, icon.cy, true);
}

void ErrorProvider::SetError(const Ovo::String& title, const Ovo::String& text, bool show) {
    mTitle = title;
    mText = text;
    ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void ErrorProvider::SetLink(const Ovo::String& text, std::function<void()> callback) {
    mLinkText = text;
    mLinkCallback = std::move(callback);
    mFlags |= kLink;
}

void ErrorProvider::Paint(OWL::TDC& dc, bool, OWL::TRect&) {
    OWL::TMemoryDC memory(dc);
    memory.SelectObject(IconBitmap());
    const COLORREF key = memory.GetPixel(0, 0);
    const SIZE size = IconSize();
    if (!TransparentBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, size.cx, size.cy, key))
        dc.BitBlt(0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
}

void ErrorProvider::StartHover() {
    if (!mPopupShown && !mText.IsEmpty())
        SetTimer(kHoverTimer, kHoverStep);
}

void ErrorProvider::EvMouseMove(UINT, const OWL::TPoint& point) {
    if (!mTrackingLeave) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, GetHandle(), HOVER_DEFAULT};
        TrackMouseEvent(&track);
        mTrackingLeave = true;
    }
    if (mFlags & kBalloon) {
        const double dx = point.x - mLastShowPos.x, dy = point.y - mLastShowPos.y;
        if (std::sqrt(dx * dx + dy * dy) > 3.0) {
            mLastShowPos = point;
            ShowBalloon();
        }
    } else if (mFlags & kHoverPopup) {
        StartHover();
    }
    DefaultProcessing();
}

void ErrorProvider::EvLButtonDown(UINT modKeys, const OWL::TPoint& point) {
    EvOtherButtonDown(modKeys, point);
}

void ErrorProvider::EvOtherButtonDown(UINT, const OWL::TPoint&) {
    if (mFlags & kBalloon)
        ShowBalloon();
    else if (mFlags & kHoverPopup)
        StartHover();
}

void ErrorProvider::EvTimer(UINT_PTR id) {
    if (id != kHoverTimer || !(mFlags & kHoverPopup) || mText.IsEmpty())
        return;
    mHoverElapsed += kHoverStep;
    if (mHoverElapsed > kHoverLimit) {
        KillTimer(kHoverTimer);
        mHoverElapsed = 0;
        mPopup.reset();
        return;
    }
    if (!mPopupShown) {
        mPopupShown = true;
        POINT at{};
        GetCursorPos(&at);
        mPopup = std::make_unique<Ovo::Popup>(POINT{at.x - 3, at.y + 19}, this, mText);
    }
}

void ErrorProvider::EvMouseLeave() {
    if (mFlags & kHoverPopup) {
        KillTimer(kHoverTimer);
        mPopup.reset();
        mPopupShown = false;
    }
    mTrackingLeave = false;
}

void ErrorProvider::ShowBalloon() {
    auto* balloon = new WTL::CBalloonHelp();
    balloon->AnchorAtWindowCentre(GetHandle());
    balloon->SetMouseTolerance(3);
    if (HBITMAP icon = BalloonIcon((mFlags & kInformation) != 0, balloon->BackgroundColour())) {
        balloon->SetIconImage(icon, balloon->BackgroundColour());
        DeleteObject(icon);
    }
    DWORD options = kBalloonOptions;
    if ((mFlags & kLink) && !mLinkText.IsEmpty() && mLinkCallback) {
        options = kLinkOptions;
        balloon->SetLink(mLinkText.c_str(), mLinkCallback);
    }
    if (!balloon->Open(GetHandle(), mTitle.c_str(), mText.c_str(), nullptr, options, nullptr, 0,
                       WTL::CBalloonHelp::kDefaultLayout))
        delete balloon; // no window: it would never delete itself
}

StaticTextErrorProvider::MoveableErrProv::MoveableErrProv(StaticTextErrorProvider& owner,
                                                          OWL::TWindow* parent, int x, int y)
    : ErrorProvider(parent, 1, x, y, 12, 12, nullptr, kBalloon | kError), mOwner(&owner) {}

StaticTextErrorProvider::MoveableErrProv::~MoveableErrProv() {
    if (mOwner != nullptr)
        mOwner->mProvider = nullptr;
}

DEFINE_RESPONSE_TABLE1(StaticTextErrorProvider, OWL::TStatic)
EV_WM_MOVE, END_RESPONSE_TABLE;

StaticTextErrorProvider::StaticTextErrorProvider(OWL::TWindow* parent, LPCWSTR text)
    : OWL::TStatic(parent, 3006, text, 0, 0, 0, 0) {
    mProvider = new MoveableErrProv(*this, parent, 0, 0);
}

StaticTextErrorProvider::StaticTextErrorProvider(OWL::TWindow* parent, FromResource)
    : OWL::TStatic(parent, 1012) {
    mProvider = new MoveableErrProv(*this, parent, Attr.X, Attr.Y);
}

StaticTextErrorProvider::~StaticTextErrorProvider() {
    if (mProvider != nullptr) {
        mProvider->mOwner = nullptr;
        delete mProvider;
    }
}

ErrorProvider* StaticTextErrorProvider::Provider() const {
    return mProvider;
}

POINT StaticTextErrorProvider::ProviderPlace() {
    RECT r{};
    ::GetWindowRect(GetHandle(), &r);
    POINT origin{r.left, r.top};
    ::ScreenToClient(GetParentH(), &origin);
    const std::u16string text = GetWindowTextString();
    if (text.empty() || mProvider == nullptr)
        return origin;
    OWL::TClientDC dc(GetHandle());
    HFONT font = GetWindowFont();
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    SIZE extent{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    const OWL::TRect provider = mProvider->GetWindowRect();
    return POINT{origin.x + extent.cx + 5, origin.y + ((r.bottom - r.top) - provider.Height()) / 2 + 1};
}

void StaticTextErrorProvider::MoveProvider() {
    if (mProvider == nullptr || mProvider->GetHandle() == nullptr || GetHandle() == nullptr)
        return;
    const POINT at = ProviderPlace();
    const OWL::TRect size = mProvider->GetWindowRect();
    if (mProvider->MoveWindow(at.x, at.y, size.Width(), size.Height(), false)) {
        Invalidate();
        mProvider->Invalidate();
    }
}

void StaticTextErrorProvider::SetText(LPCWSTR text) {
    SetWindowText(text);
    MoveProvider();
}

void StaticTextErrorProvider::SetError(const Ovo::String& title, const Ovo::String& text, bool show) {
    if (mProvider != nullptr)
        mProvider->SetError(title, text, show);
}

void StaticTextErrorProvider::SetupWindow() {
    OWL::TStatic::SetupWindow();
    if (mProvider != nullptr && mProvider->GetHandle() == nullptr)
        mProvider->Create();
    MoveProvider();
}

void StaticTextErrorProvider::EvMove(const OWL::TPoint&) {
    DefaultProcessing();
    MoveProvider();
}

} // namespace OvoControls
