#include "platform/owl/TDC.h"

namespace OWL {
namespace {

// Selects object and keeps the first object it replaced.
void Select(HDC dc, HGDIOBJ object, HGDIOBJ& original) {
    HGDIOBJ previous = ::SelectObject(dc, object);
    if (original == nullptr)
        original = previous;
}

void Restore(HDC dc, HGDIOBJ& original) {
    if (original != nullptr) {
        ::SelectObject(dc, original);
        original = nullptr;
    }
}

} // namespace

void TDC::SelectObject(const TFont& font) {
    Select(mHandle, font.GetHandle(), mOrgFont);
}

void TDC::SelectObject(const TPen& pen) {
    Select(mHandle, pen.GetHandle(), mOrgPen);
}

void TDC::SelectObject(const TBrush& brush) {
    Select(mHandle, brush.GetHandle(), mOrgBrush);
}

void TDC::RestoreFont() {
    Restore(mHandle, mOrgFont);
}

void TDC::RestorePen() {
    Restore(mHandle, mOrgPen);
}

void TDC::RestoreBrush() {
    Restore(mHandle, mOrgBrush);
}

void TDC::RestoreObjects() {
    if (mHandle == nullptr)
        return;
    RestoreFont();
    RestorePen();
    RestoreBrush();
}

TSize TDC::GetTextExtent(LPCWSTR text, int count) const {
    SIZE s{0, 0};
    GetTextExtentPoint32W(mHandle, text, count, &s);
    return s;
}

bool TDC::TextOut(int x, int y, LPCWSTR text, int count) const {
    if (count < 0) {
        count = 0;
        while (text && text[count])
            ++count;
    }
    return TextOutW(mHandle, x, y, text, count) != FALSE;
}

bool TDC::ExtTextOut(int x, int y, UINT options, const TRect* rect, LPCWSTR text, int count,
                     const int* dx) const {
    return ExtTextOutW(mHandle, x, y, options, rect, text, static_cast<UINT>(count < 0 ? 0 : count), dx) !=
           FALSE;
}

bool TDC::DrawFrameControl(const TRect& rect, UINT type, UINT state) const {
    RECT r = rect;
    return ::DrawFrameControl(mHandle, &r, type, state) != FALSE;
}

} // namespace OWL
