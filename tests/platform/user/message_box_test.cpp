// Message boxes are answered by the test and recorded with what they showed.

#include "ProbeWindows.h"

using MessageBoxes = ProbeWindows;

TEST_F(MessageBoxes, AnswersComeFromTheTestAndEveryBoxIsRecorded) {
    auto& boxes = user::Desktop::Current().MessageBoxes();
    HWND owner = Top();
    boxes.Answer(IDNO);
    boxes.Script([&](const user::MessageBoxShown& box) {
        EXPECT_EQ(box.text, u"Second");
        SetWindowTextW(owner, u"changed while the box was up");
        return IDCANCEL;
    });
    EXPECT_EQ(MessageBoxW(owner, u"First", u"Tarvik", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(MessageBoxExW(nullptr, u"Second", nullptr, MB_OKCANCEL | MB_TASKMODAL, 0x0409), IDCANCEL);
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].owner, owner);
    EXPECT_EQ(boxes.Shown()[0].caption, u"Tarvik");
    EXPECT_EQ(boxes.Shown()[0].style, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(boxes.Shown()[1].caption, u"Error");
    EXPECT_EQ(boxes.Shown()[1].language, 0x0409);
    EXPECT_EQ(GetWindowTextLengthW(owner), 28);
    const auto& effects = user::Desktop::Current().Effects().Entries();
    ASSERT_EQ(effects.back().kind, "MessageBox");
    EXPECT_EQ(effects.back().detail, u"Error: Second");
}

TEST_F(MessageBoxes, AnUnexpectedBoxOrAnImpossibleAnswerFailsTheTest) {
    auto& boxes = user::Desktop::Current().MessageBoxes();
    EXPECT_THROW(MessageBoxW(nullptr, u"?", u"?", MB_OK), user::UnexpectedMessageBox);
    boxes.Answer(IDYES);
    EXPECT_THROW(MessageBoxW(nullptr, u"?", u"?", MB_OKCANCEL), user::UnexpectedMessageBox);
    boxes.SetDefault(IDOK);
    EXPECT_EQ(MessageBoxW(nullptr, u"?", u"?", MB_OK), IDOK);
    EXPECT_EQ(boxes.Shown().size(), 3u);
}
