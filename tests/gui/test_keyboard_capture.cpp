#include "editor_fixture.h"
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
using enum Qt::Key;

struct TypingCase {
    const char* reason;
    QList<Stroke> strokes;
    QStringList expectedLines;
    QStringList expectedBoxes = {};
    Answers answers = {};
    QStringList program = {}; // lines before typing
    int blueLine = -1;
};

using TypingTest = EditorTest;

} // namespace

TEST_F(TypingTest, EveryKeyPressBecomesOneLine) {
    const Stroke repeatA{Key_A, {}, Stroke::Repeat}, repeatLeft{Key_Left, {}, Stroke::Repeat};
    const Stroke shiftDown{Key_Shift, {}, Stroke::Press},
        shiftUp{Key_Shift, Shift, Stroke::Release};
    const QStringList enter3 = {"{ENTER}", "{ENTER}", "{ENTER}"};
    const QList<TypingCase> cases = {
        TypingCase("characters", {{Key_A}, {Key_B}, {Key_C}}, {"a", "b", "c"}),
        TypingCase("held keys", {{Key_A}, repeatA, {Key_Left}, repeatLeft},
                   {"a", "a", "{LEFT}", "{LEFT}"}),
        TypingCase("Enter repeats", {{Key_Return}, {Key_Return}, {Key_Enter}}, enter3),
        TypingCase("Backspace", {{Key_Backspace}, {Key_Backspace}}, {"{BACKSPACE}", "{BACKSPACE}"}),
        TypingCase("space is announced", {{Key_Space}}, {" "}, {blankNotice}),
        TypingCase(
            "a character after a token replaces it",
            {{Key_Tab}, {Key_F16}, {Key_Left}, {Key_A}, {Key_ScrollLock}, {Key_1}, {Key_PageUp}},
            {"{TAB}", "{F16}", "{LEFT}", "a", "{SCROLLLOCK}", "1", "{PGUP}"}),
        TypingCase("Shift Cancel, capital while held; the next Shift asks again",
                   {shiftDown, {Key_A, Shift}, shiftUp, shiftDown, shiftUp}, {"A"},
                   {shiftQuestion, shiftQuestion}, {Answer::Cancel, Answer::Cancel}),
        TypingCase("Caps Lock OK, then again without asking", {{Key_CapsLock}, {Key_CapsLock}},
                   {"{CAPSLOCK}", "{CAPSLOCK}"}, {capsQuestion}, {Answer::Ok}),
        TypingCase("Caps Lock Cancel", {{Key_CapsLock}}, {}, {capsQuestion}, {Answer::Cancel}),
        TypingCase("Pause has a code but no row", {{Key_Return}, {Key_Pause}, {Key_Pause}},
                   {"{ENTER}", "{ENTER}"}),
        TypingCase("keys without a code",
                   {{Key_A}, {Key_Dead_Acute}, {Key_Dead_Acute}, {Key_AltGr}, {Key_AltGr}}, {"a"}),
        TypingCase("F10 at the end", {{Key_F10}, {Key_F10}}, {"x", "{F10}", "{F10}"}, {}, {},
                   {"x"}),
        TypingCase("F10 above the blue line", {{Key_F10}}, {"p", "{F10}", "q"}, {}, {}, {"p", "q"},
                   1),
    };
    for (const TypingCase& row : cases) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program, row.blueLine);
        window->globals.LastKeyCode = 0;
        window->Text2->selectAll();
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
        {"Shift answered OK", Key_Shift, {Answer::Ok}, "{SHIFT}", "SHIFT", 0, "k"},
        {"Alt empties the typing field, pauses twice", Key_Alt, {}, "{ALT}", "ALT", 200, ""},
        {"Ctrl at once", Key_Control, {}, "{CTRL}", "CTRL", 0, "k"},
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
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
        EXPECT_EQ(window->Text2->text(), row.typingField);
        type({{row.key, {}, Stroke::Release}});
    }
}

TEST_F(TypingTest, AltThenFThenInsertRecordsOneCombination) {
    type({{Key_Alt}, {Key_F, Qt::ShiftModifier}});
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
        showWindow();
        if (!row.startScreen)
            window->Label1_Click();
        setProgram(row.loaded);
        window->Text2->setFocus();
        fake.messages.asked.clear();
        type({{Key_A}});
        EXPECT_EQ(lines(), row.expectedLines);
        EXPECT_TRUE(fake.messages.asked.isEmpty());
        EXPECT_TRUE(window->Picture1->isHidden());
        EXPECT_EQ(window->Label4->text(), usagePromptText());
        EXPECT_EQ(window->globals.SkipNewProgramQuestion, 0);
    }
}

TEST_F(TypingTest, AKeyTypedWhileTheNoticeIsOpenIsRecordedOnce) {
    fake.messages.whileShown = [](const AskedBox&) { type({{Key_X}}); };
    window->Text2->selectAll();
    type({{Key_Space}});
    // The blank is inserted once, as typed, whatever the field holds after the notice.
    EXPECT_EQ(lines().size(), 2);
    EXPECT_EQ(lines().count(" "), 1);
}
