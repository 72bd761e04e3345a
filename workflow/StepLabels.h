#pragma once
// The labels of the step dialogs' fixed choices, in the order of the choice's
// values.

#include <string>
#include <vector>

namespace Tarvik {

// Cleared, then "Baseline" and "Occlusion": the analysis step's analysis types 0 and 1.
void GetAnalysisTypeLabels(std::vector<std::u16string>& labels);
// The alpha calibration step's sources ("Calculate from"): strings 113 "Stroke
// Volume" and 125 "Cardiac Output".
std::vector<std::u16string> GetAlphaSourceLabels();

} // namespace Tarvik
