#include <string>
#include <vector>

#include "core/CComObjectRoot.h"
#include "core/MsgData.h"
#include "module/SendDocMessage.h"
#include "module/ZAREventHandlerT.h"
#include "module/ZARProxyEventHandler.h"
#include "tests/support/ModuleHost.h"

namespace {

using namespace Tarvik;
using TarvikTest::ModuleHost;

constexpr DWORD kMessage = 0x80AA0400;
constexpr DWORD kValues = 0x80AA0401;
constexpr DWORD kCommand = 0x80AA0101;

// A message handler with a name, whose table takes kMessage and kValues.
class Node : public ZAREventHandlerT, public Ovo::CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Ovo::QueryInterfaceMap({{IID_IMessageHandler, Self()}}, iid, out);
    }
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
    ZAR_COMMAND_TABLE(Node, ZAREventHandlerBase)

    HRESULT Message() {
        handled.push_back(kMessage);
        return result;
    }
    HRESULT Values(std::int32_t n, double x) {
        handled.push_back(kValues);
        values = std::to_string(n) + " " + std::to_string(x);
        return S_OK;
    }

    HRESULT result = S_OK;
    std::vector<DWORD> handled;
    std::string values;
};

ZARCommandTable& Node::CommandTable() {
    using Rows = TableRows<Node>;
    static ZARCommandTable table{Rows::Message<&Node::Message>(FixedId<kMessage>),
                                 Rows::Message<&Node::Values>(FixedId<kValues>)};
    return table;
}

// A handler without rows that only passes messages on.
class Relay : public ZAREventHandlerT, public Ovo::CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Ovo::QueryInterfaceMap({{IID_IMessageHandler, Self()}}, iid, out);
    }
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
};

template <class T> struct Held {
    T* p = new T;
    Held() { p->AddRef(); }
    ~Held() { p->Release(); }
    T* operator->() const { return p; }
    IMessageHandler* handler() const { return static_cast<IMessageHandler*>(p); }
};

class Messaging : public ModuleHost {
protected:
    // Sends kMessage with the flags from sender to the sender's target.
    HRESULT Send(ZARMessageSender& sender, DWORD flags) {
        return SendDocMessage(Ovo::MsgData0{kMessage, flags}, sender, sender.Target(), 0);
    }
};

TEST_F(Messaging, AMessageFlaggedNotToSenderSkipsItsSenderOnly) {
    Held<Relay> parent;
    Held<Node> a, b;
    parent->AddHandler(a.handler());
    parent->AddHandler(b.handler());
    EXPECT_EQ(a->Target(), parent.handler()) << "a sub-handler sends to its parent's target";

    EXPECT_EQ(Send(*a.p, kMessageNotToSender), S_OK);
    EXPECT_TRUE(a->handled.empty());
    EXPECT_EQ(b->handled, std::vector<DWORD>{kMessage});

    EXPECT_EQ(Send(*a.p, 0), S_OK);
    EXPECT_EQ(a->handled, std::vector<DWORD>{kMessage}) << "without the flag the first sub-handler takes it";
    EXPECT_EQ(b->handled.size(), 1u);
}

TEST_F(Messaging, AHandlerThatFailsLetsTheMessageGoOnToItsSubHandlers) {
    Held<Node> parent, child;
    parent->result = E_FAIL;
    parent->AddHandler(child.handler());
    EXPECT_EQ(Send(*parent.p, 0), S_OK);
    EXPECT_EQ(parent->handled.size(), 1u);
    EXPECT_EQ(child->handled.size(), 1u);
    child->result = S_FALSE;
    EXPECT_EQ(Send(*parent.p, 0), S_FALSE) << "consumed only by a result of 0";
}

TEST_F(Messaging, SubHandlersSendToTheirParentsTargetUntilRemoved) {
    Held<Relay> parent, other;
    Held<Node> child;
    parent->AddHandler(child.handler());
    EXPECT_EQ(child->Parent(), parent.handler());
    EXPECT_FALSE(child->HoldsTarget()) << "the parent itself is not held";

    EXPECT_EQ(other->RemoveHandler(child.handler()), E_FAIL);
    EXPECT_EQ(child->Parent(), parent.handler()) << "a failed removal leaves the handler where it is";
    EXPECT_EQ(other->RemoveHandler(nullptr), S_FALSE);

    EXPECT_EQ(parent->RemoveHandler(child.handler()), S_OK);
    EXPECT_EQ(child->Parent(), nullptr);
    EXPECT_EQ(child->Target(), child.handler());
    EXPECT_EQ(parent->HandlerCount(), 0u);
}

TEST_F(Messaging, ValuesReachTheHandlerAsTheirTypes) {
    Held<Node> node;
    const Ovo::MsgData2<std::int32_t, double> record{kValues, 0, kParamLong | (kParamDouble << 4), -3, 2.5};
    EXPECT_EQ(SendDocMessage(record, *node.p, node->Target(), 0), S_OK);
    EXPECT_EQ(node->values, "-3 2.500000");
    ASSERT_EQ(Zar().Messages().Created().size(), 1u);
    EXPECT_EQ(Zar().Messages().Created()[0].data.size(), 16u) << "the block from its type code word on";
}

TEST_F(Messaging, NoMessageServiceAFailedMessageOrADisabledSenderFail) {
    Held<Node> node;
    Zar().Classes().RemoveService(kHostMessageServiceKind);
    EXPECT_EQ(Send(*node.p, 0), E_FAIL);
    Zar().Classes().AddService(kHostMessageServiceKind, static_cast<IHostMessageService*>(&Zar().Messages()));
    Zar().Messages().SetFailCreation(true);
    EXPECT_EQ(Send(*node.p, 0), E_FAIL);
    Zar().Messages().SetFailCreation(false);
    node->enabled = false;
    EXPECT_EQ(Send(*node.p, 0), E_FAIL);
    EXPECT_TRUE(node->handled.empty());
    node->enabled = true;
    EXPECT_EQ(Send(*node.p, 0), S_OK);
}

// A plain object that answers the host through a proxy.
class Window : public ZARCppEventHandler {
public:
    ZAR_COMMAND_TABLE(Window, ZAREventHandlerBase)
    void Command() { ++commands; }
    HRESULT Message() {
        ++messages;
        return S_OK;
    }
    int commands = 0;
    int messages = 0;
};

ZARCommandTable& Window::CommandTable() {
    using Rows = TableRows<Window>;
    static ZARCommandTable table{Rows::Command<&Window::Command>(FixedId<kCommand>),
                                 Rows::Message<&Window::Message>(FixedId<kMessage>)};
    return table;
}

TEST_F(Messaging, AProxyPassesEventsToItsOwnerAndOutlivesIt) {
    auto* window = new Window;
    ZARProxyEventHandlerBase* proxy = window->Proxy();
    proxy->ObserverPart()->AddRef();
    EXPECT_EQ(proxy->OnCommand(kCommand), S_OK);
    EXPECT_EQ(proxy->OnCommand(0x80AA0999), S_FALSE);
    EXPECT_EQ(window->commands, 1);

    EXPECT_EQ(Send(*window, 0), S_OK) << "the window sends to its proxy";
    EXPECT_EQ(window->messages, 1);
    EXPECT_EQ(Send(*window, kMessageNotToSender), S_FALSE) << "not to the proxy whose owner sent it";
    EXPECT_EQ(window->messages, 1);

    delete window;
    EXPECT_EQ(proxy->Owner(), nullptr);
    EXPECT_EQ(proxy->OnCommand(kCommand), 0);
    EXPECT_EQ(proxy->Register(&Zar().Subjects()), 1);
    IObserver* observer = proxy->ObserverPart();
    observer->Release();
    EXPECT_EQ(Zar().Subjects().DroppedObserverCount(observer), 1) << "the proxy left the subject service";
}

} // namespace
