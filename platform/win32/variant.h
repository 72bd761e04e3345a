#pragma once
// Automation variants: a type tag and a value. Only the types the module
// exchanges are supported; VariantClear refuses any other.

#include "platform/win32/bstr.h"
#include "platform/win32/hresult.h"

using VARTYPE = std::uint16_t;

inline constexpr VARTYPE VT_EMPTY = 0;
inline constexpr VARTYPE VT_I4 = 3;
inline constexpr VARTYPE VT_R8 = 5;
inline constexpr VARTYPE VT_BSTR = 8;
inline constexpr VARTYPE VT_BOOL = 11;
inline constexpr VARTYPE VT_UI4 = 19;

inline constexpr HRESULT DISP_E_BADVARTYPE = MakeHResult(0x80020008u);

struct VARIANT {
    VARTYPE vt;
    WORD wReserved1;
    WORD wReserved2;
    WORD wReserved3;
    union {
        LONG lVal;
        ULONG ulVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        BSTR bstrVal;
    };
};
static_assert(sizeof(VARIANT) == 16);

// Sets the variant to VT_EMPTY without looking at what it held.
void VariantInit(VARIANT* v);
// Frees what the variant owns (the BSTR of VT_BSTR) and sets it to VT_EMPTY.
// DISP_E_BADVARTYPE, leaving the variant unchanged, for an unsupported type.
HRESULT VariantClear(VARIANT* v);
