#pragma once
// A calculation class for the engine's tests, shaped like the module's classes: a class object
// with a parameter table, and enumerators driven through ICalcEnum and IEnumEventEx.
//
// Its enumerator reads its first source: event sources are passed on event by event, each value
// plus the first number of the arguments; sample sources give one event every `step` ticks (the
// first number, 100 when left out) with the sample there. It waits while the record grows and
// ends with the complete record. A class given fixed ticks takes no source and gives events at
// those ticks in the order listed, sorted or not. Every text SetArgs receives and every Start is
// logged.

#include "TestCalcClass.h"
#include "platform/win32/com_ptr.h"

#include <memory>
#include <string>
#include <vector>

namespace Vantrel::Testing {

struct FakeLog {
    std::vector<std::string> arguments; // every SetArgs text
    struct Start {
        LONG record;
        LONG sourceCount;
        double tickPeriod;
        DWORD flags;
    };
    std::vector<Start> starts;
    int clears = 0;
};

struct FakeClassDef {
    std::string name;
    std::string outputName; // empty: the class answers "ALEND"
    std::vector<FakeParam> params;
    LONG sourceCount = 1;
    bool leadingCount = true;
    bool refuseArgs = false;           // SetArgs fails
    bool refuseStart = false;          // Start fails
    bool neverAdvance = false;         // Next reports S_OK, no event, the same position forever
    std::vector<LONG> fixedTicks = {}; // with sourceCount 0: the events to give, value 1 each
};

class FakeCalcClass : public TestCalcClass {
public:
    explicit FakeCalcClass(FakeClassDef def);
    std::shared_ptr<FakeLog> log() const { return mLog; }

    HRESULT CreateEnumerator(IUnknown* host, ICalcEnum** out) override;

private:
    FakeClassDef mDef;
    std::shared_ptr<FakeLog> mLog = std::make_shared<FakeLog>();
};

inline ComPtr<FakeCalcClass> makeFake(FakeClassDef def) {
    return ComPtr<FakeCalcClass>::Adopt(new FakeCalcClass(std::move(def)));
}

} // namespace Vantrel::Testing
