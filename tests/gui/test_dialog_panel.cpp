#include "dialogs/function_dialogs.h"
#include "editor_fixture.h"

using namespace tandrel;

namespace {

struct ButtonDialog {
    ClickLabel* Tandrel::*button;
    const char* token;
    bool filePanel;
    qreal promptPoints; // on a window that has not committed or shrunk a prompt yet
    const char* prompt;
};

const ButtonDialog buttonDialogs[] = {
    {&Tandrel::Label6, "{Stop}", false, 9.75,
     "Stops program until 'OK' is pressed.  'Cancel' stops your program completely. 'OK' allows "
     "your program to continue. After {Stop}, you may type a message you want the 'OK/Cancel' box "
     "to contain.  The next line MUST return focus to the window you wish to control!"},
    {&Tandrel::Label7, "{Clip Wait}", false, 9.75,
     "The text you follow {Clip Wait} with must be the exact text another program will put in the "
     "beginning of the clipboard.  Leading spaces will keep this from working. Be careful!  "
     "<<CAUTION>>  This is a CaSe SeNsItIvE comparison.  Be sure you accurately type the text in "
     "both spelling and UPPER and lower case.  Any error will cause the match to reject.  Now type "
     "the clipboard text you want your program to find in the clipboard."},
    {&Tandrel::Label10, "{File Copy}", true, 9.75,
     "Copies file A to file B.  Include entire path!  Example:  {File Copy}C:\\windows\\myfile.txt "
     "* A:\\yourfile.txt Note the '*' must be between the two path/file names."},
    {&Tandrel::Label11, "{File Erase}", true, 9.75,
     "Erases the file you specify.  Be sure to include the path.  Example:                 {File "
     "Erase}C:\\MyDir\\Myfile.exe"},
    {&Tandrel::Label12, "{File Paste}", true, 9.75,
     "Pastes the FIRST LINE ONLY of the file read by the File Read statement."},
    {&Tandrel::Label14, "{File Rename}", true, 9.75,
     "Renames file A to file B.  Include entire path!  Example: {File "
     "Rename}C:\\windows\\myfile.txt * A:\\yourfile.txt   Note the '*' must be between the two "
     "path/file names."},
    {&Tandrel::Label15, "{File Wait}", true, 9.75,
     "The text you follow {File Wait} with must be the exact path and file name.   Type the path "
     "and file name you want your program to find to resume operation.   Example: {File "
     "Wait}C:\\MyDir\\MyFile.xls   <<< CAUTION >>>  This is a CaSe SeNsItIvE comparison.   Be sure "
     "your upper and lower case match!!  Select a file in the directory you wish to use and then "
     "replace it with your file name if necessary.  This will insure the path is correct in "
     "spelling and case."},
    {&Tandrel::Label16, "{Run Program}", true, 9.75,
     "After {Run Program} type the path and file name of the program to run or select it using the "
     "file path windows below.    Example: {Run Program}C:\\Windows\\notepad.exe  This would run "
     "the Notepad program."},
    {&Tandrel::Label17, "{Focus On}", false, 9.75,
     "The window with the focus is the active window. Before you issue a key stroke you MUST be "
     "SURE the proper window has focus!  After {Focus On} type all or part of a window name.  "
     "Example:  This program is named 'Tandrel'.  We could focus on it by specifying {Focus On}Tan "
     "or {Focus On}Tandrel.  Be sure if you use part of a window name that two windows do not "
     "start with that same part!"},
    {&Tandrel::Label18, "{Wait}", false, 8,
     "Wait for a number of 1/10 seconds. 10 = 1 second.  600 = 1 minute. Wait 5 seconds = "
     "{wait}50"},
    {&Tandrel::Label23, "{Text Paste}", false, 8,
     "After {Text Paste} type the text you want pasted into the a field which will have focus at "
     "the time your program is running.  Example: {Text Paste}This text will be copied into cell "
     "A1 of my 123 spreadsheet."},
    {&Tandrel::Label27, "{Note}", false, 8,
     "After {Note} type text to describe things you want to remember later about your program.  "
     "This is visible only in this edit mode and has no effect when you run the program."},
};

const QString stopSample = "You are about to create a message box like this one.";
const QString stopMessage =
    "A Stop message shifts focus to Tandrel, I will now bring up FOCUS so you can put the focus "
    "back on the program you were controlling if you desire.";

} // namespace

class DialogPanelTest : public EditorTest {
protected:
    void expectPanelOpen() const {
        expectHidden(window.get(),
                     {"List2", "Command1", "Command12", "Command2", "Command8", "Text7"});
        expectShown(window.get(), {"Text8", "Label21", "Text3", "Command4", "Command5"});
        EXPECT_EQ(window->Command2->text(), "Save");
    }

    void expectEditing() const {
        expectHidden(window.get(),
                     {"Label21", "Text3", "Command4", "Command5", "Text7", "Text8", "Text10",
                      "List1", "List3", "List4", "List5", "Text4", "Drive1", "Dir1", "File1"});
        expectShown(window.get(), {"List2", "Command1", "Command2", "Command8", "Command12"});
        EXPECT_EQ(window->Command2->text(), "Save");
        EXPECT_EQ(window->Command8->text(), "Run From Command Line");
        EXPECT_EQ(backgroundOf(window->Command2), colour(PaletteColour::LightGreen));
        EXPECT_EQ(backgroundOf(window->Command8), colour(PaletteColour::LightGreen));
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
        if (dialog.button == &Tandrel::Label6)
            fake.messages.willAnswer(Answer::Ok); // the sample box

        click(window.get()->*dialog.button);

        expectPanelOpen();
        EXPECT_EQ(window->Text3->text(), dialog.token);
        EXPECT_EQ(window->Text3->cursorPosition(), QString(dialog.token).size());
        EXPECT_EQ(QApplication::focusWidget(), window->Text3);
        EXPECT_EQ(window->Label21->text(), dialog.prompt);
        EXPECT_EQ(promptPoints(), dialog.promptPoints);
        expectHidden(window.get(), {"Text4", "Drive1", "Dir1", "File1"}, !dialog.filePanel);
        EXPECT_EQ(lines(), QStringList());
    }
    EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
}

TEST_F(DialogPanelTest, ThePromptSizeLastsUntilTheNextCommit) {
    click(window->Label18); // Wait/Pause: 8 points
    click(window->Command5);
    click(window->Label11); // File - Erase keeps the size it finds
    EXPECT_EQ(promptPoints(), 8);
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{File Erase}"}));
    EXPECT_EQ(promptPoints(), 10);
    click(window->Label11);
    EXPECT_EQ(promptPoints(), 10);
}

TEST_F(DialogPanelTest, StopShowsItsSampleBoxAndOpensEvenOnCancel) {
    fake.messages.willAnswer(Answer::Cancel);
    QString promptWhileShown, fieldWhileShown;
    fake.messages.whileShown = [&](const AskedBox&) {
        promptWhileShown = window->Label21->text();
        fieldWhileShown = window->Text3->text();
    };
    click(window->Label6);
    ASSERT_EQ(fake.messages.asked.size(), 1);
    EXPECT_EQ(fake.messages.asked[0].text, stopSample);
    EXPECT_EQ(fake.messages.asked[0].title, "Tandrel");
    EXPECT_EQ(fake.messages.asked[0].buttons, Buttons::OkCancel);
    // The box comes after the prompt and before the token.
    EXPECT_TRUE(promptWhileShown.startsWith("Stops program until 'OK' is pressed."));
    EXPECT_NE(fieldWhileShown, "{Stop}");
    expectPanelOpen();
    EXPECT_EQ(window->Text3->text(), "{Stop}");
    EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
}

TEST_F(DialogPanelTest, RunProgramShowsItsHelpEveryTimeOverTheOpenPanel) {
    for (int opening = 1; opening <= 2; ++opening) {
        bool panelShownWithBox = false;
        fake.messages.whileShown = [&](const AskedBox&) {
            panelShownWithBox = !window->File1->isHidden() && !window->Text3->isHidden() &&
                                window->Text3->text() == "{Run Program}";
        };
        click(window->Label16);
        ASSERT_EQ(fake.messages.asked.size(), opening);
        EXPECT_EQ(
            fake.messages.asked.last().text,
            QString("To find the correct path for the Windows program you wish to run...   "
                    "From the Window Desktop or Start Menu, the icons and the program menu "
                    "items can display the path and file you need to open their associated "
                    "program.  Focus on them with your mouse and right click.  The bottom "
                    "option in the pop up box will be Properties.  Click on Properties and "
                    "then click on the Shortcut tab.  The Target field contains the path and "
                    "file name you need.  To copy the 'Target:' field's contents, highlight it "
                    "by using your left mouse button, then click your right mouse button and "
                    "select 'copy.'   Move to your Tandrel {Run Program} dialogue box and "
                    "place the cursor after the {Run Program} using the left mouse button.  "
                    "Click the right mouse button and select paste.   The help text covers "
                    "this information under 'Run Windows Programs.'"));
        EXPECT_EQ(fake.messages.asked.last().buttons, Buttons::Ok);
        EXPECT_TRUE(panelShownWithBox);
        click(window->Command5);
    }
}

TEST_F(DialogPanelTest, CommitInsertsTheFieldAndReturnsToEditing) {
    setProgram({"l0", "l1"});
    click(window->Label10);
    int linesDuringPause = -1;
    bool panelOpenDuringPause = false;
    fake.clock.onWait = [&] {
        linesDuringPause = window->List2->count();
        panelOpenDuringPause = !window->Command4->isHidden();
    };
    const qint64 waitedBefore = fake.clock.waitedMs;

    click(window->Command4);

    EXPECT_EQ(lines(), QStringList({"l0", "l1", "{File Copy}"}));
    EXPECT_EQ(fake.clock.waitedMs - waitedBefore, 100);
    EXPECT_EQ(linesDuringPause, 3);
    EXPECT_TRUE(panelOpenDuringPause);
    EXPECT_EQ(window->globals.PendingLine, "{File Copy}");
    EXPECT_EQ(window->Text7->text(), " ");
    EXPECT_TRUE(fake.messages.asked.isEmpty());
    expectEditing();

    // A token that takes no argument is committed bare.
    click(window->Label27);
    window->Text3->setText("{eXit}xyz");
    click(window->Command4);
    EXPECT_EQ(lines().last(), "{eXit}");
}

TEST_F(DialogPanelTest, DontUseThisOptionRestoresEditingWithNothingAdded) {
    QStringList program;
    for (int i = 0; i < 80; ++i)
        program << QString("{Wait}%1").arg(i);
    setProgram(program, 1);
    click(window->Label18);
    window->Text3->setText("{Wait}50");
    click(window->Command5);
    EXPECT_EQ(lines(), program);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_FALSE(window->Command9->isEnabled());
    expectEditing();

    // Without a blue line, closing shows the end of the program.
    window->List2->clearSelection();
    window->List2->scrollToTop();
    click(window->Label11);
    click(window->Command5);
    EXPECT_EQ(selectedRow(), -1);
    EXPECT_TRUE(lastLineInView());
}

TEST_F(DialogPanelTest, CommittingAStopLineBringsTheFocusOnDialog) {
    fake.messages.willAnswer(Answer::Ok);
    click(window->Label6);
    QTest::keyClicks(window->Text3, " Done for now.");
    ASSERT_EQ(window->Text3->text(), "{Stop} Done for now.");
    bool panelClosedWithMessage = false;
    fake.messages.whileShown = [&](const AskedBox& box) {
        if (box.text == stopMessage)
            panelClosedWithMessage = window->Command4->isHidden() && !window->List2->isHidden();
    };

    click(window->Command4);

    EXPECT_EQ(lines(), QStringList({"{Stop} Done for now."}));
    ASSERT_EQ(fake.messages.asked.size(), 2);
    EXPECT_EQ(fake.messages.asked[1].text, stopMessage);
    EXPECT_EQ(fake.messages.asked[1].title, "Tandrel");
    EXPECT_EQ(fake.messages.asked[1].buttons, Buttons::Ok);
    EXPECT_TRUE(panelClosedWithMessage);
    expectPanelOpen();
    EXPECT_EQ(window->Text3->text(), "{Focus On}");
    EXPECT_EQ(window->Text7->text(), QString());
    EXPECT_TRUE(window->Label21->text().startsWith("The window with the focus is the active"));
    EXPECT_EQ(QApplication::focusWidget(), window->Text3);

    QTest::keyClicks(window->Text3, "Untitled");
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{Stop} Done for now.", "{Focus On}Untitled"}));
    EXPECT_EQ(fake.messages.asked.size(), 2);
}

TEST_F(DialogPanelTest, ConfirmingAnEditedStopLineAlsoBringsTheFocusOnDialog) {
    setProgram({"{Stop}old", "l1"}, 0);
    window->Command2->setText("OK");
    window->Text7->setText("{Stop}new");
    window->Text7->show();
    window->Command4_Click();
    EXPECT_EQ(lines(), QStringList({"{Stop}new", "l1"}));
    ASSERT_EQ(fake.messages.asked.size(), 1);
    EXPECT_EQ(fake.messages.asked[0].text, stopMessage);
    EXPECT_EQ(window->Text3->text(), "{Focus On}");
}

TEST_F(DialogPanelTest, TwoStopFieldsCloseWithoutTheMessage) {
    window->Text7->setText("{Stop}under edit");
    fake.messages.willAnswer(Answer::Ok);
    click(window->Label6);
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{Stop}"}));
    EXPECT_EQ(fake.messages.texts(), QStringList({stopSample}));
    expectEditing();
}

TEST_F(DialogPanelTest, AClickInTheFieldAddsTheSeparatorAfterTheFirstFile) {
    click(window->Label10);
    const auto clickField = [&](const QString& text, int pending) {
        window->Text3->setText(text);
        window->Text3->setCursorPosition(0);
        window->globals.SecondFilePending = qint16(pending);
        QTest::mouseClick(window->Text3, Qt::LeftButton, {},
                          QPoint(4, window->Text3->height() / 2));
        EXPECT_EQ(window->Text3->cursorPosition(), window->Text3->text().size());
        EXPECT_EQ(window->globals.SecondFilePending, 0);
        return window->Text3->text();
    };
    EXPECT_EQ(clickField("{File Copy}C:\\a.txt", 2), "{File Copy}C:\\a.txt * ");
    EXPECT_EQ(clickField("{File Copy}C:\\a.txt", 0), "{File Copy}C:\\a.txt");
    // A field that already holds a "*" gets none added.
    EXPECT_EQ(clickField("{File Copy}C:\\a*b.txt", 2), "{File Copy}C:\\a*b.txt");
}

TEST_F(DialogPanelTest, ReleasingShiftInTheFieldForgetsTheShiftAnswer) {
    click(window->Label23);
    window->globals.ShiftChoice = 2;
    QTest::keyRelease(window->Text3, Qt::Key_A);
    EXPECT_EQ(window->globals.ShiftChoice, 2);
    QTest::keyRelease(window->Text3, Qt::Key_Shift);
    EXPECT_EQ(window->globals.ShiftChoice, 0);
}

// Guards the fix for a second press of the commit button during the pause after an insertion.
TEST_F(DialogPanelTest, ASecondPressDuringThePauseCommitsNothing) {
    int presses = 0;
    fake.clock.onWait = [&] {
        if (presses++ == 0)
            click(window->Command4);
    };
    click(window->Label18);
    QTest::keyClicks(window->Text3, "5");
    click(window->Command4);
    EXPECT_EQ(lines(), QStringList({"{Wait}5"}));
    expectEditing();

    // The same for "OK" on a line under edit: the edited line must not become a blank.
    presses = 0;
    setProgram({"{Wait}10", "l1"}, 0);
    window->Command2->setText("OK");
    window->Text7->setText("{Wait}20");
    fake.clock.onWait = [&] {
        if (presses++ == 0)
            window->Command4_Click();
    };
    window->Command4_Click();
    EXPECT_EQ(lines(), QStringList({"{Wait}20", "l1"}));
}
