// The dimension a bitmap's owner records with it.

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/internal.h"

using namespace gdi;

BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, SIZE* previous) {
    auto b = ObjectTable::Instance().Get<BitmapObject>(bitmap, OBJ_BITMAP);
    if (!b)
        return FALSE;
    if (previous)
        *previous = b->Dimension();
    b->SetDimension(SIZE{width, height});
    return TRUE;
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, SIZE* dimension) {
    auto b = ObjectTable::Instance().Get<BitmapObject>(bitmap, OBJ_BITMAP);
    if (!b || !dimension)
        return FALSE;
    *dimension = b->Dimension();
    return TRUE;
}
