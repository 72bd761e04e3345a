#pragma once
// A menu handle with the framework's conveniences; a TPopupMenu made new
// or over a handle it takes over is destroyed with the object.

#include <string>

#include "platform/user/menu_api.h"

namespace OWL {

class TMenu {
public:
    TMenu(HMENU handle, bool owned) : mHandle(handle), mOwned(owned) {}
    virtual ~TMenu() {
        if (mOwned && mHandle)
            DestroyMenu(mHandle);
    }
    TMenu(const TMenu&) = delete;
    TMenu& operator=(const TMenu&) = delete;

    HMENU GetHandle() const { return mHandle; }
    operator HMENU() const { return mHandle; }
    int GetMenuItemCount() const { return ::GetMenuItemCount(mHandle); }
    // The item's text, at most max - 1 characters.
    std::u16string GetMenuString(UINT item, UINT flags, int max = 512) const {
        std::u16string text(static_cast<std::size_t>(max), u'\0');
        text.resize(static_cast<std::size_t>(GetMenuStringW(mHandle, item, text.data(), max, flags)));
        return text;
    }
    bool AppendMenu(UINT flags, UINT_PTR id, LPCWSTR text) const {
        return AppendMenuW(mHandle, flags, id, text) != FALSE;
    }

private:
    HMENU mHandle;
    bool mOwned;
};

class TPopupMenu : public TMenu {
public:
    TPopupMenu() : TMenu(CreatePopupMenu(), true) {}
    explicit TPopupMenu(HMENU handle, bool owned = true) : TMenu(handle, owned) {}

    int TrackPopupMenu(UINT flags, int x, int y, HWND owner, const TPMPARAMS* params = nullptr) const {
        return TrackPopupMenuEx(GetHandle(), flags, x, y, owner, params);
    }
};

} // namespace OWL
