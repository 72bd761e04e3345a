#pragma once
// The window layer's objects other than windows: icons and cursors, image
// lists and menus, each behind a handle that is never reused. System icons and
// cursors are made on first use and shared.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/Surface.h"
#include "platform/user/handles.h"

struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;

namespace user {

// A picture with an optional mask (white: transparent); without a mask the
// picture's alpha decides (at least 128: drawn).
struct Picture {
    gdi::Surface color;
    std::optional<gdi::Surface> mask;
};

struct Icon {
    Picture picture;
    bool shared = false;
    bool cursor = false;
    std::u16string name; // system icons and cursors: "IDI_WARNING", "IDC_HAND"
    POINT hotspot{0, 0};
};

struct ImageList {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    std::vector<Picture> images;
};

struct MenuItem {
    UINT flags = 0;
    UINT_PTR id = 0;
    std::u16string text;
    HMENU popup = nullptr;
};

struct Menu {
    std::vector<MenuItem> items;
};

class UserObjects {
public:
    HICON AddIcon(Icon icon);
    Icon* FindIcon(HICON icon);
    // Shared icons stay: false for them and for unknown handles.
    bool DestroyIcon(HICON icon);
    // The shared system icon or cursor of the id at the size (0: the default size).
    HICON SystemIcon(WORD id, int size, bool cursor);
    int LiveIcons() const;

    HIMAGELIST AddImageList(ImageList list);
    ImageList* FindImageList(HIMAGELIST list);
    bool DestroyImageList(HIMAGELIST list);

    HMENU AddMenu();
    Menu* FindMenu(HMENU menu);
    bool DestroyMenu(HMENU menu);

private:
    std::uintptr_t Next() { return mNext += 0x10; }

    std::map<std::uintptr_t, Icon> mIcons;
    std::map<std::tuple<WORD, int, bool>, HICON> mSystem;
    std::map<std::uintptr_t, ImageList> mImageLists;
    std::map<std::uintptr_t, Menu> mMenus;
    std::uintptr_t mNext = 0xA0000;
};

// The pictures of the system icons (IDI_*) and cursors (IDC_*) at a size:
// plain shapes in fixed colours, the same on every run.
Picture SystemPicture(WORD id, int size, bool cursor, std::u16string& name);

} // namespace user
