#pragma once
// Module resources: typed, named, per-language blocks of bytes that belong to a
// module instance, found with FindResourceW/FindResourceExW and read with
// LoadResource/LockResource/SizeofResource.
//
// A module's resources are registered at run time (this platform's counterpart
// of linking them into the image): RegisterResource adds one block, and
// RegisterStringTable builds RT_STRING blocks from entries. The null module
// handle is the process's executable.
//
// String tables: entry id lives in block ((id >> 4) + 1) & 0xFFFF at index
// id & 15; a block is 16 counted strings, each a 16-bit length followed by that
// many UTF-16 units without terminator.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/win32/types.h"

inline LPCWSTR MAKEINTRESOURCEW(WORD id) {
    return reinterpret_cast<LPCWSTR>(static_cast<std::uintptr_t>(id));
}
inline bool IS_INTRESOURCE(LPCWSTR name) {
    return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

inline const LPCWSTR RT_STRING = MAKEINTRESOURCEW(6);
inline const LPCWSTR RT_VERSION = MAKEINTRESOURCEW(16);

inline constexpr WORD LANG_NEUTRAL = 0x00;
inline constexpr WORD LANG_GERMAN = 0x07;
inline constexpr WORD LANG_ENGLISH = 0x09;
inline constexpr WORD SUBLANG_NEUTRAL = 0x00;
inline constexpr WORD SUBLANG_DEFAULT = 0x01;
constexpr LANGID MAKELANGID(WORD primary, WORD sub) {
    return static_cast<LANGID>((sub << 10) | primary);
}
constexpr WORD PRIMARYLANGID(LANGID language) {
    return language & 0x3FF;
}

// Exactly the given language.
HRSRC FindResourceExW(HMODULE module, LPCWSTR type, LPCWSTR name, WORD language);
// Any language: neutral first, then US English, then the first registered.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
LPVOID LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);

struct StringResource {
    UINT id;
    LANGID language;
    std::u16string_view text;
};

// Adds (or replaces) one resource of the module. Names and types are integer
// resources or texts (compared without regard to ASCII case).
void RegisterResource(HMODULE module, LPCWSTR type, LPCWSTR name, LANGID language, std::vector<BYTE> data);
// Adds string-table entries to the module, rebuilding the blocks they fall in.
void RegisterStringTable(HMODULE module, std::span<const StringResource> entries);
// Forgets every resource of the module.
void UnregisterResources(HMODULE module);
