#pragma once
// A recording with the module's document set up, and a section window that
// hosts step dialogs as the workflow panel's accordion sections do, noting the
// step messages (WM_USER+2) and ready marks (WM_USER+3) the dialogs send it.

#include <string>
#include <vector>

#include "dialogs/StepDlgBase.h"
#include "platform/owl/TWindow.h"
#include "platform/user/Input.h"
#include "platform/user/combobox.h"
#include "tests/document/CommandFixture.h"

namespace TarvikTest {

class SectionWindow : public OWL::TWindow {
public:
    using OWL::TWindow::TWindow;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 2) {
            if (wParam == 0 || lParam == 0)
                messages.emplace_back();
            else
                messages.push_back(std::u16string(reinterpret_cast<const char16_t*>(wParam)) + u" | " +
                                   reinterpret_cast<const char16_t*>(lParam));
            return 0;
        }
        if (message == WM_USER + 3) {
            ready.push_back(wParam != 0);
            return 0;
        }
        return OWL::TWindow::WindowProc(message, wParam, lParam);
    }
    std::vector<std::u16string> messages; // empty text: cleared
    std::vector<bool> ready;
};

class StepDialogTest : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        section = std::make_unique<SectionWindow>(static_cast<OWL::TWindow*>(nullptr), u"section");
        section->Attr = {WS_POPUP | WS_VISIBLE, 0, 0, 0, 300, 400, 0};
        ASSERT_TRUE(section->Create());
    }
    void TearDown() override {
        if (dialog != nullptr && IsWindow(dialog))
            DestroyWindow(dialog);
        section.reset();
        CommandFixture::TearDown();
    }

    HWND Open(int stepDialogId) {
        dialog = Tarvik::CreateStepDlgById(stepDialogId, section->GetHandle(), *document);
        if (dialog != nullptr)
            ShowWindow(dialog, SW_SHOW); // as the accordion shows its content
        user::Desktop::Current().Pump();
        return dialog;
    }
    void Close() {
        DestroyWindow(dialog);
        dialog = nullptr;
        user::Desktop::Current().Pump();
    }

    HWND Control(int id) const { return GetDlgItem(dialog, id); }
    std::u16string Text(int id) const {
        WCHAR text[256];
        GetDlgItemTextW(dialog, id, text, 256);
        return text;
    }
    bool Checked(int id) const { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
    int Selected(int id) const {
        return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
    }
    // Replaces an edit's text as the user does: focus, select all, delete, type.
    void Type(int id, std::u16string_view text) {
        SetFocus(Control(id));
        SendMessageW(Control(id), EM_SETSEL, 0, -1);
        user::PressKey(VK_DELETE);
        user::TypeText(text);
        user::Desktop::Current().Pump();
    }
    void Click(int id) {
        user::Click(Control(id), {3, 3});
        user::Desktop::Current().Pump();
    }
    void Choose(int id, int item) {
        user::ChooseItem(Control(id), item);
        user::Desktop::Current().Pump();
    }

    Tarvik::TarvikDocument* document = nullptr;
    std::unique_ptr<SectionWindow> section;
    HWND dialog = nullptr;
};

} // namespace TarvikTest

namespace TarvikTest {

// The titles of the balloons open now.
inline std::vector<std::u16string> OpenBalloons() {
    std::vector<std::u16string> titles;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            WCHAR title[128] = {};
            if (GetWindowTextW(window, title, 128) > 0)
                reinterpret_cast<std::vector<std::u16string>*>(list)->push_back(title);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&titles));
    return titles;
}

} // namespace TarvikTest
