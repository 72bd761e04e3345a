#include "platform/win32/modules.h"

#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

// Where the build put the test library (libwin32_test_library.so).
std::u16string TestLibraryFolder() {
    return std::filesystem::path(WIN32_TEST_LIBRARY).parent_path().u16string();
}

class Modules : public ::testing::Test {
protected:
    void TearDown() override {
        win32::SetExecutablePath({});
        win32::SetExitHook(nullptr);
    }
};

TEST_F(Modules, WindowsLibraryNamesNameSharedObjects) {
    struct Case {
        const char16_t* name;
        const char16_t* object;
    };
    for (const Case& c :
         {Case{u"Zar.dll", u"libzar.so"}, Case{u"/opt/vantrel/Tarvik.DLL", u"/opt/vantrel/libtarvik.so"},
          Case{u"C:\\Apps\\UxTheme.dll", u"C:\\Apps\\libuxtheme.so"}, Case{u"libplain.so", u"libplain.so"},
          Case{u"name.dll2", u"name.dll2"}, Case{u"/dir.dll/file", u"/dir.dll/file"}})
        EXPECT_EQ(win32::SharedObjectName(c.name), c.object);
}

TEST_F(Modules, ALibraryBesideTheExecutableIsFoundByItsWindowsName) {
    win32::SetExecutablePath(TestLibraryFolder() + u"/host");
    HMODULE module = LoadLibraryW(u"Win32_Test_Library.dll");
    ASSERT_NE(module, nullptr);

    using Answer = int (*)();
    auto answer = reinterpret_cast<Answer>(GetProcAddress(module, "TestLibraryAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(GetProcAddress(module, "NoSuchExport"), nullptr);

    WCHAR path[MAX_PATH];
    DWORD n = GetModuleFileNameW(module, path, MAX_PATH);
    EXPECT_EQ(std::u16string(path, n), TestLibraryFolder() + u"/libwin32_test_library.so");

    EXPECT_EQ(FreeLibrary(module), TRUE);
    EXPECT_EQ(FreeLibrary(module), FALSE) << "the handle was given once";
    EXPECT_EQ(LoadLibraryW(u"NoSuchLibrary.dll"), nullptr);
}

TEST_F(Modules, TheExecutablePathIsConfigurableAndTruncatedToTheBuffer) {
    win32::SetExecutablePath(u"/opt/vantrel/vantrel");
    WCHAR buffer[8];
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 8), 8u) << "a path that does not fit answers the size";
    EXPECT_EQ(std::u16string(buffer), u"/opt/va");
    WCHAR whole[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(nullptr, whole, MAX_PATH), 20u);
    EXPECT_EQ(std::u16string(whole), u"/opt/vantrel/vantrel");
    win32::SetExecutablePath({});
    EXPECT_GT(GetModuleFileNameW(nullptr, whole, MAX_PATH), 0u) << "the real executable";
}

TEST_F(Modules, ExitProcessGoesThroughTheHook) {
    struct Exited {
        UINT code;
    };
    win32::SetExitHook([](UINT code) { throw Exited{code}; });
    try {
        ExitProcess(static_cast<UINT>(-1));
        FAIL() << "the hook did not run";
    } catch (const Exited& exited) {
        EXPECT_EQ(exited.code, 0xFFFFFFFFu);
    }
}

TEST_F(Modules, ThreadNotificationsAreRecordedAsTurnedOff) {
    auto* module = reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x1000));
    EXPECT_FALSE(win32::ThreadLibraryCallsDisabled(module));
    EXPECT_EQ(DisableThreadLibraryCalls(module), TRUE);
    EXPECT_TRUE(win32::ThreadLibraryCallsDisabled(module));
}

} // namespace
