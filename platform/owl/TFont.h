#pragma once
// A font made from a LOGFONTW (or its usual fields), owned by the object.

#include "platform/gdi/structs.h"
#include "platform/owl/TGdiObject.h"

namespace OWL {

class TFont : public TGdiObject {
public:
    explicit TFont(const LOGFONTW& font) : TGdiObject(CreateFontIndirectW(&font), true) {}
    // Wraps a font the caller keeps.
    explicit TFont(HFONT borrowed) : TGdiObject(borrowed, false) {}

    HFONT GetHandle() const { return static_cast<HFONT>(TGdiObject::GetHandle()); }
    operator HFONT() const { return GetHandle(); }
    // The font's LOGFONTW as it was asked for.
    bool GetObject(LOGFONTW& out) const {
        return GetObjectW(GetHandle(), sizeof out, &out) == static_cast<int>(sizeof out);
    }
};

} // namespace OWL
