#pragma once
// The shell-link object (a shortcut). On this layer a link file is a text file
// whose first line is the target's path (UTF-8); nothing else of a shortcut is
// kept. Load reads it, Resolve checks that the target exists, GetPath gives the
// path as written (there are no short 8.3 names, so SLGP_SHORTPATH changes
// nothing). CoCreateInstance creates the object from the class the layer
// installs when it is loaded.

#include "platform/user/handles.h"
#include "platform/win32/persist.h"

inline constexpr CLSID CLSID_ShellLink = MakeGuid("{00021401-0000-0000-C000-000000000046}");
inline constexpr IID IID_IShellLinkW = MakeGuid("{000214F9-0000-0000-C000-000000000046}");
inline constexpr IID IID_IPersistFile = MakeGuid("{0000010B-0000-0000-C000-000000000046}");

inline constexpr DWORD SLGP_SHORTPATH = 0x1;
inline constexpr DWORD SLGP_UNCPRIORITY = 0x2;
inline constexpr DWORD SLGP_RAWPATH = 0x4;

inline constexpr HRESULT STG_E_FILENOTFOUND = MakeHResult(0x80030002u);
// HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND).
inline constexpr HRESULT HRESULT_FILE_NOT_FOUND = MakeHResult(0x80070002u);

struct WIN32_FIND_DATAW;
struct ITEMIDLIST;

struct IShellLinkW : IUnknown {
    // The target's path, truncated to size - 1 units; S_FALSE and an empty text
    // when the link has none. findData is not filled.
    virtual HRESULT GetPath(LPWSTR path, int size, WIN32_FIND_DATAW* findData, DWORD flags) = 0; // slot 3
    virtual HRESULT GetIDList(ITEMIDLIST** list) { return E_NOTIMPL; }                           // slot 4
    virtual HRESULT SetIDList(const ITEMIDLIST* list) { return E_NOTIMPL; }                      // slot 5
    virtual HRESULT GetDescription(LPWSTR text, int size) { return E_NOTIMPL; }                  // slot 6
    virtual HRESULT SetDescription(LPCWSTR text) { return E_NOTIMPL; }                           // slot 7
    virtual HRESULT GetWorkingDirectory(LPWSTR dir, int size) { return E_NOTIMPL; }              // slot 8
    virtual HRESULT SetWorkingDirectory(LPCWSTR dir) { return E_NOTIMPL; }                       // slot 9
    virtual HRESULT GetArguments(LPWSTR args, int size) { return E_NOTIMPL; }                    // slot 10
    virtual HRESULT SetArguments(LPCWSTR args) { return E_NOTIMPL; }                             // slot 11
    virtual HRESULT GetHotkey(WORD* hotkey) { return E_NOTIMPL; }                                // slot 12
    virtual HRESULT SetHotkey(WORD hotkey) { return E_NOTIMPL; }                                 // slot 13
    virtual HRESULT GetShowCmd(int* show) { return E_NOTIMPL; }                                  // slot 14
    virtual HRESULT SetShowCmd(int show) { return E_NOTIMPL; }                                   // slot 15
    virtual HRESULT GetIconLocation(LPWSTR path, int size, int* index) { return E_NOTIMPL; }     // slot 16
    virtual HRESULT SetIconLocation(LPCWSTR path, int index) { return E_NOTIMPL; }               // slot 17
    virtual HRESULT SetRelativePath(LPCWSTR path, DWORD reserved) { return E_NOTIMPL; }          // slot 18
    // S_OK when the target exists; HRESULT_FILE_NOT_FOUND when it does not,
    // E_UNEXPECTED when nothing was loaded.
    virtual HRESULT Resolve(HWND hwnd, DWORD flags) = 0; // slot 19
    virtual HRESULT SetPath(LPCWSTR path) = 0;           // slot 20

protected:
    ~IShellLinkW() = default;
};

struct IPersistFile : IPersist {
    virtual HRESULT IsDirty() { return S_FALSE; } // slot 4
    // STG_E_FILENOTFOUND when the file cannot be read.
    virtual HRESULT Load(LPCWSTR fileName, DWORD mode) = 0;                     // slot 5
    virtual HRESULT Save(LPCWSTR fileName, BOOL remember) { return E_NOTIMPL; } // slot 6
    virtual HRESULT SaveCompleted(LPCWSTR fileName) { return E_NOTIMPL; }       // slot 7
    virtual HRESULT GetCurFile(LPWSTR* fileName) { return E_NOTIMPL; }          // slot 8

protected:
    ~IPersistFile() = default;
};
