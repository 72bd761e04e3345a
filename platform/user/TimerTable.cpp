#include "platform/user/TimerTable.h"

#include <algorithm>

namespace user {

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, std::uint64_t now) {
    elapse = std::clamp(elapse, kMinimumElapse, kMaximumElapse);
    Timer* t = FindMutable(hwnd, id);
    if (t == nullptr) {
        if (hwnd == nullptr)
            id = FreeThreadId();
        mTimers.push_back(Timer{hwnd, id, 0, 0, nullptr, 0});
        t = &mTimers.back();
    }
    t->elapse = elapse;
    t->due = now + elapse;
    t->proc = proc;
    t->order = mOrder++;
    return t->id;
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) {
    return std::erase_if(mTimers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerTable::KillAll(HWND hwnd) {
    std::erase_if(mTimers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

const Timer* TimerTable::Find(HWND hwnd, UINT_PTR id) const {
    auto it = std::find_if(mTimers.begin(), mTimers.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    return it == mTimers.end() ? nullptr : &*it;
}

Timer* TimerTable::FindMutable(HWND hwnd, UINT_PTR id) {
    return const_cast<Timer*>(Find(hwnd, id));
}

void TimerTable::Consume(HWND hwnd, UINT_PTR id, std::uint64_t now) {
    Timer* t = FindMutable(hwnd, id);
    if (t == nullptr || t->due > now)
        return;
    t->due += static_cast<std::uint64_t>(t->elapse) * ((now - t->due) / t->elapse + 1);
}

std::optional<std::uint64_t> TimerTable::NextDue() const {
    std::optional<std::uint64_t> next;
    for (const Timer& t : mTimers) {
        if (!next || t.due < *next)
            next = t.due;
    }
    return next;
}

UINT_PTR TimerTable::FreeThreadId() const {
    UINT_PTR id = 1;
    while (Find(nullptr, id) != nullptr)
        ++id;
    return id;
}

} // namespace user
