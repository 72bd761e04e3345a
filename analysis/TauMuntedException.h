#pragma once

#include <stdexcept>

namespace ExtLib {

// The normal matrix of a tau fit step has no usable pivot (singular).
class TauMuntedException : public std::runtime_error {
public:
    TauMuntedException() : std::runtime_error("singular matrix in the tau fit") {}
};

} // namespace ExtLib
