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
    QString failingText = {}; // keys the platform cannot send
};

using TypingTest = EditorTest;

} // namespace

TEST_F(TypingTest, EveryKeyPressBecomesOneLine) {
    const Stroke repeatA{Key_A, {}, Stroke::Repeat}, repeatLeft{Key_Left, {}, Stroke::Repeat};
    const Stroke shiftDown{Key_Shift, {}, Stroke::Press},
        shiftUp{Key_Shift, Shift, Stroke::Release};
    const QList<Stroke> f10s = {{Key_F10}, {Key_A}, {Key_F10}, {Key_F10}};
    const QStringList f10Lines = {"{F10}", "a", "{F10}", "{F10}"};
    const QList<TypingCase> cases = {
        TypingCase(
            "characters, held keys, keys without a code",
            {{Key_A}, repeatA, {Key_B}, {Key_Dead_Acute}, {Key_AltGr}, {Key_Left}, repeatLeft},
            {"a", "a", "b", "{LEFT}", "{LEFT}"}),
        TypingCase("Enter repeats; Backspace; Pause has a code but no row",
                   {{Key_Return}, {Key_Return}, {Key_Enter}, {Key_Pause}, {Key_Backspace}},
                   {"{ENTER}", "{ENTER}", "{ENTER}", "{BACKSPACE}"}),
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
        // Where the full stop of the F10 sequence never comes back, each F10 is still one line.
        TypingCase("F10's full stop lost", f10s, f10Lines, {}, {}, {}, -1, "."),
        TypingCase("F10's own key lost", f10s, f10Lines, {}, {}, {}, -1, "{F10}"),
        TypingCase("space is announced; a key typed meanwhile is one line of its own",
                   {{Key_Space}}, {"{TAB}", " "}, {blankNotice}),
    };
    for (const TypingCase& row : cases) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program, row.blueLine);
        window->globals.LastKeyCode = 0;
        window->Text2->selectAll();
        window->Text2->setFocus();
        fake.messages.asked.clear();
        fake.keystrokes.failingText = row.failingText;
        fake.messages.script = QQueue<Answer>(row.answers);
        fake.messages.whileShown = [](const AskedBox& box) {
            if (box.text == blankNotice)
                type({{Key_Tab}});
        };
        type(row.strokes);
        EXPECT_EQ(lines(), row.expectedLines);
        EXPECT_EQ(cutTo(fake.messages.texts(), row.expectedBoxes), row.expectedBoxes);
        EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
        EXPECT_EQ(QApplication::focusWidget(), window->Text2);
    }
}

TEST_F(TypingTest, ModifierKeysOpenTheirDialogsWithTheTokenInTheField) {
    // The key, the answers asked, the dialog's field, the pause, the typing field after.
    const std::tuple<Qt::Key, Answers, QString, qint64, QString> cases[] = {
        {Key_Shift, {Answer::Ok}, "{SHIFT}", 0, "k"},
        {Key_Control, {}, "{CTRL}", 0, "k"},
        {Key_Alt, {}, "{ALT}", 200, ""}, // empties the typing field, pauses twice
    };
    for (const auto& row : cases) {
        const auto& [key, answers, field, pauseMs, typingField] = row;
        SCOPED_TRACE(field.toStdString());
        window->Command5_Click();
        window->Text2->setText("k");
        const QStringList before = lines();
        fake.messages.script = QQueue<Answer>(answers);
        const qint64 waited = fake.clock.waitedMs;
        type({{key, {}, Stroke::Press}});
        EXPECT_EQ(fake.clock.waitedMs - waited, pauseMs);
        EXPECT_EQ(lines(), before);
        EXPECT_EQ(window->Text3->text(), field);
        const QString name = field.mid(1, field.size() - 2);
        EXPECT_TRUE(window->Label21->text().startsWith(
            "Enter the keys below that you want typed while I hold down the " + name + " key."));
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
        EXPECT_EQ(window->Text2->text(), typingField);
        type({{key, {}, Stroke::Release}});
    }
    // After Alt the first key chooses normal keys; the commit records the combination once.
    type({{Key_F, Shift}});
    EXPECT_TRUE(window->Option1->isChecked());
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList{"{ALT}F"});
}

// The modifier dialogs: the field records keys or lets them act, as the options say.
TEST_F(TypingTest, TheAltDialogsFieldRecordsOrPassesKeysAsTheOptionsSay) {
    window->Text3->setText("{ALT}");
    window->ShowAltDialog();
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
    // Alt itself is recorded, then passes through normal keys while its Enters arrive.
    window->Text3->setText("{ALT}");
    window->Option2->setChecked(true);
    QList<bool> normalDuringWaits;
    fake.clock.onWait = [&] { normalDuringWaits << window->Option1->isChecked(); };
    const qint64 waited = fake.clock.waitedMs;
    type({{Key_Alt}});
    EXPECT_EQ(fake.keystrokes.sent, QStringList{"~~"});
    EXPECT_EQ(window->Text3->text(), "{ALT}{ALT}");
    EXPECT_EQ(normalDuringWaits, QList<bool>({true, true}));
    EXPECT_TRUE(window->Option2->isChecked());
    EXPECT_EQ(fake.clock.waitedMs - waited, 300);
    // An option clicked while the panel is closed returns to typing.
    window->Command5_Click();
    QTest::mouseClick(window->Option1, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), window->Text2);
}
