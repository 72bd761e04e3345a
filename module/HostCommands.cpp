#include "module/HostCommands.h"

#include "module/HostServices.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

namespace {

constexpr DWORD kTopMenuKind = 56;
constexpr DWORD kMenuEntryKind = 2;

// A string handed to the host for one call (null for no text).
class Text {
public:
    explicit Text(const Ovo::String* text)
        : mText(ComPtr<IAutoOvoString>::Adopt(text == nullptr ? nullptr : text->GetInterface())) {}
    operator IAutoOvoString*() const { return mText.Get(); }

private:
    ComPtr<IAutoOvoString> mText;
};

IUnknown** Cleared(IUnknown** item) {
    if (item != nullptr)
        *item = nullptr;
    return item;
}

} // namespace

HRESULT AddHostTopMenu(const Ovo::String& path, const Ovo::String& key) {
    IHostCommandUIService* service = GetHostCommandUIService();
    if (service == nullptr)
        return E_NOINTERFACE;
    ComPtr<IUnknown> item;
    return service->AddTopMenu(Text(&path), Text(&key), kTopMenuKind, item.Put());
}

HRESULT AddHostMenuEntry(ICAFCommand* command, HINSTANCE module, const Ovo::String& path, DWORD commandId,
                         UINT textId, const Ovo::String* key, WORD imageId, WORD flags) {
    IHostCommandUIService* service = GetHostCommandUIService();
    if (service == nullptr)
        return E_NOINTERFACE;
    ComPtr<IUnknown> item;
    return service->AddMenuEntry(command, Text(&path), commandId, module, textId, Text(key), imageId, flags,
                                 kMenuEntryKind, item.Put());
}

ComPtr<ICommandState> FindHostCommandItem(DWORD commandId) {
    ComPtr<ICommandState> item;
    if (IHostCommandUIService* service = GetHostCommandUIService())
        service->FindItem(commandId, item.Put());
    return item;
}

HRESULT NotifyHostCommandStatesChanged() {
    IHostCommandUIService* service = GetHostCommandUIService();
    ComPtr<ISubject> subject;
    if (service == nullptr || FAILED(service->QueryInterface(IID_ISubject, subject.PutVoid())))
        return E_NOINTERFACE;
    return subject->Notify(kCommandStatesChanged, 1);
}

HRESULT OpenHostView(DWORD viewKind, IUnknown** view) {
    IHostViewService* service = GetHostViewService();
    return service == nullptr ? E_NOINTERFACE : service->OpenView(viewKind, 0, Cleared(view));
}

HRESULT OpenHostViewOfClass(ULONG_PTR value1, ULONG_PTR value2, DWORD word, IUnknown** view) {
    IHostViewService* service = GetHostViewService();
    return service == nullptr
               ? E_NOINTERFACE
               : service->OpenViewOfClass(value1, value2, word, &kHostViewClassGuid, Cleared(view));
}

HRESULT HostViewServiceCall14(ULONG_PTR value1, ULONG_PTR value2, ULONG_PTR value3, IUnknown** object) {
    IHostViewService* service = GetHostViewService();
    return service == nullptr ? E_NOINTERFACE
                              : service->MakeViewObject(value1, value2, value3, 0, Cleared(object));
}

} // namespace Tarvik
