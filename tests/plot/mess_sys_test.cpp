#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plot/MessSys.h"

namespace {

struct Ping : MessSys::Message {};
struct Other : MessSys::Message {};

// Records what it receives and runs an action on each Ping.
struct Receiver : MessSys::MessageReceiver {
    Receiver(std::string n, std::vector<std::string>& l) : name(std::move(n)), log(l) {}
    bool ReceiveMessage(const MessSys::Message& m) override {
        if (dynamic_cast<const Ping*>(&m) == nullptr)
            return false;
        log.push_back(name);
        if (action)
            action();
        return true;
    }
    std::string name;
    std::vector<std::string>& log;
    std::function<void()> action;
};

TEST(MessageSender, DeliversToEveryReceiverInOrderAndKeepsDuplicates) {
    std::vector<std::string> log;
    MessSys::MessageSender sender;
    sender.Send(Ping{}); // no receivers
    Receiver a("a", log), b("b", log);
    sender.AddReceiver(&a);
    sender.AddReceiver(nullptr);
    sender.AddReceiver(&b);
    sender.AddReceiver(&a);
    sender.Send(Ping{});
    sender.Send(Other{});
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "a"})) << "a true answer does not stop delivery";

    log.clear();
    sender.RemoveReceiver(&a); // the first registration only
    Receiver unknown("u", log);
    sender.RemoveReceiver(&unknown);
    sender.Send(Ping{});
    EXPECT_EQ(log, (std::vector<std::string>{"b", "a"}));
}

TEST(MessageSender, AReceiverMayChangeTheListDuringASend) {
    std::vector<std::string> log;
    MessSys::MessageSender sender;
    Receiver a("a", log), b("b", log), c("c", log);
    sender.AddReceiver(&a);
    sender.AddReceiver(&b);
    a.action = [&] {
        sender.RemoveReceiver(&a);
        sender.RemoveReceiver(&b); // b is not called once removed
        sender.AddReceiver(&c);    // c hears from the next send on
    };
    sender.Send(Ping{});
    EXPECT_EQ(log, (std::vector<std::string>{"a"}));
    sender.Send(Ping{});
    EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
}

TEST(MessageSender, AReceiverMaySendOnTheSameSender) {
    std::vector<std::string> log;
    MessSys::MessageSender sender;
    Receiver a("a", log);
    int depth = 0;
    a.action = [&] {
        if (++depth < 3)
            sender.Send(Ping{});
    };
    sender.AddReceiver(&a);
    sender.Send(Ping{});
    EXPECT_EQ(log.size(), 3u);
}

} // namespace
