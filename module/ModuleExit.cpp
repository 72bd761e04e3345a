#include "module/ModuleExit.h"

#include <mutex>
#include <vector>

namespace Tarvik {

namespace {

struct ExitList {
    std::mutex lock;
    std::vector<std::function<void()>> actions;
};

ExitList& List() {
    static ExitList list;
    return list;
}

} // namespace

void AtModuleExit(std::function<void()> action) {
    ExitList& list = List();
    std::lock_guard guard(list.lock);
    list.actions.push_back(std::move(action));
}

void RunModuleExitList() {
    for (;;) {
        std::function<void()> action;
        {
            ExitList& list = List();
            std::lock_guard guard(list.lock);
            if (list.actions.empty())
                return;
            action = std::move(list.actions.back());
            list.actions.pop_back();
        }
        action();
    }
}

} // namespace Tarvik
