#pragma once
// The message factory: keeps the automation message classes a module
// registers, in order.

#include <vector>

#include "host/engine/ComObject.h"
#include "platform/vantrel/MessageFactory.h"
#include "platform/win32/com_ptr.h"

namespace Vantrel {

struct RegisteredMessageClass {
    DWORD reserved = 0;                               // the first argument of the registration
    IMsgIdMessageClassObject* messageClass = nullptr; // held while registered
};

class MessageFactory : public ComObject<IMessageFactory> {
public:
    void* find(REFIID iid) override {
        return iid == IID_IMessageFactory ? static_cast<IMessageFactory*>(this) : nullptr;
    }
    ~MessageFactory() override;

    void SetRefuseRegistrations(bool refuse) { mRefuse = refuse; }
    const std::vector<RegisteredMessageClass>& Classes() const { return mClasses; }
    // Every registration asked for, with the id of its class, in order.
    const std::vector<DWORD>& Requests() const { return mRequests; }
    // The registered class of a message id, or null (not AddRef'd).
    IMsgIdMessageClassObject* FindClass(DWORD messageId) const;
    void ReleaseClasses();

    HRESULT RegisterMessageClass(DWORD reserved, IMsgIdMessageClassObject* messageClass) override;

private:
    std::vector<RegisteredMessageClass> mClasses;
    std::vector<DWORD> mRequests;
    bool mRefuse = false;
};

} // namespace Vantrel
