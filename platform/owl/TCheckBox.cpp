#include "platform/owl/TCheckBox.h"

namespace OWL {

TCheckBox::TCheckBox(TWindow* parent, int id, LPCWSTR title, int x, int y, int w, int h, TModule* module)
    : TButton(parent, id, title, x, y, w, h, false, module) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
}

TCheckBox::TCheckBox(TWindow* parent, int resourceId, TModule* module)
    : TButton(parent, resourceId, module) {}

} // namespace OWL
