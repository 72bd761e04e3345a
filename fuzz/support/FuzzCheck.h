#pragma once
// What a harness asserts. A failed property prints what failed and aborts, which libFuzzer reports
// as a crash and keeps the input; the replay programs fail their test.

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

namespace Fuzz {

[[noreturn]] void failed(const char* condition, const std::string& message, const char* file, int line);

/// Runs work and fails the run when it takes more CPU time than base plus perByte for each of
/// bytes: a quadratic path in a reader exceeds that on long inputs. The time is the calling
/// thread's in user mode, so other processes on the machine and the kernel's work do not count.
/// The sanitizers' own housekeeping now and then takes tens or hundreds of milliseconds inside an
/// allocation, so an overrun is timed once more (work must give the same result when run again)
/// and fails only when that run overruns too; the first input of a process, which also pays for
/// what is set up once, is not held to the budget.
void withinBudget(const char* what, std::size_t bytes, std::chrono::microseconds base,
                  std::chrono::nanoseconds perByte, const std::function<void()>& work);

} // namespace Fuzz

#define FUZZ_CHECK(condition, message)                                                                       \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::Fuzz::failed(#condition, (message), __FILE__, __LINE__);                                       \
    } while (false)
