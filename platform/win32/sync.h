#pragma once
// Critical sections and interlocked operations.
//
// A critical section is recursive: the thread that holds it may enter it again
// and must leave it as often. It must be initialised before use and deleted
// after; it is neither copied nor moved.

#include <atomic>
#include <mutex>
#include <optional>

#include "platform/win32/types.h"

struct CRITICAL_SECTION {
    std::optional<std::recursive_mutex> lock;
};

inline void InitializeCriticalSection(CRITICAL_SECTION* cs) {
    cs->lock.emplace();
}
inline void DeleteCriticalSection(CRITICAL_SECTION* cs) {
    cs->lock.reset();
}
inline void EnterCriticalSection(CRITICAL_SECTION* cs) {
    cs->lock->lock();
}
inline void LeaveCriticalSection(CRITICAL_SECTION* cs) {
    cs->lock->unlock();
}
inline BOOL TryEnterCriticalSection(CRITICAL_SECTION* cs) {
    return cs->lock->try_lock() ? TRUE : FALSE;
}

// Each returns the value after the change (Exchange: the value before).
inline LONG InterlockedIncrement(LONG* target) {
    return std::atomic_ref<LONG>(*target).fetch_add(1) + 1;
}
inline LONG InterlockedDecrement(LONG* target) {
    return std::atomic_ref<LONG>(*target).fetch_sub(1) - 1;
}
inline LONG InterlockedExchange(LONG* target, LONG value) {
    return std::atomic_ref<LONG>(*target).exchange(value);
}
