#include "host/framework/MessageFactory.h"

namespace Vantrel {

MessageFactory::~MessageFactory() {
    ReleaseClasses();
}

IMsgIdMessageClassObject* MessageFactory::FindClass(DWORD messageId) const {
    for (const auto& entry : mClasses) {
        DWORD id = 0;
        entry.messageClass->GetMessageId(&id);
        if (id == messageId)
            return entry.messageClass;
    }
    return nullptr;
}

void MessageFactory::ReleaseClasses() {
    auto classes = std::move(mClasses);
    mClasses.clear();
    for (auto& entry : classes)
        entry.messageClass->Release();
}

HRESULT MessageFactory::RegisterMessageClass(DWORD reserved, IMsgIdMessageClassObject* messageClass) {
    if (messageClass == nullptr)
        return E_POINTER;
    DWORD id = 0;
    messageClass->GetMessageId(&id);
    mRequests.push_back(id);
    if (mRefuse)
        return E_FAIL;
    messageClass->AddRef();
    mClasses.push_back({reserved, messageClass});
    return S_OK;
}

} // namespace Vantrel
