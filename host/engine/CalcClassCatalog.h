#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/ICalcService.h"
#include "platform/win32/com_ptr.h"

#include <string>
#include <string_view>
#include <vector>

namespace Vantrel {

/// The calculation classes the engine knows, looked up by the names formulas use (ICalcService).
/// A class is found by its class name or by its first output name ("TarvikParamSelector" finds
/// "Tarvik Parameter Selector"), without regard to case; the end marker "ALEND" that a class
/// without output names answers is not a name. The first class added under a name wins.
///
/// This is the seam between the engine and wherever class objects come from: the module's
/// registration list, or the host's class registry once it forwards calculation classes.
class CalcClassCatalog : public ComObject<ICalcService> {
public:
    /// Adds a class object that answers ICalcEnumClass2; false (and nothing added) otherwise.
    bool add(IUnknown* classObject);
    /// The class of that name, or empty.
    ComPtr<ICalcEnumClass2> find(std::u16string_view name) const;

    HRESULT FindCalcClass(IAutoOvoString* name, ICalcEnumClass2** out) override;

    /// Counts a calculation of the class started on a record (the engine tells it of each).
    void started(const ICalcEnumClass2* calcClass);
    /// On how many records calculations of the class of that name were started, by the formulas of
    /// every engine the catalog serves: each computes the record's events once.
    std::int64_t runs(std::u16string_view name) const;

private:
    void* find(REFIID iid) override;

    struct Entry {
        std::u16string name;       // lower case
        std::u16string outputName; // lower case; empty when the class has none
        ComPtr<ICalcEnumClass2> calcClass;
        std::int64_t runs = 0;
    };
    std::vector<Entry> mClasses;
};

} // namespace Vantrel
