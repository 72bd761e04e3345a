#pragma once
// A calculation service (ICalcService) of one class, the class the host's class
// registry hands out for a class id. Owned by its user: reference counting does
// nothing.

#include "core/String.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/win32/com_ptr.h"

namespace ExtLib {

class CalcClassById : public ICalcService {
public:
    CalcClassById() = default;
    CalcClassById(const CalcClassById&) = delete;
    CalcClassById& operator=(const CalcClassById&) = delete;
    virtual ~CalcClassById() = default;

    /// Takes the class of classId from the class registry; false when the host has none.
    bool Select(DWORD classId);
    /// The selected class's name; empty without one.
    const Ovo::String& SelectedName() const { return mName; }

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    /// The selected class when name is its name (without regard to case); S_FALSE and null otherwise.
    HRESULT FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) override;

private:
    ComPtr<ICalcEnumClass2> mClass;
    Ovo::String mName;
};

} // namespace ExtLib
