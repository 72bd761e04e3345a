// The control program's launcher over the shell layer: where it finds the
// program, what it keeps, and how it brings a running one forward or starts it.

#include <gtest/gtest.h>

#include "document/ControlSoftware.h"
#include "platform/shell/shellapi.h"
#include "platform/shell/shlobj.h"
#include "platform/user/Desktop.h"
#include "platform/user/window_api.h"
#include "platform/win32/utf.h"
#include "tests/document/RecordingFixture.h"
#include "tests/support/StandInProgram.h"

namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

const fs::path kInstalled = fs::path("Program Files") / "Corvane Instruments" / "CVX Station" /
                            "CVX Station Control Interface" / "CVX.exe";
const fs::path kElsewhere = fs::path("Elsewhere") / "CVX.exe";
constexpr char kLinkName[] = "CVX Station Control Interface.lnk";

enum class Link { None, ToProgram, ToMissing };

class ControlSoftware : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        shell::ClearLaunches();
        Tarvik::ForgetControlSoftwarePath();
        mFolder = std::make_unique<TempFolder>();
        shell::SetFolderPath(CSIDL_PROGRAM_FILES, mFolder->Text("Program Files"));
        shell::SetFolderPath(CSIDL_PROGRAMS, mFolder->Text("Start Menu"));
        shell::SetFolderPath(CSIDL_COMMON_PROGRAMS, mFolder->Text("All Users Start Menu"));
        fs::create_directories(mFolder->Path() / "Program Files");
        fs::create_directories(mFolder->Path() / "Start Menu" / "Accessories");
        fs::create_directories(mFolder->Path() / "All Users Start Menu");
    }
    void TearDown() override {
        for (const shell::Launch& launch : shell::Launches())
            testsupport::EndProcess(launch.pid);
        for (const int pid : mRunning)
            testsupport::EndProcess(pid);
        mRunning.clear();
        shell::ClearLaunches();
        shell::ResetFolders();
        Tarvik::ForgetControlSoftwarePath();
    }

    void AddLink(const char* startMenu, Link link) {
        if (link == Link::None)
            return;
        const fs::path target =
            mFolder->Path() / (link == Link::ToProgram ? kElsewhere : fs::path("Gone/CVX.exe"));
        testsupport::WriteLinkFile(mFolder->Path() / startMenu / "Corvane" / kLinkName, target);
    }
    // A stand-in running as imageName with one window titled title.
    HWND Run(const char* imageName, const char16_t* title) {
        const fs::path program = testsupport::InstallStandIn(mFolder->Path() / "Running", imageName);
        const int pid = testsupport::StartProgram(program);
        mRunning.push_back(pid);
        EXPECT_TRUE(testsupport::WaitForMarker(program.parent_path()));
        return user::RegisterOtherProcessWindow(title, static_cast<DWORD>(pid));
    }
    std::u16string Text(const fs::path& relative) const {
        return relative.empty() ? u"" : mFolder->Text(relative);
    }

    std::unique_ptr<TempFolder> mFolder; // a new one for each case
    std::vector<int> mRunning;
};

struct LauncherCase {
    const char* name;
    bool installed;        // CVX.exe in its folder below Program Files
    Link userLink;         // the shortcut in the user's Start menu
    Link commonLink;       // the shortcut in the all-users Start menu
    const char* image;     // the file name of a running stand-in, or null
    const char16_t* title; // its window's title
    fs::path expectedPath; // relative to the temporary folder; empty: not found
    bool expectStarted;    // OpenControlSoftware starts the program
    bool expectBroughtForward;
};

TEST_F(ControlSoftware, FindsKeepsStartsOrBringsForwardTheProgram) {
    const LauncherCase cases[] = {
        {"installed: the shortcut is not looked at", true, Link::ToProgram, Link::None, nullptr, nullptr,
         kInstalled, true, false},
        {"only an all-users shortcut", false, Link::None, Link::ToProgram, nullptr, nullptr, kElsewhere, true,
         false},
        {"a user's shortcut to a missing program",
         false,
         Link::ToMissing,
         Link::None,
         nullptr,
         nullptr,
         {},
         false,
         false},
        {"a broken user's shortcut falls through to the all-users one", false, Link::ToMissing,
         Link::ToProgram, nullptr, nullptr, kElsewhere, true, false},
        {"running, but no title holds the fragment", true, Link::None, Link::None, "CVX.exe",
         u"Station Control", kInstalled, true, false},
        {"title and image name in other letter case", true, Link::None, Link::None, "cvx.EXE",
         u"CORVANE CVX STATION", kInstalled, false, true},
    };
    for (const LauncherCase& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        if (c.installed)
            testsupport::InstallStandIn((mFolder->Path() / kInstalled).parent_path());
        testsupport::InstallStandIn((mFolder->Path() / kElsewhere).parent_path());
        AddLink("Start Menu", c.userLink);
        AddLink("All Users Start Menu", c.commonLink);
        const HWND running = c.image ? Run(c.image, c.title) : nullptr;

        EXPECT_EQ(Tarvik::GetControlSoftwarePath().ToU16String(), Text(c.expectedPath));
        EXPECT_EQ(Tarvik::IsControlSoftwareInstalled(), !c.expectedPath.empty());
        EXPECT_EQ(Tarvik::FindControlSoftwareWindow(), c.expectBroughtForward ? running : nullptr);
        const std::size_t effectsBefore = user::Desktop::Current().Effects().Entries().size();
        EXPECT_EQ(Tarvik::OpenControlSoftware(), c.expectStarted || c.expectBroughtForward);

        const auto launches = shell::Launches();
        ASSERT_EQ(launches.size(), c.expectStarted ? 1u : 0u);
        if (c.expectStarted) {
            EXPECT_EQ(launches[0].file, Text(c.expectedPath));
            EXPECT_EQ(launches[0].folder, Text(c.expectedPath.parent_path()));
            EXPECT_EQ(launches[0].show, SW_SHOWDEFAULT);
        }
        const auto& effects = user::Desktop::Current().Effects().Entries();
        const std::vector<user::Effect> made(effects.begin() + static_cast<std::ptrdiff_t>(effectsBefore),
                                             effects.end());
        if (c.expectBroughtForward) {
            ASSERT_EQ(made.size(), 2u);
            EXPECT_EQ(made[0].kind, "ShowWindowAsync");
            EXPECT_EQ(made[0].detail, std::u16string(c.title) + u"|9");
            EXPECT_EQ(made[1].kind, "SetForegroundWindow");
        } else {
            EXPECT_EQ(made.size(), c.expectStarted ? 1u : 0u) << "nothing but the start";
        }

        // A found path is kept without looking again; an empty result keeps nothing.
        fs::remove_all(mFolder->Path() / "Start Menu");
        fs::remove_all(mFolder->Path() / "All Users Start Menu");
        if (c.expectedPath.empty()) {
            testsupport::InstallStandIn(mFolder->Path() / "Program Files" / "Corvane Instruments" /
                                        "CVX Station" / "CVX Station Control Interface");
            EXPECT_EQ(Tarvik::GetControlSoftwarePath().ToU16String(), Text(kInstalled)) << "searched again";
        } else {
            EXPECT_EQ(Tarvik::GetControlSoftwarePath().ToU16String(), Text(c.expectedPath));
        }
    }
}

TEST_F(ControlSoftware, WithoutSpecialFoldersNothingIsFoundOrStarted) {
    shell::SetFolderFailure(CSIDL_PROGRAM_FILES, E_FAIL);
    shell::SetFolderFailure(CSIDL_PROGRAMS, E_FAIL);
    shell::SetFolderFailure(CSIDL_COMMON_PROGRAMS, E_FAIL);
    testsupport::InstallStandIn((mFolder->Path() / kInstalled).parent_path());
    EXPECT_TRUE(Tarvik::GetControlSoftwarePath().IsEmpty());
    EXPECT_FALSE(Tarvik::IsControlSoftwareInstalled());
    EXPECT_FALSE(Tarvik::OpenControlSoftware());
    EXPECT_TRUE(shell::Launches().empty());
    EXPECT_TRUE(user::Desktop::Current().Effects().Entries().empty()) << "nothing is shown to the user";
}

TEST_F(ControlSoftware, TheStartedProgramIsFoundByItsWindowAndNotStartedTwice) {
    const fs::path program = testsupport::InstallStandIn((mFolder->Path() / kInstalled).parent_path());
    ASSERT_TRUE(Tarvik::OpenControlSoftware());
    const auto launches = shell::Launches();
    ASSERT_EQ(launches.size(), 1u);
    const auto marker = testsupport::WaitForMarker(program.parent_path());
    ASSERT_TRUE(marker) << "the program runs";
    EXPECT_EQ(fs::canonical(marker->folder), fs::canonical(program.parent_path())) << "in its own folder";
    EXPECT_EQ(marker->pid, launches[0].pid);

    // The program opens its main window.
    const HWND window =
        user::RegisterOtherProcessWindow(u"CVX Station Control Interface", static_cast<DWORD>(marker->pid));
    ShowWindow(window, SW_MINIMIZE);
    EXPECT_EQ(Tarvik::FindControlSoftwareWindow(), window);
    ASSERT_TRUE(Tarvik::OpenControlSoftware());
    EXPECT_EQ(shell::Launches().size(), 1u) << "no second start";
    EXPECT_FALSE(IsIconic(window)) << "restored";
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_GE(effects.size(), 2u);
    EXPECT_EQ(effects.back().kind, "SetForegroundWindow");
    EXPECT_EQ(effects.back().detail, u"CVX Station Control Interface");
}

// The automation command, sent to the module's document through the host.
class OpenControlSoftwareCommand : public TarvikTest::RecordingFixture {
protected:
    void SetUp() override {
        RecordingFixture::SetUp();
        user::Desktop::Reset();
        Tarvik::ForgetControlSoftwarePath();
        shell::ClearLaunches();
        shell::SetFolderPath(CSIDL_PROGRAM_FILES, mTemp.Text("Program Files"));
        recording = TarvikTest::ImportSample("mouse-steady");
        Open(*recording);
        OpenModule();
    }
    void TearDown() override {
        for (const shell::Launch& launch : shell::Launches())
            testsupport::EndProcess(launch.pid);
        shell::ClearLaunches();
        shell::ResetFolders();
        Tarvik::ForgetControlSoftwarePath();
        RecordingFixture::TearDown();
    }

    TempFolder mTemp;
    std::unique_ptr<Vantrel::Recording> recording;
};

TEST_F(OpenControlSoftwareCommand, StartsTheProgramAndReportsSuccessEvenWithoutIt) {
    EXPECT_TRUE(recordingDocument->sendMessage(Tarvik::DocMsgId<284>())) << "handled without the program";
    EXPECT_TRUE(shell::Launches().empty());

    testsupport::InstallStandIn((mTemp.Path() / kInstalled).parent_path());
    EXPECT_TRUE(recordingDocument->sendMessage(Tarvik::DocMsgId<284>()));
    ASSERT_EQ(shell::Launches().size(), 1u);
    EXPECT_EQ(shell::Launches()[0].file, mTemp.Text(kInstalled));
}

} // namespace
