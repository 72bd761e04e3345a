#pragma once

#include "tools/pvsim/SimParams.h"

#include <string>
#include <string_view>

namespace PvSim {

/// SimParams as text, one "name = value  # unit and meaning" a line, in declaration order; values
/// are written so that they read back exactly. The atrial contraction and the ECG's stretch are
/// written only when they differ from their defaults.
std::string formatParams(const SimParams& params);

/// Reads the text of formatParams over the given defaults: blank lines and everything after '#'
/// are ignored, names not listed keep their default. Throws std::invalid_argument naming the line
/// of an unknown name, a malformed line or a bad number (the values are not range-checked here).
SimParams parseParams(std::string_view text, SimParams defaults = {});

/// Sets one parameter from text. Throws std::invalid_argument for an unknown name or a bad number.
void setParam(SimParams& params, std::string_view name, std::string_view value);

} // namespace PvSim
