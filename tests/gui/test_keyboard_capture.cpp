#include "editor_fixture.h"
#include "window/insertion.h"

using namespace tandrel;

namespace {

using Answers = QList<Answer>;

const QString shiftQuestion = "Press OK to insert the word '{SHIFT}' or HOLD";
const QString capsQuestion = "Press OK to insert the word '{CAPSLOCK}.'";
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
    const QList<TypingCase> cases = {
        TypingCase(
            "characters, held keys, keys without a code",
            {{Key_A}, repeatA, {Key_B}, {Key_Dead_Acute}, {Key_AltGr}, {Key_Left}, repeatLeft},
            {"a", "a", "b", "{LEFT}", "{LEFT}"}),
        TypingCase("Enter repeats; Backspace; Pause has a code but no row",
                   {{Key_Return}, {Key_Return}, {Key_Enter}, {Key_Pause}, {Key_Backspace}},
                   {"{ENTER}", "{ENTER}", "{ENTER}", "{BACKSPACE}"}),
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
        TypingCase("F10 last", {{Key_F10}, {Key_F10}}, {"x", "{F10}", "{F10}"}, {}, {}, {"x"}),
        TypingCase("F10, blue line", {{Key_F10}}, {"p", "{F10}", "q"}, {}, {}, {"p", "q"}, 1),
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
        EXPECT_EQ(cutTo(fake.messages.texts(), row.expectedBoxes), row.expectedBoxes);
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
        qint64 pauseMs;
        QString typingField;
    };
    const QList<Case> cases = {
        {"Shift answered OK", Key_Shift, {Answer::Ok}, "{SHIFT}", 0, "k"},
        {"Alt empties the typing field, pauses twice", Key_Alt, {}, "{ALT}", 200, ""},
        {"Ctrl at once", Key_Control, {}, "{CTRL}", 0, "k"},
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
        const QString name = row.field.mid(1, row.field.size() - 2);
        EXPECT_TRUE(window->Label21->text().startsWith(
            "Enter the keys below that you want typed while I hold down the " + name + " key."));
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
    // On the start screen the list is emptied (after Create, typing keeps the program).
    window = std::make_unique<Tandrel>(fake.platform());
    showWindow();
    setProgram({"old"});
    window->Text2->setFocus();
    fake.messages.asked.clear();
    type({{Key_A}});
    EXPECT_EQ(lines(), QStringList());
    EXPECT_TRUE(fake.messages.asked.isEmpty());
    EXPECT_TRUE(window->Picture1->isHidden());
    EXPECT_EQ(window->Label4->text(), usagePromptText());
    EXPECT_EQ(window->globals.SkipNewProgramQuestion, 0);
}

TEST_F(TypingTest, AKeyTypedWhileTheNoticeIsOpenIsRecordedOnce) {
    fake.messages.whileShown = [](const AskedBox&) { type({{Key_X}}); };
    window->Text2->selectAll();
    type({{Key_Space}});
    // The blank is inserted once, as typed, whatever the field holds after the notice.
    EXPECT_EQ(lines().size(), 2);
    EXPECT_EQ(lines().count(" "), 1);
}

// The modifier dialogs: the field records keys or lets them act, as the options say.
class DialogFieldTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        window->Text3->setText("{ALT}");
        window->ShowAltDialog();
    }
};

TEST_F(DialogFieldTest, KeysActOrAreRecordedAsTheOptionsSay) {
    // The option chosen (none: the first key chooses normal keys), the keys, the field after.
    using Row = std::tuple<QRadioButton * Tandrel::*, QList<Stroke>, QString, const char*>;
    const Row rows[] = {
        Row(nullptr, {{Key_Backspace}}, "{ALT", "no option yet: normal keys"),
        Row(&Tandrel::Option2,
            {{Key_A, Qt::ShiftModifier}, {Key_B, Qt::ShiftModifier}, {Key_Backspace}},
            "{ALT}AB{BACKSPACE}", "letters type, Backspace's token loses its blank"),
        Row(&Tandrel::Option2, {{Key_Shift}, {Key_X}}, "{ALT}{SHIFT}x", "Shift recorded"),
        Row(&Tandrel::Option2,
            {{Key_Return}, {Key_Escape}, {Key_Tab}, {Key_Control}, {Key_NumLock}, {Key_Pause}},
            "{ALT}{ENTER}{ESC}{TAB}{CTRL}{NUMLOCK}", "named keys are recorded; Pause has no token"),
        Row(&Tandrel::Option2, {{Key_F5}, {Key_Down}, {Key_Down, {}, Stroke::Repeat}},
            "{ALT}{F5}{DOWN}{DOWN}", "F5, and a held arrow appends one token per repeat"),
        Row(&Tandrel::Option1, {{Key_Backspace}, {Key_Return}}, "{ALT", "Backspace acts normally"),
    };
    for (const auto& [option, strokes, expectedField, reason] : rows) {
        SCOPED_TRACE(reason);
        window->Text3->setText("{ALT}");
        if (option)
            (window.get()->*option)->setChecked(true);
        else
            ASSERT_FALSE(window->Option1->isChecked() || window->Option2->isChecked());
        window->RestoreTypingFocus();
        type(strokes);
        EXPECT_EQ(window->Text3->text(), expectedField);
        EXPECT_EQ(window->Option1->isChecked(), option != &Tandrel::Option2);
        // Neither Enter nor Esc commits or closes the panel.
        EXPECT_FALSE(window->Command4->isHidden());
        EXPECT_EQ(window->List2->count(), 0);
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
    }
}

TEST_F(DialogFieldTest, AltPassesThroughNormalKeysWhileItsEntersArrive) {
    window->Option2->setChecked(true);
    QList<bool> normalDuringWaits;
    fake.clock.onWait = [&] { normalDuringWaits << window->Option1->isChecked(); };
    type({{Key_Alt}});
    EXPECT_EQ(fake.keystrokes.sent, QStringList{"~~"});
    EXPECT_EQ(window->Text3->text(), "{ALT}{ALT}");
    EXPECT_EQ(normalDuringWaits, QList<bool>({true, true}));
    EXPECT_TRUE(window->Option2->isChecked());
    EXPECT_EQ(fake.clock.waitedMs, 300);
}

TEST_F(DialogFieldTest, AnOptionClickedWhileThePanelIsClosedReturnsToTyping) {
    window->Command5_Click();
    QTest::mouseClick(window->Option2, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), window->Text2);
}
