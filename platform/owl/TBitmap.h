#pragma once
// A bitmap: a resource of a module, a new bitmap or one borrowed.

#include "platform/owl/TGdiObject.h"
#include "platform/user/icon_api.h"

namespace OWL {

class TBitmap : public TGdiObject {
public:
    // A bitmap resource (RT_BITMAP) of the module; invalid when there is none.
    TBitmap(HINSTANCE instance, LPCWSTR resourceId) : TGdiObject(LoadBitmapW(instance, resourceId), true) {}
    TBitmap(int width, int height, UINT planes = 1, UINT bitsPerPixel = 32)
        : TGdiObject(CreateBitmap(width, height, planes, bitsPerPixel, nullptr), true) {}
    TBitmap(HBITMAP handle, bool owned) : TGdiObject(handle, owned) {}

    HBITMAP GetHandle() const { return static_cast<HBITMAP>(TGdiObject::GetHandle()); }
    operator HBITMAP() const { return GetHandle(); }
    int Width() const { return Describe().bmWidth; }
    int Height() const { return Describe().bmHeight; }
    int BitsPixel() const { return Describe().bmBitsPixel; }

private:
    BITMAP Describe() const {
        BITMAP b{};
        GetObjectW(GetHandle(), sizeof b, &b);
        return b;
    }
};

} // namespace OWL
