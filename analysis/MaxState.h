#pragma once
// What "PVMaxDet" carries between steps: where to resume.

#include "analysis/EEH3StateBase.h"

namespace Tarvik {

class MaxState : public EEH3::State<MaxState> {
public:
    explicit MaxState(std::int32_t resume) : resumeTick(resume) {}
    std::int32_t ResumeTick() const override { return finished ? INT32_MAX : resumeTick; }

    std::int32_t resumeTick;
};

} // namespace Tarvik
