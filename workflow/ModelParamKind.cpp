#include "workflow/ModelParamKind.h"

namespace Tarvik {

bool operator==(const BolusRecord& a, const BolusRecord& b) {
    return a.word1 == b.word1 && a.word2 == b.word2 && a.word3 == b.word3 && a.word4 == b.word4 &&
           ApproxEqual(a.value, b.value) && a.members == b.members;
}

} // namespace Tarvik
