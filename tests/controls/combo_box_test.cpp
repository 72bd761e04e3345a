#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "controls/TCheckComboBox.h"
#include "controls/UiFont.h"
#include "controls/UxThemeDLL.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/probe.h"
#include "platform/theme/ThemeLibrary.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "tests/platform/gdi/Canvas.h"

namespace {

using Tarvik::TCheckComboBox;
using Tarvik::TGroupedComboBox;

constexpr int kId = 10;
constexpr LONG kRow = 20;
constexpr LONG kWidth = 160;

class ComboBox : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        theme::ResetSwitches();
        OvoLinkingUtils::UxThemeDLL::Unload();
        parent.Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 300, 200, 0};
    }
    void TearDown() override {
        OvoLinkingUtils::UxThemeDLL::Unload();
        theme::ResetSwitches();
    }

    // Paints item index in row `row` of the canvas, through the parent as the
    // control does; returns the calls it drew.
    std::vector<gdi::DrawCall> Draw(const OWL::TWindow& combo, int index, int row, UINT state = 0) {
        const std::size_t before = gdi::DisplayListOf(canvas.dc())->Calls().size();
        DRAWITEMSTRUCT item{ODT_COMBOBOX,   kId,      static_cast<UINT>(index),
                            ODA_DRAWENTIRE, state,    combo.GetHandle(),
                            canvas.dc(),    Row(row), 0};
        SendMessageW(parent.GetHandle(), WM_DRAWITEM, kId, reinterpret_cast<LPARAM>(&item));
        const auto& all = gdi::DisplayListOf(canvas.dc())->Calls();
        return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
    }
    static RECT Row(int row) { return {0, row * kRow, kWidth, (row + 1) * kRow}; }

    static const gdi::DrawCall* Find(const std::vector<gdi::DrawCall>& calls, const char* name) {
        for (const gdi::DrawCall& c : calls)
            if (c.name == name)
                return &c;
        return nullptr;
    }

    void SavePicture(const char* name) {
        const auto path = std::filesystem::temp_directory_path() / name;
        gdi::SavePng(*gdi::SurfaceOf(canvas.bitmap()), path.string());
        EXPECT_EQ(gdi::LoadPng(path.string()).Width(), kWidth);
    }

    OWL::TWindow parent{nullptr, u"Parent"};
    gdi_test::Canvas canvas{kWidth, 6 * kRow};
};

TEST_F(ComboBox, GroupedItemsAreHeadingsSeparatorsOrOrdinaryItems) {
    auto* combo = new TGroupedComboBox(&parent, kId, 10, 10, kWidth, 200);
    ASSERT_TRUE(parent.Create());
    combo->AddString(u"Loops");
    combo->AddString(u"");
    combo->AddString(u"Pressure");
    combo->MarkItem(0);
    combo->MarkItem(1);
    const UINT selectedFocused = ODS_SELECTED | ODS_FOCUS;

    const auto heading = Draw(*combo, 0, 0, selectedFocused);
    const gdi::DrawCall* headingText = Find(heading, "DrawTextW");
    ASSERT_NE(headingText, nullptr);
    EXPECT_EQ(headingText->text, u" Loops");
    EXPECT_EQ(headingText->fontWeight, FW_BOLD);
    EXPECT_EQ(headingText->bkColor, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(headingText->args.back(), DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    EXPECT_EQ(Find(heading, "DrawFocusRect"), nullptr);

    const auto selected = Draw(*combo, 2, 1, ODS_SELECTED);
    EXPECT_EQ(Find(selected, "DrawTextW")->text, u"  Pressure");
    EXPECT_EQ(Find(selected, "ExtTextOutW")->bkColor, GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(Find(selected, "DrawFocusRect"), nullptr);
    const auto focused = Draw(*combo, 2, 2, selectedFocused);
    ASSERT_NE(Find(focused, "DrawFocusRect"), nullptr);
    EXPECT_EQ(Find(focused, "DrawFocusRect")->args, (std::vector<std::int64_t>{0, 40, kWidth, 60}));

    // The separator is only a light grey line across the middle, 2 pixels in.
    canvas.Clear(RGB(255, 255, 255));
    const auto separator = Draw(*combo, 1, 3);
    ASSERT_EQ(separator.size(), 2u);
    EXPECT_EQ(separator[1].name, "LineTo");
    EXPECT_EQ(separator[1].args, (std::vector<std::int64_t>{2, 70, kWidth - 2, 70}));
    EXPECT_EQ(canvas.NotEqual(RGB(255, 255, 255)), gdi_test::RectPoints(2, 70, kWidth - 2, 71));
    EXPECT_EQ(canvas.At(2, 70), RGB(192, 192, 192));
}

TEST_F(ComboBox, MeasuringSizesTheSelectionFieldOnceAndNeedsAWindow) {
    auto* combo = new TGroupedComboBox(&parent, kId, 10, 10, kWidth, 200);
    MEASUREITEMSTRUCT early{ODT_COMBOBOX, kId, 0, 0, 99, 0};
    combo->EvMeasureItem(kId, early);
    EXPECT_EQ(early.itemHeight, 99u);
    EXPECT_FALSE(combo->SelectionFieldSized());

    ASSERT_TRUE(parent.Create()); // the control measures its field and its items as it is created
    EXPECT_TRUE(combo->SelectionFieldSized());
    const int field = combo->GetItemHeight(-1);
    EXPECT_EQ(combo->GetItemHeight(0), field);
    combo->SetItemHeight(-1, 40);
    MEASUREITEMSTRUCT later{ODT_COMBOBOX, kId, 0, 0, 0, 0};
    SendMessageW(parent.GetHandle(), WM_MEASUREITEM, kId, reinterpret_cast<LPARAM>(&later));
    EXPECT_EQ(static_cast<int>(later.itemHeight), field);
    EXPECT_EQ(combo->GetItemHeight(-1), 40) << "only the first measuring sizes the field";
}

class CheckComboBox : public ComboBox {
protected:
    TCheckComboBox* Make() {
        auto* combo = new TCheckComboBox(&parent, kId, 10, 10, kWidth, 200);
        EXPECT_TRUE(parent.Create());
        combo->AddString(u"Show all");
        combo->AddString(u"-");
        combo->AddString(u"Pressure");
        combo->AddString(u"Volume");
        combo->AddString(u"ECG");
        combo->MarkItem(1);
        combo->SetPlainItems(0, -1);
        combo->SetChecked(2, true);
        combo->SetChecked(4, true);
        return combo;
    }
    // Field, plain item, separator and three check items, one per row.
    std::vector<std::vector<gdi::DrawCall>> DrawAll(const TCheckComboBox& combo) {
        std::vector<std::vector<gdi::DrawCall>> rows;
        for (int i = -1; i < 5; ++i)
            rows.push_back(Draw(combo, i, i + 1, i == 3 ? ODS_SELECTED | ODS_FOCUS : 0));
        return rows;
    }
    LONG BoxSide(const TCheckComboBox& combo) {
        HDC dc = GetDC(combo.GetHandle());
        auto font = GetUiFontPointSize(dc, false, false);
        HGDIOBJ old = SelectObject(dc, font->GetHandle());
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        SelectObject(dc, old);
        ReleaseDC(combo.GetHandle(), dc);
        return tm.tmHeight + tm.tmExternalLeading + 6;
    }
};

TEST_F(CheckComboBox, ChecksAreThemedBoxesBesideTheTextWhenTheSystemHasThemes) {
    TCheckComboBox* combo = Make();
    ASSERT_NE(combo->Theme(), nullptr);
    const LONG s = BoxSide(*combo);
    const auto rows = DrawAll(*combo);

    EXPECT_EQ(Find(rows[0], "DrawTextW")->text, u" Pressure, ECG") << "the field shows the display text";
    EXPECT_EQ(Find(rows[0], "DrawThemeBackground"), nullptr);
    EXPECT_EQ(Find(rows[1], "DrawTextW")->text, u" Show all");
    EXPECT_EQ(Find(rows[1], "DrawThemeBackground"), nullptr);
    EXPECT_EQ(rows[2].back().name, "LineTo") << "a marked item is only a separator, whatever its text";
    EXPECT_EQ(Find(rows[2], "DrawTextW"), nullptr);

    const gdi::DrawCall* checked = Find(rows[3], "DrawThemeBackground");
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->args, (std::vector<std::int64_t>{BP_CHECKBOX, CBS_CHECKEDNORMAL, 0, 61, s, 79}));
    EXPECT_EQ(Find(rows[4], "DrawThemeBackground")->args[1], CBS_UNCHECKEDNORMAL);
    EXPECT_EQ(Find(rows[3], "DrawTextW")->args[0], s) << "the text starts after the box";

    // The highlight and the focus rectangle of a selected item leave its box alone.
    EXPECT_EQ(Find(rows[4], "DrawFocusRect")->args, (std::vector<std::int64_t>{s, 80, kWidth, 100}));
    EXPECT_EQ(canvas.At(kWidth - 5, 85), GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_NE(canvas.At(s - 2, 85), GetSysColor(COLOR_HIGHLIGHT));
    SavePicture("tarvik-check-combo-themed.png");
}

TEST_F(CheckComboBox, WithoutTheThemeLibraryChecksAreFrameControls) {
    TCheckComboBox* combo = Make();
    theme::CurrentSwitches().libraryPresent = false;
    OvoLinkingUtils::UxThemeDLL::Unload();
    SendMessageW(combo->GetHandle(), WM_THEMECHANGED, 0, 0);
    EXPECT_EQ(combo->Theme(), nullptr);
    const LONG s = BoxSide(*combo);
    const auto rows = DrawAll(*combo);

    const gdi::DrawCall* checked = Find(rows[3], "DrawFrameControl");
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->args, (std::vector<std::int64_t>{0, 61, s, 79, DFC_BUTTON, 0xD400}));
    EXPECT_EQ(checked->bkColor, GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Find(rows[4], "DrawFrameControl")->args.back(), 0xD000);
    EXPECT_EQ(Find(rows[1], "DrawFrameControl"), nullptr);
    SavePicture("tarvik-check-combo-plain.png");

    theme::CurrentSwitches().libraryPresent = true;
    SendMessageW(combo->GetHandle(), WM_THEMECHANGED, 0, 0);
    EXPECT_NE(combo->Theme(), nullptr) << "the theme opens again once the library can be had";
}

TEST_F(CheckComboBox, TheTextAnswersAreTheDisplayText) {
    TCheckComboBox* combo = Make();
    EXPECT_EQ(SendMessageW(combo->GetHandle(), WM_GETTEXTLENGTH, 0, 0), 13);
    EXPECT_EQ(SendMessageW(combo->GetHandle(), WM_GETTEXT, 10, 0), 0);
    WCHAR buffer[8] = {u'x', u'x', u'x', u'x', u'x', u'x', u'x', u'x'};
    EXPECT_EQ(SendMessageW(combo->GetHandle(), WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_EQ(buffer[0], u'x');
    EXPECT_EQ(SendMessageW(combo->GetHandle(), WM_GETTEXT, 6, reinterpret_cast<LPARAM>(buffer)), 5);
    EXPECT_EQ(std::u16string(buffer), u"Press");
    combo->SetChecked(2, false);
    EXPECT_EQ(GetWindowTextLengthW(combo->GetHandle()), 3);
}

TEST(CheckComboBoxThemes, VisualStylesFollowTheSystemVersion) {
    struct Case {
        DWORD platform, major, minor;
        bool themed;
    };
    for (const Case c :
         {Case{2, 5, 0, false}, Case{2, 5, 1, true}, Case{2, 5, 2, false}, Case{2, 6, 0, true},
          Case{2, 6, 1, true}, Case{2, 10, 0, true}, Case{1, 6, 0, false}, Case{2, 4, 0, false}}) {
        OSVERSIONINFOW v{};
        v.dwPlatformId = c.platform;
        v.dwMajorVersion = c.major;
        v.dwMinorVersion = c.minor;
        EXPECT_EQ(TCheckComboBox::SystemHasThemes(v), c.themed)
            << c.platform << " " << c.major << "." << c.minor;
    }
}

} // namespace
