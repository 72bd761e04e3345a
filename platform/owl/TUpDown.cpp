#include "platform/owl/TUpDown.h"

namespace OWL {

TUpDown::TUpDown(TWindow* parent, int id, int x, int y, int w, int h, TWindow* buddy, TModule* module)
    : TWindow(parent, nullptr, module), mBuddy(buddy) {
    Attr.Style = WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT;
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TUpDown::TUpDown(TWindow* parent, int resourceId, TWindow* buddy, TModule* module)
    : TWindow(parent, resourceId, module), mBuddy(buddy) {}

void TUpDown::SetupWindow() {
    TWindow::SetupWindow();
    if (mBuddy != nullptr && mBuddy->GetHandle() != nullptr)
        SetBuddy(mBuddy->GetHandle());
}

void TUpDown::SetRange(int lower, int upper) const {
    SendMessage(UDM_SETRANGE32, static_cast<WPARAM>(lower), static_cast<LPARAM>(upper));
}

void TUpDown::GetRange(int& lower, int& upper) const {
    SendMessage(UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower), reinterpret_cast<LPARAM>(&upper));
}

int TUpDown::SetPos(int pos) const {
    return static_cast<int>(SendMessage(UDM_SETPOS32, 0, static_cast<LPARAM>(pos)));
}

int TUpDown::GetPos() const {
    return static_cast<int>(SendMessage(UDM_GETPOS32));
}

HWND TUpDown::SetBuddy(HWND buddy) const {
    return reinterpret_cast<HWND>(SendMessage(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy)));
}

HWND TUpDown::GetBuddy() const {
    return reinterpret_cast<HWND>(SendMessage(UDM_GETBUDDY));
}

} // namespace OWL
