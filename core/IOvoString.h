#pragma once
// The module's own string interface: the host-visible string operations plus
// direct access to the representation.

#include "platform/vantrel/IAutoOvoString.h"

namespace Ovo {

inline constexpr IID IID_IOvoString = MakeGuid("{3904AA0E-3E8D-11D1-997F-00C0DF492697}");

struct IOvoString : IAutoOvoString {
    virtual ULONG Length() = 0;      // slot 15: number of characters
    virtual void Destroy() = 0;      // slot 16: deletes the representation
    virtual LONG Reserved() = 0;     // slot 17: returns 0
    virtual WCHAR* Chars() = 0;      // slot 18: the first character
    virtual ~IOvoString() = default; // slot 19
};

} // namespace Ovo
