#pragma once
// Handle of a shared Ovo::BitsetRep with copy-on-write. A null handle is the
// empty set (no words, fill 0).

#include <cstdint>
#include <vector>

#include "core/BitsetRep.h"

class OvoBitset {
public:
    OvoBitset() = default;
    // A set holding these words; every bit beyond them equals fill (0 or all ones).
    OvoBitset(std::vector<std::uint32_t> words, std::uint32_t fill);
    // A set with the words and fill of a set the host handed over (null: the empty set); the
    // module's own representation is shared, any other copied.
    static OvoBitset FromInterface(IOvoBitset* set);
    OvoBitset(const OvoBitset& other);
    OvoBitset(OvoBitset&& other) noexcept;
    OvoBitset& operator=(OvoBitset other) noexcept;
    ~OvoBitset();

    // Bit n; beyond the stored words the fill word decides.
    bool Test(std::uint32_t n) const;
    std::uint32_t WordCount() const { return mRep ? mRep->WordCount() : 0; }
    std::uint32_t Word(std::uint32_t i) const { return mRep ? mRep->Word(i) : 0; }
    std::uint32_t Fill() const { return mRep ? mRep->Fill() : 0; }

    // Sets bits 0 to n - 1; n = 0 does nothing.
    void SetFirst(std::uint32_t n);
    // Bitwise or / exclusive or; the shorter side is extended by its fill word,
    // and the fill words combine the same way.
    OvoBitset& operator|=(const OvoBitset& other);
    OvoBitset& operator^=(const OvoBitset& other);

    // Index of the lowest set bit. With no stored bit set: -1 when the fill word
    // is 0, else the stored word count x 32 (the first bit of the fill).
    std::int32_t FindFirst() const;
    // One past the index of the highest set bit, 0 when none; -1 when the fill
    // word is set (the set has no end).
    std::int32_t FindLast() const;

private:
    Ovo::BitsetRep& MakeUnique();
    template <class Op> void Combine(const OvoBitset& other, Op op);

    Ovo::BitsetRep* mRep = nullptr;
};
