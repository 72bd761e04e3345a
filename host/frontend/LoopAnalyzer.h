#pragma once

#include "host/frontend/ChannelChoice.h"
#include "host/frontend/LoopTable.h"
#include "host/recording/Recording.h"

namespace Vantrel {

/// Finds the loops of a recording and their values. Throws std::runtime_error (or a subclass) with
/// a one-line reason when the recording cannot be analysed; no partial table is returned then.
class LoopAnalyzer {
public:
    virtual ~LoopAnalyzer() = default;
    virtual LoopTable analyze(Recording& recording, const AnalysisChannels& channels) = 0;
};

} // namespace Vantrel
