// ATL dialog implementations: the template of the resource module, the message
// map answering the dialog, results through DWLP_MSGRESULT, the final message.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/atl/CDialogImpl.h"
#include "platform/user/Desktop.h"
#include "platform/user/DialogTemplate.h"

namespace {

constexpr WORD kFlag = 1069;
const HMODULE kResources = reinterpret_cast<HMODULE>(std::uintptr_t{0x7200});

class FlagDialog : public ATL::CDialogImpl<FlagDialog> {
public:
    enum { IDD = 123 };
    explicit FlagDialog(bool* flag) : mFlag(flag) {}

    BEGIN_MSG_MAP(FlagDialog)
    MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
    MESSAGE_HANDLER(WM_USER, OnAsk)
    COMMAND_HANDLER(kFlag, BN_CLICKED, OnFlagClicked)
    COMMAND_ID_HANDLER(IDOK, OnClose)
    COMMAND_ID_HANDLER(IDCANCEL, OnClose)
    END_MSG_MAP()

    std::vector<std::string> heard;

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM init, BOOL&) {
        heard.push_back("init " + std::to_string(init));
        CheckDlgButton(kFlag, *mFlag ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    }
    LRESULT OnAsk(UINT, WPARAM, LPARAM, BOOL&) { return 41; }
    LRESULT OnFlagClicked(WORD, WORD, HWND, BOOL&) {
        heard.push_back("flag");
        return 0;
    }
    LRESULT OnClose(WORD, WORD id, HWND, BOOL&) {
        if (id == IDOK)
            *mFlag = IsDlgButtonChecked(kFlag) == BST_CHECKED;
        EndDialog(id);
        return 0;
    }
    void OnFinalMessage(HWND) override { heard.push_back("final"); }

    bool* mFlag;
};

class AtlDialog : public ::testing::Test {
protected:
    void SetUp() override {
        user::Desktop::Reset();
        user::DialogTemplate t;
        t.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | WS_VISIBLE;
        t.cx = 233;
        t.cy = 98;
        t.caption = u"Mode";
        t.items = {{u"Button", u"&Enable", kFlag, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 8, 56, 125, 10},
                   {u"Button", u"OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 121, 80, 50, 14},
                   {u"Button", u"Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 175, 80, 50, 14}};
        RegisterResource(kResources, RT_DIALOG, MAKEINTRESOURCEW(123), 0, t.Build());
        ATL::_AtlBaseModule.SetResourceInstance(kResources);
    }
    void TearDown() override {
        ATL::_AtlBaseModule.SetResourceInstance(nullptr);
        UnregisterResources(kResources);
        user::Desktop::Reset();
    }
    user::ScriptedDialogs& Scripts() { return user::Desktop::Current().Dialogs(); }
};

TEST_F(AtlDialog, OkStoresTheCheckAndCancelLeavesIt) {
    bool flag = true;
    FlagDialog dialog(&flag);
    Scripts().Script([](HWND hwnd) {
        EXPECT_EQ(IsDlgButtonChecked(hwnd, kFlag), BST_CHECKED);
        EXPECT_EQ(SendMessageW(hwnd, WM_USER, 0, 0), 41); // a handled message's result
        SendMessageW(GetDlgItem(hwnd, kFlag), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(hwnd, IDCANCEL), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.DoModal(nullptr, 5), IDCANCEL);
    EXPECT_TRUE(flag);
    Scripts().Script([](HWND hwnd) {
        SendMessageW(GetDlgItem(hwnd, kFlag), BM_CLICK, 0, 0);
        SendMessageW(GetDlgItem(hwnd, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(flag);
    EXPECT_EQ(dialog.heard, (std::vector<std::string>{"init 5", "flag", "final", "init 0", "flag", "final"}));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
}

TEST_F(AtlDialog, AMissingTemplateGivesMinusOne) {
    ATL::_AtlBaseModule.SetResourceInstance(nullptr);
    bool flag = false;
    FlagDialog dialog(&flag);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_TRUE(Scripts().Shown().empty());
}

} // namespace
