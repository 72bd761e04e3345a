#pragma once
// What the loop analyser carries between steps within a record: the cycle
// under work (its opening and closing end-diastolic points), its samples, and
// where the record scan resumes.

#include <vector>

#include "analysis/EEH3StateBase.h"
#include "analysis/TarvikEvent.h"

namespace Tarvik {

class DetEx_DetectorState : public EEH3::State<DetEx_DetectorState> {
public:
    explicit DetEx_DetectorState(std::int32_t resume) : resumeTick(resume) {}
    std::int32_t ResumeTick() const override { return finished ? INT32_MAX : resumeTick; }

    // Phases: 0 created, 1 a loop was emitted, 2 a cycle is open and its closing point and samples
    // are awaited, 3 its samples are buffered, 4 the end-diastolic points have ended, 5 done.
    std::int32_t phase = 0;
    std::vector<float> pressure;
    std::vector<float> volume;
    TarvikEvent current; // position: the end-diastolic point that opens the cycle
    TarvikEvent next;    // position: the end-diastolic point that closes it
    std::int32_t pressurePosition = -1;
    double lastEmittedPosition = -1.0; // -1: no loop emitted yet
    std::int32_t lastEmittedStart = 0;
    std::int32_t resumeTick;
};

} // namespace Tarvik
