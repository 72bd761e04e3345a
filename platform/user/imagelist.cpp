#include "platform/gdi/bridge.h"
#include "platform/gdi/gdi.h"
#include "platform/gdi/probe.h"
#include "platform/user/Desktop.h"
#include "platform/user/icon_api.h"
#include "platform/user/imagelist_api.h"

using user::Desktop;

namespace user {

HIMAGELIST UserObjects::AddImageList(ImageList list) {
    const std::uintptr_t h = Next();
    mImageLists.emplace(h, std::move(list));
    return reinterpret_cast<HIMAGELIST>(h);
}

ImageList* UserObjects::FindImageList(HIMAGELIST list) {
    auto it = mImageLists.find(reinterpret_cast<std::uintptr_t>(list));
    return it == mImageLists.end() ? nullptr : &it->second;
}

bool UserObjects::DestroyImageList(HIMAGELIST list) {
    return mImageLists.erase(reinterpret_cast<std::uintptr_t>(list)) > 0;
}

} // namespace user

namespace {

user::ImageList* Find(HIMAGELIST list) {
    return Desktop::Current().Objects().FindImageList(list);
}

gdi::Surface Cut(const gdi::Surface& s, int left, int cx, int cy, int bpp) {
    gdi::Surface out(cx, cy, bpp);
    for (int y = 0; y < cy && y < s.Height(); ++y)
        for (int x = 0; x < cx && left + x < s.Width(); ++x)
            out.Set(x, y, s.Get(left + x, y));
    return out;
}

// Appends the pictures of a strip; mask pixels come from maskOf(x, y).
template <class MaskOf> int AddStrip(user::ImageList& l, const gdi::Surface& image, MaskOf maskOf) {
    const int first = static_cast<int>(l.images.size());
    for (int left = 0; left + l.cx <= image.Width(); left += l.cx) {
        user::Picture p{Cut(image, left, l.cx, l.cy, 32), std::nullopt};
        if (l.flags & ILC_MASK) {
            gdi::Surface mask(l.cx, l.cy, 1);
            for (int y = 0; y < l.cy && y < image.Height(); ++y)
                for (int x = 0; x < l.cx; ++x)
                    mask.Set(x, y, maskOf(left + x, y) ? gdi::kRgbMask : 0);
            p.mask = std::move(mask);
        } else {
            for (gdi::Pixel& px : p.color.Pixels())
                px |= 0xFF000000u;
        }
        l.images.push_back(std::move(p));
    }
    return static_cast<int>(l.images.size()) > first ? first : -1;
}

} // namespace

HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int, int) {
    if (cx <= 0 || cy <= 0 || cx > gdi::Surface::kMaxSide || cy > gdi::Surface::kMaxSide)
        return nullptr;
    return Desktop::Current().Objects().AddImageList(user::ImageList{cx, cy, flags, {}});
}

BOOL ImageList_Destroy(HIMAGELIST list) {
    return Desktop::Current().Objects().DestroyImageList(list) ? TRUE : FALSE;
}

int ImageList_Add(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
    user::ImageList* l = Find(list);
    const auto picture = gdi::SurfaceOf(image);
    if (l == nullptr || !picture)
        return -1;
    const auto m = gdi::SurfaceOf(mask);
    return AddStrip(*l, *picture, [&](int x, int y) {
        return m && x < m->Width() && y < m->Height() && (m->Get(x, y) & gdi::kRgbMask) != 0;
    });
}

int ImageList_AddMasked(HIMAGELIST list, HBITMAP image, COLORREF key) {
    user::ImageList* l = Find(list);
    const auto picture = gdi::SurfaceOf(image);
    if (l == nullptr || !picture)
        return -1;
    const gdi::Pixel k = gdi::PixelFromColor(key);
    return AddStrip(*l, *picture, [&](int x, int y) { return (picture->Get(x, y) & gdi::kRgbMask) == k; });
}

int ImageList_ReplaceIcon(HIMAGELIST list, int index, HICON icon) {
    user::ImageList* l = Find(list);
    const user::Icon* i = Desktop::Current().Objects().FindIcon(icon);
    if (l == nullptr || i == nullptr || index < -1 || index >= static_cast<int>(l->images.size()))
        return -1;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP color = CreateBitmap(l->cx, l->cy, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, color);
    gdi::DrawMaskedPicture(dc, RECT{0, 0, l->cx, l->cy}, i->picture.color,
                           i->picture.mask ? &*i->picture.mask : nullptr, true, false);
    HBITMAP mask = CreateBitmap(l->cx, l->cy, 1, 1, nullptr);
    SelectObject(dc, mask);
    gdi::DrawMaskedPicture(dc, RECT{0, 0, l->cx, l->cy}, i->picture.color,
                           i->picture.mask ? &*i->picture.mask : nullptr, false, true);
    SelectObject(dc, old);
    user::Picture p{*gdi::SurfaceOf(color), *gdi::SurfaceOf(mask)};
    DeleteObject(color);
    DeleteObject(mask);
    DeleteDC(dc);
    if (index == -1) {
        l->images.push_back(std::move(p));
        return static_cast<int>(l->images.size()) - 1;
    }
    l->images[static_cast<std::size_t>(index)] = std::move(p);
    return index;
}

int ImageList_GetImageCount(HIMAGELIST list) {
    const user::ImageList* l = Find(list);
    return l ? static_cast<int>(l->images.size()) : 0;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy) {
    const user::ImageList* l = Find(list);
    if (l == nullptr || cx == nullptr || cy == nullptr)
        return FALSE;
    *cx = l->cx;
    *cy = l->cy;
    return TRUE;
}

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT) {
    const user::ImageList* l = Find(list);
    if (l == nullptr || index < 0 || index >= static_cast<int>(l->images.size()))
        return FALSE;
    const user::Picture& p = l->images[static_cast<std::size_t>(index)];
    return gdi::DrawMaskedPicture(dc, RECT{x, y, x + l->cx, y + l->cy}, p.color, p.mask ? &*p.mask : nullptr,
                                  true, true)
               ? TRUE
               : FALSE;
}
