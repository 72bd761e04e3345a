#pragma once
// An off-screen memory context over a screen-compatible bitmap of a size.

#include "platform/owl/TMemoryDC.h"

class ScreenBitMapDC : public OWL::TMemoryDC {
public:
    // With both sizes at least 1 a bitmap is made and selected; when that
    // fails, XOvo "ScreenBitMapDC:: ctor fail" with HRESULT_FROM_WIN32 of the
    // last error.
    ScreenBitMapDC(int width, int height);
    // Resets the origins, selects the first bitmap back and deletes its own.
    ~ScreenBitMapDC() override;

    int Width() const { return mWidth; }
    int Height() const { return mHeight; }
    HBITMAP Bitmap() const { return mBitmap; }

private:
    int mHeight;
    int mWidth;
    HBITMAP mBitmap = nullptr;
    HGDIOBJ mOriginal = nullptr;
};
