#include "controls/UiFont.h"

#include "controls/Fonts.h"
#include "platform/gdi/gdi.h"
#include "platform/user/paint_api.h"

std::unique_ptr<OWL::TFont> GetUiFontPointSize(HDC dc, bool bold, bool underline) {
    HDC used = dc != nullptr ? dc : GetDC(nullptr);
    LOGFONTW f = DialogLogFont(used, 0, 0);
    if (dc == nullptr)
        ReleaseDC(nullptr, used);
    f.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    f.lfUnderline = underline ? 1 : 0;
    return std::make_unique<OWL::TFont>(f);
}
