#pragma once
// ICAFClassObject: the class-object interface through which the host's class
// registry knows every class the module registers (calculation classes,
// documents, views, event-drawing classes).

#include "platform/win32/bstr.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ICAFClassObject = MakeGuid("{2EC7CEA3-1D34-11D2-B333-008048C36FE8}");

struct ICAFClassObject : IUnknown {
    // The class's 32-bit id: the host's 16-bit number of the class GUID in the high word.
    virtual HRESULT GetClassId(DWORD* id) = 0; // slot 3
    // The GUID of the kind of class this is (for calculation classes kCalcEnumClassType); may be null.
    virtual HRESULT GetTypeGuid(const GUID** type) = 0; // slot 4
    // Frees the BSTR already in *name, then hands out the class name (null for an empty name).
    virtual HRESULT GetNameBSTR(BSTR* name) = 0; // slot 5
    // S_OK when type is (or points to a GUID equal to) the class's type GUID, else S_FALSE.
    virtual HRESULT IsTypeGuid(const GUID* type) = 0; // slot 6

protected:
    ~ICAFClassObject() = default;
};
