#pragma once
// The class object of an event type's drawing class: the host's class
// registry knows it as a class object, the host's traces ask it for colours
// and labels, which the policy gives. Both drawing classes share the name
// "RiDudaEventDrawClass" and differ in the type id's low word.

#include "analysis/EventDrawClasses.h"
#include "core/CComObjectRoot.h"
#include "module/MessageIds.h"
#include "platform/vantrel/ICAFClassObject.h"
#include "platform/vantrel/IPODEventDrawClass.h"

namespace StrevClient {

template <class Policy>
class TEventDrawClass : public IPODEventDrawClass,
                        public ICAFClassObject,
                        public Ovo::CComObjectRoot,
                        public Policy {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Ovo::QueryInterfaceMap({{IID_IPODEventDrawClass, static_cast<IPODEventDrawClass*>(this)},
                                       {IID_ICAFClassObject, static_cast<ICAFClassObject*>(this)}},
                                      iid, out);
    }
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT GetColour(const void* event, COLORREF* colour) override { return Policy::Colour(event, colour); }
    HRESULT GetLabel(IUnknown* dataObject, LONG record, LONG tick, const void* event,
                     IAutoOvoString** text) override {
        return Policy::Label(dataObject, record, tick, event, text);
    }

    // The host's number of the drawing classes' space in the high word.
    HRESULT GetClassId(DWORD* id) override {
        if (id == nullptr)
            return E_POINTER;
        *id = (static_cast<DWORD>(Tarvik::MessageSpace(Tarvik::TarvikEventDrawGUID)) << 16) |
              Policy::kTypeNumber;
        return S_OK;
    }
    HRESULT GetTypeGuid(const GUID** type) override {
        if (type != nullptr)
            *type = nullptr;
        return S_OK;
    }
    HRESULT GetNameBSTR(BSTR* name) override {
        if (name == nullptr)
            return S_OK;
        SysFreeString(*name);
        *name = SysAllocString(u"RiDudaEventDrawClass");
        return S_OK;
    }
    HRESULT IsTypeGuid(const GUID*) override { return S_FALSE; }
};

} // namespace StrevClient
