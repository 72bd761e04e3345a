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

void withinBudget(const char* what, std::size_t bytes, std::chrono::microseconds base,
                  std::chrono::nanoseconds perByte, const std::function<void()>& work) {
    static bool first = true;
    const auto allowed = base + perByte * static_cast<std::int64_t>(bytes);
    auto start = threadCpuTime();
    work();
    auto spent = threadCpuTime() - start;
    if (std::exchange(first, false) || spent <= allowed)
        return;
    start = threadCpuTime();
    work();
    spent = threadCpuTime() - start;
    if (spent > allowed)
        failed("spent <= allowed",
               std::string(what) + " took " + std::to_string(spent.count() / 1000) +
                   " us of CPU time in user mode twice, " + std::to_string(allowed.count() / 1000) +
                   " us allowed",
               __FILE__, __LINE__);
}

} // namespace Fuzz
