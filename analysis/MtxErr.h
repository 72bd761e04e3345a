#pragma once

#include <stdexcept>
#include <string>

namespace ExtLib {

// Failure of a dense-matrix routine. The message is the system's own text ("Singular").
class MtxErr : public std::runtime_error {
public:
    explicit MtxErr(const std::u16string& message)
        : std::runtime_error(std::string(message.begin(), message.end())), mMessage(message) {}

    const std::u16string& Message() const { return mMessage; }

private:
    std::u16string mMessage;
};

} // namespace ExtLib
