#include "resources/ModuleDialogs.h"

#include "platform/user/DialogTemplate.h"
#include "platform/user/button.h"
#include "platform/user/edit.h"
#include "platform/user/static.h"
#include "platform/user/styles.h"
#include "platform/user/updown.h"

namespace Tarvik {
namespace {

constexpr LANGID kUsEnglish = 0x0409;
constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

user::DialogTemplate Dialog(const char16_t* caption, short cx, short cy) {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = cx;
    t.cy = cy;
    t.caption = caption;
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    return t;
}

user::DialogItem Item(const char16_t* cls, const char16_t* text, WORD id, DWORD style, short x, short y,
                      short cx, short cy) {
    return user::DialogItem{cls, text, id, kChild | style, x, y, cx, cy, 0};
}

std::vector<BYTE> SigFigTemplate() {
    user::DialogTemplate t = Dialog(u"Format Column", 186, 78);
    t.items = {
        Item(u"Static", u"Significant figures:", kNoId, SS_LEFT, 7, 15, 72, 8),
        Item(u"Edit", u"", 1001, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 82, 14, 40, 14),
        Item(UPDOWN_CLASSW, u"", 1003, UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 121,
             14, 11, 14),
        Item(u"Button", u"Apply to all columns", 1002, BS_AUTOCHECKBOX | WS_TABSTOP, 35, 39, 121, 10),
        Item(u"Button", u"OK", 1, BS_DEFPUSHBUTTON | WS_TABSTOP, 71, 57, 50, 14),
        Item(u"Button", u"Cancel", 2, BS_PUSHBUTTON | WS_TABSTOP, 129, 57, 50, 14),
    };
    return t.Build();
}

std::vector<BYTE> InvalidSettingsTemplate() {
    user::DialogTemplate t = Dialog(u"Vantrel", 252, 66);
    t.items = {
        Item(u"Button", u"OK", 2, BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 45, 50, 14),
        Item(u"Static", u"One or more settings are invalid and need correcting.", kNoId, SS_LEFT, 47, 7, 177,
             11),
        Item(u"Static", u"The invalid settings are marked with a", kNoId, SS_LEFT, 47, 18, 124, 11),
        Item(u"Static", u"", 1002, SS_LEFT, 172, 18, 8, 8),
        Item(u"Static", u"", 1001, SS_ICON, 7, 7, 20, 20),
        Item(u"Static", u"Correct these settings before continuing.", kNoId, SS_LEFT, 47, 29, 139, 11),
    };
    return t.Build();
}

} // namespace

void RegisterModuleDialogs(HMODULE instance) {
    const LPCWSTR dialog = MAKEINTRESOURCEW(5); // RT_DIALOG
    RegisterResource(instance, dialog, MAKEINTRESOURCEW(kSigFigDialog), kUsEnglish, SigFigTemplate());
    RegisterResource(instance, dialog, kInvalidSettingsDialog, kUsEnglish, InvalidSettingsTemplate());
}

} // namespace Tarvik
