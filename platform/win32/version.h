#pragma once
// Version resources: the fixed file information and the StringFileInfo values
// of a module, registered as its RT_VERSION resource 1 and read with
// VerQueryValueW from the locked resource.
//
// VerQueryValueW paths: "\" gives the VS_FIXEDFILEINFO; "\VarFileInfo\Translation"
// gives one DWORD, the language in the low word and the code page in the high
// word; "\StringFileInfo\LLLLCCCC\Name" (language and code page in hex) gives the
// value's text, *length counting its terminator. Names compare without regard
// to ASCII case.

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/types.h"

struct VS_FIXEDFILEINFO {
    DWORD dwSignature; // 0xFEEF04BD
    DWORD dwStrucVersion;
    DWORD dwFileVersionMS;
    DWORD dwFileVersionLS;
    DWORD dwProductVersionMS;
    DWORD dwProductVersionLS;
    DWORD dwFileFlagsMask;
    DWORD dwFileFlags;
    DWORD dwFileOS;
    DWORD dwFileType;
    DWORD dwFileSubtype;
    DWORD dwFileDateMS;
    DWORD dwFileDateLS;
};
static_assert(sizeof(VS_FIXEDFILEINFO) == 52);

inline constexpr DWORD VS_FFI_SIGNATURE = 0xFEEF04BD;

struct VersionInfo {
    VS_FIXEDFILEINFO fixed;
    LANGID language;
    WORD codePage;
    std::vector<std::pair<std::u16string, std::u16string>> strings;
};

// The resource bytes VerQueryValueW reads.
std::vector<BYTE> BuildVersionResource(const VersionInfo& info);
void RegisterVersionResource(HMODULE module, const VersionInfo& info);

BOOL VerQueryValueW(LPCVOID block, LPCWSTR subBlock, LPVOID* buffer, UINT* length);
