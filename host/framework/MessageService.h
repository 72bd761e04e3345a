#pragma once
// The message service, which makes message objects, and the dispatcher, which
// hands a message to its target handler. Both keep a log of what passed.

#include <cstdint>
#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/MessageService.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

// A message made by the service: an id, flags, an optional target id, an object
// that travels with it and a copy of its parameter block, which holds a
// reference to each of its string values.
class HostMessage : public ComObject<ISettingsMessage, IModifyMessageEx, IMessageSource, IMessageTarget> {
public:
    void* find(REFIID iid) override;
    HostMessage(DWORD id, DWORD flags, DWORD targetId, IUnknown* object, const void* data);
    ~HostMessage() override;

    const std::vector<std::uint8_t>& Data() const { return mData; }
    IUnknown* Object() const { return mObject; }

    HRESULT Load(IBinInStream*) override { return E_NOTIMPL; }
    HRESULT Save(IBinOutStream*) override { return E_NOTIMPL; }
    HRESULT GetTypeId(DWORD* typeId) override;
    HRESULT GetId(DWORD* id) override;
    HRESULT GetFlags(DWORD* flags) override;
    HRESULT Clone(IMessage** copy) override;
    HRESULT GetData(const void** data) override;
    HRESULT SetTargetId(DWORD targetId) override;
    HRESULT IsTargetId(DWORD targetId, VARIANT_BOOL* match) override;
    HRESULT GetContext(IUnknown** context) override;
    HRESULT SetId(DWORD id) override;
    HRESULT AddFlags(DWORD mask) override;
    HRESULT RemoveFlags(DWORD mask) override;
    HRESULT SetSource(const void* source) override;
    HRESULT IsFromSource(const void* source) override;
    HRESULT GetTargetId(DWORD* targetId) override;

private:
    DWORD mId;
    DWORD mFlags;
    DWORD mTargetId;
    IUnknown* mObject;
    std::vector<std::uint8_t> mData;
    const void* mSource = nullptr;
};

// Bytes of a parameter block: the type code word and the values its 4-bit codes name.
std::size_t ParameterBlockSize(const void* data);

struct CreatedMessage {
    DWORD id = 0;
    DWORD flags = 0;
    DWORD targetId = 0;
    DWORD hasTarget = 0;
    std::vector<std::uint8_t> data;
};

class MessageService : public ComObject<IHostMessageService> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IHostMessageService ? static_cast<IHostMessageService*>(this) : nullptr;
    }
    const std::vector<CreatedMessage>& Created() const { return mCreated; }
    void SetFailCreation(bool fail) { mFail = fail; }

    HRESULT CreateMessage(DWORD id, DWORD flags, DWORD targetId, DWORD hasTarget, IUnknown* object,
                          const void* data, IMessage** message) override;

private:
    std::vector<CreatedMessage> mCreated;
    bool mFail = false;
};

struct DispatchedMessage {
    DWORD id = 0;
    DWORD flags = 0;
    bool handled = false;
};

class MessageDispatcher : public ComObject<IMessageDispatcher> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IMessageDispatcher ? static_cast<IMessageDispatcher*>(this) : nullptr;
    }
    const std::vector<DispatchedMessage>& Dispatched() const { return mDispatched; }

    HRESULT Dispatch(IMessage* message, IMessageHandler* target) override;

private:
    std::vector<DispatchedMessage> mDispatched;
};

} // namespace Vantrel
