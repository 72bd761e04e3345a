// Edit-field numbers written into windows.

#include "controls/NumberFields.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/NumericHelpers.h"
#include "platform/user/Desktop.h"
#include "platform/user/user.h"

namespace {

std::u16string TextOf(HWND w) {
    WCHAR buffer[64] = {};
    GetWindowTextW(w, buffer, 64);
    return buffer;
}

TEST(NumberFields, TheEmptyValueClearsOtherNansLeaveTheTextAndNumbersShow) {
    user::Desktop::Reset();
    const HWND field =
        CreateWindowExW(0, u"Static", u"typed", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr, nullptr, nullptr);
    SetWindowTextFromDouble(field, NotANumberValue());
    EXPECT_EQ(TextOf(field), u"typed") << "what the user typed stays";
    SetWindowTextFromDouble(field, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(TextOf(field), u"typed");
    SetWindowTextFromDouble(field, 0.001234);
    EXPECT_EQ(TextOf(field), u"1.234e-3");
    SetWindowTextFromDouble(field, std::numeric_limits<double>::infinity());
    EXPECT_EQ(TextOf(field), u"inf");
    SetWindowTextFromDouble(field, EmptyValue());
    EXPECT_EQ(TextOf(field), u"");
}

} // namespace
