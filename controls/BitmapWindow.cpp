#include "controls/BitmapWindow.h"

#include "platform/owl/TMemoryDC.h"

namespace OvoControls {

DEFINE_RESPONSE_TABLE1(BitmapWindow, OWL::TStatic)
::OWL::entries::Void<TMyClass>(WM_PAINT, &OWL::TWindow::PaintObject), END_RESPONSE_TABLE;

namespace {

constexpr int kControlId = 1002;

} // namespace

BitmapWindow::BitmapWindow(OWL::TWindow* parent, std::unique_ptr<OWL::TBitmap> bitmap)
    : OWL::TStatic(parent, kControlId), mBitmap(std::move(bitmap)) {}

void BitmapWindow::SetBitmap(std::unique_ptr<OWL::TBitmap> bitmap) {
    mBitmap = std::move(bitmap);
    Invalidate();
}

void BitmapWindow::SetupWindow() {
    OWL::TStatic::SetupWindow();
    ModifyStyle(0, SS_NOTIFY);
    const OWL::TRect before = GetClientRect();
    mRecorded = RECT{0, 0, before.Width(), before.Height()};
    if (mMode == kSizedToBitmap && mBitmap && mBitmap->IsValid())
        SetWindowPos(nullptr, 0, 0, mBitmap->Width(), mBitmap->Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    const OWL::TRect after = GetClientRect();
    mDestination = RECT{0, 0, after.Width(), after.Height()};
}

void BitmapWindow::Paint(OWL::TDC& dc, bool, OWL::TRect& rect) {
    dc.FillRect(rect, GetSysColorBrush(COLOR_3DFACE));
    const OWL::TRect client = GetClientRect();
    if (mBitmap && mBitmap->IsValid()) {
        const int w = mBitmap->Width(), h = mBitmap->Height();
        int x = 0, y = 0;
        if (mMode == kBottom) {
            y = client.Height() - h;
        } else if (mMode == kCentre) {
            x = (client.Width() - w) / 2;
            y = (client.Height() - h) / 2;
        }
        OWL::TMemoryDC source(dc);
        source.SelectObject(*mBitmap);
        if (!TransparentBlt(dc, x, y, w, h, source, 0, 0, w, h, GetPixel(source, 0, 0)))
            dc.BitBlt(x, y, w, h, source, 0, 0);
    }
    if (mOverlay)
        mOverlay->Paint(dc, client);
}

} // namespace OvoControls
