#include "core/BitsetRep.h"

namespace Ovo {

namespace {
constexpr std::size_t kMinWords = 2;
}

BitsetRep* BitsetRep::Create() {
    return new BitsetRep({}, 0);
}

BitsetRep::BitsetRep(std::vector<std::uint32_t> words, std::uint32_t fill)
    : mFill(fill), mWords(std::move(words)) {
    if (mWords.size() < kMinWords)
        mWords.resize(kMinWords, mFill);
}

BitsetRep::BitsetRep(const BitsetRep& other) : mFill(other.mFill), mWords(other.mWords) {}

std::uint32_t BitsetRep::AddRef() {
    return ++mRefCount;
}

std::uint32_t BitsetRep::Release() {
    const std::uint32_t left = --mRefCount;
    if (left == 0)
        delete this;
    return left;
}

std::uint32_t& BitsetRep::WordAt(std::uint32_t i) {
    if (i >= mWords.size())
        mWords.resize(std::size_t{i} + 1, mFill);
    return mWords[i];
}

} // namespace Ovo
