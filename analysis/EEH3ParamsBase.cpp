#include "analysis/EEH3ParamsBase.h"

#include <cmath>
#include <istream>
#include <ostream>

namespace EEH3 {

bool ReadNumber(std::wistream& in, double& value) {
    double read = 0.0;
    if (!(in >> read))
        return false;
    value = read;
    return true;
}

bool ParamsBase::AddSource(std::unique_ptr<eeh_SourceEnum> source) {
    if (!source)
        return false;
    sources.push_back(std::move(source));
    return true;
}

ParamsBase::ParamsBase() {
    ResetLimits();
}

ParamsBase::ParamsBase(const ParamsBase& other)
    : limitStart(other.limitStart), limitEnd(other.limitEnd), leadingInteger(other.leadingInteger),
      tickPeriod(other.tickPeriod), currentRecord(other.currentRecord) {}

ParamsBase::~ParamsBase() = default;

void ParamsBase::ResetLimits() {
    limitStart = {-1, -1};
    limitEnd = {-1, -1};
    NormaliseLimits();
}

void ParamsBase::NormaliseLimits() {
    if (limitStart.record < 0)
        limitStart.record = 0;
    if (limitStart.tick < 0)
        limitStart.tick = 0;
    if (limitEnd.record < 0)
        limitEnd.record = INT32_MAX;
    if (limitEnd.tick < 0)
        limitEnd.tick = INT32_MAX;
}

// Order of the text: LimitStart Record, LimitStart Tick, LimitEnd Record, LimitEnd Tick. A number
// the text does not give takes its default (0, 0, INT32_MAX, INT32_MAX).
void ParamsBase::ReadLimits(std::wistream& in) {
    double values[4] = {0.0, 0.0, 2147483647.0, 2147483647.0};
    for (double& v : values)
        ReadNumber(in, v);
    limitStart = {SaturateToInt32(values[1]), SaturateToInt32(values[0])};
    limitEnd = {SaturateToInt32(values[3]), SaturateToInt32(values[2])};
    NormaliseLimits();
}

void ParamsBase::WriteLimits(std::wostream& out) const {
    out << limitStart.record << L' ' << limitStart.tick << L' ' << limitEnd.record << L' ' << limitEnd.tick;
}

void ParamsBase::ReadArgs(std::wistream& in) {
    ReadLimits(in);
}

void ParamsBase::WriteArgs(std::wostream& out) const {
    WriteLimits(out);
}

std::int32_t ParamsBase::LowerBound(std::int32_t record) const {
    return record == limitStart.record ? limitStart.tick : 0;
}

std::int32_t ParamsBase::UpperBound(std::int32_t record) const {
    if (record < limitStart.record || record > limitEnd.record)
        return 0;
    return record == limitEnd.record ? limitEnd.tick : INT32_MAX;
}

bool ParamsBase::IsInsideLimits(std::int32_t tick) const {
    return tick >= LowerBound(currentRecord) && tick < UpperBound(currentRecord);
}

} // namespace EEH3
