#pragma once
// The failure of a self-test check, and the one-line text it carries. A check
// that fails throws UnitTestException; the test object's RunTest catches it and
// reports the text as the case's message.

#include "core/String.h"

#include <cstdint>
#include <exception>

namespace ExtLib {

class UnitTestException : public std::exception {
public:
    explicit UnitTestException(Ovo::String message) : mMessage(std::move(message)) {}

    /// The failure text; what() is the standard library's default and carries nothing.
    const Ovo::String& message() const { return mMessage; }

private:
    Ovo::String mMessage;
};

/// "<file>, Line <line>", then " [<expression>]" when the expression is not empty, then
/// ", [<message>]" when the message is not empty. Everything of file up to its last backslash is
/// dropped (".\TestDataAdder" gives "TestDataAdder"); a forward slash is kept. expression and file
/// are 8-bit texts in the ANSI code page.
Ovo::String FormatTestFailure(const char* expression, const char* file, std::int32_t line,
                              const Ovo::String& message);

/// Where a check sits: the source name and line its failure reports, and its expression text.
/// Each test source numbers its checks; the numbers are part of the failure texts the test runner
/// shows, so they stay fixed when the code moves.
struct CheckSite {
    const char* file;
    std::int32_t line;
    const char* expression;
};

/// Throws UnitTestException with the failure text of the site and message.
[[noreturn]] void Fail(const CheckSite& site, const Ovo::String& message = Ovo::String());

/// Fails at the site unless ok.
inline void Check(bool ok, const CheckSite& site, const Ovo::String& message = Ovo::String()) {
    if (!ok)
        Fail(site, message);
}

} // namespace ExtLib
