#pragma once

#include "host/recording/Tick.h"

#include <cstdint>

namespace Vantrel {

/// Told about data arriving while a recording is sampling. Calls come on the thread that changes
/// the recording, after the change is complete.
class RecordingObserver {
public:
    virtual ~RecordingObserver() = default;

    /// Sampling started into the new, empty record with this index.
    virtual void recordStarted(std::int32_t record) {}
    /// Ticks first .. first + count - 1 of the record were appended on every channel.
    virtual void samplesAppended(std::int32_t record, Tick first, Tick count) {}
    /// Sampling into the record ended; the record is complete.
    virtual void samplingStopped(std::int32_t record) {}
};

} // namespace Vantrel
