#include "platform/win32/sync.h"

#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(CriticalSection, IsRecursiveAndExcludesOtherThreads) {
    CRITICAL_SECTION cs;
    InitializeCriticalSection(&cs);
    EnterCriticalSection(&cs);
    EnterCriticalSection(&cs); // the holder re-enters
    BOOL other = TRUE;
    std::thread([&] { other = TryEnterCriticalSection(&cs); }).join();
    EXPECT_FALSE(other);
    LeaveCriticalSection(&cs);
    LeaveCriticalSection(&cs);
    std::thread([&] {
        other = TryEnterCriticalSection(&cs);
        if (other)
            LeaveCriticalSection(&cs);
    }).join();
    EXPECT_TRUE(other);
    DeleteCriticalSection(&cs);
}

TEST(Interlocked, ReturnsTheNewValueAndCountsAcrossThreads) {
    LONG n = 0;
    EXPECT_EQ(InterlockedIncrement(&n), 1);
    EXPECT_EQ(InterlockedDecrement(&n), 0);
    EXPECT_EQ(InterlockedExchange(&n, 7), 0);
    EXPECT_EQ(n, 7);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 10000; ++i)
                InterlockedIncrement(&n);
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(n, 40007);
}

} // namespace
