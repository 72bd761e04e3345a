#pragma once
// The state of a detector that carries nothing between steps but where to
// resume ("PVMaxDet", "PvaCalc").

#include "analysis/EEH3StateBase.h"

namespace EEH3 {

class PlainState : public State<PlainState> {
public:
    explicit PlainState(std::int32_t resume) : resumeTick(resume) {}
    std::int32_t ResumeTick() const override { return finished ? INT32_MAX : resumeTick; }

    std::int32_t resumeTick;
};

} // namespace EEH3
