// The framework as a library of its own ("Zar.dll"): a module that finds the
// framework missing from COM opens it and registers its class object. Each
// framework handed out belongs to those who hold it (COM, once registered), so
// revoking its registration ends it, and with it every module object it held.

#include "host/framework/Framework.h"

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid,
                                                                            void** out) {
    if (out == nullptr)
        return E_POINTER;
    *out = nullptr;
    if (clsid != CLSID_ZARFrameWork)
        return CLASS_E_CLASSNOTAVAILABLE;
    auto framework = ComPtr<Vantrel::Framework>::Adopt(new Vantrel::Framework);
    return framework->QueryInterface(iid, out);
}
