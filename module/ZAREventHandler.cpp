#include "module/ZAREventHandler.h"

#include "platform/win32/com_ptr.h"

namespace Tarvik {

HRESULT ZAREventHandlerBase::DispatchMessage(IMessage* message) {
    return ZAREventHandler::DispatchMessage(*this, message);
}

namespace ZAREventHandler {

HRESULT FireCommand(ZAREventHandlerBase& handler, DWORD id) {
    void* object = nullptr;
    const ZARCommandEntry* entry = handler.FindEntry(CommandTrigger(id, kCommandRow), &object);
    if (entry == nullptr)
        return S_FALSE;
    CommandEvent event;
    event.id = id;
    entry->invoke(object, event);
    return S_OK;
}

HRESULT FireCommandEnabler(ZAREventHandlerBase& handler, DWORD id, ICommandState* state) {
    void* object = nullptr;
    if (const ZARCommandEntry* entry = handler.FindEntry(CommandTrigger(id, kEnablerRow), &object)) {
        CommandEvent event;
        event.id = id;
        event.state = state;
        entry->invoke(object, event);
        return S_OK;
    }
    if (handler.FindEntry(CommandTrigger(id, kCommandRow), &object) == nullptr)
        return S_FALSE;
    if (state != nullptr)
        state->SetEnabled(VARIANT_TRUE);
    return S_OK;
}

HRESULT FireCommandKind(ZAREventHandlerBase& handler, DWORD id, DWORD kind, ULONG_PTR word1,
                        ULONG_PTR word2) {
    void* object = nullptr;
    const ZARCommandEntry* entry =
        handler.FindEntry(CommandTrigger(id, static_cast<std::uint8_t>(kind)), &object);
    if (entry == nullptr || kind > 0xFF)
        return S_FALSE;
    CommandEvent event;
    event.id = id;
    event.word1 = word1;
    event.word2 = word2;
    return entry->invoke(object, event);
}

void FireObserverEvent(ZAREventHandlerBase& handler, ISubject* subject, DWORD id, ULONG_PTR data) {
    void* object = nullptr;
    const ZARCommandEntry* entry = handler.FindEntry(ObserverEventTrigger(id), &object);
    if (entry == nullptr)
        return;
    CommandEvent event;
    event.id = id;
    event.subject = subject;
    event.data = data;
    entry->invoke(object, event);
}

HRESULT DispatchMessage(ZAREventHandlerBase& handler, IMessage* message) {
    DWORD id = 0;
    DWORD flags = 0;
    if (message == nullptr || FAILED(message->GetId(&id)))
        return 0;
    message->GetFlags(&flags);
    handler.messageFlags = flags;
    void* object = nullptr;
    const ZARCommandEntry* entry = handler.FindEntry(MsgEventTrigger(id, flags), &object);
    if (entry == nullptr)
        return 0;
    CommandEvent event;
    event.id = id;
    event.message = message;
    return entry->invoke(object, event) == S_OK ? 1 : 0;
}

namespace {

// The object the container keeps under key; empty when it has none.
ComPtr<IUnknown> StoredObject(IMessageContainer* container, ULONG_PTR key) {
    ComPtr<IUnknown> stored;
    if (container == nullptr || FAILED(container->GetObject(key, stored.Put())))
        return nullptr;
    return stored;
}

} // namespace

bool DispatchStoredMessage(ULONG_PTR key, ZAREventHandlerBase& handler, IMessageContainer* container) {
    const auto message = StoredObject(container, key).Query<IMessage>(IID_IMessage);
    if (!message)
        return true;
    DispatchMessage(handler, message.Get());
    return false;
}

} // namespace ZAREventHandler

} // namespace Tarvik
