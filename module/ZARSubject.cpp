#include "module/ZARSubject.h"

#include "module/HostServices.h"

namespace Tarvik {

ZARSubject::~ZARSubject() {
    if (ISubjectService* service = GetSubjectService())
        service->ForgetSubject(this);
}

HRESULT ZARSubject::Notify(DWORD id, ULONG_PTR payload) {
    ISubjectService* service = GetSubjectService();
    return service ? service->Notify(this, id, payload) : E_UNEXPECTED;
}

HRESULT ZARSubject::Attach(IObserver* observer) {
    ISubjectService* service = GetSubjectService();
    return service ? service->Attach(this, observer) : E_UNEXPECTED;
}

HRESULT ZARSubject::Detach(IObserver* observer) {
    ISubjectService* service = GetSubjectService();
    return service ? service->Detach(this, observer) : E_UNEXPECTED;
}

HRESULT ZARSubject::NotifyEx(DWORD word1, DWORD word2, DWORD word3) {
    ISubjectService* service = GetSubjectService();
    return service ? service->NotifyEx(this, word1, word2, word3) : E_UNEXPECTED;
}

} // namespace Tarvik
