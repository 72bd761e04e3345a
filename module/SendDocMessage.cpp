#include "module/SendDocMessage.h"

#include "module/HostServices.h"

namespace Tarvik {

HRESULT SendDocMessageBlock(DWORD id, DWORD flags, const void* block, ZARMessageSender& sender,
                            IMessageHandler* target, IUnknown* object) {
    IHostMessageService* service = GetHostMessageService();
    if (service == nullptr)
        return E_FAIL;
    IMessage* message = nullptr;
    service->CreateMessage(id, flags, 0, 0, object, block, &message);
    if (message == nullptr)
        return E_FAIL;
    HRESULT hr = ZARMessageSender::Deliver(sender, message, target);
    message->Release();
    return hr;
}

} // namespace Tarvik
