#include "resources/ModuleDialogs.h"

#include "platform/user/DialogTemplate.h"
#include "platform/user/button.h"
#include "platform/user/combobox.h"
#include "platform/user/edit.h"
#include "platform/user/static.h"
#include "platform/user/styles.h"

namespace Tarvik {

namespace {

constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kTabGroup = WS_VISIBLE | WS_TABSTOP | WS_GROUP;
constexpr DWORD kList = WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kField = WS_BORDER | ES_AUTOHSCROLL;

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
}

} // namespace Tarvik
