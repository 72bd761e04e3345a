#pragma once
// The calculation engine's class lookup: the calculation class a formula
// function names. Names match without regard to case; a class is found by its
// class name or by its output name ("TarvikParamSelector" finds the class
// "Tarvik Parameter Selector").

#include "platform/vantrel/IAutoOvoString.h"
#include "platform/vantrel/ICalcEnumClass2.h"

inline constexpr IID IID_ICalcService = MakeGuid("{34354B99-8E5E-4E43-89C5-FE7874BCFA0E}");

struct ICalcService : IUnknown {
    // S_FALSE and null when no class has that name.
    virtual HRESULT FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) = 0; // slot 3

protected:
    ~ICalcService() = default;
};
