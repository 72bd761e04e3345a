#include "core/BitsetRep.h"

#include <algorithm>

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

HRESULT BitsetRep::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IOvoBitset) {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    *out = static_cast<IOvoBitset*>(this);
    return S_OK;
}

ULONG BitsetRep::AddRef() {
    return ++mRefCount;
}

ULONG BitsetRep::Release() {
    const std::uint32_t left = --mRefCount;
    if (left == 0)
        delete this;
    return left;
}

HRESULT BitsetRep::Destroy() {
    if (mRefCount.load() != 0)
        return E_FAIL;
    delete this;
    return S_OK;
}

HRESULT BitsetRep::CopyWords(ULONG maxWords, DWORD* words, DWORD* fill) {
    if (fill != nullptr)
        *fill = mFill;
    const ULONG count = std::min<ULONG>(maxWords, WordCount());
    if (count > 0 && words == nullptr)
        return E_POINTER;
    for (ULONG i = 0; i < count; ++i)
        words[i] = mWords[i];
    return count < WordCount() ? S_FALSE : S_OK;
}

HRESULT BitsetRep::Clone(IOvoBitset** copy) {
    if (copy == nullptr)
        return E_POINTER;
    *copy = new BitsetRep(*this);
    return S_OK;
}

std::uint32_t& BitsetRep::WordAt(std::uint32_t i) {
    if (i >= mWords.size())
        mWords.resize(std::size_t{i} + 1, mFill);
    return mWords[i];
}

} // namespace Ovo
