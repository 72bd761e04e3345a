#pragma once
// The static description of a calculation class: its descriptor (name,
// description, class GUID) and its parameter table (rows in formula order,
// sources first, and its output names).

#include <atomic>

#include "platform/vantrel/CalcClassObject.h"
#include "platform/win32/guid.h"

namespace CalcEnums {

struct CalcEnumDescriptor {
    const wchar_t* name;
    const wchar_t* description;
    DWORD outputKind; // 0 for the module's classes
    const GUID* classGuid;
    DWORD subId; // or-ed into the class id
    // 0 until first asked; then the host's 16-bit number of the class GUID << 16 | subId.
    mutable std::atomic<DWORD> cachedClassId{0};
};

using ParamRow = CalcClass::ParamRow<const wchar_t*>;
// The parameter table and outputs of a class; its name and description come from the descriptor.
using ParamTable = CalcClass::Description<const wchar_t*, ParamRow>;

// How the module learns the host's 16-bit number of a GUID. The module's host binding sets it at
// start-up; until then class ids cannot be computed (GetClassId fails and caches nothing).
using GuidNumberSource = bool (*)(REFGUID guid, WORD& number);
void SetGuidNumberSource(GuidNumberSource source);
// The id of the module's event-drawing class of that number; 0 while the host's numbers are unknown.
DWORD EventDrawClassId(WORD number);

} // namespace CalcEnums
