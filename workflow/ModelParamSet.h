#pragma once
// A set of parameter ids 0 to 61, persisted and sent as two 32-bit words: ids
// 0 to 31 in the first (bit n for id n), ids 32 to 61 in the second (bit n - 32).

#include <bitset>
#include <cstdint>
#include <vector>

#include "workflow/ModelParamTable.h"

namespace Tarvik {

class ModelParamSet {
public:
    ModelParamSet() = default;
    static ModelParamSet FromWords(std::uint32_t first, std::uint32_t second);
    // Every id: first word 0xFFFFFFFF, second 0x3FFFFFFF.
    static ModelParamSet All();

    // std::out_of_range for an id outside 0 to 61.
    void Set(ModelParamId id) { mBits.set(static_cast<std::size_t>(id)); }
    // False for an id outside 0 to 61.
    bool Test(ModelParamId id) const {
        return id >= 0 && id < kModelParamCount && mBits.test(static_cast<std::size_t>(id));
    }
    bool Empty() const { return mBits.none(); }
    std::uint32_t Word(int index) const;
    // The ids in increasing order.
    std::vector<ModelParamId> Ids() const;

    friend bool operator==(const ModelParamSet&, const ModelParamSet&) = default;

private:
    std::bitset<kModelParamCount> mBits;
};

} // namespace Tarvik
