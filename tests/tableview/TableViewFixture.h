#pragma once
// A table view as a client view makes it: a manager over a client with a
// main table and a summary table, in a frame, for a host document with the
// application's Data Pad, registered with a host message handler that the
// test sends the host's messages through.

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/framework/ViewServices.h"
#include "host/loader/Host.h"
#include "platform/owl/TWindow.h"
#include "platform/vantrel/IMessageHandler.h"
#include "tableview/TVF_TableViewMgr.h"
#include "tests/support/TestTable.h"

namespace TarvikTest {

// The client: table 8 from main, table 16 from summary; actions and lists go to main.
class SummaryClient : public ITableDataManager, public ITableStoredRowInfo {
public:
    SummaryClient(TestTable& main, TestTable& summary) : mMain(main), mSummary(summary) {}
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT GetCellText(DWORD t, DWORD r, DWORD c, IAutoOvoString** text) override {
        return Of(t).GetCellText(t, r, c, text);
    }
    HRESULT GetCellFlags(DWORD t, DWORD r, DWORD c, DWORD* flags) override {
        return Of(t).GetCellFlags(t, r, c, flags);
    }
    HRESULT GetColumnCount(DWORD t, DWORD* count) override { return Of(t).GetColumnCount(t, count); }
    HRESULT GetSourceName(DWORD, IAutoOvoString**) override { return E_NOTIMPL; }
    HRESULT GetTitle(DWORD, IAutoOvoString** title) override;
    HRESULT GetRowCount(DWORD t, DWORD* count) override { return Of(t).GetRowCount(t, count); }

private:
    TestTable& Of(DWORD table) { return (table & 16) ? mSummary : mMain; }
    TestTable& mMain;
    TestTable& mSummary;
};

// The host's side of the view: it keeps the handlers views register and sends them messages.
class HostViewHandler : public IMessageHandler {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
    HRESULT OnMessage(IMessage*) override { return S_OK; }
    HRESULT AddHandler(IMessageHandler* handler) override;
    HRESULT RemoveHandler(IMessageHandler* handler) override;
    HRESULT SetParent(IMessageHandler*) override { return S_OK; }
    HRESULT GetTarget(IMessageHandler** target) override;
    // Sends the host message of id to every registered handler.
    void Send(Vantrel::Framework& framework, DWORD id);

    std::vector<IMessageHandler*> handlers;
};

class TableViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The view made with a style for a document of that title.
    void Make(DWORD style = 0x27A, const std::u16string& title = u"Rat 3.adicht");
    TVF_TableView& View();
    void Pump();
    void Send(DWORD id) { services.Send(host->Zar(), id); }
    // The table exported as CSV to a path through the manager.
    HRESULT ExportTo(const std::string& path);

    std::unique_ptr<Vantrel::Host> host;
    OWL::TWindow* frame = nullptr;
    TestTable main{5, 4};
    TestTable summary{2, 4};
    SummaryClient client{main, summary};
    HostViewHandler services;
    ComPtr<Vantrel::ViewHostDocument> document;
    ComPtr<ITableViewManager> manager;
};

} // namespace TarvikTest
