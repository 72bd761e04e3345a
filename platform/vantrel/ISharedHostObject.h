#pragma once
// A shared object of the host that tables and views reach through the class
// registry. Its operations come with its users.

#include "platform/win32/unknown.h"

inline constexpr IID IID_ISharedHostObject = MakeGuid("{9CDD1CAA-22E0-4468-9026-A92EE8B4844E}");

struct ISharedHostObject : IUnknown {
protected:
    ~ISharedHostObject() = default;
};
