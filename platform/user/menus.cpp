#include <algorithm>
#include <string>

#include "platform/user/Desktop.h"
#include "platform/user/menu_api.h"
#include "platform/user/message_api.h"
#include "platform/user/messages.h"
#include "platform/win32/text.h"

using user::Desktop;

namespace user {

HMENU UserObjects::AddMenu() {
    const std::uintptr_t h = Next();
    mMenus.emplace(h, Menu{});
    return reinterpret_cast<HMENU>(h);
}

Menu* UserObjects::FindMenu(HMENU menu) {
    auto it = mMenus.find(reinterpret_cast<std::uintptr_t>(menu));
    return it == mMenus.end() ? nullptr : &it->second;
}

bool UserObjects::DestroyMenu(HMENU menu) {
    auto it = mMenus.find(reinterpret_cast<std::uintptr_t>(menu));
    if (it == mMenus.end())
        return false;
    const std::vector<MenuItem> items = std::move(it->second.items);
    mMenus.erase(it);
    for (const MenuItem& item : items)
        if (item.popup != nullptr)
            DestroyMenu(item.popup);
    return true;
}

UINT ScriptedMenus::Show(const PopupMenuShown& menu) {
    mShown.push_back(menu);
    if (!mQueued.empty()) {
        PopupMenuScript script = std::move(mQueued.front());
        mQueued.pop_front();
        return script(mShown.back());
    }
    if (mDefault)
        return *mDefault;
    throw UnexpectedPopupMenu("a pop-up menu was shown that nothing answers");
}

} // namespace user

namespace {

user::Menu* Find(HMENU menu) {
    return Desktop::Current().Objects().FindMenu(menu);
}

// The item at the position (MF_BYPOSITION) or with the command id (searching sub-menus).
user::MenuItem* ItemOf(HMENU menu, UINT item, UINT flags, HMENU* owner = nullptr) {
    user::Menu* m = Find(menu);
    if (m == nullptr)
        return nullptr;
    if (flags & MF_BYPOSITION) {
        if (item >= m->items.size())
            return nullptr;
        if (owner)
            *owner = menu;
        return &m->items[item];
    }
    for (user::MenuItem& i : m->items) {
        if (i.popup == nullptr && i.id == item) {
            if (owner)
                *owner = menu;
            return &i;
        }
        if (i.popup != nullptr)
            if (user::MenuItem* inner = ItemOf(i.popup, item, flags, owner))
                return inner;
    }
    return nullptr;
}

user::MenuItem Make(UINT flags, UINT_PTR newItem, LPCWSTR text) {
    user::MenuItem item{flags & ~MF_BYPOSITION, newItem, text && !(flags & MF_SEPARATOR) ? text : u"",
                        nullptr};
    if (flags & MF_POPUP) {
        item.popup = reinterpret_cast<HMENU>(newItem);
        item.id = 0;
    }
    return item;
}

bool Remove(HMENU menu, UINT position, UINT flags, bool destroy) {
    HMENU owner = nullptr;
    user::MenuItem* item = ItemOf(menu, position, flags, &owner);
    if (item == nullptr)
        return false;
    const HMENU popup = item->popup;
    user::Menu* m = Find(owner);
    m->items.erase(m->items.begin() + (item - m->items.data()));
    if (destroy && popup != nullptr)
        Desktop::Current().Objects().DestroyMenu(popup);
    return true;
}

UINT Track(HMENU menu, UINT flags, int x, int y, HWND owner, const RECT* exclude) {
    const user::Menu* m = Find(menu);
    if (m == nullptr)
        return 0;
    if (owner != nullptr)
        SendMessageW(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    user::PopupMenuShown shown{menu, {}, flags, POINT{x, y}, owner, std::nullopt};
    if (exclude)
        shown.exclude = *exclude;
    for (const user::MenuItem& i : Find(menu)->items)
        shown.items.push_back({i.flags, i.id, i.text});
    return Desktop::Current().Menus().Show(shown);
}

BOOL Answer(UINT command, UINT flags, HWND owner) {
    if (flags & TPM_RETURNCMD)
        return static_cast<BOOL>(command);
    if (command != 0 && owner != nullptr)
        PostMessageW(owner, WM_COMMAND, command, 0);
    return command != 0 ? TRUE : FALSE;
}

} // namespace

HMENU CreatePopupMenu() {
    return Desktop::Current().Objects().AddMenu();
}

HMENU CreateMenu() {
    return Desktop::Current().Objects().AddMenu();
}

BOOL DestroyMenu(HMENU menu) {
    return Desktop::Current().Objects().DestroyMenu(menu) ? TRUE : FALSE;
}

BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR newItem, LPCWSTR text) {
    user::Menu* m = Find(menu);
    if (m == nullptr)
        return FALSE;
    m->items.push_back(Make(flags, newItem, text));
    return TRUE;
}

BOOL InsertMenuW(HMENU menu, UINT position, UINT flags, UINT_PTR newItem, LPCWSTR text) {
    HMENU owner = menu;
    user::MenuItem* at = ItemOf(menu, position, flags, &owner);
    user::Menu* m = Find(owner);
    if (m == nullptr)
        return FALSE;
    const auto where = at ? m->items.begin() + (at - m->items.data()) : m->items.end();
    m->items.insert(where, Make(flags, newItem, text));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, true) ? TRUE : FALSE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags) {
    return Remove(menu, position, flags, false) ? TRUE : FALSE;
}

int GetMenuItemCount(HMENU menu) {
    const user::Menu* m = Find(menu);
    return m ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const user::MenuItem* i =
        position < 0 ? nullptr : ItemOf(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return i == nullptr || i->popup != nullptr ? 0xFFFFFFFFu : static_cast<UINT>(i->id);
}

HMENU GetSubMenu(HMENU menu, int position) {
    const user::MenuItem* i =
        position < 0 ? nullptr : ItemOf(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return i ? i->popup : nullptr;
}

int GetMenuStringW(HMENU menu, UINT item, LPWSTR buffer, int max, UINT flags) {
    const user::MenuItem* i = ItemOf(menu, item, flags);
    if (i == nullptr)
        return 0;
    if (buffer == nullptr || max <= 0)
        return static_cast<int>(i->text.size());
    return static_cast<int>(win32::CopyTruncated(i->text, buffer, static_cast<std::size_t>(max)));
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags) {
    const user::MenuItem* i = ItemOf(menu, item, flags);
    return i ? i->flags : 0xFFFFFFFFu;
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT check) {
    user::MenuItem* i = ItemOf(menu, item, check);
    if (i == nullptr)
        return 0xFFFFFFFFu;
    const DWORD previous = i->flags & MF_CHECKED;
    i->flags = (i->flags & ~MF_CHECKED) | (check & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT enable) {
    user::MenuItem* i = ItemOf(menu, item, enable);
    if (i == nullptr)
        return -1;
    const BOOL previous = static_cast<BOOL>(i->flags & (MF_GRAYED | MF_DISABLED));
    i->flags = (i->flags & ~(MF_GRAYED | MF_DISABLED)) | (enable & (MF_GRAYED | MF_DISABLED));
    return previous;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    return Answer(Track(menu, flags, x, y, owner, nullptr), flags, owner);
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, const TPMPARAMS* params) {
    const RECT* exclude = params && params->cbSize >= sizeof(TPMPARAMS) ? &params->rcExclude : nullptr;
    return Answer(Track(menu, flags, x, y, owner, exclude), flags, owner);
}
