#include "platform/owl/TStatic.h"

namespace OWL {

TStatic::TStatic(TWindow* parent, int id, LPCWSTR title, int x, int y, int w, int h, UINT textLimit,
                 TModule* module)
    : TWindow(parent, title, module), mTextLimit(textLimit) {
    Attr.Style = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT;
    Attr.Id = id;
    Attr.X = x;
    Attr.Y = y;
    Attr.W = w;
    Attr.H = h;
}

TStatic::TStatic(TWindow* parent, int resourceId, UINT textLimit, TModule* module)
    : TWindow(parent, resourceId, module), mTextLimit(textLimit) {}

} // namespace OWL
