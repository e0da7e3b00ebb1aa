#include "editor_fixture.h"

using namespace tandrel;

namespace {

const QString question = "You have a program loaded. Press OK to delete it and start a new one. "
                         "Press Cancel to stop this option.";

} // namespace

TEST_F(WindowTest, CreateOnTheStartScreenAsksNothingAndShowsAnEmptyEditor) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->List2->addItems({"left", "over"});
    window->globals.PanelMode = 2;
    for (const char* name : {"Text11", "Command10", "Command11", "List7"})
        window->findChild<QWidget*>(name)->show();

    QTest::mouseClick(window->Label1, Qt::LeftButton);

    EXPECT_TRUE(fake.messages.asked.isEmpty());
    EXPECT_EQ(window->List2->count(), 0);
    EXPECT_TRUE(window->isMaximized());
    expectHidden(window.get(), {"Picture1", "Text6", "Text8", "Text11", "Command10", "Command11",
                                "List7", "Text5", "Command6", "Label21", "Command4"});
    expectShown(window.get(), {"Command1", "Command2", "Command8", "Command12", "Label4", "Text1",
                               "Text2", "List2"});
    EXPECT_EQ(window->globals.PanelMode, 0);
    EXPECT_EQ(backgroundOf(window->Label2), classicColour(PaletteColour::White));
    EXPECT_EQ(backgroundOf(window->Label19), classicColour(PaletteColour::White));
    EXPECT_EQ(QApplication::focusWidget(), window->Text2);
}

TEST_F(EditorTest, CreateWithAProgramAsksBeforeDeletingIt) {
    struct Case {
        Answer answer;
        QStringList after;
        QString path;
    };
    const Case cases[] = {{Answer::Ok, {}, ""},
                          {Answer::Cancel, {"a", "b"}, "C:\\TANDREL\\PROGRAMS\\MINE.TDX"}};
    for (const Case& c : cases) {
        setProgram({"a", "b"});
        window->Label25->setText("C:\\TANDREL\\PROGRAMS\\MINE.TDX");
        fake.messages.asked.clear();
        const int yieldsBefore = fake.clock.yields;
        int yieldsWhenAsked = -1;
        fake.messages.whileShown = [&](const AskedBox&) { yieldsWhenAsked = fake.clock.yields; };
        fake.messages.willAnswer(c.answer);

        click(window->Label1);

        ASSERT_EQ(fake.messages.asked.size(), 1);
        EXPECT_EQ(fake.messages.asked[0].text, question);
        EXPECT_EQ(fake.messages.asked[0].title, "Tandrel");
        EXPECT_EQ(fake.messages.asked[0].buttons, Buttons::OkCancel);
        EXPECT_GT(yieldsWhenAsked, yieldsBefore);
        EXPECT_EQ(lines(), c.after);
        EXPECT_EQ(window->Label25->text(), c.path);
        EXPECT_TRUE(window->Text8->isHidden());
        EXPECT_EQ(window->globals.SkipNewProgramQuestion, 0);
    }
    EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
}

TEST_F(EditorTest, CreateFromTheTypingFieldSkipsTheQuestionOnce) {
    setProgram({"a"});
    window->globals.SkipNewProgramQuestion = 1;
    window->Label1_Click();
    EXPECT_TRUE(fake.messages.asked.isEmpty());
    EXPECT_EQ(lines(), QStringList({"a"}));
    EXPECT_EQ(window->globals.SkipNewProgramQuestion, 0);
    // The next Create asks again.
    fake.messages.willAnswer(Answer::Cancel);
    window->Label1_Click();
    EXPECT_EQ(fake.messages.asked.size(), 1);
}

TEST_F(EditorTest, CreateClosesTheSavePanel) {
    setProgram({});
    window->List2->resize(4200 / 15, window->List2->height());
    const QStringList panel = {"Text4",    "Text5",    "Drive1",  "Dir1", "File1",
                               "Command6", "Command7", "Label13", "Text8"};
    for (const QString& name : panel)
        window->findChild<QWidget*>(name)->show();
    window->Command6->setText("Open File");
    window->Command7->setText("Cancel");
    window->globals.PanelMode = 2;

    click(window->Label1);

    expectHidden(window.get(), panel);
    EXPECT_EQ(window->Command6->text(), "Save File");
    EXPECT_EQ(window->Command7->text(), "Do Not Save Yet");
    EXPECT_EQ(window->List2->width(), 13215 / 15);
    EXPECT_EQ(window->globals.PanelMode, 0);
    expectTyping();
}
