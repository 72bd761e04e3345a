// The system colour table: the classic fixed scheme, changed only through
// SetSysColors.

#include <array>

#include "platform/gdi/gdi.h"
#include "platform/win32/hresult.h"

namespace {

constexpr int kCount = COLOR_MENUBAR + 1;

std::array<COLORREF, kCount>& Table() {
    static std::array<COLORREF, kCount> table{
        RGB(192, 192, 192), // COLOR_SCROLLBAR
        RGB(0, 128, 128),   // COLOR_BACKGROUND
        RGB(0, 0, 128),     // COLOR_ACTIVECAPTION
        RGB(128, 128, 128), // COLOR_INACTIVECAPTION
        RGB(192, 192, 192), // COLOR_MENU
        RGB(255, 255, 255), // COLOR_WINDOW
        RGB(0, 0, 0),       // COLOR_WINDOWFRAME
        RGB(0, 0, 0),       // COLOR_MENUTEXT
        RGB(0, 0, 0),       // COLOR_WINDOWTEXT
        RGB(255, 255, 255), // COLOR_CAPTIONTEXT
        RGB(192, 192, 192), // COLOR_ACTIVEBORDER
        RGB(192, 192, 192), // COLOR_INACTIVEBORDER
        RGB(128, 128, 128), // COLOR_APPWORKSPACE
        RGB(0, 0, 128),     // COLOR_HIGHLIGHT
        RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
        RGB(192, 192, 192), // COLOR_BTNFACE
        RGB(128, 128, 128), // COLOR_BTNSHADOW
        RGB(128, 128, 128), // COLOR_GRAYTEXT
        RGB(0, 0, 0),       // COLOR_BTNTEXT
        RGB(192, 192, 192), // COLOR_INACTIVECAPTIONTEXT
        RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
        RGB(0, 0, 0),       // COLOR_3DDKSHADOW
        RGB(223, 223, 223), // COLOR_3DLIGHT
        RGB(0, 0, 0),       // COLOR_INFOTEXT
        RGB(255, 255, 225), // COLOR_INFOBK
        RGB(180, 180, 180), // 25, unassigned
        RGB(0, 0, 255),     // COLOR_HOTLIGHT
        RGB(16, 132, 208),  // COLOR_GRADIENTACTIVECAPTION
        RGB(181, 181, 181), // COLOR_GRADIENTINACTIVECAPTION
        RGB(0, 0, 128),     // COLOR_MENUHILIGHT
        RGB(192, 192, 192), // COLOR_MENUBAR
    };
    return table;
}

} // namespace

// 0 for an index outside the table.
DWORD GetSysColor(int index) {
    if (index < 0 || index >= kCount)
        return 0;
    return Table()[static_cast<std::size_t>(index)];
}

// Refuses the whole change when one index is outside the table.
BOOL SetSysColors(int count, const INT* indices, const COLORREF* colors) {
    if (count < 0 || (count > 0 && (!indices || !colors)))
        return FALSE;
    for (int i = 0; i < count; ++i)
        if (indices[i] < 0 || indices[i] >= kCount)
            return FALSE;
    for (int i = 0; i < count; ++i)
        Table()[static_cast<std::size_t>(indices[i])] = colors[i] & 0x00FFFFFF;
    return TRUE;
}

HRESULT OleTranslateColor(DWORD oleColor, void*, COLORREF* out) {
    if ((oleColor & 0xFF000000u) == 0x80000000u) {
        const int index = static_cast<int>(oleColor & 0xFF);
        if (index > COLOR_MENUBAR)
            return E_INVALIDARG;
        if (out)
            *out = GetSysColor(index);
        return S_OK;
    }
    if (out)
        *out = oleColor & 0x00FFFFFFu;
    return S_OK;
}
