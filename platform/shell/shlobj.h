#pragma once
// The shell's special folders. There are no such folders on Linux: the layer is
// told which directory stands for each (shell::SetFolderPath), and a folder it
// was not told of, or one set to fail, fails as a missing folder would.

#include <string>

#include "platform/user/handles.h"
#include "platform/win32/hresult.h"

inline constexpr int CSIDL_PROGRAMS = 0x0002;
inline constexpr int CSIDL_PERSONAL = 0x0005;
inline constexpr int CSIDL_COMMON_PROGRAMS = 0x0017;
inline constexpr int CSIDL_PROGRAM_FILES = 0x0026;
inline constexpr int CSIDL_FLAG_CREATE = 0x8000;
inline constexpr int CSIDL_FLAG_MASK = 0xFF00;

// Copies the folder's path (at most MAX_PATH units with the terminator) into
// path. E_FAIL for a folder the layer has no directory for, E_INVALIDARG for
// a null path or a path that does not fit, or the failure set for the folder.
HRESULT SHGetFolderPathW(HWND hwnd, int csidl, HANDLE token, DWORD flags, LPWSTR path);

namespace shell {

// The directory SHGetFolderPathW gives for the folder (flag bits ignored).
void SetFolderPath(int csidl, std::u16string path);
// Makes SHGetFolderPathW fail with hr for the folder until it is set again.
void SetFolderFailure(int csidl, HRESULT hr);
// Forgets every folder.
void ResetFolders();

} // namespace shell
