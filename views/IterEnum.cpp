#include "views/IterEnum.h"

#include <new>

#include "platform/atl/CComModule.h"

namespace OvoCOM {

IterEnum::IterEnum(IUnknown* owner, const GUID* const* first, const GUID* const* end)
    : mPosition(first), mOwner(owner), mFirst(first), mEnd(end) {
    if (ATL::_pAtlModule != nullptr)
        ATL::_pAtlModule->Lock();
}

IterEnum::~IterEnum() {
    if (ATL::_pAtlModule != nullptr)
        ATL::_pAtlModule->Unlock();
}

HRESULT IterEnum::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_IEnumInterface, static_cast<IEnumInterface*>(this)}}, iid, out);
}

HRESULT IterEnum::Next(ULONG n, const GUID** out, ULONG* fetched) {
    if (out == nullptr || (n != 1 && fetched == nullptr))
        return E_POINTER;
    ULONG copied = 0;
    while (copied < n && mPosition != mEnd)
        out[copied++] = *mPosition++;
    if (fetched != nullptr)
        *fetched = copied;
    return copied == n ? S_OK : S_FALSE;
}

HRESULT IterEnum::Skip(ULONG n) {
    ULONG skipped = 0;
    while (skipped < n && mPosition != mEnd) {
        ++mPosition;
        ++skipped;
    }
    return skipped == n ? S_OK : S_FALSE;
}

HRESULT IterEnum::Reset() {
    mPosition = mFirst;
    return S_OK;
}

HRESULT IterEnum::Clone(IEnumInterface** out) {
    if (out == nullptr)
        return E_POINTER;
    auto* copy = new (std::nothrow) IterEnum(mOwner.Get(), mFirst, mEnd);
    if (copy == nullptr) {
        *out = nullptr;
        return E_OUTOFMEMORY;
    }
    copy->mPosition = mPosition;
    const HRESULT hr = copy->QueryInterface(IID_IEnumInterface, reinterpret_cast<void**>(out));
    if (FAILED(hr))
        delete copy;
    return hr;
}

} // namespace OvoCOM
