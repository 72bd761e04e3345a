#pragma once
// Images of the module's resources for GDI+: an owning bitmap holder, a
// holder of a bitmap decoded from a PNG resource (with the memory block the
// bitmap was read from), and loaders. GDI+ must have been started
// (EnsureGdiplusStarted).

#include <memory>

#include "platform/gdiplus/gdiplus.h"

// Owns one GDI+ bitmap (may be null).
class TGdiPlusBitmap {
public:
    TGdiPlusBitmap() = default;
    virtual ~TGdiPlusBitmap();
    TGdiPlusBitmap(const TGdiPlusBitmap&) = delete;
    TGdiPlusBitmap& operator=(const TGdiPlusBitmap&) = delete;

    Gdiplus::Bitmap* Get() const { return mBitmap; }
    Gdiplus::Bitmap* Release();

protected:
    Gdiplus::Bitmap* mBitmap = nullptr;
};

// A bitmap decoded from a "PNG" resource, over a movable global memory block
// holding a copy of the resource's bytes.
class TGdiPlusBitmapResource : public TGdiPlusBitmap {
public:
    TGdiPlusBitmapResource() = default;
    ~TGdiPlusBitmapResource() override;

    // Replaces what is held. True when the resource was found and decoded.
    // On a failure nothing is held: neither a bitmap nor the block.
    bool LoadPngResource(LPCWSTR name, HINSTANCE module);
    HGLOBAL Block() const { return mBlock; }

private:
    void Drop();

    HGLOBAL mBlock = nullptr;
};

// A bitmap resource of the module (or the given instance) through GDI+; the
// caller owns it; its status tells whether it loaded.
Gdiplus::Bitmap* LoadGdiplusBitmapFromResource(WORD id, HINSTANCE instance = nullptr);
// A PNG resource drawn at its own size into a new 32-bit premultiplied
// bitmap; null when it cannot be loaded. The caller owns it.
Gdiplus::Bitmap* LoadPngScaled(WORD id, HINSTANCE instance = nullptr);

// Every pixel the grey of its luminance (0.299 R + 0.587 G + 0.114 B), its
// alpha kept.
const Gdiplus::ColorMatrix& GreyMatrix();
