// The accordion: its height animation on the test clock, the parent's
// notices and content window, its messages, and its header pictures.

#include <vector>

#include <gtest/gtest.h>

#include "controls/Accordion.h"
#include "platform/user/Input.h"
#include "tests/controls/ControlsTest.h"
#include "tests/support/GoldenImage.h"

namespace {

using controls_test::ControlsTest;
using OvoControls::Accordion;
using OvoControls::AccordionNotify;

// A panel that hands each opening accordion a content window 239 pixels high
// and notes the notices it hears.
class Panel : public OWL::TWindow {
public:
    using OWL::TWindow::TWindow;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NOTIFY) {
            auto* n = reinterpret_cast<AccordionNotify*>(lParam);
            codes.push_back(n->code);
            if (n->code == Accordion::kExpanding && giveContent)
                n->content = CreateWindowExW(0, u"Static", u"", WS_CHILD, 0, 0, 200, contentHeight,
                                             GetHandle(), nullptr, nullptr, nullptr);
            return 0;
        }
        return OWL::TWindow::WindowProc(message, wParam, lParam);
    }
    std::vector<UINT> codes;
    bool giveContent = true;
    int contentHeight = 239;
};

class Accordions : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        panel = std::make_unique<Panel>(static_cast<OWL::TWindow*>(nullptr), u"panel");
        panel->Attr = {WS_POPUP | WS_VISIBLE, 0, 100, 100, 220, 300, 0};
    }
    void TearDown() override {
        accordion.reset();
        panel.reset();
        ControlsTest::TearDown();
    }
    void Make(const char16_t* title = u"Pressure calibration") {
        ASSERT_TRUE(panel->Create());
        accordion = std::make_unique<Accordion>();
        ASSERT_NE(accordion->Create(panel->GetHandle(), RECT{0, 0, 200, 30}, title, 0, 0, 7), nullptr);
        Pump();
    }
    int Height() const {
        RECT r{};
        GetWindowRect(accordion->m_hWnd, &r);
        return r.bottom - r.top;
    }
    void ClickHeader() {
        user::Click(accordion->m_hWnd, {100, 15});
        Pump();
    }
    void Wait(std::uint32_t ms) { user::Desktop::Current().Advance(ms); }
    std::unique_ptr<Panel> panel;
    std::unique_ptr<Accordion> accordion;
};

TEST_F(Accordions, OpeningFrom30To270PassesThrough150After60MsAndEndsAt120) {
    Make();
    ClickHeader();
    EXPECT_EQ(panel->codes.front(), Accordion::kExpanding);
    EXPECT_EQ(accordion->State(), Accordion::kExpandingState);
    Wait(60);
    EXPECT_EQ(Height(), 150);
    Wait(60);
    EXPECT_EQ(Height(), 270);
    EXPECT_EQ(accordion->State(), Accordion::kExpanded);
    ASSERT_NE(accordion->Content(), nullptr);
    EXPECT_EQ(GetParent(accordion->Content()), accordion->m_hWnd);
    const HWND content = accordion->Content();
    user::Desktop::Current().Advance(1000); // no double click
    ClickHeader();
    EXPECT_EQ(panel->codes.back(), Accordion::kCollapsing);
    Wait(120);
    EXPECT_EQ(Height(), 30);
    EXPECT_EQ(accordion->State(), Accordion::kCollapsed);
    EXPECT_FALSE(IsWindow(content)) << "a closed pane owns no content";
    EXPECT_GT(std::count(panel->codes.begin(), panel->codes.end(), Accordion::kStepped), 4);
}

TEST_F(Accordions, ADoubleClickTogglesOnceAndNoContentOpensToTheHeaderAndOnePixel) {
    panel->giveContent = false;
    Make();
    user::Click(accordion->m_hWnd, {100, 15});
    user::Click(accordion->m_hWnd, {100, 15}); // the second press is a double click
    Pump();
    Wait(200);
    EXPECT_EQ(accordion->State(), Accordion::kExpanded);
    EXPECT_EQ(Height(), 31);
}

TEST_F(Accordions, AnOutsideResizeStopsTheAnimationAtItsHeight) {
    Make();
    ClickHeader();
    Wait(40);
    SetWindowPos(accordion->m_hWnd, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
    Wait(200);
    EXPECT_EQ(Height(), 100);
    EXPECT_EQ(accordion->State(), Accordion::kExpanded);
}

TEST_F(Accordions, TheMessagesSetErrorAndDoneAndRelayoutOnlyAnOpenPane) {
    Make();
    EXPECT_EQ(SendMessageW(accordion->m_hWnd, Accordion::kRelayout, 0, 0), 0);
    Wait(200);
    EXPECT_EQ(Height(), 30) << "closed: not handled, nothing changes";
    SendMessageW(accordion->m_hWnd, Accordion::kSetTexts, reinterpret_cast<WPARAM>(u"Invalid"),
                 reinterpret_cast<LPARAM>(u"The slope can not be zero."));
    EXPECT_TRUE(accordion->HasError());
    SendMessageW(accordion->m_hWnd, Accordion::kSetTexts, reinterpret_cast<WPARAM>(u"Invalid"), 0);
    EXPECT_FALSE(accordion->HasError());
    SendMessageW(accordion->m_hWnd, Accordion::kSetDone, 1, 0);
    EXPECT_TRUE(accordion->IsDone());
    ClickHeader();
    Wait(200);
    panel->contentHeight = 0;
    RECT content{};
    SetWindowPos(accordion->Content(), nullptr, 0, 0, 198, 100, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageW(accordion->m_hWnd, Accordion::kRelayout, 0, 0);
    Wait(200);
    GetClientRect(accordion->Content(), &content);
    EXPECT_EQ(Height(), 30 + 1 + content.bottom);
}

TEST_F(Accordions, TheErrorIconOpensItsBalloonOnEntering) {
    Make();
    SendMessageW(accordion->m_hWnd, Accordion::kSetTexts, reinterpret_cast<WPARAM>(u"Invalid"),
                 reinterpret_cast<LPARAM>(u"The slope can not be zero."));
    Pump();
    user::MoveMouseTo(accordion->m_hWnd, {150, 15});
    Pump();
    user::MoveMouseTo(accordion->m_hWnd, {12, 15}); // onto the icon
    Pump();
    int balloons = 0;
    for (HWND h : user::Desktop::Current().Windows().TopLevel()) {
        WCHAR title[32] = {};
        GetWindowTextW(h, title, 32);
        if (IsWindowVisible(h) && std::u16string(title) == u"Invalid")
            ++balloons;
    }
    EXPECT_EQ(balloons, 1);
}

TEST_F(Accordions, HeadersThemedPlainAndWithoutTheLibraryAgainstTheirReferences) {
    const struct {
        const char* name;
        bool themeActive;
        bool library;
    } cases[] = {{"accordion-themed", true, true},
                 {"accordion-plain", false, true},
                 {"accordion-no-theme-library", true, false}};
    for (const auto& c : cases) {
        theme::CurrentSwitches().themeActive = c.themeActive;
        theme::CurrentSwitches().libraryPresent = c.library;
        Make();
        SendMessageW(accordion->m_hWnd, Accordion::kSetDone, 1, 0);
        Pump();
        auto second = std::make_unique<Accordion>();
        second->Create(panel->GetHandle(), RECT{0, 40, 200, 70}, u"Volume calibration", 0, 0, 8);
        SendMessageW(second->m_hWnd, Accordion::kSetTexts, reinterpret_cast<WPARAM>(u"Invalid"),
                     reinterpret_cast<LPARAM>(u"No volume channel."));
        Pump();
        EXPECT_TRUE(golden::Matches(user::WindowPicture(panel->GetHandle()), c.name));
        second.reset();
        TearDown();
        SetUp();
    }
}

TEST_F(Accordions, TheHoverCrossFadesOver80Ms) {
    Make(u"");
    const COLORREF cold = gdi::ColorFromPixel(user::WindowPicture(panel->GetHandle()).Get(100, 10));
    user::MoveMouseTo(accordion->m_hWnd, {100, 15});
    Pump();
    Wait(40);
    auto picture = user::WindowPicture(panel->GetHandle());
    const COLORREF middle = gdi::ColorFromPixel(picture.Get(100, 10));
    Wait(60);
    picture = user::WindowPicture(panel->GetHandle());
    const COLORREF hot = gdi::ColorFromPixel(picture.Get(100, 10));
    EXPECT_NE(hot, cold);
    EXPECT_GT(GetRValue(hot), GetRValue(middle));
    EXPECT_GT(GetRValue(middle), GetRValue(cold));
}

} // namespace
