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
inline constexpr HRESULT DISP_E_OVERFLOW = MakeHResult(0x8002000Au);

// Locale of VariantChangeTypeEx: English (United States), whose decimal point
// is "." and thousands separator ","; LOCALE_USER_DEFAULT takes the user
// locale's separators (platform/win32/locale.h).
inline constexpr LCID kLocaleEnglishUS = 1033;

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

using VARIANTARG = VARIANT;
using DISPID = LONG;

// The arguments of an automation call. Positional arguments are stored last
// first: rgvarg[cArgs - 1] is the first argument. The first cNamedArgs of
// rgvarg are named, their names' ids in rgdispidNamedArgs.
struct DISPPARAMS {
    VARIANTARG* rgvarg;
    DISPID* rgdispidNamedArgs;
    UINT cArgs;
    UINT cNamedArgs;
};

// Sets the variant to VT_EMPTY without looking at what it held.
void VariantInit(VARIANT* v);
// Frees what the variant owns (the BSTR of VT_BSTR) and sets it to VT_EMPTY.
// DISP_E_BADVARTYPE, leaving the variant unchanged, for an unsupported type.
HRESULT VariantClear(VARIANT* v);
// Clears dest, then copies source into it (a BSTR is duplicated). dest may be
// source. DISP_E_BADVARTYPE for an unsupported type, E_OUTOFMEMORY when the
// copy of a text fails (dest is VT_EMPTY then).
HRESULT VariantCopy(VARIANT* dest, const VARIANT* source);
// Converts source to type vt into dest (which may be source; dest is cleared
// first on success and left alone on failure). Texts are read and written with
// the locale's decimal point and thousands separator (lcid 1033 or
// LOCALE_USER_DEFAULT; others give E_INVALIDARG). flags must be 0.
//   - text to number: blanks around, a sign, digits with thousands separators,
//     a decimal point and an exponent; anything else DISP_E_TYPEMISMATCH.
//     Text to bool: "True" or "False" (any case) or a number, true when not 0.
//   - number to text: integers in decimal, doubles with up to 15 significant
//     digits ("0.1", "1E+20"), a bool as "-1" or "0".
//   - double to integer: rounded half to even; a value (or text) outside the
//     target's range gives DISP_E_OVERFLOW, as does a negative value to
//     VT_UI4. A bool is -1 or 0 as a number (0xFFFFFFFF as VT_UI4).
//   - VT_EMPTY gives 0, "" or false; to VT_EMPTY clears.
HRESULT VariantChangeTypeEx(VARIANT* dest, const VARIANT* source, LCID lcid, USHORT flags, VARTYPE vt);
