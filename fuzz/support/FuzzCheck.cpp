#include "fuzz/support/FuzzCheck.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace Fuzz {

namespace {

std::chrono::nanoseconds threadCpuTime() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
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
    const auto spent = threadCpuTime() - mStart;
    if (spent > mAllowed)
        failed("spent <= allowed",
               std::string(what) + " took " + std::to_string(spent.count() / 1000) + " us of CPU time, " +
                   std::to_string(mAllowed.count() / 1000) + " us allowed",
               __FILE__, __LINE__);
}

} // namespace Fuzz
