#pragma once
// The shared representation behind OvoBitset: 32-bit words, bit n in word
// n / 32 at bit n % 32, and a fill word (0 or all ones) that every bit beyond
// the stored words equals. At least two words are stored. Reference counted;
// handles copy it before they change a shared one.

#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/vantrel/IOvoBitset.h"

namespace Ovo {

// Handed to the host as an IOvoBitset; its count is the handles' and the host's together.
class BitsetRep final : public IOvoBitset {
public:
    // An empty set: two zero words, fill 0, one reference.
    static BitsetRep* Create();
    // The given words (padded with the fill word to two) and fill, one reference.
    BitsetRep(std::vector<std::uint32_t> words, std::uint32_t fill);
    // A private copy with the same words and fill, one reference.
    BitsetRep(const BitsetRep& other);
    BitsetRep& operator=(const BitsetRep&) = delete;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override;
    // Deletes the representation when the last reference goes.
    ULONG Release() override;
    LONG IsOwnRep() override { return 1; }
    HRESULT Destroy() override;
    ULONG GetWordCount() override { return WordCount(); }
    HRESULT CopyWords(ULONG maxWords, DWORD* words, DWORD* fill) override;
    HRESULT Clone(IOvoBitset** copy) override;
    bool IsShared() const { return mRefCount.load() > 1; }

    std::uint32_t WordCount() const { return static_cast<std::uint32_t>(mWords.size()); }
    std::uint32_t Fill() const { return mFill; }
    void SetFill(std::uint32_t fill) { mFill = fill; }
    // Word i; beyond the stored words, the fill word.
    std::uint32_t Word(std::uint32_t i) const { return i < mWords.size() ? mWords[i] : mFill; }
    // Word i for writing; the words grow up to i, new words holding the fill word.
    std::uint32_t& WordAt(std::uint32_t i);

private:
    ~BitsetRep() = default;

    std::atomic<std::uint32_t> mRefCount{1};
    std::uint32_t mFill = 0;
    std::vector<std::uint32_t> mWords;
};

} // namespace Ovo
