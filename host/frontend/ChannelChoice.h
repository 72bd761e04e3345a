#pragma once

#include "host/recording/Recording.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace Vantrel {

/// A channel that cannot be found or chosen. The message names it and lists the recording's
/// channels.
class ChannelError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// The channels an analysis reads, 0-based.
struct AnalysisChannels {
    std::size_t pressure = 0;
    std::size_t volume = 0;
    std::optional<std::size_t> ecg; // none: end-diastole from the pressure signal
};

/// The channels as the command line names them: a title or a 1-based number each.
struct ChannelRequest {
    std::optional<std::string> pressure;
    std::optional<std::string> volume;
    std::optional<std::string> ecg;
};

/// Resolves the requested channels and chooses the ones not requested. A name matches a channel's
/// title, or its whole header cell ("Pressure (mmHg)"), without regard to ASCII case; a number
/// counts from 1. An unnamed pressure (volume) channel is the one channel whose title says so
/// ("pressure", "LVP"; "volume", "LVV") or, failing that, the one channel with a pressure unit
/// (mmHg, kPa, cmH2O, ...; a litre unit such as uL, mL, or RVU). Throws ChannelError for a name
/// that is not found, a choice that is missing or ambiguous, and one channel used twice.
AnalysisChannels chooseChannels(const Recording& recording, const ChannelRequest& request);

/// One line for each analysed channel whose unit does not fit its role: a pressure channel whose
/// unit is not a pressure unit, a volume channel whose unit is not a unit of volume, conductance
/// (S, mS, uS) or relative volume (RVU). A channel without a unit gives none.
std::vector<std::string> channelUnitWarnings(const Recording& recording, const AnalysisChannels& channels);

} // namespace Vantrel
