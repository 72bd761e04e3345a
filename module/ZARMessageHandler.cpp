#include "module/ZARMessageHandler.h"

namespace Tarvik {

ZARMessageHandler::ZARMessageHandler() {
    SetTarget(Self(), false);
}

ZARMessageHandler::~ZARMessageHandler() {
    ZARMessageHandler::Detach();
}

HRESULT ZARMessageHandler::OnMessage(IMessage* message) {
    for (std::uint32_t i = 0; i < m_handlers.GetCount(); ++i)
        if (IMessageHandler* handler = m_handlers.GetAt(i);
            handler != nullptr && handler->OnMessage(message) != 0)
            return 1;
    return 0;
}

HRESULT ZARMessageHandler::AddHandler(IMessageHandler* handler) {
    if (handler == nullptr)
        return E_POINTER;
    m_handlers.Add(handler);
    handler->SetParent(Self());
    return S_OK;
}

HRESULT ZARMessageHandler::RemoveHandler(IMessageHandler* handler) {
    if (handler == nullptr)
        return S_FALSE;
    for (std::uint32_t i = 0; i < m_handlers.GetCount(); ++i) {
        if (m_handlers.GetAt(i) == handler) {
            handler->SetParent(nullptr);
            m_handlers.RemoveAt(i);
            return S_OK;
        }
    }
    return E_FAIL;
}

HRESULT ZARMessageHandler::SetParent(IMessageHandler* parent) {
    m_parent = parent;
    Redirect();
    return S_OK;
}

void ZARMessageHandler::Redirect() {
    if (m_parent == nullptr) {
        SetTarget(Self(), false);
        return;
    }
    IMessageHandler* target = nullptr;
    m_parent->GetTarget(&target);
    if (target == m_parent) {
        SetTarget(target, false);
        target->Release();
    } else {
        AdoptTarget(target);
    }
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
    IMessageSource* source = nullptr;
    if (message == nullptr ||
        FAILED(message->QueryInterface(IID_IMessageSource, reinterpret_cast<void**>(&source))))
        return false;
    const bool from = source->IsFromSource(sender) == S_OK;
    source->Release();
    return from;
}

bool ZARMessageHandler::AcceptsMessage(IMessage* message) {
    DWORD flags = 0;
    if (message == nullptr || FAILED(message->GetFlags(&flags)))
        return false;
    return (flags & kMessageNotToSender) == 0 || !IsFromSource(message, this);
}

void ZARMessageHandler::Detach() {
    if (IMessageHandler* parent = m_parent) {
        m_parent = nullptr;
        parent->RemoveHandler(Self());
    }
    while (m_handlers.GetCount() > 0) {
        const std::uint32_t last = m_handlers.GetCount() - 1;
        if (IMessageHandler* handler = m_handlers.GetAt(last))
            handler->SetParent(nullptr);
        m_handlers.RemoveAt(last);
    }
    ZARMessageSender::Detach();
}

} // namespace Tarvik
