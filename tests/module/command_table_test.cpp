#include <vector>

#include "core/CComObjectRoot.h"
#include "host/framework/CommandService.h"
#include "module/ZAREventHandlerT.h"
#include "platform/win32/com_ptr.h"
#include "tests/support/ModuleHost.h"

namespace {

using namespace Tarvik;
using TarvikTest::ModuleHost;

int gAccessorCalls = 0;
TarvikMessageId CountedObserverId() {
    ++gAccessorCalls;
    return 0x80AA0300;
}

// A handler with a table of every kind of row.
class Handler : public ZAREventHandlerT, public Ovo::CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Ovo::QueryInterfaceMap({{IID_IMessageHandler, Self()},
                                       {IID_ICAFCommandHandler, CommandPart()},
                                       {IID_IObserver, ObserverPart()}},
                                      iid, out);
    }
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
    ZAR_COMMAND_TABLE(Handler, ZAREventHandlerBase)

    void Command() { calls.push_back("command"); }
    void OtherCommand() { calls.push_back("other command"); }
    void RangeCommand() { calls.push_back("range"); }
    void Enabler(ICommandState& state) {
        calls.push_back("enabler");
        state.SetEnabled(VARIANT_FALSE);
    }
    void Words(std::uint32_t a, std::uint32_t b, std::uint32_t c) { words = {a, b, c}; }
    HRESULT Message() { return messageResult; }
    HRESULT MessageLongDouble(std::int32_t n, double x) {
        longValue = n;
        doubleValue = x;
        return S_OK;
    }
    HRESULT Event1(ULONG_PTR word) { return static_cast<HRESULT>(word); }
    HRESULT Event2(ULONG_PTR a, ULONG_PTR b) { return static_cast<HRESULT>(a + b); }

    std::vector<std::string> calls;
    std::vector<std::uint32_t> words;
    HRESULT messageResult = S_OK;
    std::int32_t longValue = 0;
    double doubleValue = 0;
};

ZARCommandTable& Handler::CommandTable() {
    using Rows = TableRows<Handler>;
    static ZARCommandTable table{
        Rows::Command<&Handler::Command>(FixedId<0x80AA0101>),
        Rows::Enabler<&Handler::Enabler>(FixedId<0x80AA0101>),
        Rows::Command<&Handler::OtherCommand>(FixedId<0x80AA0102>),
        Rows::Command<&Handler::RangeCommand>(FixedId<0x80AA0102>), // never reached: the earlier row wins
        Rows::CommandRange<&Handler::RangeCommand>(FixedId<0x80AA0200>, FixedId<0x80AA0210>),
        Rows::Observer<&Handler::Words>(CountedObserverId),
        Rows::Message<&Handler::Message>(FixedId<0x80AA0400>),
        Rows::Message<&Handler::MessageLongDouble>(FixedId<0x80AA0401>),
        Rows::CommandKind<&Handler::Event1>(FixedId<0x80AA0500>),
        Rows::CommandKind<&Handler::Event2>(FixedId<0x80AA0501>),
    };
    return table;
}

// A module object held for the length of a test.
template <class T> struct Held {
    T* p = new T;
    Held() { p->AddRef(); }
    ~Held() { p->Release(); }
    T* operator->() const { return p; }
};

ComPtr<Vantrel::CommandState> NewState() {
    return ComPtr<Vantrel::CommandState>::Adopt(new Vantrel::CommandState);
}

class CommandTables : public ModuleHost {};

TEST_F(CommandTables, TheFirstLookupResolvesEveryRowAndLaterOnesNone) {
    Held<Handler> handler;
    gAccessorCalls = 0;
    EXPECT_EQ(handler->OnCommand(0x80AA0101), S_OK);
    EXPECT_EQ(gAccessorCalls, 1) << "the notification row was resolved by a command lookup";
    handler->OnCommand(0x80AA0102);
    handler->Notify(nullptr, 0x80AA0300, 0, 0);
    EXPECT_EQ(gAccessorCalls, 1);
    EXPECT_TRUE(Handler::CommandTable().IsResolved());
}

TEST_F(CommandTables, CommandsMatchExactlyOrInAHalfOpenRangeAndTheEarlierRowWins) {
    Held<Handler> handler;
    struct Case {
        DWORD id;
        HRESULT result;
        const char* call;
    };
    for (const Case& c : {Case{0x80AA0101, S_OK, "command"}, Case{0x80AA0102, S_OK, "other command"},
                          Case{0x80AA0200, S_OK, "range"}, Case{0x80AA020F, S_OK, "range"},
                          Case{0x80AA0210, S_FALSE, nullptr}, Case{0x80AB0101, S_FALSE, nullptr}}) {
        handler->calls.clear();
        EXPECT_EQ(handler->OnCommand(c.id), c.result) << std::hex << c.id;
        EXPECT_EQ(handler->calls, c.call ? std::vector<std::string>{c.call} : std::vector<std::string>{})
            << std::hex << c.id;
    }
}

TEST_F(CommandTables, AnEnablerRowDecidesElseACommandRowEnables) {
    Held<Handler> handler;
    auto state = NewState();
    EXPECT_EQ(handler->OnCommandUpdate(0x80AA0101, state.Get()), S_OK);
    EXPECT_EQ(state->enabled, false) << "the enabler's own answer";
    auto defaulted = NewState();
    EXPECT_EQ(handler->OnCommandUpdate(0x80AA0102, defaulted.Get()), S_OK);
    EXPECT_EQ(defaulted->enabled, true) << "a command without enabler is enabled";
    auto unknown = NewState();
    EXPECT_EQ(handler->OnCommandUpdate(0x80AA0999, unknown.Get()), S_FALSE);
    EXPECT_FALSE(unknown->enabled.has_value());
}

TEST_F(CommandTables, CommandEventsAnswerTheirHandlersResult) {
    Held<Handler> handler;
    EXPECT_EQ(handler->OnCommandEvent(0x80AA0500, 6, 0x1234, 0), 0x1234);
    EXPECT_EQ(handler->OnCommandEvent(0x80AA0501, 7, 2, 3), 5);
    EXPECT_EQ(handler->OnCommandEvent(0x80AA0500, 7, 1, 1), S_FALSE) << "the kind must match too";
}

TEST_F(CommandTables, NotificationsUnpackTheirWords) {
    Held<Handler> handler;
    const std::uint32_t words[] = {7, 8, 9, 10};
    handler->Notify(nullptr, 0x80AA0300, 0, reinterpret_cast<ULONG_PTR>(words));
    EXPECT_EQ(handler->words, (std::vector<std::uint32_t>{7, 8, 9}));
    handler->words.clear();
    handler->Notify(nullptr, 0x80AA0300, 0, 0);
    EXPECT_TRUE(handler->words.empty()) << "no words, no call";
}

TEST_F(CommandTables, TheHeaderIsNeverFoundButEveryRowIsWalked) {
    struct Count : TableEntryAction {
        std::vector<std::uint8_t> kinds;
        void Apply(const ZARCommandEntry& entry) override { kinds.push_back(entry.kind); }
    } count;
    Handler::CommandTable().Resolve(count);
    ASSERT_EQ(count.kinds.size(), 11u);
    EXPECT_EQ(count.kinds.front(), kHeaderRow);
    EXPECT_EQ(Handler::CommandTable().Find(CommandTrigger(0, kHeaderRow)), nullptr);
}

TEST_F(CommandTables, MessageRowsMatchTheWholeIdUnlessTheirMatchWordSaysOtherwise) {
    ZARCommandEntry row;
    row.kind = kMessageRow;
    row.id = 0x80AA0400;
    row.match = kMatchWholeId;
    EXPECT_TRUE(MsgEventTrigger(0x80AA0400, 0).Matches(row));
    EXPECT_FALSE(MsgEventTrigger(0x80AA0401, 0).Matches(row));
    row.match = 0;
    EXPECT_TRUE(MsgEventTrigger(0x80AA0777, 0).Matches(row)) << "any number of the space";
    EXPECT_FALSE(MsgEventTrigger(0x80AB0400, 0).Matches(row));
}

TEST_F(CommandTables, RegisteringAnObserverSubscribesItsNotificationRows) {
    Held<Handler> handler;
    handler->Register(&Zar().Subjects());
    EXPECT_TRUE(Zar().Subjects().IsRegistered(handler.p, 0x80AA0300));
    EXPECT_FALSE(Zar().Subjects().IsRegistered(handler.p, 0x80AA0101));
}

} // namespace
