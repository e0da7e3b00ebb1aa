#include "window/colours.h"
#include "window_fixture.h"

#include <QFile>

using namespace tandrel;

namespace {

const QString stopTitle = "OK continues - Cancel stops program";
const QString general = "Your program encountered an error on this line.";
const QString pointAt = "  When you press 'OK' I will put the cursor on the program line "
                        "containing the error.";
const QString noStar = ".  Did you leave out the '*' between the file names, or does the "
                       "directory or file not exist?" +
                       pointAt;
const QString noPasteFile = ".  The file you wish to paste from does not exist." + pointAt;

QString lineError(int line, const QString& ending) {
    return QString("You have an error in your program on line %1").arg(line) + ending;
}

// Thrown from a wait to end a run that would otherwise wait for ever.
struct GaveUpWaiting {};

class RunnerTest : public WindowTest {
protected:
    void run(const QStringList& lines) {
        window->List2->clear();
        window->List2->addItems(lines);
        window->Command1_Click();
    }

    QString hostFile(const QString& name) const { return fake.driveRoot('C') + '/' + name; }

    void writeHostFile(const QString& name, const QByteArray& content) const {
        QFile file(hostFile(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
};

} // namespace

TEST_F(RunnerTest, EveryLineKindSendsWaitsOrEndsAsItSays) {
    struct Row {
        const char* reason;
        QStringList program;
        QStringList sent;
        QStringList boxes = {};
        int ends = 0;
        qint64 waitedMs = 0;
        QList<Answer> answers = {};
        std::function<void()> prepare = {};
        std::function<void()> check = {};
    };
    int polls = 0;
    const Row rows[] = {
        {"an empty program says so", {}, {}, {"You have not written or loaded a program to run."}},
        {"key lines send their notation; notes, blanks and unknown tokens send nothing",
         {"a", "%", "(", "{ENTER}", "{F8}", "{ALT}F", "{ALT}FX", "{ALT}{F4}", "{SHIFT}", "{CTRL}AB",
          "{Exit}", "ab", "{F17}", "{SPACE}", "{Enter}", "", "{Note}  nothing at all",
          "{Text Paste}50% off"},
         {"a", "{%}", "(", "{ENTER}", "{F8}", "%F", "%(FX)", "%({F4})", "+", "^(AB)", "50% off",
          "~"}},
        {"pastes send their text then Enter; Clip Clear empties the clipboard",
         {"{Clip Paste}", "{File Paste}C:\\PASTE.TXT", "{Clip Clear}", "{Clip Paste}"},
         {"from the clipboard", "~", "first line", "~"},
         {lineError(4, ".  You selected to paste the contents of the clipboard and there is "
                       "nothing in the clipboard to paste." +
                           pointAt),
          general},
         0,
         0,
         {},
         [&] {
             fake.clipboard.content = "from the clipboard";
             writeHostFile("paste.txt", "first line\r\nsecond line\r\n");
         }},
        {"eXit ends the process and runs nothing after it", {"a", "{eXit}", "b"}, {"a"}, {}, 1},
        {"Stop continues on OK and ends on Cancel",
         {"{Stop}  Done  ", "a", "{Stop}Second", "b"},
         {"a"},
         {"Done", "Second"},
         1,
         0,
         {Answer::Ok, Answer::Cancel}},
        {"Start Again repeats from the first line until Cancel",
         {"a", "{Stop}again?", "{Start Again}", "never"},
         QStringList(51, "a"),
         QStringList(51, "again?"),
         1,
         0,
         QList<Answer>(50, Answer::Ok) << Answer::Cancel},
        {"waits are tenths of a second", {"{Wait}5", "{Wait}0", "{Wait}600"}, {}, {}, 0, 60'500},
        {"files are copied, renamed and erased on the drive",
         {"{File Copy}C:\\A.TXT * C:\\b.txt", "{File Rename}C:\\b.txt * C:\\c.txt",
          "{File Erase}C:\\a.txt", "{File Paste}C:\\c.txt", "{File Paste}C:\\b.txt"},
         {"alpha", "~"},
         {lineError(5, noPasteFile), general},
         0,
         0,
         {},
         [&] { writeHostFile("a.txt", "alpha"); },
         [&] { EXPECT_FALSE(QFile::exists(hostFile("a.txt"))); }},
        {"File Wait polls every 2 s for the name in its own case",
         {"{File Wait}C:\\close.txt"},
         {},
         {},
         0,
         5 * 2000,
         {},
         [&] {
             fake.clock.onWait = [&] {
                 if (++polls == 2)
                     writeHostFile("CLOSE.TXT", "");
                 if (polls == 5) {
                     QFile::remove(hostFile("CLOSE.TXT"));
                     writeHostFile("close.txt", "");
                 }
             };
         }},
        {"Clip Wait polls until the clipboard begins with the text in its case",
         {"{Clip Wait}  Total  "},
         {},
         {},
         0,
         3 * 2000,
         {},
         [&] {
             fake.clipboard.content = "total: 12";
             fake.clock.onWait = [&] {
                 if (++polls == 3)
                     fake.clipboard.content = "Total: 12";
             };
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        window = std::make_unique<Tandrel>(fake.platform());
        fake.keystrokes.sent.clear();
        fake.messages.asked.clear();
        fake.messages.script = QQueue<Answer>(row.answers);
        fake.clock.onWait = {};
        fake.clock.waitedMs = 0;
        fake.processEnd.ends = 0;
        polls = 0;
        if (row.prepare)
            row.prepare();
        run(row.program);
        EXPECT_EQ(fake.keystrokes.sent, row.sent);
        EXPECT_EQ(fake.messages.texts(), row.boxes);
        for (const AskedBox& box : fake.messages.asked)
            EXPECT_EQ(box.title, box.buttons == Buttons::OkCancel ? stopTitle : QString("Tandrel"));
        EXPECT_EQ(fake.messages.unexpectedQuestions, 0);
        EXPECT_EQ(fake.processEnd.ends, row.ends);
        EXPECT_EQ(fake.clock.waitedMs, row.waitedMs);
        if (row.check)
            row.check();
    }
}

TEST_F(RunnerTest, TimerLinesContinueOnceTheirMomentHasCome) {
    // 2026-12-07 is a Monday; an invalid end: the line waits for ever.
    const QDate monday(2026, 12, 7);
    struct Row {
        QString line;
        QDateTime start;
        QDateTime earliestEnd;
    };
    const Row rows[] = {
        {"{DATE}2026 - December, 7   3:30 PM", {monday, QTime(16, 0)}, {monday, QTime(16, 0)}},
        {"{DATE}2026 - December, 7   4:58:20 PM", {monday, QTime(16, 0)}, {monday, {16, 58}}},
        {"{DATE}2026 - December, 6   4:58 PM", {monday, QTime(16, 0)}, {}},
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
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line.toStdString() + " from " + row.start.toString().toStdString());
        fake.clock.wallClock = row.start;
        fake.clock.waitedMs = 0;
        fake.keystrokes.sent.clear();
        fake.clock.onWait = [&] {
            if (fake.clock.now() > row.start.addDays(8))
                throw GaveUpWaiting{};
        };
        if (!row.earliestEnd.isValid()) {
            EXPECT_THROW(run({row.line, "a"}), GaveUpWaiting);
            EXPECT_TRUE(fake.keystrokes.sent.isEmpty());
            continue;
        }
        run({row.line, "a"});
        EXPECT_EQ(fake.keystrokes.sent, QStringList{"a"});
        EXPECT_GE(fake.clock.now(), row.earliestEnd);
        EXPECT_LT(fake.clock.now(), row.earliestEnd.addSecs(21));
        if (row.earliestEnd == row.start)
            EXPECT_EQ(fake.clock.waitedMs, 0);
        EXPECT_TRUE(fake.messages.asked.isEmpty());
    }
}

TEST_F(RunnerTest, ARunRestoresCaptionProgramAndWindowSize) {
    window->resize(400, 300);
    window->globals.CommandName = "MINE";
    QString captionDuringRun;
    fake.messages.whileShown = [&](const AskedBox&) { captionDuringRun = window->windowTitle(); };
    fake.messages.willAnswer(Answer::Ok);
    run({"{Stop}x", "b"});
    EXPECT_EQ(captionDuringRun, "MINE - Tandrel");
    EXPECT_EQ(window->windowTitle(), "Tandrel");
    EXPECT_EQ(window->Label20->text(), "Programs:");
    EXPECT_TRUE(window->Text6->isHidden());
    EXPECT_EQ(window->List2->count(), 2);
    EXPECT_EQ(window->List2->currentRow(), -1);
    EXPECT_EQ(window->size(), QSize(400, 300));
}

TEST_F(RunnerTest, AFailingLineIsSelectedAndNamedWithItsMessagesInOrder) {
    struct Row {
        QString failing;
        QString specificEnding; // empty: only the general message
    };
    const Row rows[] = {
        {"{File Copy}C:\\nothere.txt * C:\\x.txt", noStar},
        {"{File Copy}C:\\a.txt*C:\\b.txt", noStar},
        {"{File Rename}D:\\a.txt * C:\\b.txt", noStar},
        {"{File Erase}C:\\nothere.txt",
         ".  The file you wish to erase, C:\\nothere.txt either does not exist, or it is in use "
         "by another program so that it can not be erased." +
             pointAt},
        {"{File Erase}C:\\..\\..\\etc\\hostname",
         ".  The file you wish to erase, C:\\..\\..\\etc\\hostname either does not exist, or it "
         "is in use by another program so that it can not be erased." +
             pointAt},
        {"{File Paste}C:\\nothere.txt", noPasteFile},
        {"{Run Program}C:\\nothere.exe",
         ".  The program you wish to run cannot be found in the directory, or by the file name "
         "you specified." +
             pointAt},
        {"{Focus On}No such window",
         ".  The window you wish to focus upon does not exist by the name you specified." +
             pointAt +
             "  Note: You must specify a valid Window Title to Focus upon.  The window you "
             "specify must exist when this line of code executes."},
        {"{Clip Paste}",
         ".  You selected to paste the contents of the clipboard and there is nothing in the "
         "clipboard to paste." +
             pointAt},
        {"{Text Paste}",
         ".  You have selected to paste text, but you did not specify any text to paste when you "
         "wrote this program." +
             pointAt},
        {"{Wait}abc", ""},
        {"{File Wait}close.txt", ""},
        {"{DAYS} 2:05:00 PM", ""},
        {"{DATE}2005 - Janvier, 14   4:58 PM", ""},
        {"{DAYS}Mondays, noon", ""},
        {"{TAB}", ""},
    };
    fake.keystrokes.failingText = "{TAB}";
    for (const Row& row : rows) {
        SCOPED_TRACE(row.failing.toStdString());
        window = std::make_unique<Tandrel>(fake.platform());
        fake.keystrokes.sent.clear();
        window->globals.PanelMode = 2;
        window->Picture1->show();
        // The failing line is the third of four; as the last line it is named the same way.
        for (const bool last : {false, true}) {
            fake.messages.asked.clear();
            run(last ? QStringList{"x", "y", row.failing}
                     : QStringList{"x", "y", row.failing, "z"});
            QStringList expected;
            if (!row.specificEnding.isEmpty())
                expected << lineError(3, row.specificEnding);
            expected << general;
            EXPECT_EQ(fake.messages.texts(), expected);
            for (const AskedBox& box : fake.messages.asked)
                EXPECT_EQ(std::pair(box.title, box.buttons),
                          std::pair(QString("Tandrel"), Buttons::Ok));
            EXPECT_EQ(window->List2->currentRow(), 2);
        }
        EXPECT_EQ(backgroundOf(window->Command3), classicColour(PaletteColour::LightGreen));
        EXPECT_EQ(window->globals.PanelMode, 0);
        EXPECT_TRUE(window->Picture1->isHidden());
        EXPECT_FALSE(window->Command1->isHidden());
        EXPECT_FALSE(window->Command8->isHidden());
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(window->windowTitle(), "Tandrel");
        EXPECT_FALSE(fake.keystrokes.sent.contains("z"));
    }
}
