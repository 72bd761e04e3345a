#include "resources/ModuleResources.h"

#include "resources/ModuleDialogs.h"
#include "resources/ModuleImages.h"

namespace Tarvik {

VersionInfo ModuleVersionInfo() {
    VersionInfo info{};
    info.fixed.dwSignature = VS_FFI_SIGNATURE;
    info.fixed.dwStrucVersion = 0x00010000;
    info.fixed.dwFileVersionMS = 0x00020000; // 2.0.0.0
    info.fixed.dwProductVersionMS = 0x00020000;
    info.fixed.dwFileFlagsMask = 0x3F;
    info.fixed.dwFileOS = 0x00040004; // NT, 32-bit Windows
    info.fixed.dwFileType = 2;        // a dynamic library
    info.language = MAKELANGID(LANG_ENGLISH, SUBLANG_DEFAULT);
    info.codePage = 1200; // UTF-16
    info.strings = {
        {u"CompanyName", u"Velmora"},
        {u"FileDescription", u"Tarvik"},
        {u"FileVersion", u"2.0"},
        {u"InternalName", u"Tarvik"},
        {u"InternalVersion", u"16.11"},
        {u"InternalID", u"1"},
        {u"ExtensionType", u"Module"},
        {u"ExtensionCLSID", u"{6B2CBAC1-E243-4BC9-8E7E-3E3FB5062DED}"},
        {u"OriginalFilename", u"libtarvik.so"},
        {u"ProductName", u"Tarvik"},
        {u"ProductVersion", u"2.0"},
    };
    return info;
}

void RegisterModuleResources(HMODULE instance) {
    RegisterStringTable(instance, ModuleStringTable());
    RegisterVersionResource(instance, ModuleVersionInfo());
    RegisterModuleImages(instance);
    RegisterModuleDialogs(instance);
}

} // namespace Tarvik
