#include "host/framework/MessageFactory.h"

namespace Vantrel {

MessageFactory::~MessageFactory() {
    ReleaseClasses();
}

IMsgIdMessageClassObject* MessageFactory::FindClass(DWORD messageId) const {
    for (const auto& entry : m_classes) {
        DWORD id = 0;
        entry.messageClass->GetMessageId(&id);
        if (id == messageId)
            return entry.messageClass;
    }
    return nullptr;
}

void MessageFactory::ReleaseClasses() {
    auto classes = std::move(m_classes);
    m_classes.clear();
    for (auto& entry : classes)
        entry.messageClass->Release();
}

HRESULT MessageFactory::RegisterMessageClass(DWORD reserved, IMsgIdMessageClassObject* messageClass) {
    if (messageClass == nullptr)
        return E_POINTER;
    DWORD id = 0;
    messageClass->GetMessageId(&id);
    m_requests.push_back(id);
    if (m_refuse)
        return E_FAIL;
    messageClass->AddRef();
    m_classes.push_back({reserved, messageClass});
    return S_OK;
}

} // namespace Vantrel
