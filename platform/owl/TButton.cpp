#include "platform/owl/TButton.h"

namespace OWL {
namespace {

void Place(TWindow::TWindowAttr& attr, int id, DWORD style, int x, int y, int w, int h) {
    attr.Style = style;
    attr.Id = id;
    attr.X = x;
    attr.Y = y;
    attr.W = w;
    attr.H = h;
}

} // namespace

TButton::TButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, bool isDefault,
                 TModule* module)
    : TWindow(parent, text, module) {
    Place(Attr, id, WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y,
          w, h);
}

TCheckBox::TCheckBox(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, TModule* module)
    : TButton(parent, id, text, x, y, w, h, false, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
}

TRadioButton::TRadioButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, TModule* module)
    : TCheckBox(parent, id, text, x, y, w, h, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
}

} // namespace OWL
