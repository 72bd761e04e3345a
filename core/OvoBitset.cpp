#include "core/OvoBitset.h"

#include <algorithm>
#include <bit>
#include <functional>
#include <utility>

OvoBitset::OvoBitset(std::vector<std::uint32_t> words, std::uint32_t fill)
    : mRep(new Ovo::BitsetRep(std::move(words), fill)) {}

OvoBitset::OvoBitset(const OvoBitset& other) : mRep(other.mRep) {
    if (mRep)
        mRep->AddRef();
}

OvoBitset::OvoBitset(OvoBitset&& other) noexcept : mRep(std::exchange(other.mRep, nullptr)) {}

OvoBitset& OvoBitset::operator=(OvoBitset other) noexcept {
    std::swap(mRep, other.mRep);
    return *this;
}

OvoBitset::~OvoBitset() {
    if (mRep)
        mRep->Release();
}

OvoBitset OvoBitset::FromInterface(IOvoBitset* set) {
    OvoBitset result;
    if (set == nullptr)
        return result;
    if (set->IsOwnRep() == 1) {
        result.mRep = static_cast<Ovo::BitsetRep*>(set);
        result.mRep->AddRef();
        return result;
    }
    std::vector<std::uint32_t> words(set->GetWordCount());
    DWORD fill = 0;
    if (FAILED(set->CopyWords(static_cast<ULONG>(words.size()), words.data(), &fill)))
        return result;
    return OvoBitset(std::move(words), fill);
}

Ovo::BitsetRep& OvoBitset::MakeUnique() {
    if (!mRep) {
        mRep = Ovo::BitsetRep::Create();
    } else if (mRep->IsShared()) {
        Ovo::BitsetRep* copy = new Ovo::BitsetRep(*mRep);
        mRep->Release();
        mRep = copy;
    }
    return *mRep;
}

bool OvoBitset::Test(std::uint32_t n) const {
    return (Word(n >> 5) >> (n & 31)) & 1u;
}

void OvoBitset::SetFirst(std::uint32_t n) {
    if (n == 0)
        return;
    Ovo::BitsetRep& rep = MakeUnique();
    const std::uint32_t last = (n - 1) >> 5;
    for (std::uint32_t i = 0; i < last; ++i)
        rep.WordAt(i) = 0xFFFFFFFFu;
    const std::uint32_t bits = ((n - 1) & 31) + 1;
    rep.WordAt(last) |= bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
}

template <class Op> void OvoBitset::Combine(const OvoBitset& other, Op op) {
    const OvoBitset keep(other); // other may be *this
    Ovo::BitsetRep& rep = MakeUnique();
    const std::uint32_t words = std::max(rep.WordCount(), keep.WordCount());
    for (std::uint32_t i = 0; i < words; ++i) {
        const std::uint32_t mine = rep.Word(i);
        rep.WordAt(i) = op(mine, keep.Word(i));
    }
    rep.SetFill(op(rep.Fill(), keep.Fill()));
}

OvoBitset& OvoBitset::operator|=(const OvoBitset& other) {
    Combine(other, std::bit_or<std::uint32_t>());
    return *this;
}

OvoBitset& OvoBitset::operator^=(const OvoBitset& other) {
    Combine(other, std::bit_xor<std::uint32_t>());
    return *this;
}

std::int32_t OvoBitset::FindFirst() const {
    const std::uint32_t words = WordCount();
    for (std::uint32_t i = 0; i < words; ++i) {
        if (const std::uint32_t w = mRep->Word(i))
            return static_cast<std::int32_t>(i * 32 + std::countr_zero(w));
    }
    return Fill() ? static_cast<std::int32_t>(words * 32) : -1;
}

std::int32_t OvoBitset::FindLast() const {
    if (Fill())
        return -1;
    for (std::uint32_t i = WordCount(); i > 0; --i) {
        if (const std::uint32_t w = mRep->Word(i - 1))
            return static_cast<std::int32_t>((i - 1) * 32 + 32 - std::countl_zero(w));
    }
    return 0;
}
