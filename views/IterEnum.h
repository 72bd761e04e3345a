#pragma once
// An enumerator of interface ids over a static array of GUID pointers. An
// enumerator keeps the library's module locked while it lives and holds its
// owner (when it has one).

#include "core/CComObjectRoot.h"
#include "platform/vantrel/DocView.h"
#include "platform/win32/com_ptr.h"

namespace OvoCOM {

class IterEnum : public IEnumInterface, public Ovo::CComObjectRoot {
public:
    // [first, end) stays valid for the enumerator's life.
    IterEnum(IUnknown* owner, const GUID* const* first, const GUID* const* end);
    ~IterEnum() override;

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT Next(ULONG n, const GUID** out, ULONG* fetched) override;
    HRESULT Skip(ULONG n) override;
    HRESULT Reset() override;
    HRESULT Clone(IEnumInterface** out) override;

private:
    const GUID* const* mPosition;
    ComPtr<IUnknown> mOwner;
    const GUID* const* mFirst;
    const GUID* const* mEnd;
};

} // namespace OvoCOM
