#include "module/ActiveDocumentMessages.h"

#include <atomic>

#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "module/ModuleExit.h"
#include "platform/win32/com_ptr.h"

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
    ComPtr<IHostSettings> fetched;
    if (application == nullptr || FAILED(application->GetSettings(fetched.Put())) || !fetched)
        return nullptr;
    IHostSettings* expected = nullptr;
    if (!settings.compare_exchange_strong(expected, fetched.Get()))
        return expected;
    IHostSettings* kept = fetched.Detach(); // settings holds the reference now
    Tarvik::AtModuleExit([] { ComPtr<IHostSettings>::Adopt(settings.exchange(nullptr)).Reset(); });
    return kept;
}

} // namespace

bool IsHostApplicationVisible() {
    IHostSettings* settings = HostSettings();
    if (settings == nullptr)
        return true;
    BYTE visible = 1;
    String key(u"ovo\\application\\visible");
    HRESULT hr = settings->ReadBool(ComPtr<IAutoOvoString>::Adopt(key.GetInterface()).Get(), 1, &visible);
    return FAILED(hr) || visible != 0;
}

} // namespace Ovo
