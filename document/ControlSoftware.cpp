#include "document/ControlSoftware.h"

#include <boost/algorithm/string/predicate.hpp>
#include <boost/filesystem.hpp>
#include <string>
#include <vector>

#include "platform/shell/ShellLink.h"
#include "platform/shell/shellapi.h"
#include "platform/shell/shlobj.h"
#include "platform/user/window_api.h"
#include "platform/win32/activation.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/modules.h"
#include "platform/win32/process.h"
#include "platform/win32/utf.h"

namespace fs = boost::filesystem;

namespace Tarvik {
namespace {

constexpr wchar_t kExecutable[] = L"CVX.exe";
constexpr wchar_t kShortcut[] = L"CVX Station Control Interface.lnk";
constexpr wchar_t kTitleFragment[] = L"cvx";

std::u16string& KeptPath() {
    static std::u16string path;
    return path;
}

fs::path ToPath(const std::u16string& text) {
    return fs::path(win32::Utf16ToUtf8(text));
}

std::u16string FromPath(const fs::path& path) {
    return win32::Utf8ToUtf16(path.string());
}

std::wstring Wide(const fs::path& path) {
    return win32::Utf16ToUtf32(FromPath(path));
}

// Anything the file system has at the path counts, a folder too.
bool Exists(const std::u16string& text) {
    if (text.empty())
        return false;
    boost::system::error_code ec;
    const fs::file_type type = fs::status(ToPath(text), ec).type();
    return type != fs::status_error && type != fs::file_not_found;
}

std::u16string SpecialFolder(int csidl) {
    WCHAR folder[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, 0, folder)))
        return {};
    return folder;
}

std::u16string InstalledPath() {
    const std::u16string programFiles = SpecialFolder(CSIDL_PROGRAM_FILES);
    if (programFiles.empty())
        return {};
    return FromPath(ToPath(programFiles) / "Corvane Instruments" / "CVX Station" /
                    "CVX Station Control Interface" / "CVX.exe");
}

// The first shortcut of the name below the folder, in the walk's order; links
// to folders are not followed.
std::u16string FindShortcut(int csidl) {
    const std::u16string folder = SpecialFolder(csidl);
    if (folder.empty())
        return {};
    boost::system::error_code ec;
    fs::recursive_directory_iterator it(ToPath(folder), ec), end;
    for (; !ec && it != end; it.increment(ec))
        if (boost::algorithm::iequals(Wide(it->path().filename()), kShortcut))
            return FromPath(it->path());
    return {};
}

// The shortcut's target; empty when it does not resolve.
std::u16string ResolveShortcut(const std::u16string& shortcut) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.PutVoid())))
        return {};
    const auto file = link.Query<IPersistFile>(IID_IPersistFile);
    if (!file)
        return {};
    file->Load(shortcut.c_str(), 0);
    if (link->Resolve(nullptr, 0) != S_OK)
        return {};
    WCHAR target[MAX_PATH] = {};
    link->GetPath(target, MAX_PATH, nullptr, SLGP_SHORTPATH);
    return target;
}

bool IsControlSoftwareProcess(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (process == nullptr)
        return false;
    WCHAR image[520] = {};
    const DWORD length = GetProcessImageFileNameW(process, image, 520);
    CloseHandle(process);
    return length != 0 && boost::algorithm::iequals(Wide(ToPath(image).filename()), kExecutable);
}

BOOL CollectControlSoftwareWindow(HWND hwnd, LPARAM windows) {
    if (IsControlSoftwareProcess(hwnd))
        reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
    return TRUE;
}

std::wstring Title(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::u16string title(static_cast<std::size_t>(length) + 1, u'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, title.data(), length + 1)));
    return win32::Utf16ToUtf32(title);
}

} // namespace

Ovo::String GetControlSoftwarePath() {
    std::u16string& kept = KeptPath();
    if (!kept.empty())
        return Ovo::String(kept);
    if (const std::u16string installed = InstalledPath(); Exists(installed)) {
        kept = installed;
        return Ovo::String(kept);
    }
    for (const int folder : {CSIDL_PROGRAMS, CSIDL_COMMON_PROGRAMS}) {
        // A shortcut that does not resolve gives way to the next place, and keeps nothing.
        if (const std::u16string shortcut = FindShortcut(folder); Exists(shortcut)) {
            kept = ResolveShortcut(shortcut);
            if (!kept.empty())
                return Ovo::String(kept);
        }
    }
    return Ovo::String();
}

bool IsControlSoftwareInstalled() {
    return Exists(GetControlSoftwarePath().ToU16String());
}

HWND FindControlSoftwareWindow() {
    std::vector<HWND> windows;
    EnumWindows(CollectControlSoftwareWindow, reinterpret_cast<LPARAM>(&windows));
    for (const HWND hwnd : windows)
        if (boost::algorithm::icontains(Title(hwnd), kTitleFragment))
            return hwnd;
    return nullptr;
}

bool OpenControlSoftware() {
    if (const HWND running = FindControlSoftwareWindow()) {
        ShowWindowAsync(running, SW_RESTORE);
        SetForegroundWindow(running);
        return true;
    }
    const std::u16string path = GetControlSoftwarePath().ToU16String();
    if (!Exists(path))
        return false;
    const std::u16string folder = FromPath(ToPath(path).parent_path());
    ShellExecuteW(nullptr, nullptr, path.c_str(), nullptr, folder.c_str(), SW_SHOWDEFAULT);
    return true;
}

void ForgetControlSoftwarePath() {
    KeptPath().clear();
}

} // namespace Tarvik
