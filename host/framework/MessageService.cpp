#include "host/framework/MessageService.h"

#include <cstring>

#include "platform/vantrel/IAutoOvoString.h"

namespace Vantrel {

std::size_t ParameterBlockSize(const void* data) {
    if (data == nullptr)
        return 0;
    DWORD codes = 0;
    std::memcpy(&codes, data, sizeof codes);
    std::size_t size = sizeof codes;
    for (; codes != 0; codes >>= 4) {
        switch (codes & 0xF) {
        case kParamDouble:
            size += sizeof(double);
            break;
        case kParamString:
            size += sizeof(void*);
            break;
        default:
            size += sizeof(DWORD);
            break;
        }
    }
    return size;
}

namespace {

// Calls visit with each string value of a parameter block.
template <class Visit> void ForEachString(const std::vector<std::uint8_t>& block, Visit visit) {
    if (block.size() < sizeof(DWORD))
        return;
    DWORD codes = 0;
    std::memcpy(&codes, block.data(), sizeof codes);
    std::size_t at = sizeof codes;
    for (; codes != 0; codes >>= 4) {
        const DWORD code = codes & 0xF;
        if (code == kParamString) {
            IAutoOvoString* text = nullptr;
            std::memcpy(&text, block.data() + at, sizeof text);
            if (text != nullptr)
                visit(text);
        }
        at += code == kParamDouble ? sizeof(double) : code == kParamString ? sizeof(void*) : sizeof(DWORD);
    }
}

} // namespace

HostMessage::HostMessage(DWORD id, DWORD flags, DWORD targetId, IUnknown* object, const void* data)
    : mId(id), mFlags(flags), mTargetId(targetId), mObject(object) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    mData.assign(bytes, bytes + ParameterBlockSize(data));
    ForEachString(mData, [](IAutoOvoString* text) { text->AddRef(); });
    if (mObject != nullptr)
        mObject->AddRef();
}

HostMessage::~HostMessage() {
    ForEachString(mData, [](IAutoOvoString* text) { text->Release(); });
    if (mObject != nullptr)
        mObject->Release();
}

void* HostMessage::find(REFIID iid) {
    if (iid == IID_IMessage || iid == IID_ISettingsMessage || iid == IID_IPersistObject)
        return static_cast<ISettingsMessage*>(this);
    if (iid == IID_IModifyMessage || iid == IID_IModifyMessageEx)
        return static_cast<IModifyMessageEx*>(this);
    if (iid == IID_IMessageTarget && mTargetId != 0)
        return static_cast<IMessageTarget*>(this);
    return iid == IID_IMessageSource ? static_cast<IMessageSource*>(this) : nullptr;
}

HRESULT HostMessage::GetTypeId(DWORD* typeId) {
    if (typeId == nullptr)
        return E_POINTER;
    *typeId = 0;
    return S_OK;
}

HRESULT HostMessage::GetId(DWORD* id) {
    if (id == nullptr)
        return E_POINTER;
    *id = mId;
    return S_OK;
}

HRESULT HostMessage::GetFlags(DWORD* flags) {
    if (flags == nullptr)
        return E_POINTER;
    *flags = mFlags;
    return S_OK;
}

HRESULT HostMessage::Clone(IMessage** copy) {
    if (copy == nullptr)
        return E_POINTER;
    auto* message = new HostMessage(mId, mFlags, mTargetId, mObject, mData.empty() ? nullptr : mData.data());
    *copy = message;
    return S_OK;
}

HRESULT HostMessage::GetData(const void** data) {
    if (data == nullptr)
        return E_POINTER;
    *data = mData.empty() ? nullptr : mData.data();
    return mData.empty() ? E_NOTIMPL : S_OK;
}

HRESULT HostMessage::SetTargetId(DWORD targetId) {
    mTargetId = targetId;
    return S_OK;
}

HRESULT HostMessage::IsTargetId(DWORD targetId, VARIANT_BOOL* match) {
    if (match == nullptr)
        return E_POINTER;
    *match = targetId == mTargetId ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT HostMessage::GetContext(IUnknown** context) {
    if (context == nullptr)
        return E_POINTER;
    *context = mObject;
    if (mObject != nullptr)
        mObject->AddRef();
    return S_OK;
}

HRESULT HostMessage::SetId(DWORD id) {
    mId = id;
    return S_OK;
}

HRESULT HostMessage::AddFlags(DWORD mask) {
    mFlags |= mask;
    return S_OK;
}

HRESULT HostMessage::RemoveFlags(DWORD mask) {
    mFlags &= ~mask;
    return S_OK;
}

HRESULT HostMessage::SetSource(const void* source) {
    mSource = source;
    return S_OK;
}

HRESULT HostMessage::IsFromSource(const void* source) {
    return source != nullptr && source == mSource ? S_OK : S_FALSE;
}

HRESULT HostMessage::GetTargetId(DWORD* targetId) {
    if (targetId == nullptr)
        return E_POINTER;
    *targetId = mTargetId;
    return mTargetId != 0 ? S_OK : S_FALSE;
}

HRESULT MessageService::CreateMessage(DWORD id, DWORD flags, DWORD targetId, DWORD hasTarget,
                                      IUnknown* object, const void* data, IMessage** message) {
    if (message == nullptr)
        return E_POINTER;
    *message = nullptr;
    if (mFail)
        return E_FAIL;
    auto* created = new HostMessage(id, flags, hasTarget != 0 ? targetId : 0, object, data);
    mCreated.push_back({id, flags, targetId, hasTarget, created->Data()});
    *message = created;
    return S_OK;
}

HRESULT MessageDispatcher::Dispatch(IMessage* message, IMessageHandler* target) {
    if (message == nullptr)
        return E_POINTER;
    DispatchedMessage record;
    message->GetId(&record.id);
    message->GetFlags(&record.flags);
    record.handled = target != nullptr && target->OnMessage(message) != 0;
    mDispatched.push_back(record);
    return record.handled ? S_OK : S_FALSE;
}

} // namespace Vantrel
