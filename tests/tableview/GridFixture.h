#pragma once
// A grid over an in-memory table in a frame window on the test desktop, with
// the host's framework for the grid's notifications, and helpers that find
// cells and press on them as the user would.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/loader/Host.h"
#include "module/ModuleExit.h"
#include "platform/user/Desktop.h"
#include "platform/user/Input.h"
#include "platform/user/user.h"
#include "tableview/EventGridControl.h"
#include "tableview/GridPane.h"
#include "tableview/GridScrollBars.h"
#include "tableview/GridTitleBar.h"
#include "tableview/RowNumbersPane.h"
#include "tableview/TVF_Renderer.h"
#include "tests/support/TestTable.h"

namespace TarvikTest {

// Records what a grid notifies: "7 2,80" (low word of the id in hex, then the data words).
class NoticeRecorder : public IObserver {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT Register(ISubjectService*) override { return S_OK; }
    HRESULT Notify(ISubject*, DWORD id, DWORD, ULONG_PTR payload) override;

    std::vector<std::string> notices;
};

class GridTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 220;
    static constexpr int kRowNumberWidth = 30;

    explicit GridTest(int dataRows = 30, int columns = 6) : table(dataRows, columns) {}
    void SetUp() override;
    void TearDown() override;

    TVF_Grid::GridPane& Pane() const { return grid->Pane(); }
    HWND PaneWindow() const { return Pane().GetHandle(); }
    // The middle of a cell (inner row and column) in the cell pane.
    POINT CellPoint(int row, int col) const;
    // Presses and releases on a cell, then lets the desktop answer.
    void ClickCell(int row, int col, int button = VK_LBUTTON);
    // With a key held (VK_LSHIFT, VK_RCONTROL, ...).
    void ClickCellWith(int key, int row, int col);
    void Press(int key);
    static void Pump() { user::Desktop::Current().Pump(); }
    // The selected range as "[rows) x [columns)" of outer indexes, or "none".
    std::string Selected() const;

    TestTable table;
    std::unique_ptr<Vantrel::Host> host;
    OWL::TWindow* frame = nullptr;
    TVF_Grid::EventGridControl* grid = nullptr;
    TVF_Renderer* renderer = nullptr;
    NoticeRecorder notices;
};

} // namespace TarvikTest
