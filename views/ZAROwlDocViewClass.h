#pragma once
// The view class object of a module window class V: its type id is number N
// of the module's id space, its class name string NameId of the string table
// (V::GetTitle), and it makes ZAROwlDocView<V> views. Every module view
// accepts the host's documents and the module's own.

#include "module/MessageIds.h"
#include "views/IterEnum.h"
#include "views/ZAROwlDocView.h"

namespace Tarvik {

// The document interfaces every module view accepts.
inline constexpr GUID kHostDocumentInterface = MakeGuid("{CD8A64F4-48D2-11D1-8D03-00C0D1570D74}");
inline constexpr GUID kModuleDocumentInterface = MakeGuid("{89DC80D5-4B0B-474D-8F91-DFCFCC0FA54B}");
inline constexpr const GUID* kViewDocumentInterfaces[] = {&kHostDocumentInterface, &kModuleDocumentInterface};

template <class V, WORD N> class ZAROwlDocViewClass : public OwlDocViewClassBase {
public:
    ZAROwlDocViewClass(const char16_t* menuName, OWL::TModule* module)
        : OwlDocViewClassBase(V::GetTitle(), &kTarvikViewDocumentType, 1, Ovo::String(menuName), module) {}

    HRESULT GetClassId(DWORD* id) override {
        if (id == nullptr)
            return E_POINTER;
        *id = DocMsgId<N>();
        return S_OK;
    }
    HRESULT CreateView(ULONG_PTR, IUnknown* hostObject, IDocView2** view) override {
        if (view == nullptr)
            return E_POINTER;
        auto* created = new ZAROwlDocView<V>(Module(), hostObject, this);
        return created->QueryInterface(IID_IDocView2, reinterpret_cast<void**>(view));
    }
    HRESULT EnumInterfaces(IEnumInterface** out) override {
        if (out == nullptr)
            return E_POINTER;
        auto* e = new OvoCOM::IterEnum(nullptr, std::begin(kViewDocumentInterfaces),
                                       std::end(kViewDocumentInterfaces));
        return e->QueryInterface(IID_IEnumInterface, reinterpret_cast<void**>(out));
    }
};

} // namespace Tarvik
