#include "module/SendDocMessage.h"

#include "module/HostServices.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

HRESULT SendDocMessageBlock(DWORD id, DWORD flags, const void* block, ZARMessageSender& sender,
                            IMessageHandler* target, IUnknown* object, DWORD targetId) {
    IHostMessageService* service = GetHostMessageService();
    if (service == nullptr)
        return E_FAIL;
    ComPtr<IMessage> message;
    service->CreateMessage(id, flags, targetId, targetId != 0 ? 1 : 0, object, block, message.Put());
    if (!message)
        return E_FAIL;
    return ZARMessageSender::Deliver(sender, message.Get(), target);
}

} // namespace Tarvik
