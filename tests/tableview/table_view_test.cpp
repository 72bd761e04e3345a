// The table view as a client view makes it: its picture, style and column
// moves, the host's copy message, CSV files, printing and the Data Pad.

#include <fstream>
#include <iterator>
#include <sstream>

#include "controls/UxSizableButtonGadget.h"
#include "core/LocaleInfo.h"
#include "host/framework/Text.h"
#include "platform/gdi/Png.h"
#include "platform/gdi/bridge.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/WindowSurfaces.h"
#include "platform/user/user.h"
#include "platform/win32/locale.h"
#include "platform/win32/sysinfo.h"
#include "tableview/EventGridControl.h"
#include "tableview/GridPane.h"
#include "tableview/GridPrintout.h"
#include "tableview/GridScrollBars.h"
#include "tableview/GridSelection.h"
#include "tableview/SnapGadgetWindowBase.h"
#include "tests/support/GoldenImage.h"
#include "tests/tableview/TableViewFixture.h"

namespace {

using TarvikTest::TableViewTest;

std::u16string Expected(const TarvikTest::TestTable& t, int rows, const char16_t* first,
                        const char16_t* second) {
    std::u16string text = u"\tC1\tC2\tC3\r\n";
    for (int r = 1; r <= rows; ++r) {
        const std::u16string label = r == 1 ? first : r == 2 ? second : u"R" + std::u16string(1, u'0' + r);
        text += label;
        for (int c = 1; c <= 3; ++c)
            text += u"\t" + std::u16string(1, u'0' + r) + u":" + std::u16string(1, u'0' + c);
        text += u"\r\n";
    }
    (void)t;
    return text;
}

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string DataFile(const std::string& name) {
    return std::string(TARVIK_TEST_DATA_DIR) + "/tableview/" + name;
}

std::string TempFile(const std::string& name) {
    return testing::TempDir() + name;
}

TEST_F(TableViewTest, AViewWithSummaryRowsAgainstItsReferenceAndWithoutThem) {
    Make(0x27A);
    EXPECT_TRUE(View().FixedGridShown());
    EXPECT_TRUE(golden::Matches(user::WindowPicture(frame->GetHandle()), "table-view"));
    manager->SetStyle(0x278);
    Pump();
    EXPECT_FALSE(IsWindowVisible(View().FixedGrid().GetHandle()));
    EXPECT_EQ(View().MainGrid().GetWindowRect().Height(), 300) << "the main grid takes the whole height";
    EXPECT_FALSE(View().FixedGrid().Selection().IsValid());
}

TEST_F(TableViewTest, ColumnMovesChangeTheManagersOrderOnlyUnderBit4) {
    Make(0x26A); // bit 4 clear
    auto& impl = *static_cast<TVF_TableViewMgr*>(manager.Get());
    const auto before = impl.Order();
    View().OnColumnMoved(0, 2);
    EXPECT_EQ(impl.Order(), before);
    manager->SetStyle(0x27A);
    View().OnColumnMoved(0, 2);
    EXPECT_NE(impl.Order(), before);
}

TEST_F(TableViewTest, TheCopyMessagePutsTabSeparatedTablesOnTheClipboard) {
    Make(0x27A);
    EXPECT_EQ(services.handlers.size(), 1u) << "the view registered its handler with the host";
    Send(TVF_TableView::kCopyMessage);
    const auto text = user::Desktop::Current().ClipboardState().Text();
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(*text, Expected(main, 5, u"R1", u"R2") + u"\n" + Expected(summary, 2, u"Avg", u"Max"));
    user::Desktop::Current().ClipboardState().SetRefuseOpen(true);
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    Send(TVF_TableView::kCopyMessage);
    ASSERT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
    const auto& box = user::Desktop::Current().MessageBoxes().Shown()[0];
    EXPECT_EQ(box.text, u"Unable to copy to clipboard at present");
    EXPECT_EQ(box.caption, u"Error");
    manager->DestroyView(0);
    EXPECT_TRUE(services.handlers.empty());
}

// The locale's list separator is read once per process: a test that finds it
// read already (by another test in this process) cannot choose it.
#define REQUIRE_LIST_SEPARATOR(sep)                                                                          \
    if (std::u16string(LocaleInfo::Instance().ListSeparator()) != (sep))                                     \
    GTEST_SKIP() << "the list separator was read before this test set it"

TEST_F(TableViewTest, AGreekDocumentExportsUtf16WithSemicolonsAndQuotedCells) {
    UserLocale locale;
    locale.list = u";";
    SetUserLocale(locale);
    REQUIRE_LIST_SEPARATOR(u";");
    main.SetText(2, 2, u"a;b \"c\"");
    main.SetText(3, 1, u"two\nlines");
    Make(0x27A, u"Αρουραίος.adicht");
    const std::string path = TempFile("greek.csv");
    EXPECT_EQ(ExportTo(path), S_OK);
    EXPECT_EQ(FileBytes(path), FileBytes(DataFile("greek-semicolon.csv")));
}

TEST_F(TableViewTest, ALatinDocumentUnderUsEnglishExports8BitWithCommas) {
    REQUIRE_LIST_SEPARATOR(u",");
    main.SetText(1, 1, u"café");
    Make(0x27A, u"Souris Été.adicht");
    const std::string path = TempFile("latin.csv");
    EXPECT_EQ(ExportTo(path), S_OK);
    EXPECT_EQ(FileBytes(path), FileBytes(DataFile("latin-comma.csv")));
    main.SetText(1, 1, u"β-blocker"); // no 8-bit form: UTF-16 keeps it
    EXPECT_EQ(ExportTo(path), S_OK);
    EXPECT_EQ(FileBytes(path).substr(0, 2), "\xFF\xFE");
}

TEST_F(TableViewTest, AnExportThatCannotBeWrittenOrIsCancelledFails) {
    Make(0x27A);
    auto name = Vantrel::MakeString(u"/no/such/folder/table.csv");
    EXPECT_EQ(manager->ExportCsv(0, name), E_FAIL);
    name->Release();
    user::Desktop::Current().FileDialogs().Cancel();
    EXPECT_EQ(manager->ExportCsv(0, nullptr), E_FAIL);
    ASSERT_EQ(user::Desktop::Current().FileDialogs().Shown().size(), 1u);
    EXPECT_EQ(user::Desktop::Current().FileDialogs().Shown()[0].title, u"Export to CSV file");
}

TEST_F(TableViewTest, AnEmptyDataPadGetsTitlesInRow1AndDataFromRow2) {
    Make(0x27A);
    Vantrel::DataPad& pad = host->Application().Pad();
    EXPECT_EQ(manager->AddSelectionToDataPad(0), S_OK);
    EXPECT_EQ(pad.Cell(0, 1), u"");
    EXPECT_EQ(pad.Cell(1, 1), u"C1");
    EXPECT_EQ(pad.Cell(2, 0), u"R1");
    EXPECT_EQ(pad.Cell(2, 3), u"1:3");
    EXPECT_EQ(pad.Cell(7, 0), u"") << "the summary follows at once";
    EXPECT_EQ(pad.Cell(9, 0), u"Avg") << "after one empty row and its titles";
}

TEST_F(TableViewTest, AnExportAfterRows0To4StartsAtRow6AndACancelKeepsWhatWasWritten) {
    Make(0x26A);
    Vantrel::DataPad& pad = host->Application().Pad();
    for (LONG r = 0; r <= 4; ++r)
        pad.Set(r, 0, u"kept");
    host->Zar().Progress().cancelAt(40);
    View().SelectRows(8, 1, 6);
    EXPECT_EQ(manager->AddSelectionToDataPad(0), S_OK);
    EXPECT_EQ(pad.Cell(6, 1), u"C1");
    EXPECT_EQ(pad.Cell(7, 1), u"1:1");
    EXPECT_EQ(pad.Cell(8, 1), u"2:1") << "written before the cancel";
    EXPECT_EQ(pad.Cell(9, 1), u"") << "nothing after it";
    EXPECT_EQ(pad.Cell(4, 0), u"kept");
}

TEST_F(TableViewTest, AFailedMemoryCheckWritesNothing) {
    Make(0x27A);
    win32::CurrentMemorySwitches().availVirtual = 100;
    EXPECT_EQ(manager->AddSelectionToDataPad(0), E_OUTOFMEMORY);
    EXPECT_EQ(host->Application().Pad().Writes(), 0);
    win32::ResetMemorySwitches();
}

} // namespace

namespace {

TEST_F(TableViewTest, AWideLongTablePrintsEveryRowTitlesOnTopAndLabelsOnTheLeft) {
    main = TarvikTest::TestTable(40, 13);
    main.FillDefault();
    Vantrel::PrinterSetup& printer = host->Application().Printer().Setup();
    printer.dpi = 100;
    printer.printable = SIZE{600, 500};
    Make(0x278);
    Send(TVF_TableView::kPrintMessage);
    const auto& jobs = host->Application().Printer().Jobs();
    ASSERT_EQ(jobs.size(), 1u) << "no summary rows, nothing selected: the main grid";
    const Vantrel::PrintJob& job = jobs[0];
    EXPECT_EQ(job.title, u"Rat 3.adicht: Loop Table");
    ASSERT_EQ(job.pages.size(), job.pageCount);

    // The layout the pages were printed with: every row falls on a page.
    TVF_Grid::GridPrintout* printout =
        TVF_Grid::CreateGridPrintout(Ovo::String(), View().MainGrid(), true, true);
    auto surface = std::make_shared<gdi::Surface>(600, 500, 32, 0xFFFFFF);
    HDC dc = gdi::CreatePrinterPageDC(surface, 100);
    const RECT page{0, 0, 600, 500};
    printout->BeginPrinting(&page, dc, nullptr);
    const TVF_Grid::GridPrintout::Layout layout = printout->ComputeLayout(dc);
    EXPECT_EQ(layout.pagesAcross, 2);
    EXPECT_EQ(static_cast<UINT>(layout.pagesAcross * layout.pagesDown), job.pageCount);
    int first = 0, end = 0;
    TVF_Grid::GridPrintout::RowBand(layout, layout.pagesDown - 1, 40, first, end);
    EXPECT_EQ(end, 40) << "the last page ends with the last row";
    EXPECT_GT(end, first);
    EXPECT_EQ(layout.firstPageRows, (500 - 2 * layout.headerHeight) / layout.rowHeight)
        << "the first page keeps room for the titles";
    EXPECT_EQ(layout.laterPageRows, 500 / layout.rowHeight);
    printout->Release();
    DeleteDC(dc);

    EXPECT_TRUE(golden::Matches(*job.pages[0], "table-print-first"));
    EXPECT_TRUE(golden::Matches(*job.pages[1], "table-print-across"));
    EXPECT_TRUE(golden::Matches(*job.pages.back(), "table-print-last"));
}

TEST_F(TableViewTest, TheSnapToolbarSitsBelowTheMainGridsBarAndItsToggleTellsTheClient) {
    main = TarvikTest::TestTable(40, 4);
    main.FillDefault();
    Make(0x27A);
    auto PaneHeight = [this] { return View().MainGrid().Pane().GetWindowRect().Height(); };
    EXPECT_EQ(View().FixedGrid().SnapToolbar(), nullptr) << "only the main grid has one";
    TVF_Grid::SnapGadgetWindowBase* snap = View().MainGrid().SnapToolbar();
    ASSERT_NE(snap, nullptr);
    ASSERT_TRUE(View().MainGrid().VerticalBarShown());
    EXPECT_TRUE(IsWindowVisible(snap->GetHandle()));
    const OWL::TRect bar = View().MainGrid().VScrollBar().GetWindowRect();
    const OWL::TRect tool = snap->GetWindowRect();
    EXPECT_EQ(tool.Width(), bar.Width());
    EXPECT_EQ(tool.top, bar.bottom - 1) << "the toolbar takes the bottom of the bar's place";
    EXPECT_EQ(tool.right, bar.right - 1);
    EXPECT_EQ(bar.Height() + tool.Height(), PaneHeight() + 2);

    const OWL::TRect b = snap->Button()->GetBounds();
    const LPARAM at = MAKELPARAM((b.left + b.right) / 2, (b.top + b.bottom) / 2);
    main.log.clear();
    for (int i = 0; i < 2; ++i) {
        SendMessageW(snap->GetHandle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(snap->GetHandle(), WM_LBUTTONUP, 0, at);
        EXPECT_EQ(snap->Pressed(), i == 0);
        EXPECT_EQ(View().MainGrid().AlwaysShowLatest(), i == 0);
    }
    EXPECT_EQ(main.Take("latest"), (std::vector<std::string>{"latest 8 -1", "latest 8 0"}));
    manager->SetAlwaysShowLatest(0, -1);
    EXPECT_TRUE(snap->Pressed()) << "the manager sets the button too";

    manager->DestroyView(0);
    Make(0x7A); // bit 9 clear
    EXPECT_EQ(View().MainGrid().SnapToolbar(), nullptr);
    EXPECT_EQ(View().MainGrid().VScrollBar().GetWindowRect().Height(), PaneHeight() + 2)
        << "the bar takes the whole height";
}

// Rows 10 to 12 selected in row mode: only they print, on one band of pages,
// unless style bit 8 asks for every row; a page lower than a row still takes one.
TEST_F(TableViewTest, ASelectionPrintsExactlyItsRowsUnlessBit8AndTinyPagesTakeOneRowEach) {
    main = TarvikTest::TestTable(40, 4);
    main.FillDefault();
    Vantrel::PrinterSetup& printer = host->Application().Printer().Setup();
    printer.dpi = 100;
    struct Case {
        DWORD style;
        SIZE printable;
        bool select;
        int rows;      // rows printed
        int firstRow;  // the first printed row's inner index
        int pagesDown; // -1: not checked
    };
    const Case cases[] = {
        {0x278, {600, 500}, true, 3, 9, 1},    {0x378, {600, 500}, true, 40, 0, -1},
        {0x278, {600, 500}, false, 40, 0, -1}, {0x278, {600, 4}, true, 3, 9, 3},
        {0x278, {600, 4}, false, 40, 0, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << std::hex << c.style << std::dec << " " << c.printable.cy << " " << c.select);
        printer.printable = c.printable;
        Make(c.style);
        TVF_Grid::EventGridControl& grid = View().MainGrid();
        if (c.select)
            grid.Selection().SetRange({10, 1}, {13, 1}, {1, 1}, {4, 1});
        const size_t before = host->Application().Printer().Jobs().size();
        Send(TVF_TableView::kPrintMessage);
        ASSERT_EQ(host->Application().Printer().Jobs().size(), before + 1);
        const Vantrel::PrintJob& job = host->Application().Printer().Jobs().back();

        TVF_Grid::GridPrintout* printout = TVF_Grid::CreateGridPrintout(Ovo::String(), grid, true, true);
        EXPECT_EQ(grid.RowCount(), c.rows);
        EXPECT_EQ(grid.Pane().Renderer().FirstPrintedRow(), c.firstRow);
        auto surface = std::make_shared<gdi::Surface>(600, 500, 32, 0xFFFFFF);
        HDC dc = gdi::CreatePrinterPageDC(surface, 100);
        const RECT page{0, 0, c.printable.cx, c.printable.cy};
        printout->BeginPrinting(&page, dc, nullptr);
        const TVF_Grid::GridPrintout::Layout layout = printout->ComputeLayout(dc);
        if (c.pagesDown > 0) {
            EXPECT_EQ(layout.pagesDown, c.pagesDown);
        }
        EXPECT_EQ(static_cast<UINT>(layout.pagesAcross * layout.pagesDown), job.pageCount)
            << "the job printed the pages the layout counts";
        int first = 0, end = 0;
        TVF_Grid::GridPrintout::RowBand(layout, layout.pagesDown - 1, c.rows, first, end);
        EXPECT_GE(end, c.rows) << "the last band reaches the last row";
        EXPECT_LT(first, c.rows);
        printout->Release();
        DeleteDC(dc);
        EXPECT_EQ(grid.RowCount(), 40) << "the grid has its rows back";
        manager->DestroyView(0);
    }
}

} // namespace
