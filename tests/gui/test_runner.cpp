#include "window/colours.h"
#include "window_fixture.h"

#include <QDir>
#include <QFile>

using namespace tandrel;

namespace {

class RunnerTest : public WindowTest {
protected:
    void load(const QStringList& lines) {
        window->List2->clear();
        window->List2->addItems(lines);
    }

    void run(const QStringList& lines) {
        load(lines);
        window->Command1_Click();
    }

    QString hostFile(const QString& name) const {
        return fake.driveRoot(QLatin1Char('C')) + QLatin1Char('/') + name;
    }

    void writeHostFile(const QString& name, const QByteArray& content) const {
        QFile file(hostFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

// Thrown from a wait to end a run that would otherwise wait for ever.
struct GaveUpWaiting {};

} // namespace

TEST_F(RunnerTest, EmptyProgramSaysSoAndSendsNothing) {
    run({});
    EXPECT_EQ(fake.messages.texts(),
              QStringList{"You have not written or loaded a program to run."});
    EXPECT_EQ(fake.messages.asked.first().title, "Tandrel");
    EXPECT_TRUE(fake.keystrokes.sent.isEmpty());
}

TEST_F(RunnerTest, KeyLinesSendTheirKeystrokeTextAndIgnoredLinesSendNothing) {
    run({"a", "%", "(", "{ENTER}", "{F8}", "{ALT}F", "{ALT}FX", "{ALT}{F4}", "{SHIFT}", "{CTRL}AB",
         "{Exit}", "ab", "{F17}", "{SPACE}", "{Enter}", "", "{Note}  nothing at all",
         "{Text Paste}50% off"});
    EXPECT_EQ(fake.keystrokes.sent, (QStringList{"a", "{%}", "(", "{ENTER}", "{F8}", "%F", "%(FX)",
                                                 "%({F4})", "+", "^(AB)", "50% off", "~"}));
    EXPECT_TRUE(fake.messages.asked.isEmpty());
    EXPECT_EQ(fake.processEnd.ends, 0);
}

TEST_F(RunnerTest, PasteLinesSendTheirTextThenEnter) {
    fake.clipboard.content = "from the clipboard";
    writeHostFile("paste.txt", "first line\r\nsecond line\r\n");
    run({"{Clip Paste}", "{File Paste}C:\\PASTE.TXT", "{Clip Clear}"});
    EXPECT_EQ(fake.keystrokes.sent, (QStringList{"from the clipboard", "~", "first line", "~"}));
    EXPECT_TRUE(fake.clipboard.content.isEmpty());
}

TEST_F(RunnerTest, ExitEndsTheProcessAndRunsNothingAfterIt) {
    run({"a", "{eXit}", "b"});
    EXPECT_EQ(fake.processEnd.ends, 1);
    EXPECT_EQ(fake.keystrokes.sent, QStringList{"a"});
}

TEST_F(RunnerTest, StopBoxContinuesOnOkAndEndsOnCancel) {
    fake.messages.willAnswer(Answer::Ok);
    fake.messages.willAnswer(Answer::Cancel);
    run({"{Stop}  Done  ", "a", "{Stop}Second", "b"});
    ASSERT_EQ(fake.messages.asked.size(), 2);
    EXPECT_EQ(fake.messages.asked[0].text, "Done");
    EXPECT_EQ(fake.messages.asked[0].title, "OK continues - Cancel stops program");
    EXPECT_EQ(fake.messages.asked[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(fake.keystrokes.sent, QStringList{"a"});
    EXPECT_EQ(fake.processEnd.ends, 1);
}

TEST_F(RunnerTest, StartAgainRepeatsFromTheFirstLineUntilCancel) {
    for (int i = 0; i < 50; ++i)
        fake.messages.willAnswer(Answer::Ok);
    fake.messages.willAnswer(Answer::Cancel);
    run({"a", "{Stop}again?", "{Start Again}", "never"});
    EXPECT_EQ(fake.keystrokes.sent.size(), 51);
    EXPECT_FALSE(fake.keystrokes.sent.contains("never"));
    EXPECT_EQ(fake.processEnd.ends, 1);
}

TEST_F(RunnerTest, CommandLineRunShowsItsNameInTheCaptionUntilTheRunEnds) {
    window->globals.CommandName = "MINE";
    QString captionDuringRun;
    fake.messages.whileShown = [&](const AskedBox&) { captionDuringRun = window->windowTitle(); };
    fake.messages.willAnswer(Answer::Ok);
    run({"{Stop}x"});
    EXPECT_EQ(captionDuringRun, "MINE - Tandrel");
    EXPECT_EQ(window->windowTitle(), "Tandrel");
    EXPECT_EQ(window->Label20->text(), "Programs:");
    EXPECT_TRUE(window->Text6->isHidden());
}

TEST_F(RunnerTest, WaitLinesWaitTheirTenthsOfASecond) {
    run({"{Wait}5", "{Wait}0", "{Wait}600"});
    EXPECT_EQ(fake.clock.waitedMs, 500 + 0 + 60'000);
}

TEST_F(RunnerTest, FileLinesCopyRenameAndEraseOnTheDrive) {
    writeHostFile("a.txt", "alpha");
    run({"{File Copy}C:\\A.TXT * C:\\b.txt", "{File Rename}C:\\b.txt * C:\\c.txt",
         "{File Erase}C:\\a.txt"});
    EXPECT_TRUE(fake.messages.asked.isEmpty()) << fake.messages.texts().join('|').toStdString();
    EXPECT_FALSE(QFile::exists(hostFile("a.txt")));
    EXPECT_FALSE(QFile::exists(hostFile("b.txt")));
    QFile renamed(hostFile("c.txt"));
    ASSERT_TRUE(renamed.open(QIODevice::ReadOnly));
    EXPECT_EQ(renamed.readAll(), "alpha");
}

TEST_F(RunnerTest, FileWaitEndsOnlyForTheNameInItsOwnCase) {
    int polls = 0;
    fake.clock.onWait = [&] {
        ++polls;
        if (polls == 2)
            writeHostFile("CLOSE.TXT", "");
        if (polls == 5) {
            QFile::remove(hostFile("CLOSE.TXT"));
            writeHostFile("close.txt", "");
        }
    };
    run({"{File Wait}C:\\close.txt", "done"});
    EXPECT_EQ(polls, 5);
    EXPECT_EQ(fake.clock.waitedMs, 5 * 2000);
}

TEST_F(RunnerTest, ClipWaitEndsWhenTheClipboardBeginsWithTheTextInItsCase) {
    fake.clipboard.content = "total: 12";
    int polls = 0;
    fake.clock.onWait = [&] {
        if (++polls == 3)
            fake.clipboard.content = "Total: 12";
    };
    run({"{Clip Wait}  Total  "});
    EXPECT_EQ(polls, 3);
    EXPECT_EQ(fake.clock.waitedMs, 3 * 2000);
}

TEST_F(RunnerTest, DateLineForTodayContinuesOnceItsMinuteHasCome) {
    fake.clock.wallClock = QDateTime(QDate(2026, 12, 7), QTime(16, 0));
    run({"{DATE}2026 - December, 7   3:30 PM", "a"});
    EXPECT_EQ(fake.clock.waitedMs, 0);

    fake.clock.waitedMs = 0;
    run({"{DATE}2026 - December, 7   4:58:20 PM", "b"});
    EXPECT_EQ(fake.clock.now().time().hour(), 16);
    EXPECT_EQ(fake.clock.now().time().minute(), 58);
    EXPECT_LE(fake.clock.waitedMs, 58 * 60'000);
    EXPECT_EQ(fake.keystrokes.sent, (QStringList{"a", "b"}));
}

TEST_F(RunnerTest, DateLineForYesterdayNeverEnds) {
    fake.clock.onWait = [&] {
        if (fake.clock.waitedMs > 3LL * 24 * 3600 * 1000)
            throw GaveUpWaiting{};
    };
    load({"{DATE}2026 - December, 6   4:58 PM", "a"});
    EXPECT_THROW(window->Command1_Click(), GaveUpWaiting);
    EXPECT_TRUE(fake.keystrokes.sent.isEmpty());
}

TEST_F(RunnerTest, DaysLineWaitsForItsDayAndTime) {
    // 2026-12-07 is a Monday.
    struct Case {
        QString line;
        QDateTime start;
        QDateTime earliestEnd;
    };
    const QDate monday(2026, 12, 7);
    const Case cases[] = {
        {"{DAYS}Mondays,Fridays, 2:05:00 PM", {monday, QTime(13, 0)}, {monday, QTime(14, 5)}},
        {"{DAYS}Mondays,Fridays, 2:05:00 PM",
         {monday.addDays(4), QTime(15, 0)},
         {monday.addDays(4), QTime(15, 0)}},
        {"{DAYS}Mondays,Fridays, 2:05:00 PM",
         {monday.addDays(1), QTime(9, 0)},
         {monday.addDays(4), QTime(14, 5)}},
        {"{DAYS}All_Days, 12:05 PM", {monday, QTime(11, 0)}, {monday, QTime(12, 5)}},
        {"{DAYS}All_Days, 12:05 PM", {monday, QTime(13, 0)}, {monday, QTime(13, 0)}},
        {"{DAYS}All_Days, 12:05 AM", {monday, QTime(0, 1)}, {monday, QTime(0, 5)}},
        {"{DAYS}Tuesdays, 0:05", {monday, QTime(23, 59, 30)}, {monday.addDays(1), QTime(0, 5)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString() + " from " + c.start.toString().toStdString());
        fake.clock.wallClock = c.start;
        fake.keystrokes.sent.clear();
        run({c.line, "a"});
        EXPECT_EQ(fake.keystrokes.sent, QStringList{"a"});
        EXPECT_GE(fake.clock.now(), c.earliestEnd);
        EXPECT_LT(fake.clock.now(), c.earliestEnd.addSecs(21));
    }
}

TEST_F(RunnerTest, RunLeavesTheProgramAndTheWindowSizeAsTheyWere) {
    window->resize(400, 300);
    run({"a", "b"});
    EXPECT_EQ(window->List2->count(), 2);
    EXPECT_EQ(window->size(), QSize(400, 300));
    EXPECT_EQ(window->List2->currentRow(), -1);
}

namespace {

struct RunErrorCase {
    QString failing;
    QString specificEnding; // empty: only the general message
};

class RunErrorTest : public RunnerTest, public testing::WithParamInterface<RunErrorCase> {};

const QString pointAt = "  When you press 'OK' I will put the cursor on the program line "
                        "containing the error.";

} // namespace

TEST_P(RunErrorTest, FailingLineIsSelectedAndNamedWithItsMessagesInOrder) {
    const RunErrorCase& c = GetParam();
    fake.keystrokes.failingText = "{TAB}";
    window->globals.PanelMode = 2;
    window->Picture1->show();
    // The failing line is the third of four.
    run({"x", "y", c.failing, "z"});

    QStringList expected;
    if (!c.specificEnding.isEmpty())
        expected << "You have an error in your program on line 3" + c.specificEnding;
    expected << "Your program encountered an error on this line.";
    EXPECT_EQ(fake.messages.texts(), expected);
    for (const AskedBox& box : fake.messages.asked) {
        EXPECT_EQ(box.title, "Tandrel");
        EXPECT_EQ(box.buttons, Buttons::Ok);
    }
    EXPECT_EQ(window->List2->currentRow(), 2);
    EXPECT_EQ(backgroundOf(window->Command3), classicColour(PaletteColour::LightGreen));
    EXPECT_EQ(window->globals.PanelMode, 0);
    EXPECT_TRUE(window->Picture1->isHidden());
    EXPECT_FALSE(window->Command1->isHidden());
    EXPECT_FALSE(window->Command8->isHidden());
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window->windowTitle(), "Tandrel");
    EXPECT_FALSE(fake.keystrokes.sent.contains("z"));
}

INSTANTIATE_TEST_SUITE_P(
    EveryKindOfFailure, RunErrorTest,
    testing::Values(
        RunErrorCase{"{File Copy}C:\\nothere.txt * C:\\x.txt",
                     ".  Did you leave out the '*' between the file names, or does the directory "
                     "or file not exist?" +
                         pointAt},
        RunErrorCase{"{File Copy}C:\\a.txt*C:\\b.txt",
                     ".  Did you leave out the '*' between the file names, or does the directory "
                     "or file not exist?" +
                         pointAt},
        RunErrorCase{"{File Erase}C:\\nothere.txt",
                     ".  The file you wish to erase, C:\\nothere.txt either does not exist, or it "
                     "is in use by another program so that it can not be erased." +
                         pointAt},
        RunErrorCase{"{File Paste}C:\\nothere.txt",
                     ".  The file you wish to paste from does not exist." + pointAt},
        RunErrorCase{"{File Rename}D:\\a.txt * C:\\b.txt",
                     ".  Did you leave out the '*' between the file names, or does the directory "
                     "or file not exist?" +
                         pointAt},
        RunErrorCase{"{Run Program}C:\\nothere.exe",
                     ".  The program you wish to run cannot be found in the directory, or by the "
                     "file name you specified." +
                         pointAt},
        RunErrorCase{"{Focus On}No such window",
                     ".  The window you wish to focus upon does not exist by the name you "
                     "specified." +
                         pointAt +
                         "  Note: You must specify a valid Window Title to Focus upon.  The window "
                         "you specify must exist when this line of code executes."},
        RunErrorCase{"{Clip Paste}",
                     ".  You selected to paste the contents of the clipboard and there is "
                     "nothing in the clipboard to paste." +
                         pointAt},
        RunErrorCase{"{Text Paste}",
                     ".  You have selected to paste text, but you did not specify any text to "
                     "paste when you wrote this program." +
                         pointAt},
        RunErrorCase{"{Wait}abc", ""}, RunErrorCase{"{File Wait}close.txt", ""},
        RunErrorCase{"{DAYS} 2:05:00 PM", ""},
        RunErrorCase{"{DATE}2005 - Janvier, 14   4:58 PM", ""},
        RunErrorCase{"{DAYS}Mondays, noon", ""}, RunErrorCase{"{TAB}", ""},
        RunErrorCase{"{File Erase}C:\\..\\..\\etc\\hostname",
                     ".  The file you wish to erase, C:\\..\\..\\etc\\hostname either does not "
                     "exist, or it is in use by another program so that it can not be erased." +
                         pointAt}));

TEST_F(RunnerTest, FailingLastLineIsSelectedAndNamedItself) {
    run({"a", "{Wait}x"});
    EXPECT_EQ(window->List2->currentRow(), 1);
    run({"{Focus On}nothing"});
    EXPECT_EQ(window->List2->currentRow(), 0);
    EXPECT_TRUE(fake.messages.texts().last() == "Your program encountered an error on this line.");
    EXPECT_TRUE(fake.messages.texts()
                    .filter("You have an error in your program on line 1.  The window you wish")
                    .size() == 1);
}
