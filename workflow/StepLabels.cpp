#include "workflow/StepLabels.h"

#include "module/ModuleInstance.h"

namespace Tarvik {

void GetAnalysisTypeLabels(std::vector<std::u16string>& labels) {
    labels = {u"Baseline", u"Occlusion"};
}

std::vector<std::u16string> GetAlphaSourceLabels() {
    return {LoadModuleString(113).ToU16String(), LoadModuleString(125).ToU16String()};
}

} // namespace Tarvik
