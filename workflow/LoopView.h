#pragma once
// The loop view's settings (model 8): which pressure-volume relations it shows
// and of which type, and the loop inclusion set of its loop list.

#include "workflow/ModelBase.h"

namespace Tarvik {

class LoopView : public ModelBase<kLoopViewModel> {
public:
    explicit LoopView(ModelDocument* document);

    // 21, 22 bool; 23, 24 i32.
    bool LoadState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveState(Ovo::BinOStream& out) const override;
    // u32 count, then the members of 61. A count the stream cannot hold fails the load, the set
    // unchanged.
    bool LoadExtraState(Ovo::BinIStream& in, std::uint32_t version) override;
    void SaveExtraState(Ovo::BinOStream& out) const override;

private:
    bool mShowEspvr = true;      // 21
    bool mShowEdpvr = true;      // 22
    std::int32_t mEspvrType = 0; // 23: 0 linear, 1 quadratic
    std::int32_t mEdpvrType = 1; // 24: 0 linear, 1 exponential
    IntSet mLoops;               // 61
};

// Writes a set as its u32 size and its members; reads it back (false, with the set unchanged, when
// the stream fails or its count cannot be held by the stream).
void WriteIntSet(Ovo::BinOStream& out, const IntSet& set);
bool ReadIntSet(Ovo::BinIStream& in, IntSet& set);

} // namespace Tarvik
