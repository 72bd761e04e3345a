#pragma once
// Pop-up menus, shown to nobody: each TrackPopupMenu[Ex] is recorded and
// answered by what the test queued: a command id (0: dismissed without a
// choice) or a script that acts as the user (it may queue input, as the click
// that closes a menu) and returns the command. A menu with nothing queued
// takes the default answer; without one it is a test failure.

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/user/handles.h"

namespace user {

struct MenuItemShown {
    UINT flags = 0; // MF_ flags: MF_GRAYED, MF_CHECKED, MF_SEPARATOR, MF_POPUP
    UINT_PTR id = 0;
    std::u16string text;
};

struct PopupMenuShown {
    HMENU menu = nullptr;
    std::vector<MenuItemShown> items;
    UINT flags = 0;
    POINT at{0, 0};
    HWND owner = nullptr;
    std::optional<RECT> exclude;
};

using PopupMenuScript = std::function<UINT(const PopupMenuShown&)>;

class UnexpectedPopupMenu : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class ScriptedMenus {
public:
    void Answer(UINT command) {
        mQueued.push_back([command](const PopupMenuShown&) { return command; });
    }
    void Script(PopupMenuScript script) { mQueued.push_back(std::move(script)); }
    void SetDefault(UINT command) { mDefault = command; }

    // Records the menu and returns the command chosen.
    UINT Show(const PopupMenuShown& menu);
    const std::vector<PopupMenuShown>& Shown() const { return mShown; }

private:
    std::deque<PopupMenuScript> mQueued;
    std::vector<PopupMenuShown> mShown;
    std::optional<UINT> mDefault;
};

} // namespace user
