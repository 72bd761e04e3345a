#include "document/comments/ShowComment2Msg.h"

namespace StrevClient {

ShowComment2Msg* ShowComment2Msg::Create(IStrevComment* comment, DWORD flags, DWORD target) {
    auto* message = new ShowComment2Msg(comment, flags, target);
    message->AddRef();
    return message;
}

HRESULT ShowComment2Msg::QueryInterface(REFIID iid, void** out) {
    return Ovo::QueryInterfaceMap({{IID_IMessage, static_cast<ISettingsMessage*>(this)},
                                   {IID_IShowComment2Message, static_cast<IShowComment2Message*>(this)}},
                                  iid, out);
}

HRESULT ShowComment2Msg::GetTypeId(DWORD* typeId) {
    *typeId = kShowComment2MessageId;
    return S_OK;
}

HRESULT ShowComment2Msg::GetId(DWORD* id) {
    *id = kShowComment2MessageId;
    return S_OK;
}

HRESULT ShowComment2Msg::GetFlags(DWORD* flags) {
    *flags = 1;
    return S_OK;
}

HRESULT ShowComment2Msg::Clone(IMessage** copy) {
    *copy = static_cast<ISettingsMessage*>(Create(mComment.Get(), mFlags, mTarget));
    return S_OK;
}

HRESULT ShowComment2Msg::GetData(const void** data) {
    if (data != nullptr)
        *data = nullptr;
    return E_NOTIMPL;
}

HRESULT ShowComment2Msg::SetTargetId(DWORD targetId) {
    mTarget = targetId;
    return S_OK;
}

HRESULT ShowComment2Msg::IsTargetId(DWORD targetId, VARIANT_BOOL* match) {
    *match = targetId == mTarget ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT ShowComment2Msg::GetContext(IUnknown** context) {
    if (context != nullptr)
        *context = nullptr;
    return E_NOTIMPL;
}

HRESULT ShowComment2Msg::GetComment(IStrevComment** comment) {
    *comment = ComPtr<IStrevComment>(mComment).Detach();
    return S_OK;
}

HRESULT ShowComment2Msg::GetShowFlags(DWORD* flags) {
    *flags = mFlags;
    return S_OK;
}

} // namespace StrevClient
