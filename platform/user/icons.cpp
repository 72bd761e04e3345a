#include <algorithm>
#include <string>

#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/Desktop.h"
#include "platform/user/icon_api.h"

using user::Desktop;

namespace user {

HICON UserObjects::AddIcon(Icon icon) {
    const std::uintptr_t h = Next();
    mIcons.emplace(h, std::move(icon));
    return reinterpret_cast<HICON>(h);
}

Icon* UserObjects::FindIcon(HICON icon) {
    auto it = mIcons.find(reinterpret_cast<std::uintptr_t>(icon));
    return it == mIcons.end() ? nullptr : &it->second;
}

bool UserObjects::DestroyIcon(HICON icon) {
    auto it = mIcons.find(reinterpret_cast<std::uintptr_t>(icon));
    if (it == mIcons.end() || it->second.shared)
        return false;
    mIcons.erase(it);
    return true;
}

HICON UserObjects::SystemIcon(WORD id, int size, bool cursor) {
    if (size <= 0)
        size = 32;
    const auto key = std::make_tuple(id, size, cursor);
    if (auto it = mSystem.find(key); it != mSystem.end())
        return it->second;
    std::u16string name;
    Picture picture = SystemPicture(id, size, cursor, name);
    if (name.empty())
        return nullptr;
    Icon icon{std::move(picture), true, cursor, std::move(name), {}};
    const HICON h = AddIcon(std::move(icon));
    mSystem[key] = h;
    return h;
}

int UserObjects::LiveIcons() const {
    return static_cast<int>(
        std::count_if(mIcons.begin(), mIcons.end(), [](const auto& entry) { return !entry.second.shared; }));
}

std::u16string IconName(HICON icon) {
    const Icon* i = Desktop::Current().Objects().FindIcon(icon);
    return i ? i->name : std::u16string();
}

} // namespace user

namespace {

WORD IdOf(LPCWSTR name) {
    return IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<std::uintptr_t>(name)) : 0;
}

HANDLE LoadSystem(LPCWSTR name, int size, bool cursor, bool shared) {
    user::UserObjects& objects = Desktop::Current().Objects();
    const HICON h = objects.SystemIcon(IdOf(name), size, cursor);
    if (h == nullptr || shared)
        return h;
    user::Icon copy = *objects.FindIcon(h);
    copy.shared = false;
    return objects.AddIcon(std::move(copy));
}

std::shared_ptr<gdi::Surface> Copy(const gdi::Surface& s) {
    auto out = std::make_shared<gdi::Surface>(s.Width(), s.Height(), s.BitsPerPixel());
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            out->Set(x, y, s.Get(x, y));
    return out;
}

} // namespace

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    return instance == nullptr ? static_cast<HICON>(LoadSystem(name, 32, false, true)) : nullptr;
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
    return instance == nullptr ? static_cast<HCURSOR>(LoadSystem(name, 32, true, true)) : nullptr;
}

HBITMAP LoadBitmapW(HINSTANCE instance, LPCWSTR name) {
    HRSRC found = FindResourceW(instance, name, RT_BITMAP);
    if (found == nullptr)
        return nullptr;
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
    return gdi::CreateBitmapFromPackedDib(bytes, SizeofResource(instance, found));
}

HANDLE LoadImageW(HINSTANCE instance, LPCWSTR name, UINT type, int cx, int cy, UINT flags) {
    if (type == IMAGE_BITMAP)
        return LoadBitmapW(instance, name);
    if ((type != IMAGE_ICON && type != IMAGE_CURSOR) || instance != nullptr)
        return nullptr;
    return LoadSystem(name, std::max(cx, cy), type == IMAGE_CURSOR, (flags & LR_SHARED) != 0);
}

HICON CreateIconIndirect(const ICONINFO* info) {
    if (info == nullptr || info->hbmColor == nullptr)
        return nullptr;
    const auto color = gdi::SurfaceOf(info->hbmColor);
    if (!color)
        return nullptr;
    user::Icon icon{user::Picture{*Copy(*color), std::nullopt}, false, !info->fIcon, {}, {}};
    if (const auto mask = gdi::SurfaceOf(info->hbmMask))
        icon.picture.mask = *Copy(*mask);
    icon.hotspot = POINT{static_cast<LONG>(info->xHotspot), static_cast<LONG>(info->yHotspot)};
    return Desktop::Current().Objects().AddIcon(std::move(icon));
}

BOOL GetIconInfo(HICON icon, ICONINFO* info) {
    const user::Icon* i = Desktop::Current().Objects().FindIcon(icon);
    if (i == nullptr || info == nullptr)
        return FALSE;
    info->fIcon = i->cursor ? FALSE : TRUE;
    info->xHotspot = static_cast<DWORD>(i->hotspot.x);
    info->yHotspot = static_cast<DWORD>(i->hotspot.y);
    info->hbmColor = gdi::CreateBitmapOver(Copy(i->picture.color), 32);
    info->hbmMask = i->picture.mask ? gdi::CreateBitmapOver(Copy(*i->picture.mask), 1) : nullptr;
    return TRUE;
}

BOOL DestroyIcon(HICON icon) {
    user::UserObjects& objects = Desktop::Current().Objects();
    const user::Icon* i = objects.FindIcon(icon);
    if (i == nullptr)
        return FALSE;
    objects.DestroyIcon(icon);
    return TRUE;
}

BOOL DestroyCursor(HCURSOR cursor) {
    return DestroyIcon(cursor);
}

BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT, HBRUSH, UINT flags) {
    const user::Icon* i = Desktop::Current().Objects().FindIcon(icon);
    if (i == nullptr || dc == nullptr)
        return FALSE;
    const gdi::Surface& c = i->picture.color;
    const RECT dest{x, y, x + (cx > 0 ? cx : c.Width()), y + (cy > 0 ? cy : c.Height())};
    return gdi::DrawMaskedPicture(dc, dest, c, i->picture.mask ? &*i->picture.mask : nullptr,
                                  (flags & DI_IMAGE) != 0, (flags & DI_MASK) != 0)
               ? TRUE
               : FALSE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    return DrawIconEx(dc, x, y, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

HCURSOR SetCursor(HCURSOR cursor) {
    Desktop& d = Desktop::Current();
    const HCURSOR previous = d.Input().shape;
    if (cursor != previous) {
        d.Input().shape = cursor;
        d.Effects().Add("SetCursor", user::IconName(cursor));
    }
    return previous;
}

HCURSOR GetCursor() {
    return Desktop::Current().Input().shape;
}
