#pragma once
// The class objects of the module's nine views and two event-drawing classes,
// as far as the host's class registry knows them: their type ids, their names
// and their class GUIDs. What the views and the drawing classes do comes with
// their subsystems.

#include "core/CComObjectRoot.h"
#include "core/String.h"
#include "platform/vantrel/ICAFClassObject.h"

namespace Tarvik {

// The type of document every module view accepts.
inline constexpr GUID kTarvikViewDocumentType = MakeGuid("{D6F52E80-B34D-11D3-80C7-005004AD3C53}");
// The space of the event-drawing classes' type ids.
inline constexpr GUID TarvikEventDrawGUID = MakeGuid("{0D0E1186-D51E-4BDF-9E09-43D2B88CFC45}");

struct ViewClassSpec {
    WORD typeNumber;          // in the module's space
    const char16_t* menuName; // the view's menu name
    UINT classNameId;         // string resource of the class name
};

// The nine views, in the order they are registered.
const ViewClassSpec (&ViewClassSpecs())[9];

class ViewClassObject : public ICAFClassObject, public Ovo::CComObjectRoot {
public:
    // The class name is loaded from the module's string table.
    explicit ViewClassObject(const ViewClassSpec& spec);

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
    HRESULT GetClassId(DWORD* id) override;
    HRESULT GetTypeGuid(const GUID** type) override;
    // The menu name, or the class name when the menu name is empty.
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID* type) override;

    const Ovo::String& ClassName() const { return m_className; }

private:
    WORD m_typeNumber;
    Ovo::String m_menuName;
    Ovo::String m_className;
};

class EventDrawClassObject : public ICAFClassObject, public Ovo::CComObjectRoot {
public:
    // typeNumber 0: loop events; 1: end-diastolic points.
    explicit EventDrawClassObject(WORD typeNumber) : m_typeNumber(typeNumber) {}

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }
    HRESULT GetClassId(DWORD* id) override;
    // No class GUID.
    HRESULT GetTypeGuid(const GUID** type) override;
    // "RiDudaEventDrawClass", the same for both classes.
    HRESULT GetNameBSTR(BSTR* name) override;
    HRESULT IsTypeGuid(const GUID*) override { return S_FALSE; }

private:
    WORD m_typeNumber;
};

} // namespace Tarvik
