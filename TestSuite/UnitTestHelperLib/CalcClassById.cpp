#include "TestSuite/UnitTestHelperLib/CalcClassById.h"

#include "module/HostServices.h"

namespace ExtLib {

bool CalcClassById::Select(DWORD classId) {
    mClass.Reset();
    mName = Ovo::String();
    if (IClassRegistry* registry = Tarvik::GetClassRegistry())
        registry->GetService(classId, IID_ICalcEnumClass2, mClass.PutVoid());
    if (mClass)
        mClass->GetName(Ovo::OvoStringOutParam(mName));
    return bool(mClass);
}

HRESULT CalcClassById::QueryInterface(REFIID iid, void** out) {
    if (!out)
        return E_POINTER;
    *out = iid == IID_IUnknown || iid == IID_ICalcService ? static_cast<ICalcService*>(this) : nullptr;
    return *out ? S_OK : E_NOINTERFACE;
}

HRESULT CalcClassById::FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!mClass || !name || !Ovo::String(name).EqualsNoCase(mName))
        return S_FALSE;
    *out = ComPtr<ICalcEnumClass2>(mClass).Detach();
    return S_OK;
}

} // namespace ExtLib
