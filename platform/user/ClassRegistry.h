#pragma once
// The window classes of the process, found by name (case-insensitive, as the
// platform compares class names) or by atom.

#include <memory>
#include <string>
#include <vector>

#include "platform/user/WindowClass.h"

namespace user {

class ClassRegistry {
public:
    // Registers a copy of the description; 0 when the name is missing or already taken.
    ATOM Register(const WNDCLASSW& description);
    bool Unregister(LPCWSTR nameOrAtom);
    // Accepts a class name or an atom passed in the name's place (a value below 0x10000).
    WindowClass* Find(LPCWSTR nameOrAtom);

private:
    std::vector<std::unique_ptr<WindowClass>> mClasses;
    ATOM mNextAtom = 0xC000;
};

// A value in the place of a name that is an atom or integer id rather than text.
bool IsAtomName(LPCWSTR name);

} // namespace user
