#pragma once
// A set of bits as it crosses between host and module: 32-bit words (bit n in
// word n / 32 at bit n % 32) and a fill word (0 or all ones) that every bit
// beyond the words equals. The module's own sets answer 1 from IsOwnRep.

#include "platform/win32/unknown.h"

inline constexpr IID IID_IOvoBitset = MakeGuid("{6C1F2A90-3B55-4E0D-9A41-52D8E6B1C903}"); // our own id

struct IOvoBitset : IUnknown {
    // 1 for the module's own representation, 0 for any other.
    virtual LONG IsOwnRep() = 0; // slot 3
    // Deletes a set no one references any more; E_FAIL while it is referenced.
    virtual HRESULT Destroy() = 0;    // slot 4
    virtual ULONG GetWordCount() = 0; // slot 5
    // Copies the first min(maxWords, word count) words; S_FALSE when words were left out.
    virtual HRESULT CopyWords(ULONG maxWords, DWORD* words, DWORD* fill) = 0; // slot 6
    // A new set with the same words and fill, one reference.
    virtual HRESULT Clone(IOvoBitset** copy) = 0; // slot 7

protected:
    ~IOvoBitset() = default;
};
