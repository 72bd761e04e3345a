#pragma once
// A host calculation object: a formula that a channel's data come from. The
// module creates one through the class registry and gives it its texts.

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/win32/unknown.h"

inline constexpr IID IID_ICalcObject = MakeGuid("{7B3091F0-7395-11D2-81F7-00C0DFE13362}");
inline constexpr IID IID_ICalcObjectText = MakeGuid("{D78C7904-2F6F-4087-8543-8691558E2E22}");
// The class registry makes calculation objects for class id (the host's number of this space << 16)
// | kCalcObjectClassNumber.
inline constexpr GUID kCalcObjectClassGuid = MakeGuid("{C3397303-5AAD-11D3-AB07-00A0CC40B4CE}");
inline constexpr WORD kCalcObjectClassNumber = 1;

// The object's identity; what it computes is the engine's.
struct ICalcObject : IUnknown {
protected:
    ~ICalcObject() = default;
};

struct ICalcObjectText : IUnknown {
    // name: the calculation's name; formula: its formula text; flags: 0.
    virtual HRESULT SetTexts(IAutoOvoString* name, IAutoOvoString* formula, WORD flags) = 0; // slot 3

protected:
    ~ICalcObjectText() = default;
};
