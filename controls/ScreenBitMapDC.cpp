#include "controls/ScreenBitMapDC.h"

#include "core/XOvo.h"
#include "platform/win32/hresult.h"
#include "platform/win32/modules.h"

ScreenBitMapDC::ScreenBitMapDC(int width, int height) : mHeight(height), mWidth(width) {
    if (width < 1 || height < 1)
        return;
    HDC screen = GetDC(nullptr);
    mBitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    if (mBitmap == nullptr) {
        DeleteDC(GetHDC());
        SetHDC(nullptr);
        throw XOvo(Ovo::String(u"ScreenBitMapDC:: ctor fail"), HRESULT_FROM_WIN32(GetLastError()));
    }
    mOriginal = ::SelectObject(GetHDC(), mBitmap);
}

ScreenBitMapDC::~ScreenBitMapDC() {
    if (GetHDC() == nullptr)
        return;
    SetViewportOrgEx(GetHDC(), 0, 0, nullptr);
    SetWindowOrgEx(GetHDC(), 0, 0, nullptr);
    if (mOriginal != nullptr)
        ::SelectObject(GetHDC(), mOriginal);
    if (mBitmap != nullptr)
        DeleteObject(mBitmap);
}
