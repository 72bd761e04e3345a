#include "platform/owl/TButton.h"

namespace OWL {

TButton::TButton(TWindow* parent, int id, LPCWSTR text, int x, int y, int w, int h, bool isDefault,
                 TModule* module)
    : TWindow(parent, text, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TButton::TButton(TWindow* parent, int resourceId, TModule* module) : TWindow(parent, resourceId, module) {}

} // namespace OWL
