#include "resources/StepDialogs.h"

#include "platform/user/DialogTemplate.h"
#include "platform/user/button.h"
#include "platform/user/combobox.h"
#include "platform/user/edit.h"
#include "platform/user/static.h"
#include "platform/user/styles.h"

namespace Tarvik {

namespace {

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kVisible = WS_VISIBLE;
constexpr DWORD kTab = WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kCentreImage = 0x0200; // SS_CENTERIMAGE: one line, centred vertically
constexpr DWORD kWrapped = kVisible | SS_LEFT;
constexpr DWORD kLabel = kVisible | SS_LEFT | kCentreImage;
constexpr DWORD kLine = kVisible | SS_ETCHEDHORZ;
constexpr DWORD kButton = kTab | BS_PUSHBUTTON;
constexpr DWORD kEdit = kTab | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kList = kTab | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kCheck = kTab | BS_AUTOCHECKBOX;
constexpr DWORD kArrow = kVisible | SS_BITMAP;

using user::DialogItem;

user::DialogTemplate StepFrame(short cy, const char16_t* font) {
    user::DialogTemplate t;
    t.style = WS_CHILD | DS_CONTROL | DS_SETFONT;
    t.exStyle = WS_EX_CONTROLPARENT;
    t.cx = 160;
    t.cy = cy;
    t.pointSize = 8;
    t.fontFace = font;
    return t;
}

user::DialogTemplate ModalFrame(const char16_t* caption, short cx, short cy) {
    user::DialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE;
    t.cx = cx;
    t.cy = cy;
    t.caption = caption;
    t.pointSize = 8;
    t.fontFace = u"MS Shell Dlg";
    return t;
}

std::vector<BYTE> SetupStepTemplate() {
    user::DialogTemplate t = StepFrame(58, u"MS Shell Dlg");
    t.items = {
        {u"Static", u"Select &Workflow:", kNoId, kLabel, 6, 6, 54, 12},
        {u"ComboBox", u"", 1070, kList, 70, 6, 84, 134},
        {u"Static", u"&Pressure channel:", kNoId, kLabel, 6, 22, 58, 12},
        {u"ComboBox", u"", 1005, kList, 70, 22, 84, 110},
        {u"Static", u"&Volume channel:", kNoId, kLabel, 6, 38, 53, 12},
        {u"ComboBox", u"", 1006, kList, 70, 38, 84, 87},
    };
    return t.Build();
}

// The frame shared by the pressure, conductance and volume calibrations: the launch row, the
// sampling row and two rows of a sampled value and the value it stands for.
std::vector<DialogItem> TwoPointItems(const char16_t* what, const char16_t* enter, WORD known1, WORD known2,
                                      bool unitChoice) {
    std::vector<DialogItem> items = {
        {u"Static", what, 1074, kWrapped, 6, 6, 148, 16},
        {u"Static", u"", 1072, kLine, 6, 26, 148, 1},
        {u"Static", u"Launch CVX software:", 1112, kLabel, 6, 29, 85, 18},
        {u"Button", u"", 1104, kButton, 133, 29, 21, 18},
        {u"Static", u"|Start sampling:|", 1105, kLabel, 6, 49, 60, 18},
        {u"Static", u"", 1071, kVisible, 92, 49, 51, 18},
        {u"Static", u"", 1073, kLine, 6, 69, 148, 1},
        {u"Static", enter, 1082, kWrapped, 6, 74, 148, 24},
        {u"Button", u"", 1075, kButton, 6, 102, 14, 12},
        {u"Edit", u"", 1079, kEdit, 22, 102, 32, 12},
        {u"Static", u"|V|", 1109, kLabel, 56, 102, 12, 12},
        {u"Static", u"", kNoId, kArrow, 72, 104, 7, 7},
        {u"Edit", u"", known1, kEdit, 82, 102, 32, 12},
    };
    if (unitChoice)
        items.push_back({u"ComboBox", u"", 1106, kList, 116, 102, 38, 60});
    else
        items.push_back({u"Static", u"mmHg", 1083, kLabel, 116, 102, 24, 12});
    const std::vector<DialogItem> second = {
        {u"Button", u"", 1076, kButton, 6, 118, 14, 12},
        {u"Edit", u"", 1081, kEdit, 22, 118, 32, 12},
        {u"Static", u"|V|", 1110, kLabel, 56, 118, 14, 12},
        {u"Static", u"", kNoId, kArrow, 72, 120, 7, 7},
        {u"Edit", u"", known2, kEdit, 82, 118, 32, 12},
        {u"Static", unitChoice ? u"|mS|" : u"mmHg", 1084, kLabel, 116, 118, 24, 12},
        {u"Static", u"", 1099, kLine, 6, 134, 148, 1},
    };
    items.insert(items.end(), second.begin(), second.end());
    return items;
}

std::vector<BYTE> PressureStepTemplate() {
    user::DialogTemplate t = StepFrame(154, u"MS Shell Dlg 2");
    t.items =
        TwoPointItems(u"Use the CVX control software to sample pressure calibration values.",
                      u"Enter the sampled calibration values and their corresponding known pressure values.",
                      1078, 1080, false);
    t.items.push_back({u"Button", u"Apply pressure calibration", 1077, kCheck, 6, 138, 99, 10});
    return t.Build();
}

std::vector<BYTE> ConductanceStepTemplate() {
    user::DialogTemplate t = StepFrame(154, u"MS Shell Dlg 2");
    t.items = TwoPointItems(
        u"Use the CVX control software to sample conductance calibration values.",
        u"Enter the sampled calibration values and their corresponding known conductance values.", 1107, 1108,
        true);
    t.items.push_back({u"Button", u"Apply conductance calibration", 1077, kCheck, 6, 138, 110, 10});
    return t.Build();
}

std::vector<BYTE> VolumeStepTemplate() {
    user::DialogTemplate t = StepFrame(154, u"MS Shell Dlg 2");
    t.items =
        TwoPointItems(u"Use the CVX control software to sample volume calibration values.",
                      u"Enter the sampled calibration values and their corresponding known volume values.",
                      1127, 1128, true);
    for (DialogItem& item : t.items)
        if (item.id == 1084)
            item.text = u"|mL|";
    t.items.push_back({u"Button", u"Apply volume calibration", 1077, kCheck, 6, 138, 99, 10});
    return t.Build();
}

std::vector<BYTE> SamplingStepTemplate() {
    user::DialogTemplate t = StepFrame(122, u"MS Shell Dlg");
    t.items = {
        {u"Static", u"|Perform experiment|", 1074, kWrapped, 6, 6, 148, 48},
        {u"Static", u"", 1072, kLine, 6, 58, 148, 1},
        {u"Static", u"Adjust detector settings:", kNoId, kLabel, 6, 61, 81, 18},
        {u"Button", u"", 1092, kButton, 132, 61, 21, 18},
        {u"Static", u"|Start sampling:|", 1093, kLabel, 6, 81, 53, 18},
        {u"Static", u"", 1071, kVisible, 92, 81, 51, 18},
        {u"Static", u"", 1073, kLine, 6, 101, 148, 1},
        {u"Button", u"Sampling complete", 1077, kCheck, 6, 106, 75, 10},
    };
    return t.Build();
}

std::vector<BYTE> CuvetteStepTemplate() {
    user::DialogTemplate t = StepFrame(81, u"MS Shell Dlg 2");
    t.items = {
        {u"Static",
         u"Calculate an appropriate unit conversion by entering known and measured well volume values in the "
         u"Cuvette Calibration View.",
         1074, kWrapped, 6, 6, 148, 32},
        {u"Static", u"1 \u00B5L =", kNoId, kLabel, 6, 42, 24, 12},
        {u"Edit", u"", 1113, kEdit, 30, 42, 36, 12},
        {u"Static", u"|\u00D7 1 ms +|", 1111, kLabel, 68, 42, 40, 12},
        {u"Edit", u"", 1114, kEdit, 110, 42, 44, 12},
        {u"Static", u"", 1072, kLine, 6, 60, 148, 1},
        {u"Button", u"Apply cuvette calibration", 1077, kCheck, 6, 65, 99, 10},
    };
    return t.Build();
}

std::vector<BYTE> AlphaStepTemplate() {
    user::DialogTemplate t = StepFrame(113, u"MS Shell Dlg");
    t.items = {
        {u"Static", u"Calculate from:", kNoId, kLabel, 6, 6, 54, 12},
        {u"ComboBox", u"", 1115, kList, 62, 6, 92, 60},
        {u"Static", u"Alpha =", kNoId, kLabel, 6, 40, 28, 12},
        {u"Static", u"|CO[Corvane]:|", 1116, kLabel, 36, 26, 50, 12},
        {u"Edit", u"", 1117, kEdit, 88, 26, 36, 12},
        {u"Static", u"|mL/s|", 1118, kLabel, 126, 26, 28, 12},
        {u"Static", u"", 1119, kVisible | SS_BLACKRECT, 36, 45, 118, 1},
        {u"Static", u"|CO[Ref]:|", 1120, kLabel, 36, 52, 50, 12},
        {u"Edit", u"", 1121, kEdit, 88, 52, 36, 12},
        {u"Static", u"|mL/s|", 1122, kLabel, 126, 52, 28, 12},
        {u"Static", u"= |0.9|", 1123, kLabel, 36, 70, 118, 12},
        {u"Static", u"", 1072, kLine, 6, 88, 148, 1},
        {u"Button", u"&Apply alpha calibration", 1077, kCheck, 6, 94, 99, 10},
    };
    return t.Build();
}

std::vector<BYTE> AnalyseStepTemplate() {
    user::DialogTemplate t = StepFrame(141, u"MS Shell Dlg");
    t.items = {
        {u"Static", u"Analysis &type:", kNoId, kLabel, 6, 6, 53, 12},
        {u"ComboBox", u"", 1095, kList | CBS_SORT, 70, 6, 84, 30},
        {u"Static",
         u"Select an analysis region in the Strev View and analyze.\n\nAdjust detector settings if "
         u"end-diastole "
         u"is not correctly detected in your analysis region.",
         1074, kWrapped, 6, 22, 148, 48},
        {u"Static", u"", 1072, kLine, 6, 74, 148, 1},
        {u"Static", u"Analyze now:", kNoId, kLabel, 6, 77, 44, 18},
        {u"Button", u"", 1098, kButton, 133, 77, 21, 18},
        {u"Static", u"Adjust detector settings:", kNoId, kLabel, 6, 97, 81, 18},
        {u"Button", u"", 1092, kButton, 133, 97, 21, 18},
        {u"Static", u"Analysis Manager:", kNoId, kLabel, 6, 117, 60, 18},
        {u"Button", u"", 1094, kButton, 133, 117, 21, 18},
    };
    return t.Build();
}

std::vector<BYTE> EditBolusTemplate() {
    user::DialogTemplate t = ModalFrame(u"Edit Parallel Conductance", 156, 51);
    t.items = {
        {u"Static", u"&Parallel conductance:", kNoId, kLabel, 7, 9, 72, 12},
        {u"Edit", u"", 1131, kEdit, 80, 9, 44, 12},
        {u"Static", u"|uL|", 1133, kLabel, 127, 9, 22, 12},
        {u"Button", u"OK", 1, kTab | BS_DEFPUSHBUTTON, 45, 30, 50, 14},
        {u"Button", u"Cancel", 2, kButton, 99, 30, 50, 14},
    };
    return t.Build();
}

std::vector<BYTE> ResultsCopyTemplate() {
    user::DialogTemplate t = ModalFrame(u"Copy Cuvette Calibration View", 148, 64);
    t.items = {
        {u"Button", u"Copy graph as image", 1038, kTab | WS_GROUP | BS_AUTORADIOBUTTON, 8, 8, 130, 10},
        {u"Button", u"Copy calibration table", 1039, kVisible | BS_AUTORADIOBUTTON, 8, 24, 130, 10},
        {u"Button", u"OK", 1, kTab | WS_GROUP | BS_DEFPUSHBUTTON, 36, 42, 50, 14},
        {u"Button", u"Cancel", 2, kButton, 90, 42, 50, 14},
    };
    return t.Build();
}

} // namespace

std::vector<BYTE> StepDialogTemplate(WORD id) {
    switch (id) {
    case 121:
        return ResultsCopyTemplate();
    case 124:
        return SetupStepTemplate();
    case 135:
        return PressureStepTemplate();
    case 136:
        return ConductanceStepTemplate();
    case 137:
        return SamplingStepTemplate();
    case 138:
        return CuvetteStepTemplate();
    case 139:
        return AnalyseStepTemplate();
    case 141:
        return AlphaStepTemplate();
    case 142:
        return VolumeStepTemplate();
    case 143:
        return EditBolusTemplate();
    default:
        return {};
    }
}

void RegisterStepDialogs(HMODULE instance) {
    for (WORD id : {121, 124, 135, 136, 137, 138, 139, 141, 142, 143})
        RegisterResource(instance, RT_DIALOG, MAKEINTRESOURCEW(id), 0, StepDialogTemplate(id));
}

} // namespace Tarvik
