#include "controls/NumberFields.h"

#include "core/NumberText.h"
#include "core/NumericHelpers.h"
#include "platform/user/window_api.h"

void SetWindowTextFromDouble(HWND window, double value) {
    if (IsEmptyValue(value)) {
        SetWindowTextW(window, u"");
        return;
    }
    if (IsNaN(value))
        return;
    SetWindowTextW(window, FormatDoubleForDisplay(value).c_str());
}
