#include "controls/TCheckComboBox.h"

#include <algorithm>
#include <utility>

#include "controls/UxThemeDLL.h"
#include "core/SystemVersionInfo.h"
#include "platform/owl/TXOwl.h"

namespace Tarvik {

using OvoLinkingUtils::UxThemeDLL;

DEFINE_RESPONSE_TABLE1(TCheckComboBox, TGroupedComboBox)
EV_WM_GETTEXT, EV_WM_GETTEXTLENGTH, EV_WM_DRAWITEM, EV_WM_MEASUREITEM, EV_WM_SYSCOLORCHANGE,
    EV_WM_THEMECHANGED, END_RESPONSE_TABLE;

TCheckComboBox::TCheckComboBox(OWL::TWindow* parent, int id, int x, int y, int w, int h, OWL::TModule* module)
    : TGroupedComboBox(parent, id, x, y, w, h, module) {}

TCheckComboBox::~TCheckComboBox() {
    CloseTheme();
}

void TCheckComboBox::SetChecked(int index, bool checked) const {
    SetItemData(index, checked ? 1 : 0);
}

bool TCheckComboBox::IsChecked(int index) const {
    const LPARAM data = GetItemData(index);
    return data != 0 && data != CB_ERR;
}

void TCheckComboBox::SetPlainItems(int first, int second) {
    mPlainItems[0] = first;
    mPlainItems[1] = second;
}

void TCheckComboBox::UpdateDisplayText() {
    std::u16string text;
    for (int i = 0, n = GetCount(); i < n; ++i) {
        if (IsMarked(i) || i == mPlainItems[0] || i == mPlainItems[1] || !IsChecked(i))
            continue;
        if (!text.empty())
            text += u", ";
        text += ItemText(i);
    }
    mDisplayText = Ovo::String(text.c_str());
}

int TCheckComboBox::EvGetText(int length, LPWSTR buffer) {
    UpdateDisplayText();
    if (buffer == nullptr || length <= 0)
        return 0;
    const int count = std::min(length - 1, static_cast<int>(mDisplayText.Length()));
    std::copy_n(mDisplayText.c_str(), count, buffer);
    buffer[count] = u'\0';
    return count;
}

int TCheckComboBox::EvGetTextLength() {
    UpdateDisplayText();
    return static_cast<int>(mDisplayText.Length());
}

bool TCheckComboBox::SystemHasThemes(const OSVERSIONINFOW& v) {
    return v.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           ((v.dwMajorVersion == 5 && v.dwMinorVersion == 1) || v.dwMajorVersion > 5);
}

void TCheckComboBox::EvThemeChanged() {
    CloseTheme();
    OpenTheme();
    OWL::TWindow::EvSysColorChange();
}

void TCheckComboBox::SetupWindow() {
    TGroupedComboBox::SetupWindow();
    OpenTheme();
}

// A theme library that cannot be bound leaves the boxes unthemed.
void TCheckComboBox::OpenTheme() {
    mTheme = nullptr;
    if (!SystemHasThemes(Ovo::GetSystemVersionInfo().version))
        return;
    try {
        mTheme = UxThemeDLL::OpenThemeData(GetHandle(), u"Button");
    } catch (const OWL::TXOwl&) {
        mTheme = nullptr;
    }
}

void TCheckComboBox::CloseTheme() {
    HTHEME theme = std::exchange(mTheme, nullptr);
    if (theme == nullptr)
        return;
    try {
        UxThemeDLL::CloseThemeData(theme);
    } catch (const OWL::TXOwl&) {
    }
}

void TCheckComboBox::PaintCheckBox(OWL::TDC& dc, const OWL::TRect& box, bool checked) const {
    if (mTheme != nullptr) {
        try {
            UxThemeDLL::DrawThemeBackground(mTheme, dc, BP_CHECKBOX,
                                            checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, &box);
            return;
        } catch (const OWL::TXOwl&) {
        }
    }
    SetColours(dc, false);
    dc.DrawFrameControl(box, DFC_BUTTON,
                        DFCS_BUTTONCHECK | DFCS_HOT | DFCS_FLAT | DFCS_MONO | (checked ? DFCS_CHECKED : 0u));
}

void TCheckComboBox::PaintItem(OWL::TDC& dc, const DRAWITEMSTRUCT& item, bool marked) {
    const OWL::TRect rect(item.rcItem);
    if (marked) {
        SeparatorStep(dc, rect);
        return;
    }
    UpdateDisplayText();
    const int index = static_cast<int>(item.itemID);
    OWL::TRect textRect = rect;
    std::u16string text;
    if (index < 0) {
        text = mDisplayText.c_str();
    } else if (index == mPlainItems[0] || index == mPlainItems[1]) {
        text = ItemText(index);
    } else {
        text = ItemText(index);
        TEXTMETRICW tm{};
        dc.GetTextMetrics(tm);
        const LONG s = tm.tmHeight + tm.tmExternalLeading + 6;
        PaintCheckBox(dc, OWL::TRect(0, rect.top + 1, s, rect.bottom - 1), IsChecked(index));
        textRect.left = s;
    }
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    SetColours(dc, selected);
    TextStep(dc, u" ", text, textRect);
    if (selected && (item.itemState & ODS_FOCUS))
        dc.DrawFocusRect(textRect);
}

} // namespace Tarvik
