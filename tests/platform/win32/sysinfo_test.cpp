#include "platform/win32/message.h"
#include "platform/win32/modules.h"
#include "platform/win32/sysinfo.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(GetVersionEx, FillsTheRecordItIsGivenFromTheInjectedVersion) {
    OsVersion xp;
    xp.major = 5;
    xp.minor = 1;
    xp.servicePack = u"Service Pack 3";
    xp.servicePackMajor = 3;
    SetOsVersion(xp);

    OSVERSIONINFOEXW ex{};
    ex.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW); // the short form into the long record
    ASSERT_TRUE(GetVersionExW(&ex));
    EXPECT_EQ(ex.dwMajorVersion, 5u);
    EXPECT_EQ(ex.dwMinorVersion, 1u);
    EXPECT_EQ(ex.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(std::u16string(ex.szCSDVersion), u"Service Pack 3");
    EXPECT_EQ(ex.wServicePackMajor, 0);

    ex.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXW);
    ASSERT_TRUE(GetVersionExW(&ex));
    EXPECT_EQ(ex.wServicePackMajor, 3);

    ex.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionExW(&ex));
    xp.fails = true;
    SetOsVersion(xp);
    ex.dwOSVersionInfoSize = sizeof(OSVERSIONINFOW);
    EXPECT_FALSE(GetVersionExW(&ex));
    SetOsVersion(OsVersion{});
}

TEST(FormatMessage, SystemTextsEndWithCrLf) {
    WCHAR buf[512];
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                   0x80004005, 0x0400, buf, 510, nullptr);
    EXPECT_EQ(std::u16string(buf, n), u"Unspecified error\r\n");
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 2, 0x0400, buf, 510, nullptr), 44u);
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 0x80004005, 0x0400, buf, 19, nullptr), 0u);
    EXPECT_EQ(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, 0x12345, 0x0400, buf, 510, nullptr), 0u);
    EXPECT_EQ(FormatMessageW(0, nullptr, 2, 0x0400, buf, 510, nullptr), 0u);
}

TEST(GetSystemInfo, HasA64KiBAllocationGranularity) {
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    EXPECT_EQ(info.dwAllocationGranularity, 65536u);
    EXPECT_EQ(info.dwPageSize, 4096u);
}

} // namespace

namespace {

TEST(MemoryStatus, AnswersTheSwitchedMemoryAndFailsWithTheSwitchedError) {
    win32::ResetMemorySwitches();
    MEMORYSTATUSEX status{};
    EXPECT_FALSE(GlobalMemoryStatusEx(&status)); // dwLength not set
    EXPECT_EQ(GetLastError(), 87u);
    status.dwLength = sizeof status;
    win32::CurrentMemorySwitches().availVirtual = 12345;
    ASSERT_TRUE(GlobalMemoryStatusEx(&status));
    EXPECT_EQ(status.ullAvailVirtual, 12345u);
    EXPECT_TRUE(
        SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1)));
    EXPECT_EQ(win32::CurrentMemorySwitches().workingSetTrims, 1);
    win32::CurrentMemorySwitches().statusError = 8;
    EXPECT_FALSE(GlobalMemoryStatusEx(&status));
    EXPECT_EQ(GetLastError(), 8u);
    win32::ResetMemorySwitches();
}

} // namespace
