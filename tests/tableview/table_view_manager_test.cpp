// The table view manager: its column state against the persisted bytes,
// refused records, widths and moves, column changes, the mapping of columns
// between view and client, and the operations that need a view.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/XOvo.h"
#include "host/loader/Host.h"
#include "module/ModuleExit.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"
#include "platform/win32/com_ptr.h"
#include "tableview/TVF_TableViewMgr.h"

namespace {

// A client table: a column count, cell flags that tell the column asked, and
// the actions it hears.
class Client : public ITableDataManager, public ITableStoredRowInfo, public ITableUserActionHandler {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }

    HRESULT GetCellText(DWORD, DWORD, DWORD, IAutoOvoString** text) override {
        *text = nullptr;
        return S_OK;
    }
    HRESULT GetCellFlags(DWORD, DWORD, DWORD column, DWORD* flags) override {
        *flags = 100 + column;
        return S_OK;
    }
    HRESULT GetColumnCount(DWORD, DWORD* count) override {
        *count = columns;
        return S_OK;
    }
    HRESULT GetSourceName(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetTitle(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetRowCount(DWORD, DWORD* count) override {
        *count = 10;
        return S_OK;
    }

    HRESULT OnSelectionChanged(DWORD, const TableCellRange* ranges, DWORD count) override {
        selected.assign(ranges, ranges + count);
        return S_OK;
    }
    HRESULT OnCellActivated(DWORD how, DWORD, DWORD column) override {
        activated.push_back({how, column});
        return S_OK;
    }
    HRESULT OnCellTextEdited(DWORD, DWORD, DWORD, IAutoOvoString*) override { return S_OK; }
    HRESULT OnListItemChosen(DWORD, DWORD, DWORD, DWORD, DWORD) override { return S_OK; }
    HRESULT OnAlwaysShowLatestToggled(DWORD, SHORT) override { return S_OK; }

    DWORD columns = 3;
    std::vector<TableCellRange> selected;
    std::vector<std::pair<DWORD, DWORD>> activated;
};

std::string Words(std::initializer_list<std::uint32_t> words) {
    std::string bytes;
    for (std::uint32_t w : words)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>((w >> (8 * i)) & 0xFF));
    return bytes;
}

class TableViewManager : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        host = std::make_unique<Vantrel::Host>();
        parent = CreateWindowExW(0, u"Static", u"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr,
                                 nullptr, nullptr);
        ASSERT_EQ(CreateTableViewManager(manager.Put()), S_OK);
        internal = manager.Query<ITableViewMgrInternal>(IID_ITableViewMgrInternal);
        ASSERT_TRUE(internal);
    }
    TVF_TableViewMgr& Impl() { return *static_cast<TVF_TableViewMgr*>(manager.Get()); }
    HRESULT MakeView() {
        return manager->CreateView(0x278, parent, nullptr, nullptr, &client, &client, &client, nullptr);
    }
    HRESULT Load(const std::string& bytes) {
        Ovo::BinIStream in(new std::stringbuf(bytes, std::ios::in), true);
        return manager->LoadState(0, &in);
    }
    std::string Save() {
        auto* buffer = new std::stringbuf(std::ios::out);
        Ovo::BinOStream out(buffer, true);
        EXPECT_EQ(manager->SaveState(0, &out), S_OK);
        return buffer->str();
    }

    void TearDown() override {
        internal.Reset();
        manager.Reset();
        Tarvik::RunModuleExitList();
        host.reset();
    }

    std::unique_ptr<Vantrel::Host> host;
    HWND parent = nullptr;
    Client client;
    ComPtr<ITableViewManager> manager;
    ComPtr<ITableViewMgrInternal> internal;
};

TEST_F(TableViewManager, AnEmptyStateIsThreeWordsAndLoadThenSaveGivesTheSameBytes) {
    EXPECT_EQ(Save(), std::string("\x02\0\0\0\0\0\0\0\x39\x05\0\0", 12));
    const std::string record = Words({2, 3, 2, 0, 1, 130, 90, 100, 1337});
    EXPECT_EQ(Load(record), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{2, 0, 1}));
    EXPECT_EQ(Save(), record);
    EXPECT_EQ(Load(Words({2, 0, 1337})), S_OK);
    EXPECT_TRUE(Impl().Order().empty());
    EXPECT_EQ(Save(), Words({2, 0, 1337}));
}

TEST_F(TableViewManager, AVersionOneRecordGivesEveryColumnTheDefaultWidth) {
    ASSERT_EQ(Load(Words({1, 3, 1, 2, 0, 1337})), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{1, 2, 0}));
    ASSERT_EQ(MakeView(), S_OK);
    DWORD width = 0;
    EXPECT_EQ(internal->GetColumnWidth(0, 0, &width), S_OK);
    EXPECT_EQ(width, 90u);
    EXPECT_EQ(Save(), Words({2, 3, 1, 2, 0, 100, 100, 100, 1337}));
}

TEST_F(TableViewManager, ANewerVersionThrowsAndLeavesTheStateAsItWas) {
    ASSERT_EQ(Load(Words({2, 2, 1, 0, 110, 120, 1337})), S_OK);
    const std::string before = Save();
    try {
        Load(Words({3, 0, 1337}));
        ADD_FAILURE() << "no exception";
    } catch (const XOvo& e) {
        EXPECT_EQ(static_cast<std::uint32_t>(e.Code()), 0xA0048205u);
    }
    EXPECT_EQ(Save(), before);
}

TEST_F(TableViewManager, ARecordThatCannotBeTrustedIsRefusedAndTheStateKept) {
    ASSERT_EQ(Load(Words({2, 2, 1, 0, 110, 120, 1337})), S_OK);
    const std::string before = Save();
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"a wrong end marker", Words({2, 1, 0, 110, 1336})},
        {"no end marker", Words({2, 1, 0, 110})},
        {"a short width list", Words({2, 2, 0, 1, 110})},
        {"a count beyond the stream", Words({2, 0x7FFFFFFF, 0, 1})},
        {"a negative count", Words({2, 0xFFFFFFFF, 1337})},
        {"a repeated column", Words({2, 2, 0, 0, 110, 120, 1337})},
        {"a column beyond the count", Words({2, 2, 0, 5, 110, 120, 1337})},
        {"a half word", std::string("\x02\0", 2)},
        {"nothing", std::string()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.bytes), E_FAIL) << c.what;
        EXPECT_EQ(Save(), before) << c.what;
    }
    EXPECT_EQ(manager->LoadState(0, nullptr), E_FAIL);
}

TEST_F(TableViewManager, WidthsAreStoredTenWiderAndFollowTheirDataColumn) {
    ASSERT_EQ(MakeView(), S_OK);
    DWORD width = 0;
    EXPECT_EQ(internal->GetColumnWidth(0, 1, &width), S_OK);
    EXPECT_EQ(width, 90u) << "a reset stores the default itself";
    EXPECT_EQ(internal->SetColumnWidth(0, 0, 120), S_OK);
    EXPECT_EQ(internal->GetColumnWidth(0, 0, &width), S_OK);
    EXPECT_EQ(width, 120u);
    EXPECT_EQ(Save(), Words({2, 3, 0, 1, 2, 130, 100, 100, 1337}));

    EXPECT_EQ(internal->MoveColumn(0, 0, 2), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{1, 2, 0}));
    EXPECT_EQ(internal->GetColumnWidth(0, 2, &width), S_OK);
    EXPECT_EQ(width, 120u) << "the width stays with data column 0";
    EXPECT_EQ(internal->MoveColumn(0, 2, 99), S_OK) << "a target beyond the end is clamped";
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{1, 2, 0}));
    EXPECT_EQ(internal->MoveColumn(0, 3, 0), E_FAIL);

    width = 7;
    EXPECT_EQ(internal->GetColumnWidth(0, 3, &width), E_FAIL);
    EXPECT_EQ(width, 100u) << "the default still filled in";
    EXPECT_EQ(internal->SetColumnWidth(0, 3, 50), E_FAIL);
}

TEST_F(TableViewManager, WidthAccessChecksTheMappedColumnOfALoadedOrder) {
    // View columns 0 1 2 show data columns 2 0 1; widths go by data column.
    ASSERT_EQ(Load(Words({2, 3, 2, 0, 1, 111, 112, 113, 1337})), S_OK);
    ASSERT_EQ(MakeView(), S_OK);
    DWORD width = 0;
    EXPECT_EQ(internal->GetColumnWidth(0, 0, &width), S_OK);
    EXPECT_EQ(width, 103u) << "view column 0 shows data column 2";
    EXPECT_EQ(internal->SetColumnWidth(0, 1, 60), S_OK);
    EXPECT_EQ(Impl().Widths(), (std::vector<std::uint32_t>{70, 112, 113}));
}

TEST_F(TableViewManager, BeforeAnyColumnIsLaidOutWidthsAreTheDefaultAndSettingThemDoesNothing) {
    client.columns = 0;
    ASSERT_EQ(MakeView(), S_OK);
    DWORD width = 0;
    EXPECT_EQ(internal->GetColumnWidth(0, 5, &width), S_OK);
    EXPECT_EQ(width, 100u);
    EXPECT_EQ(internal->SetColumnWidth(0, 5, 40), S_OK);
    DWORD flags = 0;
    auto data = manager.Query<ITableDataManager>(IID_ITableDataManager);
    EXPECT_EQ(data->GetCellFlags(8, 1, 1, &flags), S_OK);
    EXPECT_EQ(flags, 1u);
}

TEST_F(TableViewManager, ColumnsChangedAppendsNewColumnsAndResetsAfterAShrink) {
    ASSERT_EQ(MakeView(), S_OK);
    ASSERT_EQ(internal->MoveColumn(0, 0, 2), S_OK);
    ASSERT_EQ(internal->SetColumnWidth(0, 2, 50), S_OK);
    client.columns = 5;
    EXPECT_EQ(manager->ColumnsChanged(0), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{1, 2, 0, 3, 4}));
    EXPECT_EQ(Impl().Widths(), (std::vector<std::uint32_t>{60, 100, 100, 100, 100}));
    EXPECT_EQ(Impl().View()->ColumnCount(), 5u);
    client.columns = 2;
    EXPECT_EQ(manager->ColumnsChanged(0), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{0, 1}));
    EXPECT_EQ(Impl().Widths(), (std::vector<std::uint32_t>{100, 100}));
}

TEST_F(TableViewManager, ANewDefaultWidthResetsTheColumns) {
    ASSERT_EQ(MakeView(), S_OK);
    ASSERT_EQ(internal->MoveColumn(0, 0, 2), S_OK);
    EXPECT_EQ(manager->PositionView(0, 0, 0, 300, 200, 60, 100, 100), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{1, 2, 0})) << "the same default: kept";
    EXPECT_EQ(manager->PositionView(0, 0, 0, 300, 200, 60, 80, 100), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{0, 1, 2}));
    EXPECT_EQ(Impl().Widths(), (std::vector<std::uint32_t>{80, 80, 80}));
    RECT r{};
    GetWindowRect(Impl().View()->GetHandle(), &r);
    EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(TableViewManager, ColumnsAreMappedBetweenTheViewAndTheClient) {
    ASSERT_EQ(MakeView(), S_OK);
    ASSERT_EQ(internal->MoveColumn(0, 0, 2), S_OK); // view 0 1 2 shows data 1 2 0
    auto data = manager.Query<ITableDataManager>(IID_ITableDataManager);
    DWORD flags = 0;
    EXPECT_EQ(data->GetCellFlags(8, 1, 0, &flags), S_OK);
    EXPECT_EQ(flags, 101u);
    EXPECT_EQ(data->GetCellFlags(8, 1, 7, &flags), S_OK);
    EXPECT_EQ(flags, 107u) << "beyond the order: unchanged";

    auto actions = manager.Query<ITableUserActionHandler>(IID_ITableUserActionHandler);
    const TableCellRange ranges[] = {{0, 1, 3}, {2, 1, 3}};
    EXPECT_EQ(actions->OnSelectionChanged(9, ranges, 2), S_OK);
    ASSERT_EQ(client.selected.size(), 2u);
    EXPECT_EQ(client.selected[0].column, 1u);
    EXPECT_EQ(client.selected[1].column, 0u);
    EXPECT_EQ(actions->OnCellActivated(8 + 2, 4, 1), S_OK);
    EXPECT_EQ(client.activated.back(), (std::pair<DWORD, DWORD>{10, 2}));

    EXPECT_EQ(manager->SelectCells(8, 0, 2, 5), S_OK);
    EXPECT_EQ(Impl().View()->LastSelectedColumn(), 2u) << "data column 0 is shown at view column 2";
    EXPECT_EQ(manager->SelectCells(8, 9, 2, 5), S_OK);
    EXPECT_EQ(Impl().View()->LastSelectedColumn(), 0u) << "a column no view column shows";
}

TEST_F(TableViewManager, ShowRowDoesNothingWhileTheLatestRowIsAlwaysShown) {
    ASSERT_EQ(MakeView(), S_OK);
    EXPECT_EQ(manager->ShowRow(8, 4), S_OK);
    EXPECT_EQ(Impl().View()->LastShownRow(), 4u);
    EXPECT_EQ(manager->SetAlwaysShowLatest(0, static_cast<SHORT>(0xFFFF)), S_OK);
    EXPECT_TRUE(Impl().View()->AlwaysShowLatest());
    EXPECT_EQ(manager->ShowRow(8, 9), S_OK);
    EXPECT_EQ(Impl().View()->LastShownRow(), 4u);
}

TEST_F(TableViewManager, WithoutAViewTheViewOperationsFailAndTheColumnStateStays) {
    EXPECT_EQ(manager->CreateView(0, nullptr, nullptr, nullptr, &client, &client, nullptr, nullptr), E_FAIL);
    EXPECT_EQ(manager->CreateView(0, parent, nullptr, nullptr, nullptr, &client, nullptr, nullptr), E_FAIL);
    EXPECT_EQ(manager->CreateView(0, parent, nullptr, nullptr, &client, nullptr, nullptr, nullptr), E_FAIL);
    EXPECT_EQ(manager->SetStyle(0x278), E_FAIL);
    EXPECT_EQ(manager->ColumnsChanged(0), E_FAIL);
    EXPECT_EQ(manager->SelectRows(8, 0, 1), E_FAIL);
    EXPECT_EQ(manager->ShowRow(8, 0), E_FAIL);
    EXPECT_EQ(manager->ExportCsv(0, nullptr), E_FAIL);
    EXPECT_EQ(manager->Reserved14(0, 0, 0, 0), E_NOTIMPL);

    ASSERT_EQ(MakeView(), S_OK);
    EXPECT_EQ(Impl().View()->Style(), 0x278u);
    ASSERT_EQ(internal->MoveColumn(0, 0, 2), S_OK);
    const HWND view = Impl().View()->GetHandle();
    EXPECT_EQ(GetParent(view), parent);
    EXPECT_EQ(manager->DestroyView(0), S_OK);
    EXPECT_FALSE(IsWindow(view));
    EXPECT_EQ(manager->DestroyView(0), S_OK);
    ASSERT_EQ(MakeView(), S_OK);
    EXPECT_EQ(Impl().Order(), (std::vector<std::uint32_t>{1, 2, 0})) << "the column state outlives the view";
}

TEST_F(TableViewManager, OnlyItsFourInterfacesAnswer) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(manager->QueryInterface(IID_ITableStoredRowInfo, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    for (const IID& iid : {IID_ITableViewManager, IID_ITableViewMgrInternal, IID_ITableUserActionHandler,
                           IID_ITableDataManager, IID_IUnknown}) {
        ComPtr<IUnknown> answer;
        EXPECT_EQ(manager->QueryInterface(iid, answer.PutVoid()), S_OK);
    }
    EXPECT_EQ(CreateTableViewManager(nullptr), E_POINTER);
}

} // namespace
