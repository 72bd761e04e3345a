#pragma once
// The message that carries a comment to the host (id 0x800C005A): the host
// takes the comment from it and shows it on its traces.

#include "core/CComObjectRoot.h"
#include "platform/vantrel/IStrevComment.h"
#include "platform/win32/com_ptr.h"

namespace StrevClient {

class ShowComment2Msg : public ISettingsMessage, public IShowComment2Message, public Ovo::CComObjectRoot {
public:
    // Made with one reference; the message holds one on the comment.
    static ShowComment2Msg* Create(IStrevComment* comment, DWORD flags, DWORD target = 0);

    HRESULT QueryInterface(REFIID iid, void** out) override;
    ULONG AddRef() override { return InternalAddRef(); }
    ULONG Release() override { return InternalRelease(); }

    HRESULT Load(IBinInStream*) override { return E_NOTIMPL; }
    HRESULT Save(IBinOutStream*) override { return E_NOTIMPL; }
    HRESULT GetTypeId(DWORD* typeId) override;
    HRESULT GetId(DWORD* id) override;
    // 1, whatever the flags word.
    HRESULT GetFlags(DWORD* flags) override;
    // A message with the same comment, flags and target.
    HRESULT Clone(IMessage** copy) override;
    HRESULT GetData(const void** data) override;
    HRESULT SetTargetId(DWORD targetId) override;
    HRESULT IsTargetId(DWORD targetId, VARIANT_BOOL* match) override;
    HRESULT GetContext(IUnknown** context) override;

    HRESULT GetComment(IStrevComment** comment) override;
    // The flags word the sender gave (0x60000000 for the module's comments).
    HRESULT GetShowFlags(DWORD* flags) override;

private:
    ShowComment2Msg(IStrevComment* comment, DWORD flags, DWORD target)
        : mComment(comment), mFlags(flags), mTarget(target) {}

    ComPtr<IStrevComment> mComment;
    DWORD mFlags;
    DWORD mTarget;
};

} // namespace StrevClient
