#include "panes/TimeScale.h"

#include <cwchar>
#include <string>

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/XOvo.h"
#include "platform/owl/TFont.h"

namespace StrevDraw {

namespace {

std::u16string U16(const wchar_t* text) {
    std::u16string out;
    for (; *text; ++text)
        out.push_back(static_cast<char16_t>(*text));
    return out;
}

constexpr DWORD kLaneStateVersion = 2;

} // namespace

TimeScale::TimeScale(LaneOwner* owner) : ChildPaneBase(owner, -1) {
    MeasureLabelWidth(nullptr);
    AddLabelDrawer();
}

TimeScale::~TimeScale() = default;

void TimeScale::MeasureLabelWidth(HDC dc) {
    HDC screen = dc ? dc : CreateCompatibleDC(nullptr);
    MakeGuiFont(screen, mFont, 10, false);
    HGDIOBJ old = SelectObject(screen, mFont.font->GetHandle());
    const std::u16string probe = U16(kTimeProbeText);
    SIZE extent{};
    GetTextExtentPoint32W(screen, probe.c_str(), static_cast<int>(probe.size()), &extent);
    SelectObject(screen, old);
    if (!dc)
        DeleteDC(screen);
    mProbeWidth = extent.cx;
    mLabelWidth = static_cast<LONG>(extent.cx + 10 * Owner()->DeviceScale());
    mOverhangsStale = true;
}

TimeLabelDrawer* TimeScale::LabelDrawer() const {
    return DrawerCount() ? static_cast<TimeLabelDrawer*>(DrawerAt(0)) : nullptr;
}

void TimeScale::AddLabelDrawer() {
    auto* drawer = new TimeLabelDrawer(this);
    drawer->AddRef();
    AddDrawer(0, drawer, 255);
    drawer->Release();
}

void TimeScale::SetLayout(DWORD tag, POINT origin, const RECT& rect, int leftWidth, int rightWidth, int gap) {
    ChildPaneBase::SetLayout(tag, origin, rect, leftWidth, rightWidth, gap);
    for (std::uint32_t i = 0; i < DrawerCount(); ++i)
        DrawerAt(i)->SetBounds(mTag, &mRect);
}

void TimeScale::SetDrawerSource(LONG first, IUnknown* source) {
    ChildPaneBase::SetDrawerSource(first, source);
    if (first >= 0) {
        AddLabelDrawer();
        if (source)
            LabelDrawer()->SetSource(-1, source);
    }
}

HRESULT TimeScale::RemoveDrawers(DWORD mask, ChannelPair pair) {
    ChildPaneBase::RemoveDrawers(mask, pair);
    if (DrawerCount() == 0)
        AddLabelDrawer();
    return S_OK;
}

HRESULT TimeScale::ActivateDrawers(DWORD_PTR pane, bool on) {
    ChildPaneBase::ActivateDrawers(pane, on);
    MarkDirty();
    Owner()->InvalidateLane(mRect);
    return S_OK;
}

void TimeScale::Draw(HDC dc, const LaneDrawArgs& args, std::uint8_t layerSet, int fromLayer, int toLayer) {
    HGDIOBJ oldFont = SelectObject(dc, mFont.font->GetHandle());
    const UINT oldAlign = SetTextAlign(dc, TA_CENTER | TA_TOP);
    ChildPaneBase::Draw(dc, args, layerSet, fromLayer, toLayer);
    if (args.layout)
        mDisplayFlags = args.layout->displayFlags;
    DrawCaption(dc);
    SetTextAlign(dc, oldAlign);
    SelectObject(dc, oldFont);
}

void TimeScale::DrawCaption(HDC dc) {
    if (!(mDisplayFlags & TimeValue::kMilliseconds) || (mDisplayFlags & 0xFF) == TimeValue::kTimeOfDay)
        return;
    if (mRect.bottom <= mRect.top)
        return;
    const std::u16string caption = u"(ms)";
    const int length = static_cast<int>(caption.size());
    const UINT align = SetTextAlign(dc, TA_LEFT | TA_TOP);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), length, &extent);
    const int x = mRect.right - extent.cx - 2;
    const RECT box{x - 7, mRect.top + 2, mRect.right, mRect.bottom};
    const COLORREF text = SetTextColor(dc, RGB(255, 255, 255));
    const COLORREF back = SetBkColor(dc, RGB(0, 0, 0));
    ExtTextOutW(dc, x, mRect.top + 3, ETO_OPAQUE, &box, caption.c_str(), static_cast<UINT>(length), nullptr);
    SetTextColor(dc, text);
    SetBkColor(dc, back);
    SetTextAlign(dc, align);
}

void TimeScale::LoadLaneState(Ovo::BinIStream& stream) {
    const DWORD version = stream.ReadU32();
    if (version > kLaneStateVersion)
        throw XOvo(E_FAIL);
}

void TimeScale::SaveLaneState(Ovo::BinOStream& stream) {
    stream.WriteU32(kLaneStateVersion);
}

} // namespace StrevDraw
