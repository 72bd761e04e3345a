#pragma once

#include "host/engine/ComObject.h"
#include "platform/vantrel/IOvoBitset.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace Vantrel {

/// A set of bit numbers as the host hands it to the module (IOvoBitset), fill 0.
class HostBitset : public ComObject<IOvoBitset> {
public:
    void set(std::uint32_t bit) {
        if (mWords.size() <= bit / 32)
            mWords.resize(bit / 32 + 1, 0);
        mWords[bit / 32] |= 1u << (bit % 32);
    }

    LONG IsOwnRep() override { return 0; }
    HRESULT Destroy() override { return E_FAIL; }
    ULONG GetWordCount() override { return static_cast<ULONG>(mWords.size()); }
    HRESULT CopyWords(ULONG maxWords, DWORD* words, DWORD* fill) override {
        if (fill)
            *fill = 0;
        const ULONG n = std::min<ULONG>(maxWords, GetWordCount());
        if (n > 0 && !words)
            return E_POINTER;
        std::copy_n(mWords.begin(), n, words);
        return n < GetWordCount() ? S_FALSE : S_OK;
    }
    HRESULT Clone(IOvoBitset** copy) override {
        if (!copy)
            return E_POINTER;
        auto* made = new HostBitset;
        made->mWords = mWords;
        *copy = made;
        return S_OK;
    }

private:
    void* find(REFIID iid) override {
        return iid == IID_IOvoBitset ? static_cast<IOvoBitset*>(this) : nullptr;
    }

    std::vector<std::uint32_t> mWords;
};

} // namespace Vantrel
