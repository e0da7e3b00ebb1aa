#include "editor_fixture.h"
#include "window/insertion.h"

using namespace tandrel;

namespace {

const QString question = "You have a program loaded. Press OK to delete it and start a new one.";

} // namespace

TEST_F(WindowTest, TheStartScreenOffersCreateHelpAndExit) {
    // The help hint shows only once the index is clicked; at rest it would cover the program.
    expectHidden(window.get(), {"Command1", "Command2", "Command8", "Command12", "List6", "Text9"});
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The start screen's choices are shown and stay clickable above the picture; the "EXIT"
    // box stands over the Exit label.
    for (QWidget* choice : std::initializer_list<QWidget*>{window->Label1, window->Label2,
                                                           window->Label19, window->Text6})
        EXPECT_EQ(window->childAt(choice->geometry().center()), choice)
            << choice->objectName().toStdString();
    // Exit and EXIT end the process through the platform.
    QTest::mouseClick(window->Label24, Qt::LeftButton);
    QTest::mouseClick(window->Text6, Qt::LeftButton);
    EXPECT_EQ(fake.processEnd.ends, 2);

    // The first key there runs Create without its question, which shows an empty editor
    // whatever was left over; the key's own line goes too.
    window->List2->addItems({"left", "over"});
    window->globals.PanelMode = 2;
    const QStringList leftOver = {"Text11", "Command10", "Command11", "List7"};
    for (const QString& name : leftOver)
        window->findChild<QWidget*>(name)->show();
    QTest::keyClick(window->Text2, Qt::Key_A);
    EXPECT_TRUE(fake.messages.asked.isEmpty());
    EXPECT_EQ(window->List2->count(), 0);
    EXPECT_EQ(window->Label4->text(), usagePromptText());
    EXPECT_EQ(window->globals.SkipNewProgramQuestion, 0);
    EXPECT_EQ(window->globals.PanelMode, 0);
    EXPECT_TRUE(window->isMaximized());
    expectHidden(window.get(), leftOver + QStringList{"Picture1", "Text6", "Text5", "Command4"});
    expectHidden(window.get(), {"Command1", "Command2", "Command8", "Command12", "List2"}, false);
    EXPECT_EQ(backgroundOf(window->Label2), classicColour(PaletteColour::White));
    EXPECT_EQ(QApplication::focusWidget(), window->Text2);
}

TEST_F(EditorTest, CreateClosesTheSavePanelAndAsksBeforeDeletingAProgram) {
    struct Row {
        QStringList program;
        int skipQuestion;
        Answer answer;
        QStringList after; // a question is asked when the program is not empty and not skipped
        QString path;
        const char* reason;
    };
    const QString mine = "C:\\TANDREL\\PROGRAMS\\MINE.TDX";
    const Row rows[] = {
        Row({"a", "b"}, 0, Answer::Ok, {}, "", "OK deletes the program and its name"),
        Row({"a", "b"}, 0, Answer::Cancel, {"a", "b"}, mine, "Cancel keeps both"),
        Row({"a"}, 1, Answer::Cancel, {"a"}, mine, "from the typing field the question is skipped"),
        Row({}, 0, Answer::Cancel, {}, mine, "nothing to lose, nothing asked"),
    };
    const QStringList panel = {"Text4",    "Text5",    "Drive1",  "Dir1", "File1",
                               "Command6", "Command7", "Label13", "Text8"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        setProgram(row.program);
        window->Label25->setText(mine);
        window->globals.SkipNewProgramQuestion = qint16(row.skipQuestion);
        window->List2->resize(4200 / 15, window->List2->height());
        for (const QString& name : panel)
            window->findChild<QWidget*>(name)->show();
        window->Command6->setText("Open File"), window->Command7->setText("Cancel");
        window->globals.PanelMode = 2;
        fake.messages.asked.clear();
        fake.messages.willAnswer(row.answer);
        const int yieldsBefore = fake.clock.yields;
        int yieldsWhenAsked = -1;
        fake.messages.whileShown = [&](const AskedBox&) { yieldsWhenAsked = fake.clock.yields; };

        click(window->Label1);

        const bool asked = !row.program.isEmpty() && row.skipQuestion == 0;
        const QStringList boxes(asked ? 1 : 0, question);
        ASSERT_EQ(cutTo(fake.messages.texts(), boxes), boxes);
        if (asked) {
            EXPECT_EQ(std::pair(fake.messages.asked[0].title, fake.messages.asked[0].buttons),
                      std::pair(QString("Tandrel"), Buttons::OkCancel));
            EXPECT_GT(yieldsWhenAsked, yieldsBefore);
        }
        fake.messages.script.clear();
        EXPECT_EQ(lines(), row.after);
        EXPECT_EQ(window->Label25->text(), row.path);
        expectHidden(window.get(), panel);
        EXPECT_EQ(window->Command6->text() + '|' + window->Command7->text(),
                  "Save File|Do Not Save Yet");
        EXPECT_EQ(window->List2->width(), 13215 / 15);
        EXPECT_EQ(window->globals.PanelMode, 0);
        expectTyping();
        // The question is skipped once only.
        setProgram({"a"});
        fake.messages.willAnswer(Answer::Cancel);
        click(window->Label1);
        EXPECT_EQ(fake.messages.asked.size(), asked ? 2 : 1);
    }
    EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
}
