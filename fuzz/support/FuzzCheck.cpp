#include "fuzz/support/FuzzCheck.h"

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>
#include <utility>

namespace Fuzz {

namespace {

// The calling thread's CPU time in user mode: a quadratic path spends it, while the kernel's time
// (page faults, reclaiming memory when the machine is busy) would only add noise.
std::chrono::nanoseconds threadCpuTime() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return std::chrono::seconds(usage.ru_utime.tv_sec) + std::chrono::microseconds(usage.ru_utime.tv_usec);
}

} // namespace

void failed(const char* condition, const std::string& message, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property failed: %s\n  %s\n", file, line, condition, message.c_str());
    std::fflush(stderr);
    std::abort();
}

CpuBudget::CpuBudget(std::size_t bytes, std::chrono::microseconds base, std::chrono::nanoseconds perByte)
    : mStart(threadCpuTime()), mAllowed(base + perByte * static_cast<std::int64_t>(bytes)) {}

void CpuBudget::check(const char* what) const {
    // The first input of a process also pays for what is set up once (lazily loaded code, caches,
    // the sanitizers' first allocations): it is not held to the budget.
    static bool first = true;
    if (std::exchange(first, false))
        return;
    const auto spent = threadCpuTime() - mStart;
    if (spent > mAllowed)
        failed("spent <= allowed",
               std::string(what) + " took " + std::to_string(spent.count() / 1000) +
                   " us of CPU time in user mode, " + std::to_string(mAllowed.count() / 1000) + " us allowed",
               __FILE__, __LINE__);
}

} // namespace Fuzz
