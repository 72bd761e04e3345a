#include "module/ModuleVersion.h"

#include <string>

#include "module/HostServices.h"
#include "module/MessageIds.h"
#include "module/ModuleInstance.h"
#include "platform/vantrel/IChannelLookup.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/resources.h"
#include "platform/win32/version.h"

namespace Tarvik {

namespace {

constexpr GUID kExtensionSpace = MakeGuid("{C3397303-5AAD-11D3-AB07-00A0CC40B4CE}");
constexpr std::size_t kMaxVersionText = 256;

bool Contains(const std::u16string& text, const char16_t* part) {
    return text.find(part) != std::u16string::npos;
}

struct ModuleVersionInfo {
    WORD fileBuild = 0;
    Ovo::String version;
    Ovo::String description;
};

Ovo::String VersionString(const BYTE* block, const std::u16string& prefix, const char16_t* name) {
    LPVOID value = nullptr;
    UINT length = 0;
    std::u16string path = prefix + name;
    if (!VerQueryValueW(block, path.c_str(), &value, &length) || value == nullptr)
        return Ovo::String(u"N/A");
    return Ovo::String(static_cast<const WCHAR*>(value));
}

// The module's version resource; false when it has none.
bool ReadModuleVersion(ModuleVersionInfo& info) {
    HMODULE module = ModuleInstance();
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), RT_VERSION);
    const auto* block = resource == nullptr
                            ? nullptr
                            : static_cast<const BYTE*>(LockResource(LoadResource(module, resource)));
    LPVOID value = nullptr;
    UINT length = 0;
    if (block == nullptr || !VerQueryValueW(block, u"\\", &value, &length))
        return false;
    info.fileBuild = LOWORD(static_cast<const VS_FIXEDFILEINFO*>(value)->dwFileVersionLS);
    DWORD translation = 0;
    if (VerQueryValueW(block, u"\\VarFileInfo\\Translation", &value, &length) && value != nullptr)
        translation = *static_cast<const DWORD*>(value);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%04X%04X", LOWORD(translation), HIWORD(translation));
    const std::u16string prefix = u"\\StringFileInfo\\" + std::u16string(hex, hex + 8) + u"\\";
    info.version = VersionString(block, prefix, u"FileVersion");
    info.description = VersionString(block, prefix, u"FileDescription");
    return true;
}

} // namespace

Ovo::String ModuleVersionTextFor(WORD fileBuild, const Ovo::String& version, const Ovo::String& description) {
    const std::u16string v = version.ToU16String();
    if (fileBuild >= 1024 || Contains(v, u"N/A"))
        return {};
    const bool preRelease = Contains(v, u"lpha") || Contains(v, u"eta");
    if (!preRelease && (Contains(v, u"ev") || !Contains(v, u"inal")))
        return {};
    std::u16string text = description.ToU16String() + u" " + v;
    return Ovo::String(text.substr(0, kMaxVersionText));
}

void ModuleVersionText() {
    IHostApplication* application = GetHostApplication();
    DWORD state = 0;
    if (application == nullptr || FAILED(application->GetModuleTextState(kModuleVersionText, &state)) ||
        state != 0)
        return;
    ModuleVersionInfo info;
    if (!ReadModuleVersion(info))
        return;
    Ovo::String text = ModuleVersionTextFor(info.fileBuild, info.version, info.description);
    if (text.IsEmpty())
        return;
    application->SetModuleText(kModuleVersionText, ComPtr<IAutoOvoString>::Adopt(text.GetInterface()).Get());
}

DWORD CalcObjectClassId() {
    return MsgIdClass<kExtensionSpace, 1>::Id();
}

bool GetChannelUnitText(IDocumentData* data, LONG channel, LONG record, Ovo::Unit& unit) {
    ComPtr<IUnknown> object;
    if (data == nullptr || FAILED(data->GetChannelUnit(channel, record, kDataUnitFlags, object.Put())) ||
        !object)
        return false;
    const auto name = object.Query<IUnitName>(IID_IUnitName);
    object.Reset();
    return Ovo::UnitNameToUnit(name.Get(), unit);
}

namespace {

// The start of the document's selection, mapped to a position of the data; none without one.
HostTickPosition SelectionStart(IHostDocObject& document, IHostDataObject& data) {
    HostTickPosition start{INT32_MAX, INT32_MAX};
    ComPtr<IHostSelection> selection;
    WORD present = 0;
    if (document.GetSelection(0, selection.Put()) != S_OK || !selection ||
        FAILED(selection->HasSelection(&present)) || present == 0)
        return start;
    HostTickPosition first{INT32_MAX, INT32_MAX}, last{INT32_MAX, INT32_MAX};
    if (selection->GetEnds(&first, &last) == S_OK)
        data.MapPosition(first, &start);
    return start;
}

bool HasDataIn(IDocumentData& data, LONG channel, LONG record) {
    ComPtr<ISampleChannel> samples;
    return record != INT32_MAX &&
           data.GetChannelSamples(channel, kChannelDataProbe, record, INT32_MAX, samples.Put()) == S_OK &&
           samples;
}

} // namespace

bool FindChannelUnitSource(IHostDocObject* document, LONG channel, HostTickPosition rangeStart,
                           IUnknown** unit) {
    if (unit == nullptr)
        return false;
    *unit = nullptr;
    ComPtr<IHostDataObject> dataObject;
    if (document == nullptr || FAILED(document->GetDataObject(0, dataObject.Put())) || !dataObject)
        return false;
    const auto data = dataObject.Query<IDocumentData>(IID_IDocumentData);
    if (!data)
        return false;
    for (const HostTickPosition candidate : {rangeStart, SelectionStart(*document, *dataObject.Get())}) {
        if (!HasDataIn(*data.Get(), channel, candidate.record))
            continue;
        if (data->GetChannelUnit(channel, candidate.record, kDataUnitFlags, unit) == S_OK && *unit)
            return true;
        if (*unit != nullptr) {
            (*unit)->Release();
            *unit = nullptr;
        }
    }
    return false;
}

bool GetChannelObject(IUnknown* document, LONG channel, IUnknown** channelObject) {
    if (channelObject == nullptr)
        return false;
    *channelObject = nullptr;
    ComPtr<IUnknown> object;
    if (const auto lookup = QueryInterfacePtr<IChannelLookup>(document, IID_IChannelLookup))
        lookup->GetChannel(channel, kChannelObject, object.Put());
    else
        return false;
    return object &&
           SUCCEEDED(object->QueryInterface(IID_IChannelInfo, reinterpret_cast<void**>(channelObject)));
}

bool IsChannelCalcCompatibleWithVolumeCalibration(IUnknown* document, LONG channel) {
    ComPtr<IUnknown> object;
    if (!GetChannelObject(document, channel, object.Put()))
        return true;
    const auto settings = object.Query<IChannelCalcSettings>(IID_IChannelCalcSettings);
    LONG source = -1;
    SHORT keepsUnit = 0;
    if (!settings || settings->GetCalculation(&source, &keepsUnit) != S_OK)
        return true;
    return source == channel && keepsUnit != 0;
}

} // namespace Tarvik
