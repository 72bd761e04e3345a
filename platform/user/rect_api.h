#pragma once
// The rectangle calls of the window layer. Rectangles are half-open: right
// and bottom lie outside.

#include "platform/win32/types.h"

inline BOOL PtInRect(const RECT* r, POINT p) {
    return r && p.x >= r->left && p.x < r->right && p.y >= r->top && p.y < r->bottom ? TRUE : FALSE;
}
inline BOOL IsRectEmpty(const RECT* r) {
    return !r || r->right <= r->left || r->bottom <= r->top ? TRUE : FALSE;
}
inline BOOL SetRect(RECT* r, int left, int top, int right, int bottom) {
    if (!r)
        return FALSE;
    *r = RECT{left, top, right, bottom};
    return TRUE;
}
inline BOOL OffsetRect(RECT* r, int dx, int dy) {
    if (!r)
        return FALSE;
    *r = RECT{r->left + dx, r->top + dy, r->right + dx, r->bottom + dy};
    return TRUE;
}
inline BOOL InflateRect(RECT* r, int dx, int dy) {
    if (!r)
        return FALSE;
    *r = RECT{r->left - dx, r->top - dy, r->right + dx, r->bottom + dy};
    return TRUE;
}
inline BOOL EqualRect(const RECT* a, const RECT* b) {
    return a && b && a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom
               ? TRUE
               : FALSE;
}
// The smallest rectangle holding both; an empty one adds nothing. FALSE (and
// an empty result) when both are empty.
inline BOOL UnionRect(RECT* out, const RECT* a, const RECT* b) {
    if (!out || !a || !b)
        return FALSE;
    if (IsRectEmpty(a) && IsRectEmpty(b)) {
        *out = RECT{0, 0, 0, 0};
        return FALSE;
    }
    if (IsRectEmpty(a) || IsRectEmpty(b)) {
        *out = IsRectEmpty(a) ? *b : *a;
        return TRUE;
    }
    *out = RECT{a->left < b->left ? a->left : b->left, a->top < b->top ? a->top : b->top,
                a->right > b->right ? a->right : b->right, a->bottom > b->bottom ? a->bottom : b->bottom};
    return TRUE;
}
