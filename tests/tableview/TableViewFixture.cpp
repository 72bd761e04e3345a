#include "tests/tableview/TableViewFixture.h"

#include <algorithm>

#include "host/framework/Text.h"
#include "module/ModuleExit.h"
#include "platform/user/Desktop.h"

namespace TarvikTest {

HRESULT SummaryClient::GetTitle(DWORD, IAutoOvoString** title) {
    *title = Vantrel::MakeString(u"Loop Table");
    return S_OK;
}

HRESULT HostViewHandler::QueryInterface(REFIID iid, void** out) {
    if (iid != IID_IUnknown && iid != IID_IMessageHandler)
        return E_NOINTERFACE;
    *out = static_cast<IMessageHandler*>(this);
    return S_OK;
}

HRESULT HostViewHandler::AddHandler(IMessageHandler* handler) {
    handlers.push_back(handler);
    return S_OK;
}

HRESULT HostViewHandler::RemoveHandler(IMessageHandler* handler) {
    handlers.erase(std::remove(handlers.begin(), handlers.end(), handler), handlers.end());
    return S_OK;
}

HRESULT HostViewHandler::GetTarget(IMessageHandler** target) {
    *target = nullptr;
    return S_FALSE;
}

void HostViewHandler::Send(Vantrel::Framework& framework, DWORD id) {
    IMessage* message = nullptr;
    framework.Messages().CreateMessage(id, 0, 0, 0, nullptr, nullptr, &message);
    for (IMessageHandler* handler : std::vector<IMessageHandler*>(handlers))
        handler->OnMessage(message);
    if (message != nullptr)
        message->Release();
}

void TableViewTest::SetUp() {
    user::Desktop::Reset();
    host = std::make_unique<Vantrel::Host>();
    frame = new OWL::TWindow(nullptr, u"frame");
    frame->Attr.Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    frame->Attr.W = 420;
    frame->Attr.H = 300;
    ASSERT_TRUE(frame->Create());
    for (TestTable* t : {&main, &summary})
        t->FillDefault();
    summary.SetText(1, 0, u"Avg");
    summary.SetText(2, 0, u"Max");
    ASSERT_EQ(CreateTableViewManager(manager.Put()), S_OK);
}

void TableViewTest::Make(DWORD style, const std::u16string& title) {
    document = ComPtr<Vantrel::ViewHostDocument>::Adopt(new Vantrel::ViewHostDocument(1, title));
    document->SetDataPad(&host->Application().Pad());
    ASSERT_EQ(manager->CreateView(style, frame->GetHandle(), static_cast<IHostDocument*>(document.Get()),
                                  static_cast<IMessageHandler*>(&services), &client, &client, &main, &main),
              S_OK);
    ASSERT_EQ(manager->PositionView(0, 0, 0, 420, 300, 40, 60, 70), S_OK);
    Pump();
}

HRESULT TableViewTest::ExportTo(const std::string& path) {
    IAutoOvoString* name = Vantrel::MakeString(Vantrel::Utf8ToUtf16(path));
    const HRESULT result = manager->ExportCsv(0, name);
    name->Release();
    return result;
}

TVF_TableView& TableViewTest::View() {
    return *static_cast<TVF_TableViewMgr*>(manager.Get())->View();
}

void TableViewTest::Pump() {
    user::Desktop::Current().Pump();
}

void TableViewTest::TearDown() {
    manager.Reset();
    delete frame;
    document.Reset();
    Tarvik::RunModuleExitList();
    host.reset();
}

} // namespace TarvikTest
