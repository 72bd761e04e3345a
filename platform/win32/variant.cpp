#include "platform/win32/variant.h"

void VariantInit(VARIANT* v) {
    v->vt = VT_EMPTY;
    v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
    v->dblVal = 0.0;
}

HRESULT VariantClear(VARIANT* v) {
    if (v == nullptr)
        return E_INVALIDARG;
    switch (v->vt) {
    case VT_BSTR:
        SysFreeString(v->bstrVal);
        break;
    case VT_EMPTY:
    case VT_I4:
    case VT_R8:
    case VT_BOOL:
    case VT_UI4:
        break;
    default:
        return DISP_E_BADVARTYPE;
    }
    VariantInit(v);
    return S_OK;
}
