#include "module/ZARMessageSender.h"

#include "module/HostServices.h"

namespace Tarvik {

namespace {

// Marks a message's source for the length of one dispatch, also when it throws.
class SourceMark {
public:
    SourceMark(IMessage* message, const void* source)
        : mSource(QueryInterfacePtr<IMessageSource>(message, IID_IMessageSource)) {
        if (mSource)
            mSource->SetSource(source);
    }
    SourceMark(const SourceMark&) = delete;
    SourceMark& operator=(const SourceMark&) = delete;
    ~SourceMark() {
        if (mSource)
            mSource->SetSource(nullptr);
    }

private:
    ComPtr<IMessageSource> mSource;
};

} // namespace

ZARMessageSender::~ZARMessageSender() {
    DropTarget();
}

HRESULT ZARMessageSender::Send(IMessageHandler* target, IMessage* message) {
    if (!enabled || message == nullptr)
        return E_FAIL;
    const ComPtr<IMessage> held(message);
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
    const ComPtr<IMessage> held(message);
    return sender.Send(target, message);
}

void ZARMessageSender::SetTarget(IMessageHandler* target, bool hold) {
    ComPtr<IMessageHandler> held = hold ? ComPtr<IMessageHandler>(target) : nullptr;
    DropTarget();
    mTarget = target;
    mTargetRef = std::move(held);
}

void ZARMessageSender::AdoptTarget(IMessageHandler* target) {
    DropTarget();
    mTarget = target;
    mTargetRef = ComPtr<IMessageHandler>::Adopt(target);
}

void ZARMessageSender::DropTarget() {
    mTarget = nullptr;
    const ComPtr<IMessageHandler> held = std::move(mTargetRef); // released once the sender has let go
}

} // namespace Tarvik
