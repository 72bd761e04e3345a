#include "module/HostCommands.h"

#include "module/HostServices.h"
#include "platform/win32/com_ptr.h"

namespace Tarvik {

namespace {

constexpr DWORD kCommandKind = 10;
constexpr DWORD kTopMenuKind = 56;
constexpr DWORD kMenuEntryKind = 2;
constexpr UINT kExtensionMenuText = 2010;

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

HRESULT AddCommand(ICAFCommand* owner, const Ovo::String* texts[6], DWORD flags, DWORD kind,
                   IUnknown** item) {
    IHostCommandUIService* service = GetHostCommandUIService();
    if (service == nullptr)
        return E_NOINTERFACE;
    return service->AddCommand(owner, Text(texts[0]), Text(texts[1]), Text(texts[2]), flags, 0,
                               Text(texts[3]), Text(texts[4]), Text(texts[5]), kind, 0, 0, 0, item);
}

HRESULT AddEntry(ICAFCommand* command, HINSTANCE module, UINT textId, const Ovo::String& path, DWORD word,
                 const Ovo::String* key, const Ovo::String* text, DWORD kind, IUnknown** item) {
    IHostCommandUIService* service = GetHostCommandUIService();
    if (service == nullptr)
        return E_NOINTERFACE;
    return service->AddMenuEntry(command, module, textId, Text(&path), word, Text(key), Text(text), kind,
                                 item);
}

} // namespace

HRESULT AddHostCommand(ICAFCommand* owner, const Ovo::String& name, const Ovo::String& description,
                       const Ovo::String& label, WORD flagsHigh, WORD flagsLow, const Ovo::String& text1,
                       const Ovo::String& text2, const Ovo::String& text3, IUnknown** item) {
    const Ovo::String* texts[6] = {&name, &description, &label, &text1, &text2, &text3};
    return AddCommand(owner, texts, MAKELONG(flagsLow, flagsHigh), kCommandKind, Cleared(item));
}

HRESULT AddHostTopMenu(const Ovo::String& key, const Ovo::String& name, IUnknown** item) {
    const Ovo::String* texts[6] = {&key, &name, nullptr, nullptr, nullptr, nullptr};
    return AddCommand(nullptr, texts, 0, kTopMenuKind, Cleared(item));
}

HRESULT AddHostMenuCommand(ICAFCommand* command, HINSTANCE module, UINT textId, const Ovo::String& path,
                           IUnknown** item) {
    return AddEntry(command, module, textId, path, 0, nullptr, nullptr, kMenuEntryKind, Cleared(item));
}

HRESULT AddHostMenuCommandWithKey(ICAFCommand* command, HINSTANCE module, UINT textId,
                                  const Ovo::String& path, DWORD word, const Ovo::String& key,
                                  const Ovo::String& text, DWORD kind, IUnknown** item) {
    return AddEntry(command, module, textId, path, word, &key, &text, kind, Cleared(item));
}

HRESULT AddHostExtensionMenu(HINSTANCE module, const Ovo::String& path, IUnknown** item) {
    return AddEntry(nullptr, module, kExtensionMenuText, path, 0, nullptr, nullptr, kMenuEntryKind,
                    Cleared(item));
}

HRESULT AddHostMenuSeparator(const Ovo::String& text, IUnknown** item) {
    const bool separator = text == Ovo::String(u"-");
    const Ovo::String* texts[6] = {
        nullptr, separator ? nullptr : &text, separator ? &text : nullptr, nullptr, nullptr, nullptr};
    return AddCommand(nullptr, texts, 0, kMenuEntryKind, Cleared(item));
}

HRESULT RemoveHostMenuCommands() {
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
