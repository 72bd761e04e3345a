#pragma once
// AbstractMessageBase: the module's own message objects. A message has an id
// (TarvikMessageId), flags, a target id and an optional context object; it
// persists as the 8-byte record {u32 0, u32 flags} (the id is not part of it).
// Loading ORs the stored flags into the message's flags and keeps its id.
//
// Interface map, in order: IMessage, ISettingsMessage and IPersistObject (the
// first table), IModifyMessage and IModifyMessageEx (the second).

#include "core/BinIStream.h"
#include "core/BinOStream.h"
#include "core/CComObjectRoot.h"
#include "platform/vantrel/Message.h"
#include "platform/win32/com_ptr.h"

namespace Ovo {

class AbstractMessageBase : public ISettingsMessage, public IModifyMessageEx, public CComObjectRoot {
public:
    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    // Only the module's own streams are accepted; E_FAIL once the stream failed.
    HRESULT Load(IBinInStream* stream) override;
    HRESULT Save(IBinOutStream* stream) override;
    HRESULT GetTypeId(DWORD* typeId) override;
    HRESULT GetId(DWORD* id) override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT Clone(IMessage** copy) override;
    // These messages carry no parameter block.
    HRESULT GetData(const void** data) override;
    HRESULT SetTargetId(DWORD targetId) override;
    HRESULT IsTargetId(DWORD targetId, VARIANT_BOOL* match) override;
    HRESULT GetContext(IUnknown** context) override;
    HRESULT SetId(DWORD id) override;
    HRESULT AddFlags(DWORD mask) override;
    HRESULT RemoveFlags(DWORD mask) override;

    virtual DWORD GetPersistWord() const { return 0; }
    // A new message of the same class, its count at 0.
    virtual AbstractMessageBase* CreateCopy() const = 0;
    virtual BinOStream& SaveTo(BinOStream& stream) const;
    virtual BinIStream& LoadFrom(BinIStream& stream);
    virtual DWORD GetTypeIdRef() const = 0;

    DWORD Id() const { return mId; }
    DWORD Flags() const { return mFlags; }
    DWORD StoredTypeWord() const { return mStoredType; }

protected:
    AbstractMessageBase(DWORD id, DWORD flags) : mId(id), mFlags(flags) {}
    ~AbstractMessageBase() override;

private:
    DWORD mId;
    DWORD mFlags;
    DWORD mTargetId = 0;
    DWORD mStoredType = 0;
    ComPtr<IUnknown> mContext;
};

} // namespace Ovo
