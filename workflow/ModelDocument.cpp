#include "workflow/ModelDocument.h"

#include "workflow/ModelParamAccess.h"

namespace Tarvik {

void ModelDocument::AnalysisRange(Position& start, Position& end, bool& wholeRecording) {
    const ModelPtr setup = FindModel();
    const WordPair first = GetModelParam<59>(setup), last = GetModelParam<60>(setup);
    start = {static_cast<std::int32_t>(first.second), static_cast<std::int32_t>(first.first)};
    end = {static_cast<std::int32_t>(last.second), static_cast<std::int32_t>(last.first)};
    wholeRecording = GetModelParam<27>(setup) == 1;
}

} // namespace Tarvik
