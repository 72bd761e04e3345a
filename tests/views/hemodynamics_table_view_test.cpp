// The haemodynamics table view over an analysed recording: its grids and button strip, a row
// selection selecting the loop, column formats, the options dialog's choices, the summary and
// "always show the latest row" settings, and its export button.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "analysis/LoopParameters.h"
#include "document/TarvikDocument.h"
#include "platform/owl/TWindow.h"
#include "platform/shell/shlobj.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/button.h"
#include "platform/user/edit.h"
#include "platform/user/user.h"
#include "tableview/TVF_TableViewMgr.h"
#include "tests/views/HemoDocumentHost.h"
#include "views/HemoTableOptionsDialog.h"
#include "views/TarvikHemodynamicsTableView.h"
#include "views/TarvikHemodynamicsTableViewData.h"
#include "workflow/ModelParamAccess.h"

namespace {

using namespace Tarvik;
namespace fs = std::filesystem;

constexpr DWORD kMainByMouse = 9;

class HemoTableView : public ::testing::Test {
protected:
    void SetUp() override {
        host = std::make_unique<TarvikTest::HemoDocumentHost>();
        user::Desktop::Reset();
        frame = std::make_unique<OWL::TWindow>(static_cast<OWL::TWindow*>(nullptr), u"frame");
        frame->Attr.Style = WS_POPUP | WS_VISIBLE;
        frame->Attr.W = 640;
        frame->Attr.H = 480;
        ASSERT_TRUE(frame->Create());
    }
    void TearDown() override {
        frame.reset();
        host.reset();
        user::Desktop::Reset();
    }

    // The view opened on the analysed recording, 600 x 400.
    TarvikHemodynamicsTableView& Open(bool analyse = true) {
        document = &host->Open(analyse);
        data = &host->Data();
        view = new TarvikHemodynamicsTableView(frame.get(), host->HostDocument(), nullptr, nullptr, 0);
        view->Attr.W = 600;
        view->Attr.H = 400;
        EXPECT_TRUE(view->Create());
        MoveWindow(view->GetHandle(), 0, 0, 600, 400, TRUE);
        user::Desktop::Current().Pump();
        return *view;
    }
    TVF_TableView& Grid() { return *static_cast<TVF_TableViewMgr*>(view->Manager())->View(); }
    std::u16string Shown() { return Grid().BuildTableText(Ovo::String(u"\t"), false).ToU16String(); }
    DWORD Columns() {
        DWORD n = 0;
        data->GetColumnCount(0, &n);
        return n;
    }
    HRESULT Select(DWORD table, DWORD first, DWORD end) {
        const TableCellRange range{1, first, end};
        return view->ActionHandler()->OnSelectionChanged(table, &range, 1);
    }
    std::int32_t CurrentLoop() { return GetModelParam<58>(document->FindModel()); }
    static RECT RectOf(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }

    ModelPtr Table(TarvikDocument& d) { return d.GetModel(kHemoTableModel); }

    std::unique_ptr<TarvikTest::HemoDocumentHost> host;
    std::unique_ptr<OWL::TWindow> frame;
    TarvikDocument* document = nullptr;
    TarvikHemodynamicsTableViewData* data = nullptr;
    TarvikHemodynamicsTableView* view = nullptr; // a child of the frame
};

TEST_F(HemoTableView, ItShowsALineOfTitlesOneLinePerLoopAndTheButtonStripBelow) {
    Open();
    const std::u16string shown = Shown();
    const std::u16string firstLine = shown.substr(0, shown.find(u'\n'));
    EXPECT_NE(firstLine.find(u"SV (\u00B5L)"), std::u16string::npos) << Ovo::String(firstLine).ToUtf8();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), u'\n'), 1 + 65 + 1 + 5)
        << "the title line, 65 loops, then the summary grid the stored settings show";
    EXPECT_NE(shown.find(u"\nCount\t65\t"), std::u16string::npos);
    EXPECT_EQ(Grid().Style(), TarvikHemodynamicsTableView::kGridStyle | 0x2);

    struct Button {
        int id, x, width;
        const char16_t* text;
    };
    for (const Button& b :
         {Button{9, 8, 30, u""}, Button{1000, 44, 75, u"Export..."}, Button{1001, 125, 75, u"Options..."},
          Button{1002, 206, 112, u"Add to Data Pad"}}) {
        const HWND button = GetDlgItem(view->GetHandle(), b.id);
        ASSERT_NE(button, nullptr) << b.id;
        const RECT r = RectOf(button);
        EXPECT_EQ(r.left, b.x) << b.id;
        EXPECT_EQ(r.top, 400 - 31) << b.id;
        EXPECT_EQ(r.right - r.left, b.width) << b.id;
        EXPECT_EQ(r.bottom - r.top, 23) << b.id;
        WCHAR text[32] = {};
        GetWindowTextW(button, text, 32);
        EXPECT_EQ(std::u16string(text), b.text);
    }
    const RECT grid = RectOf(Grid().GetHandle());
    EXPECT_EQ(grid.bottom - grid.top, 400 - 39);
    EXPECT_EQ(grid.right - grid.left, 600);
}

TEST_F(HemoTableView, SelectingOneLoopRowSelectsThatLoopAndOtherSelectionsSelectNothing) {
    Open();
    ASSERT_EQ(CurrentLoop(), -1);
    Select(kMainByMouse, 5, 6);
    EXPECT_EQ(CurrentLoop(), 4) << "row 5 is the fifth loop";
    Select(kMainByMouse, 7, 9);
    EXPECT_EQ(CurrentLoop(), 4) << "two rows select no loop";
    Select(0x11, 2, 3);
    EXPECT_EQ(CurrentLoop(), 4) << "a summary row selects no loop";
    Select(kMainByMouse, 0, 1);
    EXPECT_EQ(CurrentLoop(), 4) << "the title row selects no loop";
    Select(kMainByMouse, 10, 11);
    EXPECT_EQ(CurrentLoop(), 9);

    // The loop chosen elsewhere (the loop view) is the row the table selects.
    document->SelectLoop(20);
    view->OnDocumentDataChanged(kSelectedLoopChanged);
    EXPECT_EQ(CurrentLoop(), 20) << "selecting the row sent no selection back";
    const std::u16string selected = Shown();
    EXPECT_EQ(selected.substr(selected.find(u'\n') + 1, 3), u"21\t");
}

TEST_F(HemoTableView, SelectAllSelectsEveryRowWithoutSelectingALoop) {
    Open();
    ASSERT_EQ(view->MsgSelectAll(), S_FALSE);
    EXPECT_EQ(CurrentLoop(), -1);
    const std::u16string all = Shown();
    EXPECT_EQ(std::count(all.begin(), all.end(), u'\n'), 1 + 65 + 1 + 5)
        << "every row of both grids selected";
}

TEST_F(HemoTableView, DoubleClickingAColumnTitleFormatsTheColumnButNotTheLoopNumbers) {
    Open();
    const DWORD sv = 3; // loop number, SW, CO, SV
    ASSERT_EQ(data->ParamIdOfColumn(sv), LP_SV);
    auto& dialogs = user::Desktop::Current().Dialogs();
    view->ActionHandler()->OnCellActivated(8 | 2, 0, 0);
    EXPECT_TRUE(dialogs.Shown().empty()) << "the loop-number column has no format";
    view->ActionHandler()->OnCellActivated(8 | 1, 0, sv);
    EXPECT_TRUE(dialogs.Shown().empty()) << "a single click formats nothing";

    dialogs.Script([](HWND d) {
        SetDlgItemTextW(d, 1001, u"2");
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    view->ActionHandler()->OnCellActivated(8 | 2, 0, sv);
    ASSERT_EQ(dialogs.Shown().size(), 1u);
    EXPECT_EQ(dialogs.Shown()[0].caption, u"Format Column");
    EXPECT_EQ(data->CellText(0, 1, sv).ToU16String(), u"22") << "21.52 uL in two figures";
    EXPECT_EQ(data->FormatOf(LP_SW).significantFigures, 4u);

    dialogs.Script([](HWND d) {
        SetDlgItemTextW(d, 1001, u"3");
        CheckDlgButton(d, 1002, BST_CHECKED);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    view->ActionHandler()->OnCellActivated(8 | 2, 0, sv);
    EXPECT_EQ(data->FormatOf(LP_SW).significantFigures, 3u) << "Apply to all columns";
}

TEST_F(HemoTableView, TheOptionsDialogChoosesTheColumnsAndTheSummaryAndCancelChangesNothing) {
    Open();
    auto& dialogs = user::Desktop::Current().Dialogs();
    const DWORD before = Columns();
    ASSERT_EQ(before, 27u);

    // Cancel after "Uncheck All".
    dialogs.Script([](HWND d) {
        SendMessageW(d, WM_COMMAND, TableViewOptionsDialog::kUncheckAll, 0);
        SendMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    view->CmOptions();
    EXPECT_EQ(Columns(), before);

    // The stored workflow's analysis gives no PVA, PE or CE: their boxes are off and disabled.
    bool pvaEnabled = true;
    UINT pvaChecked = 9, svChecked = 9, summaryChecked = 9;
    dialogs.Script([&](HWND d) {
        pvaEnabled = IsWindowEnabled(GetDlgItem(d, 1036));
        pvaChecked = IsDlgButtonChecked(d, 1036);
        svChecked = IsDlgButtonChecked(d, 1015);
        summaryChecked = IsDlgButtonChecked(d, 1034);
        SendMessageW(d, WM_COMMAND, TableViewOptionsDialog::kUncheckAll, 0);
        SendMessageW(d, WM_COMMAND, TableViewOptionsDialog::kCheckAll, 0);
        EXPECT_EQ(IsDlgButtonChecked(d, 1036), static_cast<UINT>(BST_UNCHECKED)) << "Check All skips it";
        SendMessageW(d, WM_COMMAND, TableViewOptionsDialog::kUncheckAll, 0);
        CheckDlgButton(d, 1015, BST_CHECKED);
        CheckDlgButton(d, 1034, BST_UNCHECKED);
        SendMessageW(d, WM_COMMAND, IDOK, 0);
    });
    view->CmOptions();
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[1].caption, u"Tarvik Hemodynamics Options");
    EXPECT_FALSE(pvaEnabled);
    EXPECT_EQ(pvaChecked, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(svChecked, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(summaryChecked, static_cast<UINT>(BST_CHECKED)) << "the stored settings show the summary";

    ASSERT_EQ(Columns(), 2u) << "the loop number and SV";
    EXPECT_EQ(data->ParamIdOfColumn(1), LP_SV);
    const IntSet shown = GetModelParam<55>(Table(*document));
    EXPECT_EQ(shown.count(LP_PVA), 1u) << "the unavailable parameters keep their membership";
    EXPECT_EQ(shown.count(LP_HR), 0u);
    EXPECT_FALSE(GetModelParam<56>(Table(*document)));
    EXPECT_EQ(Grid().Style(), TarvikHemodynamicsTableView::kGridStyle) << "the summary grid hidden";
    const std::u16string text = Shown();
    EXPECT_EQ(text.substr(0, 19), u"\tSV (\u00B5L)\r\n1\t21.52\r\n");
    EXPECT_EQ(std::count(text.begin(), text.end(), u'\n'), 1 + 65);
}

TEST_F(HemoTableView, TheAlwaysShowLatestToggleIsKeptInTheTableSettings) {
    Open();
    view->ActionHandler()->OnAlwaysShowLatestToggled(8, 1);
    EXPECT_TRUE(GetModelParam<57>(Table(*document)));
    view->OnDocumentDataChanged(0);
    EXPECT_TRUE(Grid().AlwaysShowLatest());
    view->ActionHandler()->OnAlwaysShowLatestToggled(8, 0);
    EXPECT_FALSE(GetModelParam<57>(Table(*document)));
}

TEST_F(HemoTableView, TheExportButtonWritesTheTableAsShown) {
    Open();
    const fs::path folder = fs::temp_directory_path() / ("tarvik-view-export-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    shell::SetFolderPath(CSIDL_PERSONAL, folder.u16string());
    user::Desktop::Current().FileDialogs().Choose((folder / "table.txt").u16string());
    SendMessageW(view->GetHandle(), WM_COMMAND, TarvikHemodynamicsTableView::kExportButton, 0);
    std::ifstream in(folder / "table.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 66 + 1 + 5) << "with the summary it shows";
    EXPECT_NE(bytes.find("\r\nAvg\t"), std::string::npos);
    EXPECT_EQ(bytes.substr(0, 4), "\tSW ");
    in.close();
    fs::remove_all(folder);
    shell::ResetFolders();
}

} // namespace
