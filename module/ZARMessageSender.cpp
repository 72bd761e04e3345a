#include "module/ZARMessageSender.h"

#include "module/HostServices.h"

namespace Tarvik {

namespace {

// Marks a message's source for the length of one dispatch, also when it throws.
class SourceMark {
public:
    SourceMark(IMessage* message, const void* source) {
        if (SUCCEEDED(message->QueryInterface(IID_IMessageSource, reinterpret_cast<void**>(&m_source))))
            m_source->SetSource(source);
    }
    SourceMark(const SourceMark&) = delete;
    SourceMark& operator=(const SourceMark&) = delete;
    ~SourceMark() {
        if (m_source != nullptr) {
            m_source->SetSource(nullptr);
            m_source->Release();
        }
    }

private:
    IMessageSource* m_source = nullptr;
};

class HeldMessage {
public:
    explicit HeldMessage(IMessage* message) : m_message(message) { m_message->AddRef(); }
    HeldMessage(const HeldMessage&) = delete;
    HeldMessage& operator=(const HeldMessage&) = delete;
    ~HeldMessage() { m_message->Release(); }

private:
    IMessage* m_message;
};

} // namespace

ZARMessageSender::~ZARMessageSender() {
    DropTarget();
}

HRESULT ZARMessageSender::Send(IMessageHandler* target, IMessage* message) {
    if (!enabled || message == nullptr)
        return E_FAIL;
    HeldMessage held(message);
    IMessageDispatcher* dispatcher = GetMessageDispatcher();
    if (dispatcher == nullptr)
        return E_FAIL;
    SourceMark mark(message, this);
    return dispatcher->Dispatch(message, target);
}

void ZARMessageSender::Detach() {
    DropTarget();
}

HRESULT ZARMessageSender::Deliver(ZARMessageSender& sender, IMessage* message, IMessageHandler* target) {
    if (message == nullptr)
        return E_POINTER;
    HeldMessage held(message);
    return sender.Send(target, message);
}

void ZARMessageSender::SetTarget(IMessageHandler* target, bool hold) {
    if (hold && target != nullptr)
        target->AddRef();
    DropTarget();
    m_target = target;
    m_targetRef = hold ? target : nullptr;
}

void ZARMessageSender::AdoptTarget(IMessageHandler* target) {
    DropTarget();
    m_target = target;
    m_targetRef = target;
}

void ZARMessageSender::DropTarget() {
    IMessageHandler* held = m_targetRef;
    m_target = nullptr;
    m_targetRef = nullptr;
    if (held != nullptr)
        held->Release();
}

} // namespace Tarvik
