#pragma once
// The common save-file dialog, shown to nobody: the desktop records it and a
// script the test queued answers it (ScriptedFileDialogs.h). The chosen path
// is copied into lpstrFile; one that does not fit nMaxFile (with its
// terminator) fails with FNERR_BUFFERTOOSMALL.

#include "platform/user/records.h"

inline constexpr DWORD OFN_READONLY = 0x00000001;
inline constexpr DWORD OFN_OVERWRITEPROMPT = 0x00000002;
inline constexpr DWORD OFN_HIDEREADONLY = 0x00000004;
inline constexpr DWORD OFN_PATHMUSTEXIST = 0x00000800;
inline constexpr DWORD FNERR_BUFFERTOOSMALL = 0x3003;

struct OPENFILENAMEW {
    DWORD lStructSize;
    HWND hwndOwner;
    HINSTANCE hInstance;
    LPCWSTR lpstrFilter; // pairs of description and pattern, each NUL-ended, then a NUL
    LPWSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPWSTR lpstrFile;
    DWORD nMaxFile;
    LPWSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCWSTR lpstrInitialDir;
    LPCWSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCWSTR lpstrDefExt;
    LPARAM lCustData;
    void* lpfnHook;
    LPCWSTR lpTemplateName;
    void* pvReserved;
    DWORD dwReserved;
    DWORD FlagsEx;
};

// TRUE with the chosen path; FALSE when cancelled (CommDlgExtendedError 0) or
// failed (its code).
BOOL GetSaveFileNameW(OPENFILENAMEW* dialog);
DWORD CommDlgExtendedError();
