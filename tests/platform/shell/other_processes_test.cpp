// Other processes and their windows: process handles and image paths of real
// processes, windows registered for them, and what is done to such windows.

#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/shell/shellapi.h"
#include "platform/user/Desktop.h"
#include "platform/user/window_api.h"
#include "platform/win32/modules.h"
#include "platform/win32/process.h"
#include "platform/win32/utf.h"
#include "tests/support/StandInProgram.h"

namespace {

std::u16string ImageOf(DWORD pid, DWORD access = PROCESS_QUERY_LIMITED_INFORMATION) {
    const HANDLE process = OpenProcess(access, FALSE, pid);
    if (process == nullptr)
        return u"<no process>";
    WCHAR image[520] = {};
    const DWORD length = GetProcessImageFileNameW(process, image, 520);
    EXPECT_TRUE(CloseHandle(process));
    return length == 0 ? u"<no image>" : std::u16string(image, length);
}

BOOL Collect(HWND hwnd, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(hwnd);
    return TRUE;
}

class OtherProcesses : public ::testing::Test {
protected:
    void SetUp() override { user::Desktop::Reset(); }
    void TearDown() override {
        for (const shell::Launch& launch : shell::Launches())
            testsupport::EndProcess(launch.pid);
        shell::ClearLaunches();
        EXPECT_EQ(win32::OpenHandleCount(), 0);
    }
};

TEST_F(OtherProcesses, ALiveProcessGivesItsRealImagePath) {
    testsupport::TempFolder temp;
    testsupport::InstallStandIn(temp.Path());
    ShellExecuteW(nullptr, nullptr, temp.Text("CVX.exe").c_str(), nullptr, temp.Text().c_str(),
                  SW_SHOWDEFAULT);
    ASSERT_EQ(shell::Launches().size(), 1u);
    const int pid = shell::Launches()[0].pid;
    ASSERT_TRUE(testsupport::WaitForMarker(temp.Path()));

    const std::u16string image = ImageOf(static_cast<DWORD>(pid));
    EXPECT_EQ(std::filesystem::path(win32::Utf16ToUtf8(image)),
              std::filesystem::canonical(temp.Path() / "CVX.exe"));
    EXPECT_EQ(ImageOf(static_cast<DWORD>(pid), PROCESS_VM_READ), u"<no image>") << "no query access";
    EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);

    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    WCHAR small[4] = {};
    EXPECT_EQ(GetProcessImageFileNameW(process, small, 4), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    testsupport::EndProcess(pid);
    WCHAR image2[520] = {};
    EXPECT_EQ(GetProcessImageFileNameW(process, image2, 520), 0u) << "the process has ended";
    CloseHandle(process);
    EXPECT_EQ(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid)), nullptr);
    EXPECT_FALSE(CloseHandle(process)) << "closed already";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST_F(OtherProcesses, TheirWindowsAreEnumeratedWithTheirProcessAndTitle) {
    const HWND own = CreateWindowExW(0, u"STATIC", u"Vantrel", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                     nullptr, nullptr, nullptr);
    const HWND other = user::RegisterOtherProcessWindow(u"CVX Station Control Interface", 4242);
    std::vector<HWND> windows;
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows.size(), 2u);
    EXPECT_NE(std::find(windows.begin(), windows.end(), other), windows.end());

    DWORD pid = 0;
    EXPECT_EQ(GetWindowThreadProcessId(other, &pid), 4242u);
    EXPECT_EQ(pid, 4242u);
    GetWindowThreadProcessId(own, &pid);
    EXPECT_EQ(pid, GetCurrentProcessId());
    WCHAR title[64] = {};
    EXPECT_EQ(GetWindowTextW(other, title, 64), 29);
    EXPECT_TRUE(IsWindowVisible(other));

    ShowWindow(other, SW_MINIMIZE);
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    ASSERT_TRUE(GetWindowPlacement(other, &placement));
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMINIMIZED));
    EXPECT_TRUE(ShowWindowAsync(other, SW_RESTORE));
    EXPECT_TRUE(SetForegroundWindow(other));
    GetWindowPlacement(other, &placement);
    EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWNORMAL));
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_GE(effects.size(), 2u);
    EXPECT_EQ(effects[effects.size() - 2].kind, "ShowWindowAsync");
    EXPECT_EQ(effects[effects.size() - 2].detail, u"CVX Station Control Interface|9");
    EXPECT_EQ(effects.back().kind, "SetForegroundWindow");
    windows.clear();
    EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows.front(), other) << "brought to the top";

    EXPECT_TRUE(DestroyWindow(other));
    EXPECT_FALSE(ShowWindowAsync(other, SW_RESTORE));
    EXPECT_FALSE(SetForegroundWindow(other));
    placement.length = 0;
    EXPECT_FALSE(GetWindowPlacement(own, &placement)) << "the length must be set";
}

TEST_F(OtherProcesses, WindowInfoGivesScreenRectanglesAndStyles) {
    const HWND parent = CreateWindowExW(0, u"STATIC", u"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 50,
                                        400, 300, nullptr, nullptr, nullptr, nullptr);
    const HWND child = CreateWindowExW(0, u"STATIC", u"", WS_CHILD | WS_VISIBLE, 10, 20, 30, 40, parent,
                                       nullptr, nullptr, nullptr);
    WINDOWINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetWindowInfo(child, &info));
    POINT origin{0, 0};
    ClientToScreen(parent, &origin);
    EXPECT_EQ(info.rcWindow.left, origin.x + 10);
    EXPECT_EQ(info.rcClient.top, origin.y + 20);
    EXPECT_EQ(info.dwStyle & WS_CHILD, WS_CHILD);
    ASSERT_TRUE(GetWindowInfo(parent, &info));
    EXPECT_EQ(info.dwStyle & WS_THICKFRAME, WS_THICKFRAME);
    EXPECT_EQ(info.rcWindow.left, 100);
    EXPECT_GT(info.cxWindowBorders, 0u);
    EXPECT_FALSE(GetWindowInfo(nullptr, &info));
}

} // namespace
