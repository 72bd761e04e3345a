#include "core/AbstractMessageBase.h"

namespace Ovo {

AbstractMessageBase::~AbstractMessageBase() = default;

HRESULT AbstractMessageBase::QueryInterface(REFIID iid, void** out) {
    auto* first = static_cast<ISettingsMessage*>(this);
    auto* second = static_cast<IModifyMessageEx*>(this);
    return QueryInterfaceMap({{IID_IMessage, first},
                              {IID_ISettingsMessage, first},
                              {IID_IPersistObject, first},
                              {IID_IModifyMessage, second},
                              {IID_IModifyMessageEx, second}},
                             iid, out);
}

HRESULT AbstractMessageBase::Load(IBinInStream* stream) {
    auto* own = dynamic_cast<BinIStream*>(stream);
    if (own == nullptr)
        return E_FAIL;
    LoadFrom(*own);
    return own->Good() ? S_OK : E_FAIL;
}

HRESULT AbstractMessageBase::Save(IBinOutStream* stream) {
    auto* own = dynamic_cast<BinOStream*>(stream);
    if (own == nullptr)
        return E_FAIL;
    SaveTo(*own);
    return own->Good() ? S_OK : E_FAIL;
}

BinOStream& AbstractMessageBase::SaveTo(BinOStream& stream) const {
    stream.WriteU32(GetPersistWord());
    stream.Reserved14(); // the stream's id operation: the id is not persisted
    if (stream.Good())
        stream.WriteBytes(&mFlags, sizeof mFlags);
    return stream;
}

BinIStream& AbstractMessageBase::LoadFrom(BinIStream& stream) {
    LONG typeWord = 0;
    if (SUCCEEDED(stream.Read4(&typeWord)))
        mStoredType = static_cast<DWORD>(typeWord);
    stream.Reserved13(); // the stream's id operation: the id stays as it is
    DWORD flags = 0;
    if (stream.Good() && SUCCEEDED(stream.ReadBytes(&flags, sizeof flags)))
        mFlags |= flags;
    return stream;
}

// Out-parameters are tested: a null one gives E_POINTER.
template <class T> static HRESULT Put(T* out, T value) {
    if (out == nullptr)
        return E_POINTER;
    *out = value;
    return S_OK;
}

HRESULT AbstractMessageBase::GetTypeId(DWORD* typeId) {
    return Put(typeId, GetTypeIdRef());
}

HRESULT AbstractMessageBase::GetId(DWORD* id) {
    return Put(id, mId);
}

HRESULT AbstractMessageBase::GetFlags(DWORD* flags) {
    return Put(flags, mFlags);
}

HRESULT AbstractMessageBase::Clone(IMessage** copy) {
    if (copy == nullptr)
        return E_POINTER;
    AbstractMessageBase* created = CreateCopy();
    created->AddRef();
    *copy = static_cast<ISettingsMessage*>(created);
    return S_OK;
}

HRESULT AbstractMessageBase::GetData(const void** data) {
    if (data != nullptr)
        *data = nullptr;
    return E_NOTIMPL;
}

HRESULT AbstractMessageBase::SetTargetId(DWORD targetId) {
    mTargetId = targetId;
    return S_OK;
}

HRESULT AbstractMessageBase::IsTargetId(DWORD targetId, VARIANT_BOOL* match) {
    return Put(match, targetId == mTargetId ? VARIANT_TRUE : VARIANT_FALSE);
}

HRESULT AbstractMessageBase::GetContext(IUnknown** context) {
    if (context == nullptr)
        return E_POINTER;
    *context = ComPtr<IUnknown>(mContext).Detach();
    return S_OK;
}

HRESULT AbstractMessageBase::SetId(DWORD id) {
    mId = id;
    return S_OK;
}

HRESULT AbstractMessageBase::AddFlags(DWORD mask) {
    mFlags |= mask;
    return S_OK;
}

HRESULT AbstractMessageBase::RemoveFlags(DWORD mask) {
    mFlags &= ~mask;
    return S_OK;
}

} // namespace Ovo
