#pragma once
// The window framework's exceptions.

#include <stdexcept>
#include <string>

namespace OWL {

class TXOwl : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A library that must be loaded was not found.
class TXInvalidModule : public TXOwl {
public:
    using TXOwl::TXOwl;
};

// A library has no entry of the name asked for.
class TXModuleProc : public TXOwl {
public:
    using TXOwl::TXOwl;
};

} // namespace OWL
