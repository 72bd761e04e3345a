#include "controls/TGroupedComboBox.h"

#include <algorithm>

#include "controls/FontSelectionGuard.h"
#include "controls/UiFont.h"
#include "platform/owl/TClientDC.h"

namespace Tarvik {

DEFINE_RESPONSE_TABLE1(TGroupedComboBox, OWL::TComboBox)
EV_WM_DRAWITEM, EV_WM_MEASUREITEM, END_RESPONSE_TABLE;

TGroupedComboBox::TGroupedComboBox(OWL::TWindow* parent, int id, int x, int y, int w, int h,
                                   OWL::TModule* module)
    : OWL::TComboBox(parent, id, x, y, w, h, kStyle, 0, module) {}

void TGroupedComboBox::MarkItem(int index) {
    if (!IsMarked(index))
        mMarked.push_back(index);
}

bool TGroupedComboBox::IsMarked(int index) const {
    return std::find(mMarked.begin(), mMarked.end(), index) != mMarked.end();
}

void TGroupedComboBox::EvDrawItem(UINT, const DRAWITEMSTRUCT& item) {
    OWL::TDC dc(item.hDC);
    const bool marked = IsMarked(static_cast<int>(item.itemID));
    FontSelectionGuard font(dc, GetUiFontPointSize(dc, marked, marked));
    PaintItem(dc, item, marked);
}

void TGroupedComboBox::EvMeasureItem(UINT, MEASUREITEMSTRUCT& item) {
    if (GetHandle() == nullptr)
        return;
    OWL::TClientDC dc(GetHandle());
    const bool marked = IsMarked(static_cast<int>(item.itemID));
    FontSelectionGuard font(dc, GetUiFontPointSize(dc, marked, marked));
    TEXTMETRICW tm{};
    dc.GetTextMetrics(tm);
    item.itemHeight = static_cast<UINT>(tm.tmHeight + tm.tmExternalLeading + 2);
    if (!mSelectionFieldSized) {
        mSelectionFieldSized = true;
        SetItemHeight(-1, static_cast<int>(item.itemHeight));
    }
}

void TGroupedComboBox::PaintItem(OWL::TDC& dc, const DRAWITEMSTRUCT& item, bool marked) {
    const OWL::TRect rect(item.rcItem);
    const std::u16string text = ItemText(static_cast<int>(item.itemID));
    if (marked && text.empty()) {
        SeparatorStep(dc, rect);
        return;
    }
    if (marked) {
        SetColours(dc, false);
        TextStep(dc, u" ", text, rect);
        return;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    SetColours(dc, selected);
    TextStep(dc, u"  ", text, rect);
    if (selected && (item.itemState & ODS_FOCUS))
        dc.DrawFocusRect(rect);
}

std::u16string TGroupedComboBox::ItemText(int index) const {
    const int length = GetStringLen(index);
    std::u16string text(static_cast<std::size_t>(std::max(length, 0)) + 1, u'\0');
    const int copied = length < 0 ? CB_ERR : GetString(text.data(), index);
    if (copied <= 0)
        return {};
    text.resize(static_cast<std::size_t>(std::min(copied, length)));
    return text;
}

void TGroupedComboBox::TextStep(OWL::TDC& dc, std::u16string_view prefix, const std::u16string& text,
                                const OWL::TRect& rect) {
    dc.ExtTextOut(rect.left, rect.top, ETO_OPAQUE, &rect, u"", 0);
    std::u16string shown(prefix);
    shown += text;
    OWL::TRect r = rect;
    dc.DrawText(shown.c_str(), static_cast<int>(shown.size()), r,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void TGroupedComboBox::SeparatorStep(OWL::TDC& dc, const OWL::TRect& rect) {
    OWL::TPen pen(OWL::TColor::LtGray, 1, PS_SOLID);
    dc.SelectObject(pen);
    const LONG y = rect.top + (rect.bottom - rect.top) / 2;
    dc.MoveTo(rect.left + 2, y);
    dc.LineTo(rect.right - 2, y);
    dc.RestorePen();
}

void TGroupedComboBox::SetColours(OWL::TDC& dc, bool selected) {
    dc.SetBkColor(GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    dc.SetTextColor(GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
}

} // namespace Tarvik
