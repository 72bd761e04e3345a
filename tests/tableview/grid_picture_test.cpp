// What a grid over a client's table looks like: titles, row labels, cell
// flags and a selection, painted through WM_PAINT, compared with a reference
// picture and checked at decisive pixels.

#include "platform/user/WindowSurfaces.h"
#include "tests/support/GoldenImage.h"
#include "tests/tableview/GridFixture.h"

namespace TarvikTest {
namespace {

class GridPictureTest : public GridTest {
protected:
    GridPictureTest() : GridTest(6, 4) {}
    void SetUp() override {
        GridTest::SetUp();
        table.SetText(0, 1, u"Loop");
        table.SetText(0, 2, u"SW (mmHg*uL)");
        table.SetText(0, 3, u"Channel");
        table.SetText(1, 1, u"Mean");
        table.SetFlags(1, 1, 0x10);
        table.SetText(2, 1, u"Ves");
        table.SetFlags(2, 1, 0x1000);
        table.SetFlags(3, 0, 0x1000);
        table.SetText(3, 2, u"12.5");
        table.SetFlags(3, 2, 0x4000);
        table.SetText(4, 3, u"1");
        table.SetFlags(4, 3, 0x8 | 0x2);
        table.SetFlags(5, 3, 0x8 | 0x80);
        table.widths[3] = 110;
        grid->ChoiceList() = {{0, u"Pressure"}, {1, u"Volume"}};
        renderer->Refresh();
        ClickCell(0, 1);
        ClickCellWith(VK_LSHIFT, 1, 1);
        Pump();
    }
    // A pixel of a child window, in its client coordinates.
    static COLORREF At(const OWL::TWindow& w, int x, int y) {
        return user::WindowPicture(w.GetHandle()).Get(x, y) & 0xFFFFFF;
    }
    static COLORREF Rgb(COLORREF pixel) { return RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel)); }
    bool CellHas(int row, int col, COLORREF colour) const {
        const gdi::Surface picture = user::WindowPicture(PaneWindow());
        const TVF_Grid::GridColumn& column = Pane().Column(col);
        for (int y = row * 16; y < row * 16 + 15; ++y)
            for (int x = column.Left(); x < column.Right(); ++x)
                if (Rgb(picture.Get(x, y) & 0xFFFFFF) == colour)
                    return true;
        return false;
    }
};

TEST_F(GridPictureTest, ATablePaintsItsTitlesLabelsFlaggedCellsAndSelection) {
    EXPECT_TRUE(golden::Matches(user::WindowPicture(frame->GetHandle()), "grid-table"));
}

TEST_F(GridPictureTest, GridLinesAndHighlightsHaveTheirSystemColours) {
    const TVF_Grid::GridColumn& first = Pane().Column(0);
    EXPECT_EQ(Rgb(At(Pane(), first.Right(), 40)), GetSysColor(COLOR_3DLIGHT)) << "the line after a column";
    EXPECT_EQ(Rgb(At(Pane(), first.Left() + 40, 16 * 3 - 1)), GetSysColor(COLOR_3DLIGHT))
        << "the row's last line";
    const TVF_Grid::GridColumn& second = Pane().Column(1);
    EXPECT_EQ(Rgb(At(Pane(), second.Right() - 2, 8)), GetSysColor(COLOR_HIGHLIGHT)) << "a selected cell";
    EXPECT_EQ(Rgb(At(Pane(), second.Right() - 2, 40)), RGB(255, 255, 255)) << "an unselected cell";
    EXPECT_EQ(Rgb(At(grid->RowNumbers(), 2, 8)), GetSysColor(COLOR_BTNSHADOW)) << "a selected row's label";
    EXPECT_EQ(Rgb(At(grid->RowNumbers(), 2, 40)), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(Rgb(At(grid->TitleBar(), second.Right() - 2, 3)), GetSysColor(COLOR_BTNSHADOW)) << "its title";
    EXPECT_TRUE(CellHas(2, 1, TVF_Renderer::kAccentColour)) << "flag 0x4000";
    EXPECT_TRUE(CellHas(4, 2, TVF_Renderer::kNoChoiceColour)) << "<Select Channel>";
    EXPECT_FALSE(CellHas(3, 2, TVF_Renderer::kNoChoiceColour));
}

} // namespace
} // namespace TarvikTest
