// The dialogs' companions: the settings-warning dialog, the separator, the
// balloon check box with its word wrap, and quiet text for edits.

#include <vector>

#include <gtest/gtest.h>

#include "controls/DialogSeparator.h"
#include "controls/DialogSettingsWarningDlg.h"
#include "controls/QuietText.h"
#include "controls/TBalloonCheckBox.h"
#include "platform/user/Input.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using OvoControls::WrapBalloonText;

std::vector<std::u16string> Lines(const std::u16string& wrapped) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = wrapped.find(u"\r\n", start)) != std::u16string::npos; start = end + 2)
        lines.push_back(wrapped.substr(start, end - start));
    EXPECT_EQ(start, wrapped.size()) << "every line ends in CR LF";
    return lines;
}

TEST(BalloonWordWrap, ShortWordsFillLinesOfAtMost58Characters) {
    std::u16string sentence;
    while (sentence.size() < 120)
        sentence += u"the cat sat on a mat ";
    sentence.resize(120);
    const std::vector<std::u16string> lines = Lines(WrapBalloonText(sentence));
    ASSERT_EQ(lines.size(), 3u);
    for (const std::u16string& line : lines) {
        EXPECT_LE(line.size(), 58u);
        EXPECT_FALSE(line.empty());
        EXPECT_NE(line.front(), u' ');
    }
    EXPECT_EQ(lines[0], u"the cat sat on a mat the cat sat on a mat the cat sat on a");
}

TEST(BalloonWordWrap, LineEndsQuotesCommasAndWordsWithoutABreak) {
    EXPECT_EQ(WrapBalloonText(u""), u" \n");
    EXPECT_EQ(WrapBalloonText(u" "), u" \n");
    EXPECT_EQ(Lines(WrapBalloonText(u"first\r\nsecond\nthird")),
              (std::vector<std::u16string>{u"first", u"second", u"third"}));
    const std::u16string longWord(70, u'x');
    EXPECT_EQ(Lines(WrapBalloonText(longWord)),
              (std::vector<std::u16string>{longWord.substr(0, 58), u"xxxxxxxxxxxx"}));
    // Inside quotes a comma is no break point: the cut falls after 58
    // characters, and the next line goes on inside the quotes after a space.
    const std::u16string quoted = u"\"" + std::u16string(40, u'a') + u"," + std::u16string(20, u'b') +
                                  u"\",c" + std::u16string(40, u'd');
    EXPECT_EQ(Lines(WrapBalloonText(quoted)),
              (std::vector<std::u16string>{quoted.substr(0, 58), u" " + quoted.substr(58)}));
    // Outside quotes a comma stays on its line; one at the very start still
    // makes the line end after it.
    EXPECT_EQ(Lines(WrapBalloonText(std::u16string(50, u'a') + u"," + std::u16string(30, u'b'))),
              (std::vector<std::u16string>{std::u16string(50, u'a') + u",", std::u16string(30, u'b')}));
    EXPECT_EQ(Lines(WrapBalloonText(u"," + longWord)),
              (std::vector<std::u16string>{u",", longWord.substr(0, 58), longWord.substr(58)}));
}

// A frame that notes its edits' change notices.
class NoticeFrame : public OWL::TWindow {
public:
    using OWL::TWindow::TWindow;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && HIWORD(static_cast<DWORD>(wParam)) == EN_CHANGE)
            ++changes;
        return OWL::TWindow::WindowProc(message, wParam, lParam);
    }
    int changes = 0;
};

class Companions : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        frame = std::make_unique<NoticeFrame>(static_cast<OWL::TWindow*>(nullptr), u"frame");
        frame->Attr = {WS_POPUP | WS_VISIBLE, 0, 100, 100, 240, 70, 0};
    }
    void TearDown() override {
        frame.reset();
        ControlsTest::TearDown();
    }
    HWND Control(const char16_t* cls, const char16_t* text, int id, DWORD style, RECT r) {
        return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top, r.right - r.left,
                               r.bottom - r.top, frame->GetHandle(),
                               reinterpret_cast<HMENU>(std::intptr_t{id}), nullptr, nullptr);
    }
    // A separator over a check box with a balloon, as a dialog has them.
    OvoControls::TBalloonCheckBox* Dialog() {
        EXPECT_TRUE(frame->Create());
        Control(u"Static", u"Options", 10, SS_LEFT, {8, 8, 232, 22});
        const HWND check = Control(u"Button", u"Show the loops", 11, BS_AUTOCHECKBOX, {8, 32, 200, 48});
        SendMessageW(check, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
        (new OvoControls::DialogSeparator(frame.get(), 10))->Create();
        auto* box = new OvoControls::TBalloonCheckBox(frame.get(), 11);
        box->Create();
        box->SetBalloonText(u"Loops", u"Draws every loop of the analysis in the loop view.");
        return box;
    }
    static std::vector<HWND> Balloons() {
        std::vector<HWND> balloons;
        for (HWND h : user::Desktop::Current().Windows().TopLevel()) {
            WCHAR name[64] = {};
            GetClassNameW(h, name, 64);
            if (std::u16string_view(name).starts_with(u"ATL:") && IsWindowVisible(h))
                balloons.push_back(h);
        }
        return balloons;
    }
    void Rest(HWND h, POINT p, int ms) {
        user::MoveMouseTo(h, p);
        Pump();
        user::Desktop::Current().Advance(static_cast<std::uint32_t>(ms));
    }
    std::unique_ptr<NoticeFrame> frame;
};

TEST_F(Companions, SettingTextQuietlySendsNoChangeNoticeAndLeavesTheParentsDataAlone) {
    ASSERT_TRUE(frame->Create());
    const HWND edit = Control(u"Edit", u"", 12, WS_BORDER, {8, 8, 100, 28});
    SetWindowLongPtrW(frame->GetHandle(), GWLP_USERDATA, 0x1234);
    ASSERT_TRUE(InstallQuietText(edit));
    SetWindowTextW(edit, u"12.5");
    EXPECT_EQ(frame->changes, 0);
    EXPECT_EQ(GetWindowLongPtrW(frame->GetHandle(), GWLP_USERDATA), 0x1234);
    SetFocus(edit);
    user::TypeText(u"7");
    Pump();
    EXPECT_EQ(frame->changes, 1) << "typing is still heard";
    SetWindowTextW(edit, u"3");
    EXPECT_EQ(frame->changes, 1);
    DestroyWindow(edit); // the record goes with the window
}

TEST_F(Companions, TheBalloonComesAfter750MsAndNotAgainAfterAClickUntilTheMouseLeaves) {
    OvoControls::TBalloonCheckBox* box = Dialog();
    Rest(*box, {20, 8}, 749);
    EXPECT_TRUE(Balloons().empty());
    user::Desktop::Current().Advance(1);
    ASSERT_EQ(Balloons().size(), 1u);
    EXPECT_TRUE(box->BalloonShown());
    user::Click(*box, {20, 8}); // closes it and keeps the box quiet
    Pump();
    EXPECT_TRUE(Balloons().empty());
    Rest(*box, {40, 8}, 2000);
    EXPECT_TRUE(Balloons().empty());
    Rest(frame->GetHandle(), {220, 60}, 100); // left
    Rest(*box, {20, 8}, 750);
    EXPECT_EQ(Balloons().size(), 1u);
}

TEST_F(Companions, TheSeparatorAndTheBalloonAgainstTheirReferencesThemedPlainAndWithoutTheLibrary) {
    const struct {
        const char* name;
        bool themeActive;
        bool library;
    } cases[] = {{"companions-themed", true, true},
                 {"companions-plain", false, true},
                 {"companions-no-theme-library", true, false}};
    for (const auto& c : cases) {
        theme::CurrentSwitches().themeActive = c.themeActive;
        theme::CurrentSwitches().libraryPresent = c.library;
        OvoControls::TBalloonCheckBox* box = Dialog();
        Rest(*box, {20, 8}, 750);
        ASSERT_EQ(Balloons().size(), 1u) << c.name;
        EXPECT_TRUE(golden::Matches(user::WindowPicture(frame->GetHandle()), c.name));
        EXPECT_TRUE(golden::Matches(user::WindowPicture(Balloons()[0]), std::string(c.name) + "-balloon"));
        frame.reset();
        TearDown();
        SetUp();
    }
}

TEST_F(Companions, TheSettingsWarningShowsTheErrorIconAndTheMarkAndOkClosesIt) {
    ASSERT_TRUE(frame->Create());
    OvoControls::DialogSettingsWarningDlg dialog(frame.get());
    HICON icon = nullptr;
    std::u16string caption;
    user::Desktop::Current().Dialogs().Script([&](HWND d) {
        icon = reinterpret_cast<HICON>(SendDlgItemMessageW(d, 1001, STM_GETICON, 0, 0));
        WCHAR text[32] = {};
        GetWindowTextW(d, text, 32);
        caption = text;
        user::Desktop::Current().Pump();
        EXPECT_TRUE(golden::Matches(user::WindowPicture(d), "settings-warning"));
        SendMessageW(d, WM_COMMAND, 2, 0);
    });
    EXPECT_EQ(dialog.Execute(), 2);
    EXPECT_EQ(icon, LoadIconW(nullptr, IDI_HAND));
    EXPECT_EQ(caption, u"Vantrel");
}

} // namespace
