#include "views/IterEnum.h"

#include <new>

#include "platform/atl/CComModule.h"

namespace OvoCOM {

IterEnum::IterEnum(IUnknown* owner, const GUID* const* first, const GUID* const* end)
    : position_(first), owner_(owner), first_(first), end_(end) {
    if (owner_ != nullptr)
        owner_->AddRef();
    if (ATL::_pAtlModule != nullptr)
        ATL::_pAtlModule->Lock();
}

IterEnum::~IterEnum() {
    if (ATL::_pAtlModule != nullptr)
        ATL::_pAtlModule->Unlock();
    if (owner_ != nullptr)
        owner_->Release();
}

HRESULT IterEnum::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_IEnumInterface, static_cast<IEnumInterface*>(this)}}, iid, out);
}

HRESULT IterEnum::Next(ULONG n, const GUID** out, ULONG* fetched) {
    if (out == nullptr || (n != 1 && fetched == nullptr))
        return E_POINTER;
    ULONG copied = 0;
    while (copied < n && position_ != end_)
        out[copied++] = *position_++;
    if (fetched != nullptr)
        *fetched = copied;
    return copied == n ? S_OK : S_FALSE;
}

HRESULT IterEnum::Skip(ULONG n) {
    ULONG skipped = 0;
    while (skipped < n && position_ != end_) {
        ++position_;
        ++skipped;
    }
    return skipped == n ? S_OK : S_FALSE;
}

HRESULT IterEnum::Reset() {
    position_ = first_;
    return S_OK;
}

HRESULT IterEnum::Clone(IEnumInterface** out) {
    if (out == nullptr)
        return E_POINTER;
    auto* copy = new (std::nothrow) IterEnum(owner_, first_, end_);
    if (copy == nullptr) {
        *out = nullptr;
        return E_OUTOFMEMORY;
    }
    copy->position_ = position_;
    const HRESULT hr = copy->QueryInterface(IID_IEnumInterface, reinterpret_cast<void**>(out));
    if (FAILED(hr))
        delete copy;
    return hr;
}

} // namespace OvoCOM
