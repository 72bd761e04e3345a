#pragma once
// The string interface through which texts cross between the module and the host
// without copying. Both sides implement it; a side reads the other's strings
// only through this interface.

#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"
#include "platform/win32/variant.h"

inline constexpr IID IID_IAutoOvoString = MakeGuid("{2D3B7EC5-BF24-11CF-97E6-00C0DF492697}");

// GetKind of the module's strings; other kinds are only read through the
// interface.
inline constexpr LONG kOvoStringRepKind = 9;
// Encoding reported by GetInfo for UTF-16 text; any other code means 8-bit text
// in the ANSI code page.
inline constexpr LONG kOvoStringUtf16 = 2;

struct IAutoOvoString : IUnknown {
    // E_FAIL when shared or when the text does not fit the capacity; null empties.
    virtual HRESULT SetFromBSTR(BSTR text) = 0; // slot 3
    // Frees a BSTR already in *out; the empty text gives null.
    virtual HRESULT GetBSTR(BSTR* out) = 0;                                // slot 4
    virtual HRESULT IsEmpty(VARIANT_BOOL* out) = 0;                        // slot 5
    virtual HRESULT GetLength(ULONG* out) = 0;                             // slot 6
    virtual HRESULT IsEqual(IAutoOvoString* other, VARIANT_BOOL* out) = 0; // slot 7
    virtual HRESULT IsShared(VARIANT_BOOL* out) = 0;                       // slot 8
    virtual LONG GetKind() = 0;                                            // slot 9
    // Copies the text and its terminator; E_FAIL when bufferBytes is too small.
    virtual HRESULT CopyChars(ULONG bufferBytes, void* buffer) = 0;          // slot 10
    virtual HRESULT GetInfo(ULONG* length, LONG* encoding) = 0;              // slot 11
    virtual HRESULT GetCapacity(ULONG* out) = 0;                             // slot 12
    virtual HRESULT CreateEmpty(ULONG characters, IAutoOvoString** out) = 0; // slot 13
    virtual HRESULT GetVariant(VARIANT* out) = 0;                            // slot 14

protected:
    ~IAutoOvoString() = default;
};
