// Validating integer fields: the error provider's report while typing, the
// framework's box without one, and the field's own validity test.

#include <gtest/gtest.h>

#include "controls/ErrorProvider.h"
#include "controls/IntEdit.h"
#include "controls/LongRangeValidatorErrProv.h"
#include "platform/user/Input.h"
#include "tests/controls/ControlsTest.h"

namespace {

using controls_test::ControlsTest;
using OvoControls::ErrorProvider;

class IntEdits : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        frame = Frame(100, 100, 200, 100);
        ASSERT_TRUE(frame->Create());
        // The dialog's field and a second control to move the focus to.
        CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, frame->GetHandle(),
                        reinterpret_cast<HMENU>(std::intptr_t{1001}), nullptr, nullptr);
        other = CreateWindowExW(0, u"Edit", u"", WS_CHILD | WS_VISIBLE, 10, 40, 60, 20, frame->GetHandle(),
                                reinterpret_cast<HMENU>(std::intptr_t{1002}), nullptr, nullptr);
        edit = new IntEdit(frame.get());
        ASSERT_TRUE(edit->Create());
        edit->SetFocus();
    }
    void TearDown() override {
        frame.reset();
        ControlsTest::TearDown();
    }
    void Type(std::u16string_view text) {
        user::TypeText(text);
        Pump();
    }
    std::unique_ptr<OWL::TWindow> frame;
    IntEdit* edit = nullptr;
    HWND other = nullptr;
};

TEST_F(IntEdits, TheProviderShowsTheRangeWhileTheTextIsInvalidAndHidesOnceItIsValid) {
    auto* provider = new ErrorProvider(frame.get(), 3011, 80, 10, 12, 12, nullptr, 0x09);
    provider->Create();
    edit->SetErrorProvider(provider);
    Type(u"0");
    EXPECT_TRUE(provider->IsWindowVisible());
    EXPECT_EQ(provider->Title().ToU16String(), u"Invalid Value");
    EXPECT_EQ(provider->Text().ToU16String(), u"Value must be in range 1 to 10.");
    Type(u"5"); // "05"
    EXPECT_FALSE(provider->IsWindowVisible());
    SetFocus(other); // a valid field keeps no report
    Pump();
    EXPECT_TRUE(user::Desktop::Current().MessageBoxes().Shown().empty());
    edit->SetText(u"");
    edit->SetFocus();
    SetFocus(other); // invalid again: the provider reports, no box, the focus may go
    Pump();
    EXPECT_TRUE(user::Desktop::Current().MessageBoxes().Shown().empty());
    EXPECT_EQ(GetFocus(), other);
}

TEST_F(IntEdits, WithoutAProviderTheFrameworksBoxReportsAndTheFocusReturns) {
    Type(u"11");
    user::Desktop::Current().MessageBoxes().Answer(IDOK);
    SetFocus(other);
    Pump();
    ASSERT_EQ(user::Desktop::Current().MessageBoxes().Shown().size(), 1u);
    EXPECT_EQ(user::Desktop::Current().MessageBoxes().Shown()[0].text, u"Value is not in the range 1 to 10.");
    EXPECT_EQ(GetFocus(), edit->GetHandle());
}

TEST_F(IntEdits, OnlyDigitsAreTypedAndTheTextIsValidWhenItIsOneWholeNumber) {
    EXPECT_FALSE(edit->IsTextValid()) << "empty";
    Type(u"-1a0");
    EXPECT_EQ(edit->GetText(), u"10");
    EXPECT_TRUE(edit->IsTextValid());
    for (const char16_t* text : {u"+", u"-", u"4x", u"1 2"}) {
        edit->SetText(text);
        EXPECT_FALSE(edit->IsTextValid()) << std::u16string_view(text).size();
    }
    edit->SetText(u" 7");
    EXPECT_TRUE(edit->IsTextValid());
}

TEST_F(IntEdits, AProviderSetLaterKeepsARangeChangedBefore) {
    auto* range = dynamic_cast<OWL::TRangeValidator*>(edit->GetValidator());
    ASSERT_NE(range, nullptr);
    range->SetMin(2);
    range->SetMax(6);
    auto* provider = new ErrorProvider(frame.get(), 3011, 80, 10, 12, 12, nullptr, 0x09);
    provider->Create();
    edit->SetErrorProvider(provider);
    auto* reporting = dynamic_cast<OvoControls::LongRangeValidatorErrProv*>(edit->GetValidator());
    ASSERT_NE(reporting, nullptr);
    EXPECT_EQ(reporting->GetMin(), 2);
    EXPECT_EQ(reporting->GetMax(), 6);
    edit->SetErrorProvider(nullptr);
    EXPECT_EQ(dynamic_cast<OvoControls::LongRangeValidatorErrProv*>(edit->GetValidator()), nullptr);
    EXPECT_EQ(dynamic_cast<OWL::TRangeValidator*>(edit->GetValidator())->GetMax(), 6);
}

} // namespace
