#include "module/ViewClassObjects.h"

#include "core/ResourceStrings.h"
#include "module/LibraryEntry.h"
#include "module/MessageIds.h"

namespace Tarvik {

namespace {

HRESULT PutName(const Ovo::String& text, BSTR* name) {
    if (name == nullptr)
        return S_OK;
    SysFreeString(*name);
    *name = text.AllocBSTR();
    return S_OK;
}

HRESULT PutId(const GUID& space, WORD number, DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    WORD spaceNumber = MessageSpace(space);
    *id = spaceNumber == 0 ? 0 : MakeMessageId(spaceNumber, number);
    return S_OK;
}

} // namespace

const ViewClassSpec (&ViewClassSpecs())[9] {
    static const ViewClassSpec specs[9] = {
        {2, u"Tarvik Hemodynamics TableView", 109},
        {4, u"Loop View", 106},
        {5, u"Tarvik PRSW GraphView", 107},
        {7, u"Tarvik dP/dt Max versus EDV GraphView", 135},
        {8, u"Tarvik Saline Calibration GraphView", 139},
        {9, u"Tarvik PVA EDV View", 1087},
        {10, u"Tarvik PVA ESP View", 1088},
        {11, u"Tarvik Cuvette Calibration View", 141},
        {12, u"Tarvik Workflow", 191},
    };
    return specs;
}

ViewClassObject::ViewClassObject(const ViewClassSpec& spec)
    : m_typeNumber(spec.typeNumber), m_menuName(spec.menuName) {
    Ovo::LoadResString(m_className, ModuleInstance(), spec.classNameId, false);
}

HRESULT ViewClassObject::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ICAFClassObject, static_cast<ICAFClassObject*>(this)}}, iid, out);
}

HRESULT ViewClassObject::GetClassId(DWORD* id) {
    return PutId(TarvikDocumentGUID, m_typeNumber, id);
}

HRESULT ViewClassObject::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = &kTarvikViewDocumentType;
    return S_OK;
}

HRESULT ViewClassObject::GetNameBSTR(BSTR* name) {
    return PutName(m_menuName.IsEmpty() ? m_className : m_menuName, name);
}

HRESULT ViewClassObject::IsTypeGuid(const GUID* type) {
    if (type == nullptr)
        return S_FALSE;
    return type == &kTarvikViewDocumentType || *type == kTarvikViewDocumentType ? S_OK : S_FALSE;
}

HRESULT EventDrawClassObject::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_ICAFClassObject, static_cast<ICAFClassObject*>(this)}}, iid, out);
}

HRESULT EventDrawClassObject::GetClassId(DWORD* id) {
    return PutId(TarvikEventDrawGUID, m_typeNumber, id);
}

HRESULT EventDrawClassObject::GetTypeGuid(const GUID** type) {
    if (type == nullptr)
        return E_POINTER;
    *type = nullptr;
    return S_OK;
}

HRESULT EventDrawClassObject::GetNameBSTR(BSTR* name) {
    return PutName(Ovo::String(u"RiDudaEventDrawClass"), name);
}

} // namespace Tarvik
