#include "resources/ModuleDialogs.h"

#include "platform/user/DialogTemplate.h"
#include "platform/user/button.h"
#include "platform/user/combobox.h"
#include "platform/user/edit.h"
#include "platform/user/static.h"
#include "platform/user/styles.h"
#include "platform/user/updown.h"
#include "resources/StepDialogs.h"

namespace Tarvik {

namespace {

constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kTabGroup = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr DWORD kList = WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kField = WS_BORDER | ES_AUTOHSCROLL;

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

std::vector<BYTE> HemoTableOptionsTemplate() {
    user::DialogTemplate t = Dialog(u"Tarvik Hemodynamics Options", 420, 256);
    t.items = {
        Item(u"Static", u"Displayed calculations", 1066, SS_LEFT, 7, 7, 406, 8),
        Item(u"Button", u"Stroke Work (SW)", 1013, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 20, 110, 10),
        Item(u"Button", u"Cardiac Output (CO)", 1014, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 37, 110, 10),
        Item(u"Button", u"Stroke Volume (SV)", 1015, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 54, 110, 10),
        Item(u"Button", u"Maximum Volume (Vmax)", 1016, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 71, 110, 10),
        Item(u"Button", u"Minimum Volume (Vmin)", 1017, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 88, 110, 10),
        Item(u"Button", u"End-systolic Volume (Ves)", 1018, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 105, 110, 10),
        Item(u"Button", u"End-diastolic Volume (Ved)", 1019, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 122, 110, 10),
        Item(u"Button", u"Maximum Pressure (Pmax)", 1020, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 139, 110, 10),
        Item(u"Button", u"Minimum Pressure (Pmin)", 1021, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 156, 110, 10),
        Item(u"Button", u"Mean Pressure (Pmean)", 1022, BS_AUTOCHECKBOX | WS_TABSTOP, 23, 173, 110, 10),
        Item(u"Button", u"Developed Pressure (Pdev)", 1023, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 20, 110, 10),
        Item(u"Button", u"End-systolic Pressure (Pes)", 1024, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 37, 110, 10),
        Item(u"Button", u"End-diastolic Pressure (Ped)", 1025, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 54, 110,
             10),
        Item(u"Button", u"Heart Rate (HR)", 1026, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 71, 110, 10),
        Item(u"Button", u"Ejection Fraction (EF)", 1027, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 88, 110, 10),
        Item(u"Button", u"Arterial Elastance (Ea)", 1028, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 105, 110, 10),
        Item(u"Button", u"Maximum Power (PowMax)", 1029, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 122, 110, 10),
        Item(u"Button", u"Max value of dP/dt (dP/dt max)", 1030, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 139, 110,
             10),
        Item(u"Button", u"Min value of dP/dt (dP/dt min)", 1031, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 156, 110,
             10),
        Item(u"Button", u"Max value of dV/dt (dV/dt max)", 1032, BS_AUTOCHECKBOX | WS_TABSTOP, 137, 173, 110,
             10),
        Item(u"Button", u"Min value of dV/dt (dV/dt min)", 1033, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 20, 150,
             10),
        Item(u"Button", u"Pressure Volume Area (PVA)", 1036, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 37, 150, 10),
        Item(u"Button", u"Potential Energy (PE)", 1037, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 54, 150, 10),
        Item(u"Button", u"Cardiac Efficiency (CE)", 1038, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 71, 150, 10),
        Item(u"Button", u"Tau", 1039, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 88, 150, 10),
        Item(u"Button", u"Pressure at max of dV/dt (P@dV/dt max)", 1035, BS_AUTOCHECKBOX | WS_TABSTOP, 264,
             105, 150, 10),
        Item(u"Button", u"Pressure at max of dP/dt (P@dP/dt max)", 1040, BS_AUTOCHECKBOX | WS_TABSTOP, 264,
             122, 150, 10),
        Item(u"Button", u"Volume at max of dP/dt (V@dP/dt max)", 1041, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 139,
             150, 10),
        Item(u"Button", u"Volume at min of dP/dt (V@dP/dt min)", 1042, BS_AUTOCHECKBOX | WS_TABSTOP, 264, 156,
             150, 10),
        Item(u"Button", u"&Check All", 1065, BS_PUSHBUTTON | WS_TABSTOP, 23, 186, 60, 14),
        Item(u"Button", u"&Uncheck All", 1064, BS_PUSHBUTTON | WS_TABSTOP, 89, 186, 60, 14),
        Item(u"Static", u"Summary", 1067, SS_LEFT, 7, 202, 406, 8),
        Item(u"Button", u"Show summary pane (average, minimum, maximum of each column)", 1034,
             BS_AUTOCHECKBOX | WS_TABSTOP, 23, 216, 246, 10),
        Item(u"Button", u"", 9, BS_PUSHBUTTON | WS_TABSTOP, 7, 235, 20, 14),
        Item(u"Button", u"&OK", 1, BS_DEFPUSHBUTTON | WS_TABSTOP, 309, 235, 50, 14),
        Item(u"Button", u"C&ancel", 2, BS_PUSHBUTTON | WS_TABSTOP, 363, 235, 50, 14),
    };
    return t.Build();
}

} // namespace

std::vector<BYTE> SetupDialogTemplate() {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | WS_VISIBLE;
    t.cx = 443;
    t.cy = 276;
    t.caption = u"Tarvik Settings ";
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    t.items = {
        {u"ComboBox", u"", 1003, kTabGroup | kList, 70, 22, 130, 120},
        {u"ComboBox", u"", 1010, kTabGroup | kList, 70, 40, 130, 120},
        {u"Button", u"&Whole channel", 1004, kTabGroup | BS_AUTORADIOBUTTON, 16, 78, 90, 10},
        {u"Button", u"&Selection", 1005, kVisible | BS_AUTORADIOBUTTON, 16, 92, 90, 10},
        {u"Button", u"Find from &ECG signal", 1009, kTabGroup | BS_AUTORADIOBUTTON, 226, 22, 120, 10},
        {u"Button", u"&Find from pressure signal", 1008, kVisible | BS_AUTORADIOBUTTON, 226, 58, 120, 10},
        {u"ComboBox", u"", 1011, kTabGroup | kList, 300, 36, 130, 120},
        {u"Edit", u"", 1006, kTabGroup | kField, 320, 72, 60, 12},
        {u"Edit", u"", 1007, kTabGroup | kField, 320, 88, 60, 12},
        {u"ComboBox", u"", 1063, kTabGroup | kList | CBS_SORT, 386, 88, 44, 60},
        {u"Button", u"OK", 1, kTabGroup | BS_DEFPUSHBUTTON, 330, 255, 50, 14},
        {u"Button", u"Cancel", 2, kTab | BS_PUSHBUTTON, 386, 255, 50, 14},
    };
    return t.Build();
}

std::vector<BYTE> WorkflowModeDialogTemplate() {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
    t.cx = 233;
    t.cy = 98;
    t.caption = u"Tarvik Workflow Mode";
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    t.items = {
        {u"Static",
         u"Tarvik's Workflow feature can streamline the calibration, acquisition and analysis of "
         u"pressure-volume data.\n\nDisabling the Workflow feature will allow you to use Tarvik's analysis "
         u"tools without guidance.",
         0xFFFF, kVisible | SS_LEFT, 8, 8, 217, 40},
        {u"Button", u"&Enable Tarvik Workflow", 1069, kTabGroup | BS_AUTOCHECKBOX, 8, 56, 125, 10},
        {u"Button", u"OK", 1, kTabGroup | BS_DEFPUSHBUTTON, 121, 80, 50, 14},
        {u"Button", u"Cancel", 2, kTab | BS_PUSHBUTTON, 175, 80, 50, 14},
    };
    return t.Build();
}

void RegisterModuleDialogs(HMODULE instance) {
    RegisterResource(instance, RT_DIALOG, MAKEINTRESOURCEW(kSetupDialogTemplate), 0, SetupDialogTemplate());
    RegisterResource(instance, RT_DIALOG, MAKEINTRESOURCEW(kWorkflowModeDialogTemplate), 0,
                     WorkflowModeDialogTemplate());
    RegisterResource(instance, RT_DIALOG, MAKEINTRESOURCEW(kSigFigDialog), kUsEnglish, SigFigTemplate());
    RegisterResource(instance, RT_DIALOG, kInvalidSettingsDialog, kUsEnglish, InvalidSettingsTemplate());
    RegisterResource(instance, RT_DIALOG, MAKEINTRESOURCEW(kHemoTableOptionsDialog), kUsEnglish,
                     HemoTableOptionsTemplate());
    RegisterStepDialogs(instance);
}

} // namespace Tarvik
