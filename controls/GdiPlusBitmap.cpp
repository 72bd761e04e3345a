#include "controls/GdiPlusBitmap.h"

#include <cstring>
#include <utility>

#include "module/ModuleInstance.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/global.h"
#include "platform/win32/resources.h"
#include "platform/win32/stream.h"

namespace {

HINSTANCE OrModule(HINSTANCE instance) {
    return instance != nullptr ? instance : Tarvik::ModuleInstance();
}

} // namespace

TGdiPlusBitmap::~TGdiPlusBitmap() {
    delete mBitmap;
}

Gdiplus::Bitmap* TGdiPlusBitmap::Release() {
    return std::exchange(mBitmap, nullptr);
}

TGdiPlusBitmapResource::~TGdiPlusBitmapResource() {
    Drop();
}

void TGdiPlusBitmapResource::Drop() {
    delete std::exchange(mBitmap, nullptr);
    if (mBlock != nullptr) {
        GlobalUnlock(mBlock);
        GlobalFree(mBlock);
        mBlock = nullptr;
    }
}

bool TGdiPlusBitmapResource::LoadPngResource(LPCWSTR name, HINSTANCE module) {
    Drop();
    HRSRC found = FindResourceW(module, name, u"PNG");
    const DWORD size = found ? SizeofResource(module, found) : 0;
    const void* bytes = size ? LockResource(LoadResource(module, found)) : nullptr;
    if (bytes == nullptr)
        return false;
    mBlock = GlobalAlloc(GMEM_MOVEABLE, size);
    void* copy = mBlock ? GlobalLock(mBlock) : nullptr;
    ComPtr<IStream> stream;
    if (copy != nullptr) {
        std::memcpy(copy, bytes, size);
        CreateStreamOnHGlobal(mBlock, FALSE, stream.Put());
    }
    if (stream)
        mBitmap = Gdiplus::Bitmap::FromStream(stream.Get());
    if (mBitmap != nullptr && mBitmap->GetLastStatus() == Gdiplus::Ok)
        return true;
    Drop(); // no bitmap kept over a freed block, and the block is freed once
    return false;
}

Gdiplus::Bitmap* LoadGdiplusBitmapFromResource(WORD id, HINSTANCE instance) {
    return Gdiplus::Bitmap::FromResource(OrModule(instance), MAKEINTRESOURCEW(id));
}

Gdiplus::Bitmap* LoadPngScaled(WORD id, HINSTANCE instance) {
    TGdiPlusBitmapResource png;
    if (!png.LoadPngResource(MAKEINTRESOURCEW(id), OrModule(instance)))
        return nullptr;
    const INT w = static_cast<INT>(png.Get()->GetWidth()), h = static_cast<INT>(png.Get()->GetHeight());
    auto* out = new Gdiplus::Bitmap(w, h, Gdiplus::PixelFormat32bppPARGB);
    Gdiplus::Graphics g(out);
    g.DrawImage(png.Get(), Gdiplus::Rect{0, 0, w, h});
    return out;
}

const Gdiplus::ColorMatrix& GreyMatrix() {
    static const Gdiplus::ColorMatrix matrix{{{0.299f, 0.299f, 0.299f, 0, 0},
                                              {0.587f, 0.587f, 0.587f, 0, 0},
                                              {0.114f, 0.114f, 0.114f, 0, 0},
                                              {0, 0, 0, 1, 0},
                                              {0, 0, 0, 0, 0}}};
    return matrix;
}
