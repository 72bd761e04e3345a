#include "workflow/ModelParamSet.h"

namespace Tarvik {

ModelParamSet ModelParamSet::FromWords(std::uint32_t first, std::uint32_t second) {
    ModelParamSet set;
    for (ModelParamId id = 0; id < kModelParamCount; ++id)
        if (((id < 32 ? first >> id : second >> (id - 32)) & 1u) != 0)
            set.Set(id);
    return set;
}

ModelParamSet ModelParamSet::All() {
    ModelParamSet set;
    set.mBits.set();
    return set;
}

std::uint32_t ModelParamSet::Word(int index) const {
    std::uint32_t word = 0;
    for (int bit = 0; bit < 32; ++bit)
        if (Test(index * 32 + bit))
            word |= 1u << bit;
    return word;
}

std::vector<ModelParamId> ModelParamSet::Ids() const {
    std::vector<ModelParamId> ids;
    for (ModelParamId id = 0; id < kModelParamCount; ++id)
        if (Test(id))
            ids.push_back(id);
    return ids;
}

} // namespace Tarvik
