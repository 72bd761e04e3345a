// The shell layer: special folders, link files and the starting of programs.

#include <gtest/gtest.h>

#include <fstream>

#include "platform/shell/ShellLink.h"
#include "platform/shell/shellapi.h"
#include "platform/shell/shlobj.h"
#include "platform/user/Desktop.h"
#include "platform/win32/activation.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/modules.h"
#include "tests/support/StandInProgram.h"

namespace {

using testsupport::TempFolder;

std::uintptr_t Code(HINSTANCE result) {
    return reinterpret_cast<std::uintptr_t>(result);
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        shell::ResetFolders();
        shell::ClearLaunches();
    }
    void TearDown() override {
        for (const shell::Launch& launch : shell::Launches())
            testsupport::EndProcess(launch.pid);
        shell::ClearLaunches();
        shell::ResetFolders();
    }

    std::u16string Folder(int csidl, HRESULT* hr = nullptr) {
        WCHAR path[MAX_PATH] = {u'x'};
        const HRESULT result = SHGetFolderPathW(nullptr, csidl, nullptr, 0, path);
        if (hr)
            *hr = result;
        return path;
    }

    ComPtr<IShellLinkW> LoadedLink(const std::u16string& file, HRESULT* loaded = nullptr) {
        ComPtr<IShellLinkW> link;
        EXPECT_EQ(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()),
            S_OK);
        const auto persist = link.Query<IPersistFile>(IID_IPersistFile);
        EXPECT_TRUE(persist);
        const HRESULT hr = persist ? persist->Load(file.c_str(), 0) : E_FAIL;
        if (loaded)
            *loaded = hr;
        return link;
    }

    TempFolder mTemp;
};

TEST_F(Shell, FoldersAreTheDirectoriesTheLayerWasGivenOrFail) {
    HRESULT hr = S_OK;
    EXPECT_EQ(Folder(CSIDL_PROGRAMS, &hr), u"");
    EXPECT_EQ(hr, E_FAIL) << "no directory stands for the folder";

    shell::SetFolderPath(CSIDL_PROGRAM_FILES, mTemp.Text("Program Files"));
    EXPECT_EQ(Folder(CSIDL_PROGRAM_FILES, &hr), mTemp.Text("Program Files"));
    EXPECT_EQ(hr, S_OK);
    EXPECT_EQ(Folder(CSIDL_PROGRAM_FILES | CSIDL_FLAG_CREATE), mTemp.Text("Program Files"));

    shell::SetFolderFailure(CSIDL_PROGRAM_FILES, E_ACCESSDENIED);
    EXPECT_EQ(Folder(CSIDL_PROGRAM_FILES, &hr), u"");
    EXPECT_EQ(hr, E_ACCESSDENIED);

    shell::SetFolderPath(CSIDL_PERSONAL, std::u16string(MAX_PATH, u'a'));
    EXPECT_EQ(Folder(CSIDL_PERSONAL, &hr), u"");
    EXPECT_EQ(hr, E_INVALIDARG) << "a path that does not fit the buffer";
    EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, nullptr), E_INVALIDARG);
}

TEST_F(Shell, ALinkResolvesOnlyWhileItsTargetExists) {
    const auto target = mTemp.Path() / "Program" / "Tool.exe";
    std::filesystem::create_directories(target.parent_path());
    std::ofstream(target) << "x";
    testsupport::WriteLinkFile(mTemp.Path() / "Tool.lnk", target);

    HRESULT loaded = E_FAIL;
    const auto link = LoadedLink(mTemp.Text("Tool.lnk"), &loaded);
    ASSERT_TRUE(link);
    EXPECT_EQ(loaded, S_OK);
    EXPECT_EQ(link->Resolve(nullptr, 0), S_OK);
    WCHAR path[MAX_PATH] = {};
    EXPECT_EQ(link->GetPath(path, MAX_PATH, nullptr, SLGP_SHORTPATH), S_OK);
    EXPECT_EQ(std::u16string(path), mTemp.Text("Program/Tool.exe"))
        << "no short names here: the path as written";
    WCHAR shortBuffer[5] = {};
    link->GetPath(shortBuffer, 5, nullptr, 0);
    EXPECT_EQ(std::u16string(shortBuffer), mTemp.Text().substr(0, 4)) << "truncated to the buffer";

    std::filesystem::remove(target);
    EXPECT_EQ(link->Resolve(nullptr, 0), HRESULT_FILE_NOT_FOUND);
}

TEST_F(Shell, ALinkThatCannotBeLoadedDoesNotResolve) {
    HRESULT loaded = S_OK;
    const auto link = LoadedLink(mTemp.Text("missing.lnk"), &loaded);
    EXPECT_EQ(loaded, STG_E_FILENOTFOUND);
    EXPECT_EQ(link->Resolve(nullptr, 0), E_UNEXPECTED);
    WCHAR path[MAX_PATH] = {u'x'};
    EXPECT_EQ(link->GetPath(path, MAX_PATH, nullptr, 0), S_FALSE);
    EXPECT_EQ(path[0], u'\0');

    IUnknown* aggregated = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_ShellLink, link.Get(), CLSCTX_INPROC_SERVER, IID_IUnknown,
                               reinterpret_cast<void**>(&aggregated)),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(aggregated, nullptr);
    EXPECT_EQ(win32::RegisteredClassObjectCount(), 0) << "the shell's class is installed, not registered";
}

TEST_F(Shell, AddressesAndDocumentsAreOnlyRecorded) {
    EXPECT_GT(Code(ShellExecuteW(nullptr, nullptr, u"https://example.org", nullptr, nullptr, SW_SHOWNORMAL)),
              32u);
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_FALSE(effects.empty());
    EXPECT_EQ(effects.back().kind, "ShellExecute");
    EXPECT_EQ(effects.back().detail, u"|https://example.org|||1");

    std::ofstream(mTemp.Path() / "notes.txt") << "text";
    EXPECT_GT(Code(ShellExecuteW(nullptr, u"open", mTemp.Text("notes.txt").c_str(), nullptr, nullptr, 1)),
              32u);
    EXPECT_EQ(Code(ShellExecuteW(nullptr, nullptr, mTemp.Text("none.exe").c_str(), nullptr, nullptr, 1)),
              std::uintptr_t{SE_ERR_FNF});
    EXPECT_TRUE(shell::Launches().empty());
    EXPECT_EQ(effects.size(), 3u) << "every call is recorded";
}

TEST_F(Shell, AProgramIsStartedInTheWorkingFolderGiven) {
    const auto program = testsupport::InstallStandIn(mTemp.Path() / "CVX Station");
    const auto elsewhere = mTemp.Path() / "work";
    std::filesystem::create_directories(elsewhere);

    EXPECT_EQ(Code(ShellExecuteW(nullptr, nullptr, mTemp.Text("CVX Station/CVX.exe").c_str(), nullptr,
                                 mTemp.Text("missing").c_str(), SW_SHOWDEFAULT)),
              std::uintptr_t{SE_ERR_PNF});
    EXPECT_TRUE(shell::Launches().empty());

    EXPECT_GT(Code(ShellExecuteW(nullptr, nullptr, mTemp.Text("CVX Station/CVX.exe").c_str(), nullptr,
                                 mTemp.Text("work").c_str(), SW_SHOWDEFAULT)),
              32u);
    const auto launches = shell::Launches();
    ASSERT_EQ(launches.size(), 1u);
    EXPECT_EQ(launches[0].file, mTemp.Text("CVX Station/CVX.exe"));
    EXPECT_EQ(launches[0].folder, mTemp.Text("work"));
    EXPECT_EQ(launches[0].show, SW_SHOWDEFAULT);
    const auto marker = testsupport::WaitForMarker(elsewhere);
    ASSERT_TRUE(marker) << "the program ran";
    EXPECT_EQ(marker->pid, launches[0].pid);
    EXPECT_EQ(std::filesystem::canonical(marker->folder), std::filesystem::canonical(elsewhere));
}

} // namespace
