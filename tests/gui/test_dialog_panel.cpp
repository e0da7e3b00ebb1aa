#include "dialogs/function_dialogs.h"
#include "editor_fixture.h"

using namespace tandrel;

namespace {

struct ButtonDialog {
    ClickLabel* Tandrel::*button;
    const char* token;
    bool filePanel;
    qreal promptPoints; // on a window that has not committed or shrunk a prompt yet
    const char* prompt; // how it begins
    QString box = {};   // asked while the panel opens
};

const ButtonDialog buttonDialogs[] = {
    {&Tandrel::Label6, "{Stop}", false, 9.75, "Stops program until 'OK'", stopSampleText()},
    {&Tandrel::Label7, "{Clip Wait}", false, 9.75, "The text you follow {Clip Wait}"},
    {&Tandrel::Label10, "{File Copy}", true, 9.75, "Copies file A to file B."},
    {&Tandrel::Label11, "{File Erase}", true, 9.75, "Erases the file you specify."},
    {&Tandrel::Label12, "{File Paste}", true, 9.75, "Pastes the FIRST LINE ONLY"},
    {&Tandrel::Label14, "{File Rename}", true, 9.75, "Renames file A to file B."},
    {&Tandrel::Label15, "{File Wait}", true, 9.75, "The text you follow {File Wait}"},
    {&Tandrel::Label16, "{Run Program}", true, 9.75, "After {Run Program} type the path",
     runProgramHelpText()},
    {&Tandrel::Label17, "{Focus On}", false, 9.75, "The window with the focus is the active"},
    {&Tandrel::Label18, "{Wait}", false, 8, "Wait for a number of 1/10 seconds."},
    {&Tandrel::Label23, "{Text Paste}", false, 8, "After {Text Paste} type the text"},
    {&Tandrel::Label27, "{Note}", false, 8, "After {Note} type text to describe"},
};

} // namespace

class DialogPanelTest : public EditorTest {
protected:
    void expectPanelOpen() const {
        expectHidden(window.get(),
                     {"List2", "Command1", "Command12", "Command2", "Command8", "Text7"});
        expectHidden(window.get(), {"Text8", "Label21", "Text3", "Command4", "Command5"}, false);
        EXPECT_EQ(window->Command2->text(), "Save");
    }

    void expectEditing() const {
        expectHidden(window.get(), {"Label21", "Text3", "Command4", "Command5", "Text7", "Text8",
                                    "Text10", "List1", "List3", "List4", "List5", "File1"});
        expectHidden(window.get(), {"List2", "Command1", "Command2", "Command8", "Command12"},
                     false);
        EXPECT_EQ(std::pair(window->Command2->text(), window->Command8->text()),
                  std::pair(QString("Save"), QString("Run From Command Line")));
        for (const QWidget* button : {window->Command2, window->Command8})
            EXPECT_EQ(backgroundOf(button), classicColour(PaletteColour::LightGreen));
        EXPECT_EQ(window->Text3->text(), QString());
        expectTyping();
    }

    qreal promptPoints() const { return window->Label21->font().pointSizeF(); }
};

TEST_F(DialogPanelTest, EveryButtonOpensThePanelWithItsTokenAndPrompt) {
    for (const ButtonDialog& dialog : buttonDialogs) {
        SCOPED_TRACE(dialog.token);
        // A fresh window each time: the prompt's size is what an earlier dialog left.
        fake.messages.asked.clear();
        SetUp();
        // Either answer to the Stop sample opens the dialog.
        fake.messages.script = QQueue<Answer>({Answer::Ok, Answer::Cancel});
        QStringList atBox; // the prompt, the field and the file lists while the box is up
        fake.messages.whileShown = [&](const AskedBox&) {
            atBox = {window->Label21->text(), window->Text3->text(),
                     window->File1->isHidden() ? "" : "files"};
        };
        // Every opening asks again, the second over a panel that was closed without a commit.
        for (int opening = 1; opening <= 2; ++opening) {
            click(window.get()->*dialog.button);
            expectPanelOpen();
            EXPECT_EQ(std::pair(window->Text3->text(), window->Text3->cursorPosition()),
                      std::pair(QString(dialog.token), int(strlen(dialog.token))));
            EXPECT_EQ(QApplication::focusWidget(), window->Text3);
            EXPECT_TRUE(window->Label21->text().startsWith(dialog.prompt));
            EXPECT_EQ(promptPoints(), dialog.promptPoints);
            expectHidden(window.get(), {"Text4", "Drive1", "Dir1", "File1"}, !dialog.filePanel);
            EXPECT_EQ(lines(), QStringList());
            EXPECT_EQ(fake.messages.texts(),
                      dialog.box.isEmpty() ? QStringList() : QStringList(opening, dialog.box));
            if (!dialog.box.isEmpty()) {
                // The Stop sample comes before the token, the help over the whole panel.
                const bool stop = dialog.box == stopSampleText();
                EXPECT_EQ(
                    std::pair(fake.messages.asked.last().title, fake.messages.asked.last().buttons),
                    std::pair(QString("Tandrel"), stop ? Buttons::OkCancel : Buttons::Ok));
                EXPECT_EQ(atBox, QStringList({window->Label21->text(), stop ? "" : dialog.token,
                                              dialog.filePanel ? "files" : ""}));
            }
            click(window->Command5);
        }
    }
    EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
}

TEST_F(DialogPanelTest, InsertCommitsTheFieldOnceAndDontUseAddsNothing) {
    struct Row {
        ClickLabel* Tandrel::*button; // none: the line under edit is confirmed with "OK"
        QString field;
        bool commit;
        QStringList program;
        int blueLine;
        QStringList expected;
        const char* reason;
    };
    const QStringList waits(80, "{Wait}1");
    const Row rows[] = {
        Row(&Tandrel::Label10, "{File Copy}", true, {"l0"}, -1, {"l0", "{File Copy}"}, "appended"),
        Row(&Tandrel::Label27, "{eXit}xyz", true, {}, -1, {"{eXit}"}, "a bare token stays bare"),
        Row(nullptr, "{Wait}2", true, {"{Wait}1", "l1"}, 0, {"{Wait}2", "l1"}, "OK replaces"),
        Row(nullptr, "{Wait}2", true, {"l0"}, -1, {"l0", "{Wait}2"}, "OK, no blue line: appended"),
        Row(&Tandrel::Label18, "{Wait}50", false, waits, 1, waits, "Don't use keeps the blue line"),
        Row(&Tandrel::Label11, "{File Erase}", false, waits, -1, waits, "Don't use shows the end"),
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        SetUp();
        setProgram(row.program, row.blueLine);
        if (row.button) {
            click(window.get()->*row.button);
            window->Text3->setText(row.field);
        } else {
            window->Command2->setText("OK");
            window->Text7->setText(row.field);
            window->Text7->show();
        }
        window->List2->scrollToTop();
        // A second press during the pause after the insertion must commit nothing.
        int linesDuringPause = -1, presses = 0;
        bool panelOpenDuringPause = false;
        fake.clock.onWait = [&] {
            linesDuringPause = window->List2->count();
            panelOpenDuringPause = !window->Command4->isHidden();
            if (presses++ == 0)
                window->Command4_Click();
        };
        const qint64 waitedBefore = fake.clock.waitedMs;
        if (!row.button)
            window->Command4_Click();
        else
            click(row.commit ? window->Command4 : window->Command5);

        EXPECT_EQ(lines(), row.expected);
        EXPECT_EQ(fake.clock.waitedMs - waitedBefore, row.commit ? 100 : 0);
        EXPECT_EQ(window->Command9->isEnabled(), row.commit);
        if (row.commit) {
            EXPECT_EQ(textsOf(window->List6), row.program);
            EXPECT_EQ(linesDuringPause, row.expected.size());
            EXPECT_EQ(panelOpenDuringPause, row.button != nullptr);
            EXPECT_EQ(window->Text7->text(), " ");
        } else {
            EXPECT_EQ(selectedRow(), row.blueLine);
            EXPECT_EQ(lastLineInView(), row.blueLine < 0);
        }
        EXPECT_TRUE(fake.messages.asked.isEmpty());
        expectEditing();
        // A commit sets the prompt's size, which lasts until the next commit, whatever opens.
        EXPECT_EQ(promptPoints(), row.commit ? 10 : row.button == &Tandrel::Label18 ? 8 : 9.75);
        if (row.button == &Tandrel::Label10) {
            click(window->Label11);
            EXPECT_EQ(promptPoints(), 10);
        }
    }
}

TEST_F(DialogPanelTest, CommittingOneStopLineBringsTheFocusOnDialog) {
    struct Row {
        const char* reason;
        QStringList program;
        QString underEdit; // the edit field; shown with "OK" when the program has a blue line
        QString typed;     // after the Stop dialog's token; none: the edit is confirmed
        QStringList expected;
        bool focusOn;
    };
    const Row rows[] = {
        {"a new Stop line", {}, "", " Done for now.", {"{Stop} Done for now."}, true},
        {"an edited Stop line", {"{Stop}old", "l1"}, "{Stop}new", "", {"{Stop}new", "l1"}, true},
        {"two Stop fields", {}, "{Stop}under edit", "", {"{Stop}"}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        fake.messages.asked.clear();
        SetUp();
        setProgram(row.program, row.program.isEmpty() ? -1 : 0);
        window->Text7->setText(row.underEdit);
        bool panelClosedWithMessage = false;
        fake.messages.whileShown = [&](const AskedBox& box) {
            if (box.text == stopFocusText())
                panelClosedWithMessage = window->Command4->isHidden() && !window->List2->isHidden();
        };
        if (row.program.isEmpty()) {
            fake.messages.willAnswer(Answer::Ok);
            click(window->Label6);
            QTest::keyClicks(window->Text3, row.typed);
        } else {
            window->Command2->setText("OK");
            window->Text7->show();
        }
        window->Command4_Click();

        EXPECT_EQ(lines(), row.expected);
        const QStringList boxes = QStringList(row.program.isEmpty() ? 1 : 0, stopSampleText()) +
                                  QStringList(row.focusOn ? 1 : 0, stopFocusText());
        EXPECT_EQ(fake.messages.texts(), boxes);
        if (!row.focusOn) {
            expectEditing();
            continue;
        }
        EXPECT_EQ(fake.messages.asked.last().buttons, Buttons::Ok);
        EXPECT_TRUE(panelClosedWithMessage);
        expectPanelOpen();
        EXPECT_EQ(window->Text3->text() + '|' + window->Text7->text(), "{Focus On}|");
        EXPECT_TRUE(window->Label21->text().startsWith("The window with the focus is the active"));
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
        QTest::keyClicks(window->Text3, "Untitled");
        click(window->Command4);
        EXPECT_EQ(lines().filter("{Focus On}"), QStringList{"{Focus On}Untitled"});
        EXPECT_EQ(fake.messages.texts(), boxes);
    }
}

TEST_F(DialogPanelTest, TheFieldAddsTheSeparatorOnAClickAndForgetsShiftOnItsRelease) {
    // The field, whether a second file is awaited, the field after the click.
    const std::tuple<QString, qint16, QString> rows[] = {
        {"{File Copy}C:\\a.txt", 2, "{File Copy}C:\\a.txt * "},
        {"{File Copy}C:\\a.txt", 0, "{File Copy}C:\\a.txt"},
        {"{File Copy}C:\\a*b.txt", 2, "{File Copy}C:\\a*b.txt"}, // already holds a "*"
    };
    click(window->Label10);
    for (const auto& [field, pending, expected] : rows) {
        SCOPED_TRACE(field.toStdString());
        window->Text3->setText(field);
        window->Text3->setCursorPosition(0);
        window->globals.SecondFilePending = pending;
        QTest::mouseClick(window->Text3, Qt::LeftButton, {},
                          QPoint(4, window->Text3->height() / 2));
        EXPECT_EQ(window->Text3->text(), expected);
        EXPECT_EQ(window->Text3->cursorPosition(), expected.size());
        EXPECT_EQ(window->globals.SecondFilePending, 0);
    }
    // Releasing Shift in the field forgets the Shift answer; other keys do not.
    window->globals.ShiftChoice = 2;
    QTest::keyRelease(window->Text3, Qt::Key_A);
    EXPECT_EQ(window->globals.ShiftChoice, 2);
    QTest::keyRelease(window->Text3, Qt::Key_Shift);
    EXPECT_EQ(window->globals.ShiftChoice, 0);
}
