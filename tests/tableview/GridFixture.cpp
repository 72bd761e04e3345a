#include "tests/tableview/GridFixture.h"

#include <iomanip>
#include <sstream>

#include "tableview/GridSelection.h"

namespace TarvikTest {

HRESULT NoticeRecorder::Notify(ISubject*, DWORD id, DWORD, ULONG_PTR payload) {
    std::ostringstream line;
    line << std::hex << (id & 0xFFFF) << std::dec;
    if (payload != 0) {
        const auto* notice = reinterpret_cast<const TVF_Grid::GridNotice*>(payload);
        line << " " << notice->words[0] << "," << notice->words[1];
    }
    notices.push_back(line.str());
    return S_OK;
}

void GridTest::SetUp() {
    user::Desktop::Reset();
    host = std::make_unique<Vantrel::Host>();
    frame = new OWL::TWindow(nullptr, u"frame");
    frame->Attr.Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    frame->Attr.W = kWidth;
    frame->Attr.H = kHeight;
    ASSERT_TRUE(frame->Create());
    grid = new TVF_Grid::EventGridControl(frame);
    ASSERT_TRUE(grid->Create());
    grid->SetRowNumberWidth(kRowNumberWidth);
    grid->SetCustomRowLabels(true);
    table.FillDefault();
    for (DWORD c = 0; c < table.columnCount; ++c)
        table.widths[c] = 60;
    renderer = new TVF_Renderer(*grid);
    renderer->AddRef();
    grid->Pane().SetRenderer(renderer);
    grid->SetTableSources(8, &table, &table, &table, &table);
    renderer->SetData(8, &table, &table, &table);
    grid->MoveWindow(0, 0, kWidth, kHeight, true);
    renderer->Refresh();
    grid->Attach(&notices);
    Pump();
    table.log.clear();
}

void GridTest::TearDown() {
    delete frame;
    renderer->Release();
    Tarvik::RunModuleExitList();
    host.reset();
}

POINT GridTest::CellPoint(int row, int col) const {
    const TVF_Grid::GridColumn& column = Pane().Column(col);
    return {column.Left() - Pane().HOffset() + column.Width() / 2,
            (row - Pane().TopRow()) * Pane().RowHeight() + 8};
}

void GridTest::ClickCell(int row, int col, int button) {
    user::Click(PaneWindow(), CellPoint(row, col), button);
    Pump();
}

void GridTest::ClickCellWith(int key, int row, int col) {
    user::KeyDown(key);
    ClickCell(row, col);
    user::KeyUp(key);
    Pump();
}

void GridTest::Press(int key) {
    user::PressKey(key);
    Pump();
}

std::string GridTest::Selected() const {
    const TVF_Grid::SelectionRange& r = grid->Selection().Range();
    if (!r.IsValid())
        return "none";
    return "[" + std::to_string(r.rowStart.index) + "," + std::to_string(r.rowEnd.index) + ") x [" +
           std::to_string(r.colStart.index) + "," + std::to_string(r.colEnd.index) + ")";
}

} // namespace TarvikTest
