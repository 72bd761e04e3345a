// ATL window implementations: message maps, subclassing, the final message.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/atl/CButton.h"
#include "platform/atl/CWindowImpl.h"
#include "platform/user/Desktop.h"

namespace {

std::vector<std::string> heard;

class Probe : public ATL::CWindowImpl<Probe, ATL::CWindow, ATL::CWinTraits<WS_POPUP | WS_VISIBLE, 0>> {
public:
    BEGIN_MSG_MAP(Probe)
    MESSAGE_HANDLER(WM_USER, OnUser)
    MESSAGE_HANDLER(WM_USER + 1, OnPassOn)
    MESSAGE_HANDLER(WM_USER + 2, OnDestroyFromWithin)
    COMMAND_ID_HANDLER(5, OnFive)
    END_MSG_MAP()

    LRESULT OnUser(UINT, WPARAM w, LPARAM, BOOL&) {
        heard.push_back("user");
        if (w == 1) // a nested message keeps its own bHandled
            SendMessage(WM_USER + 1);
        return 7;
    }
    LRESULT OnPassOn(UINT, WPARAM, LPARAM, BOOL& handled) {
        heard.push_back("pass on");
        handled = FALSE;
        return 0;
    }
    // Destroys the window while answering, then still uses the object.
    LRESULT OnDestroyFromWithin(UINT, WPARAM, LPARAM, BOOL&) {
        DestroyWindow();
        heard.push_back("after destroy " + std::to_string(selfDeleting));
        return 0;
    }
    LRESULT OnFive(WORD, WORD, HWND, BOOL&) {
        heard.push_back("five");
        return 0;
    }
    void OnFinalMessage(HWND) override {
        heard.push_back("final");
        if (selfDeleting)
            delete this;
    }
    bool selfDeleting = false;
};

class PaintCounter : public ATL::CWindowImpl<PaintCounter, WTL::CButton> {
public:
    BEGIN_MSG_MAP(PaintCounter)
    MESSAGE_HANDLER(WM_ENABLE, OnEnable)
    END_MSG_MAP()
    LRESULT OnEnable(UINT, WPARAM, LPARAM, BOOL&) {
        ++enables;
        return DefWindowProc(); // the button's own handling
    }
    int enables = 0;
};

TEST(WindowImpl, TheMessageMapAnswersAndPassesOnWhatItLeaves) {
    user::Desktop::Reset();
    heard.clear();
    Probe p;
    ASSERT_NE(p.Create(nullptr, RECT{0, 0, 50, 50}), nullptr);
    EXPECT_EQ(p.GetStyle() & WS_POPUP, WS_POPUP) << "the traits' style";
    EXPECT_EQ(p.SendMessage(WM_USER, 1), 7);
    p.SendMessage(WM_COMMAND, MAKEWPARAM(5, 0));
    EXPECT_EQ(heard, (std::vector<std::string>{"user", "pass on", "five"}));
    p.DestroyWindow();
    EXPECT_EQ(heard.back(), "final");
    EXPECT_EQ(p.m_hWnd, nullptr);
}

TEST(WindowImpl, AnObjectMayDeleteItselfAfterItsLastMessage) {
    user::Desktop::Reset();
    heard.clear();
    auto* p = new Probe();
    p->selfDeleting = true;
    const HWND h = p->Create(nullptr, RECT{0, 0, 10, 10});
    DestroyWindow(h);
    EXPECT_EQ(heard, (std::vector<std::string>{"final"}));
}

TEST(WindowImpl, AnObjectDestroyedWhileAnsweringAMessageIsDeletedOnlyAfterTheAnswer) {
    user::Desktop::Reset();
    heard.clear();
    auto* p = new Probe();
    p->selfDeleting = true;
    const HWND h = p->Create(nullptr, RECT{0, 0, 10, 10});
    SendMessageW(h, WM_USER + 2, 0, 0);
    EXPECT_EQ(heard, (std::vector<std::string>{"after destroy 1", "final"}));
    EXPECT_FALSE(IsWindow(h));
}

TEST(WindowImpl, ASubclassedControlKeepsItsOwnBehaviourBehindTheMap) {
    user::Desktop::Reset();
    const HWND parent =
        CreateWindowExW(0, u"Static", u"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    const HWND button = CreateWindowExW(0, u"Button", u"B", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 0, 40,
                                        20, parent, reinterpret_cast<HMENU>(1), nullptr, nullptr);
    PaintCounter c;
    ASSERT_TRUE(c.SubclassWindow(button));
    c.SendMessage(BM_CLICK);
    EXPECT_EQ(c.GetCheck(), BST_CHECKED) << "the button's procedure still answers";
    EnableWindow(button, FALSE);
    EXPECT_EQ(c.enables, 1);
    EXPECT_EQ(c.UnsubclassWindow(), button);
    EnableWindow(button, TRUE);
    EXPECT_EQ(c.enables, 1);
}

} // namespace
