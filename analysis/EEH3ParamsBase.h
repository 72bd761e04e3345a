#pragma once
// The parameters of a detector: its processing range, the numbers of its
// argument text and its sources in the record it runs on.
//
// The processing range runs from (LimitStart Record, LimitStart Tick) up to,
// not including, (LimitEnd Record, LimitEnd Tick). A limit of -1 in the
// argument text means "not set": the start becomes record 0, tick 0 and the end
// record INT32_MAX, tick INT32_MAX.

#include <iosfwd>
#include <memory>
#include <vector>

#include "analysis/EEH3SourceEnum.h"
#include "analysis/Saturate.h"
#include "core/InterfaceArray.h"
#include "platform/vantrel/IUnitService.h"

namespace EEH3 {

struct TickLimit {
    std::int32_t tick = -1;
    std::int32_t record = -1;
};

class ParamsBase {
public:
    ParamsBase();
    // Copies the limits, the leading integer and the tick period; the copy has no sources.
    ParamsBase(const ParamsBase& other);
    ParamsBase& operator=(const ParamsBase&) = delete;
    virtual ~ParamsBase();

    // Reads the detector's numbers after the leading integer (default: the four limits).
    virtual void ReadArgs(std::wistream& in);
    // Writes them blank-separated, so that ReadArgs reads them back.
    virtual void WriteArgs(std::wostream& out) const;
    // Builds the sources from the host's source arguments; false when they do not fit the detector.
    virtual bool BuildSources(IUnknown* const* sources, std::int32_t count) = 0;
    // Appends source; false (nothing appended) for null, so BuildSources can chain the sources it needs.
    bool AddSource(std::unique_ptr<eeh_SourceEnum> source);

    // Limits back to "not set", then normalised.
    void ResetLimits();
    // A negative start becomes 0, a negative end INT32_MAX.
    void NormaliseLimits();
    // Range of ticks of record in which events may lie: [LowerBound, UpperBound).
    std::int32_t LowerBound(std::int32_t record) const;
    std::int32_t UpperBound(std::int32_t record) const;
    // Whether tick of the current record lies in the processing range.
    bool IsInsideLimits(std::int32_t tick) const;

    TickLimit limitStart;
    TickLimit limitEnd;
    std::int32_t leadingInteger = 0;
    double tickPeriod = 0.0; // seconds per tick
    std::int32_t currentRecord = 0;
    std::vector<std::unique_ptr<eeh_SourceEnum>> sources;
    InterfaceArray<IUnitName> units;

protected:
    void ReadLimits(std::wistream& in);
    void WriteLimits(std::wostream& out) const;
};

// Reads a double; on failure value keeps what it held.
bool ReadNumber(std::wistream& in, double& value);

} // namespace EEH3
