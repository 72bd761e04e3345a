// The clipboard, the scripted save-file dialog and the up-down control.

#include "ProbeWindows.h"
#include "platform/user/Input.h"
#include "platform/win32/global.h"

namespace {

using Clipboard = ProbeWindows;

HGLOBAL TextBlock(const std::u16string& text) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(char16_t));
    auto* units = static_cast<char16_t*>(GlobalLock(block));
    std::copy(text.begin(), text.end(), units);
    units[text.size()] = 0;
    GlobalUnlock(block);
    return block;
}

TEST_F(Clipboard, HoldsTheTextItWasGivenAndFreesBlocksItReplaces) {
    const int before = win32::LiveGlobalBlocks();
    HWND w = Top();
    EXPECT_FALSE(SetClipboardData(CF_UNICODETEXT, TextBlock(u"lost"))); // not open: the caller keeps it
    ASSERT_TRUE(OpenClipboard(w));
    EXPECT_FALSE(OpenClipboard(w)); // open already
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, TextBlock(u"a\tb\r\n")));
    ASSERT_TRUE(SetClipboardData(CF_UNICODETEXT, TextBlock(u"c\td\r\n")));
    ASSERT_TRUE(CloseClipboard());
    user::Clipboard& c = user::Desktop::Current().ClipboardState();
    EXPECT_EQ(c.Text(), u"c\td\r\n");
    EXPECT_EQ(c.Owner(), w);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(win32::LiveGlobalBlocks(), before + 2); // the refused one and the one held
    c.SetRefuseOpen(true);
    EXPECT_FALSE(OpenClipboard(w));
}

using FileDialogs = ProbeWindows;

TEST_F(FileDialogs, TheScriptChoosesThePathOrCancelsAndTheDialogIsRecorded) {
    HWND w = Top();
    WCHAR file[8] = {};
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = w;
    ofn.lpstrFilter = u"CSV (*.csv)\0*.csv\0";
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file;
    ofn.nMaxFile = 8;
    ofn.lpstrTitle = u"Export";
    ofn.lpstrDefExt = u"csv";
    ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    user::ScriptedFileDialogs& dialogs = user::Desktop::Current().FileDialogs();
    dialogs.Choose(u"a.csv");
    dialogs.Cancel();
    dialogs.Choose(u"too-long.csv");
    ASSERT_TRUE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(std::u16string(file), u"a.csv");
    EXPECT_FALSE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_FALSE(GetSaveFileNameW(&ofn));
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    ASSERT_EQ(dialogs.Shown().size(), 3u);
    const user::FileDialogShown& shown = dialogs.Shown()[0];
    EXPECT_EQ(shown.owner, w);
    EXPECT_EQ(shown.filter, (std::vector<std::u16string>{u"CSV (*.csv)", u"*.csv"}));
    EXPECT_EQ(shown.title, u"Export");
    EXPECT_EQ(shown.flags, 6u);
    EXPECT_THROW(GetSaveFileNameW(&ofn), user::UnexpectedFileDialog);
}

using UpDown = ProbeWindows;

TEST_F(UpDown, ArrowsStepTheBuddysNumberWithinTheRangeAndTellTheParent) {
    HWND parent = Top(WS_POPUP | WS_VISIBLE, {0, 0, 200, 100});
    HWND edit = CreateWindowExW(0, u"Edit", u"4", WS_CHILD | WS_VISIBLE, 10, 10, 40, 20, parent, nullptr,
                                nullptr, nullptr);
    HWND spin =
        CreateWindowExW(0, UPDOWN_CLASSW, u"", WS_CHILD | WS_VISIBLE | UDS_AUTOBUDDY | UDS_SETBUDDYINT, 50,
                        10, 12, 20, parent, reinterpret_cast<HMENU>(std::intptr_t{1003}), nullptr, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin, UDM_GETBUDDY, 0, 0)), edit);
    SendMessageW(spin, UDM_SETRANGE32, 1, 10);
    BOOL error = TRUE;
    EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 4);
    EXPECT_FALSE(error);
    Forget();
    for (int i = 0; i < 8; ++i)
        user::Click(spin, POINT{6, 4}); // the upper half
    user::Desktop::Current().Pump();
    WCHAR text[8] = {};
    GetWindowTextW(edit, text, 8);
    EXPECT_EQ(std::u16string(text), u"10");
    EXPECT_EQ(Only({WM_VSCROLL}).size(), 6u); // 5 .. 10, then nothing past the top
    SetWindowTextW(edit, u"11");
    EXPECT_EQ(SendMessageW(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 10);
    EXPECT_TRUE(error);
}

} // namespace
