// The renderer's reading of a client's table: column titles, the texts a
// cell shows for its flags, row labels, the printed rows, and a client
// without data columns.

#include "platform/owl/TMemoryDC.h"
#include "tableview/GridSelection.h"
#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

using Lines = std::vector<std::string>;

// A client whose columns have names and units.
class TitledTable : public TestTable, public ITableColumnTitles {
public:
    using TestTable::TestTable;
    HRESULT QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_ITableColumnTitles) {
            *out = static_cast<ITableColumnTitles*>(this);
            return S_OK;
        }
        return TestTable::QueryInterface(iid, out);
    }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetColumnName(DWORD column, IAutoOvoString** name) override {
        *name = Ovo::String(column == 0 ? u"Pes" : u"HR").GetInterface();
        return S_OK;
    }
    HRESULT GetColumnUnit(DWORD column, IAutoOvoString** unit) override {
        *unit = Ovo::String(column == 0 ? u"mmHg" : u"").GetInterface();
        return S_OK;
    }
};

class RendererTest : public GridTest {
protected:
    // The width of the text the renderer draws in a cell (inner row, column).
    int DrawnWidth(int row, int col) {
        OWL::TMemoryDC dc;
        TVF_Grid::UniformRowPosCursor rows(0, {row + 1, 1}, {row + 2, 1}, 16);
        int widestCell = 0;
        int widestText = 0;
        renderer->DrawCells(dc, Pane().Column(col), {0, 0, 60, 16}, rows, widestCell, widestText);
        return widestText;
    }
};

TEST_F(RendererTest, TitlesComeFromFlaggedHeaderCellsOrFromNamesAndUnits) {
    table.SetFlags(0, 2, 0);
    EXPECT_EQ(renderer->GetColumnTitle(1).ToUtf8(), "C1");
    EXPECT_EQ(renderer->GetColumnTitle(2).ToUtf8(), "") << "a header cell without 0x10 has no title";

    TitledTable titled(3, 3);
    renderer->SetData(8, &titled, &titled, &titled);
    EXPECT_EQ(renderer->GetColumnTitle(1).ToUtf8(), "Pes (mmHg)");
    EXPECT_EQ(renderer->GetColumnTitle(2).ToUtf8(), "HR");
    renderer->DetachData();
}

TEST_F(RendererTest, ACellShowsWhatItsFlagsSay) {
    grid->ChoiceList() = {{0, u"Pressure"}, {1, u"Volume"}};
    const int mark = DrawnWidth(0, 0);
    table.SetText(1, 1, u"1");
    table.SetFlags(1, 1, 0x8 | 0x2);
    const int volume = DrawnWidth(0, 0);
    EXPECT_GT(volume, mark) << "the choice's text";
    table.SetFlags(1, 1, 0x8);
    EXPECT_EQ(DrawnWidth(0, 0), 0) << "a choice without 0x2 shows nothing";
    for (const char16_t* text : {u"abc", u"7", u"-1"}) {
        table.SetText(1, 1, text);
        table.SetFlags(1, 1, 0x8 | 0x2);
        EXPECT_EQ(DrawnWidth(0, 0), 0) << "no choice for the index";
    }
    table.SetFlags(1, 1, 0x8 | 0x80);
    const int select = DrawnWidth(0, 0);
    EXPECT_GT(select, volume) << "<Select Channel>";
    table.SetFlags(2, 2, 0x8 | 0x80);
    EXPECT_GT(DrawnWidth(1, 1), 0);
    grid->SetNoHighlight(true); // a printout exists
    EXPECT_EQ(DrawnWidth(1, 1), 0) << "on paper no choice is blank";
    EXPECT_EQ(DrawnWidth(1, 0), 0) << "and a column whose first cell has no choice is left out";
    EXPECT_GT(DrawnWidth(0, 1), 0);
    grid->SetNoHighlight(false);

    table.SetFlags(2, 1, 0x100);
    EXPECT_EQ(DrawnWidth(1, 0), 0) << "0x100 empties the cell";
    table.storedRows = 2;
    EXPECT_EQ(DrawnWidth(1, 0), 0) << "past the stored rows";
}

TEST_F(RendererTest, ARowLabelWithFlag0x1000IsIndentedByThreeSpaces) {
    table.SetFlags(3, 0, 0x1000);
    EXPECT_EQ(renderer->GetRowLabel(3, 1).ToUtf8(), "   R3");
    EXPECT_EQ(renderer->GetRowLabel(2, 1).ToUtf8(), "R2");
}

TEST_F(RendererTest, APrintoutOfASelectionHasItsRowsOnlyWhileItExists) {
    ClickCell(3, 1);
    ClickCellWith(VK_LSHIFT, 4, 1);
    renderer->BeginPrintRows();
    EXPECT_EQ(grid->RowCount(), 2);
    renderer->EndPrintRows();
    EXPECT_EQ(grid->RowCount(), 30);
    grid->SetStyle(0x100, true);
    renderer->BeginPrintRows();
    EXPECT_EQ(grid->RowCount(), 30) << "style bit 8 prints every row";
    renderer->EndPrintRows();
}

TEST_F(RendererTest, AClientWithOnlyRowTitlesShowsOneUntitledColumn) {
    table.columnCount = 1;
    renderer->Refresh();
    ASSERT_EQ(Pane().ColumnCount(), 1);
    EXPECT_EQ(Pane().Column(0).Width(), 100);
    EXPECT_TRUE(Pane().Column(0).Title().IsEmpty());
    EXPECT_FALSE(grid->HasColumns());
    ClickCell(1, 0);
    EXPECT_EQ(table.Take(), Lines{}) << "nothing is reported without columns";
}

} // namespace
} // namespace TarvikTest
