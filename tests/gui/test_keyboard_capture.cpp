#include "keyboard_fixture.h"
#include "window/insertion.h"

using namespace tandrel;

namespace {

using Answers = QList<Answer>;

const QString shiftQuestion =
    "Press OK to insert the word '{SHIFT}' or HOLD THE SHIFT KEY DOWN and PRESS CANCEL to "
    "Capitalize/Lowercase your keyboard.";
const QString capsQuestion =
    "Press OK to insert the word '{CAPSLOCK}.'  This will also change the case coming out of "
    "your keyboard.  Note most programs cannot respond to CAPSLOCK so it generally has no "
    "effect.  It is a keyboard function.   PRESS CANCEL to Capitalize/Lowercase your keyboard "
    "without inserting '{CAPSLOCK}'. ";
const QString blankNotice = "This line will appear blank, but it will contain a SPACE.";

constexpr auto Shift = Qt::ShiftModifier;

struct TypingCase {
    const char* reason;
    QStringList program; // lines before typing, with the blue line below
    int blueLine;
    QList<Stroke> strokes;
    Answers answers;
    QStringList expectedLines;
    QStringList expectedBoxes;
};

class TypingTest : public KeyboardTest {
protected:
    void SetUp() override {
        KeyboardTest::SetUp();
        window->Label1_Click();
    }
};

} // namespace

TEST_F(TypingTest, EveryKeyPressBecomesOneLine) {
    const QList<TypingCase> cases = {
        {"characters", {}, -1, {{Qt::Key_A}, {Qt::Key_B}, {Qt::Key_C}}, {}, {"a", "b", "c"}, {}},
        {"a held key repeats",
         {},
         -1,
         {{Qt::Key_A},
          {Qt::Key_A, {}, Stroke::Repeat},
          {Qt::Key_Left},
          {Qt::Key_Left, {}, Stroke::Repeat},
          {Qt::Key_Left, {}, Stroke::Repeat}},
         {},
         {"a", "a", "{LEFT}", "{LEFT}", "{LEFT}"},
         {}},
        {"Enter repeats through the last key code",
         {},
         -1,
         {{Qt::Key_Return}, {Qt::Key_Return}, {Qt::Key_Enter}},
         {},
         {"{ENTER}", "{ENTER}", "{ENTER}"},
         {}},
        {"Backspace empties the field in between",
         {},
         -1,
         {{Qt::Key_Backspace}, {Qt::Key_Backspace}},
         {},
         {"{BACKSPACE}", "{BACKSPACE}"},
         {}},
        {"Delete twice",
         {},
         -1,
         {{Qt::Key_Delete}, {Qt::Key_Delete}},
         {},
         {"{DELETE}", "{DELETE}"},
         {}},
        {"space is announced", {}, -1, {{Qt::Key_Space}}, {}, {" "}, {blankNotice}},
        {"Tab, F5 and an arrow, then a character replaces the token",
         {},
         -1,
         {{Qt::Key_Tab}, {Qt::Key_F5}, {Qt::Key_Left}, {Qt::Key_A}, {Qt::Key_Home}, {Qt::Key_1}},
         {},
         {"{TAB}", "{F5}", "{LEFT}", "a", "{HOME}", "1"},
         {}},
        {"Shift Cancel, capital while held; the next Shift asks again",
         {},
         -1,
         {{Qt::Key_Shift, {}, Stroke::Press},
          {Qt::Key_A, Shift},
          {Qt::Key_Shift, Shift, Stroke::Release},
          {Qt::Key_Shift, {}, Stroke::Press},
          {Qt::Key_Shift, Shift, Stroke::Release}},
         {Answer::Cancel, Answer::Cancel},
         {"A"},
         {shiftQuestion, shiftQuestion}},
        {"Caps Lock OK, then again without asking",
         {},
         -1,
         {{Qt::Key_CapsLock}, {Qt::Key_CapsLock}},
         {Answer::Ok},
         {"{CAPSLOCK}", "{CAPSLOCK}"},
         {capsQuestion}},
        {"Caps Lock Cancel records nothing",
         {},
         -1,
         {{Qt::Key_CapsLock}},
         {Answer::Cancel},
         {},
         {capsQuestion}},
        {"a key without a row repeats the field",
         {},
         -1,
         {{Qt::Key_Return}, {Qt::Key_Pause}, {Qt::Key_Pause}},
         {},
         {"{ENTER}", "{ENTER}"},
         {}},
        {"keys without a code insert nothing",
         {},
         -1,
         {{Qt::Key_A},
          {Qt::Key_Dead_Acute},
          {Qt::Key_Dead_Acute},
          {Qt::Key_AltGr},
          {Qt::Key_AltGr},
          {Qt::Key_VolumeUp},
          {Qt::Key_VolumeUp},
          {Qt::Key_Multi_key}},
         {},
         {"a"},
         {}},
        {"F10 at the end",
         {"x"},
         -1,
         {{Qt::Key_F10}, {Qt::Key_F10}},
         {},
         {"x", "{F10}", "{F10}"},
         {}},
        {"F10 above the blue line", {"p", "q"}, 1, {{Qt::Key_F10}}, {}, {"p", "{F10}", "q"}, {}},
        {"typed keys above the blue line keep the order",
         {"p", "q"},
         1,
         {{Qt::Key_A}, {Qt::Key_Return}},
         {},
         {"p", "a", "{ENTER}", "q"},
         {}},
    };
    for (const TypingCase& row : cases) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program, row.blueLine);
        window->globals.LastKeyCode = 0;
        window->Text2->setFocus();
        fake.messages.asked.clear();
        fake.messages.script = QQueue<Answer>(row.answers);
        type(row.strokes);
        EXPECT_EQ(lines(), row.expectedLines);
        EXPECT_EQ(fake.messages.texts(), row.expectedBoxes);
        EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
    }
}

TEST_F(TypingTest, ModifierKeysOpenTheirDialogsWithTheTokenInTheField) {
    struct Case {
        const char* reason;
        Qt::Key key;
        Answers answers;
        QString field;
        QString promptKey;
        qint64 pauseMs;
        QString typingField;
    };
    const QList<Case> cases = {
        {"Shift answered OK", Qt::Key_Shift, {Answer::Ok}, "{SHIFT}", "SHIFT", 0, "k"},
        {"Alt empties the typing field, pauses twice", Qt::Key_Alt, {}, "{ALT}", "ALT", 200, ""},
        {"Ctrl at once", Qt::Key_Control, {}, "{CTRL}", "CTRL", 0, "k"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.reason);
        window->Command5_Click();
        window->Text2->setText("k");
        const QStringList before = lines();
        fake.messages.script = QQueue<Answer>(row.answers);
        const qint64 waited = fake.clock.waitedMs;
        type({{row.key, {}, Stroke::Press}});
        EXPECT_EQ(fake.clock.waitedMs - waited, row.pauseMs);
        EXPECT_EQ(lines(), before);
        EXPECT_EQ(window->Text3->text(), row.field);
        EXPECT_TRUE(window->Label21->text().startsWith(
            "Enter the keys below that you want typed while I hold down the " + row.promptKey +
            " key.   For " + row.promptKey + "-A type A."));
        EXPECT_FALSE(window->Command4->isHidden());
        EXPECT_TRUE(window->List2->isHidden());
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
        EXPECT_EQ(window->Text2->text(), row.typingField);
        type({{row.key, {}, Stroke::Release}});
    }
}

TEST_F(TypingTest, AltThenFThenInsertRecordsOneCombination) {
    type({{Qt::Key_Alt}, {Qt::Key_F, Qt::ShiftModifier}});
    EXPECT_TRUE(window->Option1->isChecked());
    QTest::mouseClick(window->Command4, Qt::LeftButton);
    EXPECT_EQ(lines(), QStringList{"{ALT}F"});
}

TEST_F(TypingTest, TheFirstKeyRunsCreateWithoutItsQuestion) {
    struct Case {
        const char* reason;
        bool startScreen;
        QStringList loaded;
        QStringList expectedLines;
    };
    const QList<Case> cases = {
        {"on the start screen the list is emptied", true, {"old"}, {}},
        {"after Create the line stays", false, {"old"}, {"old", "a"}},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.reason);
        window = std::make_unique<Tandrel>(fake.platform());
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        if (!row.startScreen)
            window->Label1_Click();
        setProgram(row.loaded);
        window->Text2->setFocus();
        fake.messages.asked.clear();
        type({{Qt::Key_A}});
        EXPECT_EQ(lines(), row.expectedLines);
        EXPECT_TRUE(fake.messages.asked.isEmpty());
        EXPECT_TRUE(window->Picture1->isHidden());
        EXPECT_EQ(window->Label4->text(), usagePromptText());
        EXPECT_EQ(window->globals.SkipNewProgramQuestion, 0);
    }
}

TEST_F(TypingTest, AKeyTypedWhileTheNoticeIsOpenIsRecordedOnce) {
    fake.messages.whileShown = [](const AskedBox&) { type({{Qt::Key_X}}); };
    type({{Qt::Key_Space}});
    // The blank is inserted once, as typed, whatever the field holds after the notice.
    EXPECT_EQ(lines().size(), 2);
    EXPECT_EQ(lines().count(" "), 1);
}
