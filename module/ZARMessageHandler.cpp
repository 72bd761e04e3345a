#include "module/ZARMessageHandler.h"

namespace Tarvik {

ZARMessageHandler::ZARMessageHandler() {
    SetTarget(Self(), false);
}

ZARMessageHandler::~ZARMessageHandler() {
    ZARMessageHandler::Detach();
}

HRESULT ZARMessageHandler::OnMessage(IMessage* message) {
    for (std::uint32_t i = 0; i < mHandlers.GetCount(); ++i)
        if (IMessageHandler* handler = mHandlers.GetAt(i);
            handler != nullptr && handler->OnMessage(message) != 0)
            return 1;
    return 0;
}

HRESULT ZARMessageHandler::AddHandler(IMessageHandler* handler) {
    if (handler == nullptr)
        return E_POINTER;
    mHandlers.Add(handler);
    handler->SetParent(Self());
    return S_OK;
}

HRESULT ZARMessageHandler::RemoveHandler(IMessageHandler* handler) {
    if (handler == nullptr)
        return S_FALSE;
    for (std::uint32_t i = 0; i < mHandlers.GetCount(); ++i) {
        if (mHandlers.GetAt(i) == handler) {
            handler->SetParent(nullptr);
            mHandlers.RemoveAt(i);
            return S_OK;
        }
    }
    return E_FAIL;
}

HRESULT ZARMessageHandler::SetParent(IMessageHandler* parent) {
    mParent = parent;
    Redirect();
    return S_OK;
}

void ZARMessageHandler::Redirect() {
    if (mParent == nullptr) {
        SetTarget(Self(), false);
        return;
    }
    ComPtr<IMessageHandler> target;
    mParent->GetTarget(target.Put());
    if (target.Get() == mParent)
        SetTarget(target.Get(), false);
    else
        AdoptTarget(target.Detach());
}

HRESULT ZARMessageHandler::GetTarget(IMessageHandler** target) {
    if (target == nullptr)
        return E_POINTER;
    *target = Target();
    if (*target != nullptr)
        (*target)->AddRef();
    return S_OK;
}

bool ZARMessageHandler::IsFromSource(IMessage* message, const ZARMessageSender* sender) {
    ComPtr<IMessageSource> source;
    if (message == nullptr || FAILED(message->QueryInterface(IID_IMessageSource, source.PutVoid())))
        return false;
    return source->IsFromSource(sender) == S_OK;
}

bool ZARMessageHandler::AcceptsMessage(IMessage* message) {
    DWORD flags = 0;
    if (message == nullptr || FAILED(message->GetFlags(&flags)))
        return false;
    return (flags & kMessageNotToSender) == 0 || !IsFromSource(message, this);
}

void ZARMessageHandler::Detach() {
    if (IMessageHandler* parent = mParent) {
        mParent = nullptr;
        parent->RemoveHandler(Self());
    }
    while (mHandlers.GetCount() > 0) {
        const std::uint32_t last = mHandlers.GetCount() - 1;
        if (IMessageHandler* handler = mHandlers.GetAt(last))
            handler->SetParent(nullptr);
        mHandlers.RemoveAt(last);
    }
    ZARMessageSender::Detach();
}

} // namespace Tarvik
