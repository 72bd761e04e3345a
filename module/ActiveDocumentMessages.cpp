#include "module/ActiveDocumentMessages.h"

#include <atomic>

#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "module/ModuleExit.h"

namespace Ovo {

AbstractMessageBase* ActiveDocSpecificMessage::CreateCopy() const {
    return new ActiveDocSpecificMessage(Id(), 0);
}

DWORD ActiveDocSpecificMessage::GetTypeIdRef() const {
    return Tarvik::MsgIdClass<Tarvik::HostMsgGuid34A7, 1>::Id();
}

HRESULT ActiveDocSpecificMessage::GetText(IAutoOvoString** text) {
    if (text == nullptr)
        return E_POINTER;
    *text = String().GetInterface();
    return S_OK;
}

namespace {

// The host application's settings object, asked once and kept until the
// module exits.
IHostSettings* HostSettings() {
    static std::atomic<IHostSettings*> settings{nullptr};
    if (IHostSettings* cached = settings.load())
        return cached;
    IHostApplication* application = Tarvik::GetHostApplication();
    IHostSettings* fetched = nullptr;
    if (application == nullptr || FAILED(application->GetSettings(&fetched)) || fetched == nullptr)
        return nullptr;
    IHostSettings* expected = nullptr;
    if (!settings.compare_exchange_strong(expected, fetched)) {
        fetched->Release();
        return expected;
    }
    Tarvik::AtModuleExit([] {
        if (IHostSettings* kept = settings.exchange(nullptr))
            kept->Release();
    });
    return fetched;
}

} // namespace

bool IsHostApplicationVisible() {
    IHostSettings* settings = HostSettings();
    if (settings == nullptr)
        return true;
    BYTE visible = 1;
    String key(u"ovo\\application\\visible");
    IOvoString* keyText = key.GetInterface();
    HRESULT hr = settings->ReadBool(keyText, 1, &visible);
    keyText->Release();
    return FAILED(hr) || visible != 0;
}

} // namespace Ovo
