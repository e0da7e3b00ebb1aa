#include "../unit/program_check_rows.h"
#include "editor_fixture.h"
#include "startup/sample_programs.h"

using namespace tandrel;

namespace {

const QString general = "Your program encountered an error on this line.";
const QString noStar = ".  Did you leave out the '*' between the file names";
const QString noPasteFile = ".  The file you wish to paste from does not exist.";
const QString emptyClipboard = ".  You selected to paste the contents of the clipboard and "
                               "there is nothing in the clipboard to paste.";

QString lineError(int line, const QString& ending) {
    return QString("You have an error in your program on line %1").arg(line) + ending +
           "  When you press 'OK' I will put the cursor on the program line containing the "
           "error.";
}

// Thrown from a wait to end a run that would otherwise wait for ever.
struct GaveUpWaiting {};

// Whether such a line fails also depends on files, windows, programs or the clipboard.
const QList<LineKind> dependOnDesktop = {
    LineKind::FileCopy,   LineKind::FileRename, LineKind::FileErase, LineKind::FilePaste,
    LineKind::RunProgram, LineKind::FocusOn,    LineKind::ClipPaste};

class RunnerTest : public WindowTest {
protected:
    void run(const QStringList& lines) {
        setProgram(lines);
        window->Command1_Click();
    }
};

} // namespace

TEST_F(RunnerTest, EveryLineKindSendsWaitsOrEndsAsItSays) {
    struct Row {
        QStringList program, sent, boxes;
        int ends;
        qint64 waitedMs;
        const char* reason;
        QDateTime start = {}; // of a timer line: Monday 2026-12-07 and a time
    };
    const auto monday = [](int hour, int minute, int second = 0) {
        return QDateTime(QDate(2026, 12, 7), QTime(hour, minute, second));
    };
    const Row rows[] = {
        Row({}, {}, {"You have not written or loaded a program to run."}, 0, 0, "empty program"),
        Row({"a", "%", "(", "{ENTER}", "{F8}", "{ALT}F", "{ALT}FX", "{ALT}{F4}", "{SHIFT}",
             "{CTRL}AB", "{Exit}", "ab", "{F17}", "{SPACE}", "{Enter}", "", "{Note}  nothing",
             "{Text Paste}50% off"},
            {"a", "{%}", "(", "{ENTER}", "{F8}", "%F", "%(FX)", "%({F4})", "+", "^(AB)", "50% off",
             "~"},
            {}, 0, 0, "key lines send their notation; other lines nothing"),
        Row({"{Clip Paste}", "{File Paste}C:\\PASTE.TXT", "{Clip Clear}", "{Clip Paste}"},
            {"from the clipboard", "~", "first line", "~"}, {lineError(4, emptyClipboard), general},
            0, 0, "pastes, then Enter; Clip Clear empties"),
        Row({"a", "{eXit}", "b"}, {"a"}, {}, 1, 0, "eXit ends the process"),
        Row({"{Stop}  Done  ", "a"}, {"a"}, {"Done"}, 0, 0, "Stop continues on OK"),
        Row({"a", "{Stop}again?", "{Start Again}", "never"}, QStringList(51, "a"),
            QStringList(51, "again?"), 1, 0, "Start Again repeats until Stop is cancelled"),
        Row({"{Wait}5", "{Wait}0", "{Wait}600"}, {}, {}, 0, 60'500, "tenths of a second"),
        Row({"{File Copy}C:\\A.TXT * C:\\b.txt", "{File Rename}C:\\b.txt * C:\\c.txt",
             "{File Paste}C:\\c.txt", "{File Paste}C:\\b.txt"},
            {"alpha", "~"}, {lineError(4, noPasteFile), general}, 0, 0, "copied, then moved"),
        Row({"{File Erase}C:\\a.txt", "{File Paste}C:\\a.txt"}, {},
            {lineError(2, noPasteFile), general}, 0, 0, "erased"),
        Row({"{File Wait}C:\\close.txt"}, {}, {}, 0, 5 * 2000, "polls for the name in its case"),
        Row({"{Clip Wait}  Total  "}, {}, {}, 0, 3 * 2000, "polls for the text in its case"),
        // Dates are polled every 20 seconds; days first by day, then at each new minute.
        Row({"{DATE}2026 - December, 7   3:30 PM", "a"}, {"a"}, {}, 0, 0, "a moment reached",
            monday(16, 0)),
        Row({"{DATE}2026 - December, 7   4:58:20 PM", "a"}, {"a"}, {}, 0, 58 * 60'000,
            "the minute of the date", monday(16, 0)),
        Row({"{DAYS}Tuesdays, 0:05", "a"}, {"a"}, {}, 0, 2 * 20'000 + 50'000 + 4 * 60'000,
            "the day, then the time", monday(23, 59, 30)),
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.reason);
        window = std::make_unique<Tandrel>(fake.platform());
        // A named run shows its name in the caption and gives back caption and size at its end.
        window->resize(400, 300);
        window->globals.CommandName = "MINE";
        fake.keystrokes.sent.clear();
        fake.messages.asked.clear();
        fake.messages.script = QQueue<Answer>(QList<Answer>(50, Answer::Ok) << Answer::Cancel);
        fake.messages.whileShown = [&](const AskedBox& box) {
            if (box.buttons == Buttons::OkCancel) {
                EXPECT_EQ(window->windowTitle(), "MINE - Tandrel");
            }
        };
        fake.processEnd.ends = 0;
        fake.clock.waitedMs = 0;
        if (row.start.isValid())
            fake.clock.wallClock = row.start;
        fake.clipboard.content = "from the clipboard";
        writeFile(onC("paste.txt"), "first line\r\nsecond line\r\n");
        writeFile(onC("a.txt"), "alpha");
        for (const char* name : {"close.txt", "CLOSE.TXT"})
            QFile::remove(onC(name));
        // What the desktop does while a line waits: first the wrong case, then the right one.
        int polls = 0;
        fake.clock.onWait = [&] {
            if (++polls == 1)
                fake.clipboard.content = "total: 12";
            if (polls == 2)
                writeFile(onC("CLOSE.TXT"), "");
            if (polls == 3)
                fake.clipboard.content = "Total: 12";
            if (polls == 5) {
                QFile::remove(onC("CLOSE.TXT"));
                writeFile(onC("close.txt"), "");
            }
        };
        run(row.program);
        EXPECT_EQ(fake.keystrokes.sent, row.sent);
        EXPECT_EQ(fake.messages.texts(), row.boxes);
        for (const AskedBox& box : fake.messages.asked) {
            const bool stop = box.buttons == Buttons::OkCancel;
            EXPECT_EQ(box.title, stop ? "OK continues - Cancel stops program" : "Tandrel");
        }
        EXPECT_EQ(fake.processEnd.ends, row.ends);
        EXPECT_EQ(fake.clock.waitedMs, row.waitedMs);
        if (row.ends == 0 && !row.boxes.contains(general)) {
            EXPECT_EQ(window->windowTitle(), "Tandrel");
            EXPECT_EQ(window->Label20->text(), "Programs:");
            EXPECT_EQ(std::pair(window->List2->count(), window->List2->currentRow()),
                      std::pair(int(row.program.size()), -1));
            EXPECT_EQ(window->size(), QSize(400, 300));
            EXPECT_EQ(window->Text6->isHidden(), !row.program.isEmpty());
        }
    }
}

TEST_F(RunnerTest, AFailingLineIsSelectedAndNamedWithItsMessagesInOrder) {
    const QString erase = ".  The file you wish to erase, %1 either does not exist";
    // The failing line, how its own message goes on (empty: only the general message).
    const std::pair<QString, QString> rows[] = {
        {"{File Copy}C:\\nothere.txt * C:\\x.txt", noStar},
        {"{File Copy}C:\\a.txt*C:\\b.txt", noStar},
        {"{File Rename}D:\\a.txt * C:\\b.txt", noStar},
        {"{File Erase}C:\\nothere.txt", erase.arg("C:\\nothere.txt")},
        {"{File Paste}C:\\nothere.txt", noPasteFile},
        {"{Run Program}C:\\nothere.exe", ".  The program you wish to run cannot be found"},
        {"{Focus On}No such window", ".  The window you wish to focus upon does not exist"},
        {"{Clip Paste}", emptyClipboard},
        {"{Text Paste}", ".  You have selected to paste text, but you did not specify"},
        {"{Wait}abc", ""}, // what the check finds: only the general message
        {"{TAB}", ""}};    // the keystrokes cannot be sent
    fake.keystrokes.failingText = "{TAB}";
    for (const auto& [failing, ending] : rows) {
        SCOPED_TRACE(failing.toStdString());
        window = std::make_unique<Tandrel>(fake.platform());
        fake.keystrokes.sent.clear();
        window->globals.PanelMode = 2;
        window->Picture1->show();
        // The failing line is the third of four; as the last line it is named the same way.
        for (const QStringList& program :
             {QStringList{"x", "y", failing, "z"}, QStringList{"x", "y", failing}}) {
            fake.messages.asked.clear();
            run(program);
            QStringList expected;
            if (!ending.isEmpty())
                expected << "You have an error in your program on line 3" + ending;
            EXPECT_EQ(cutTo(fake.messages.texts(), expected << general), expected);
            for (const AskedBox& box : fake.messages.asked)
                EXPECT_EQ(std::pair(box.title, box.buttons),
                          std::pair(QString("Tandrel"), Buttons::Ok));
            EXPECT_EQ(window->List2->currentRow(), 2);
        }
        EXPECT_EQ(backgroundOf(window->Command3), classicColour(PaletteColour::LightGreen));
        EXPECT_EQ(window->globals.PanelMode, 0);
        EXPECT_TRUE(window->Picture1->isHidden());
        EXPECT_FALSE(window->Command1->isHidden() || window->Command8->isHidden());
        EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
        EXPECT_EQ(window->windowTitle(), "Tandrel");
        EXPECT_FALSE(fake.keystrokes.sent.contains("z"));
    }
}

// The check reads lines with the runner's own readers; each line run through the real runner
// must fail and send as the check says.
TEST_F(RunnerTest, EveryLineFailsAndSendsAsTheCheckSays) {
    QStringList lines;
    for (const check_rows::Row& row : check_rows::rows)
        lines << row.program;
    for (const SampleProgram& sample : samplePrograms())
        lines << sample.lines;
    fake.clock.onWait = [] { throw GaveUpWaiting{}; }; // began to wait: no failure
    for (const QString& line : lines) {
        const LinePlan plan = planLine(line);
        if (plan.script.kind == LineKind::StartAgain) // would start over for ever
            continue;
        window = std::make_unique<Tandrel>(fake.platform());
        fake.keystrokes.sent.clear();
        fake.messages.asked.clear();
        fake.messages.script.clear();
        fake.messages.willAnswer(Answer::Ok);
        try {
            run({line});
        } catch (const GaveUpWaiting&) {
        }
        const bool failed = fake.messages.texts().contains(general);
        if (dependOnDesktop.contains(plan.script.kind))
            EXPECT_TRUE(failed || plan.failure.isEmpty()) << line.toStdString();
        else
            EXPECT_EQ(failed, !plan.failure.isEmpty()) << line.toStdString();
        EXPECT_EQ(fake.keystrokes.sent, plan.sends) << line.toStdString();
    }
}

// Where keys cannot reach every window, the first key line of the process says so once; the
// keys are sent all the same (they reach the windows they can).
TEST_F(RunnerTest, TheSessionsLimitationIsToldOnceBeforeTheFirstKeyLine) {
    fake.keystrokes.limitationText = "Keys reach X11 windows only.";
    fake.keystrokes.sent.clear();
    fake.messages.asked.clear();
    for (int runs = 0; runs < 2; ++runs)
        run({"{Wait}0", "a", "{Text Paste}b"});
    EXPECT_EQ(fake.messages.texts(), QStringList{"Keys reach X11 windows only."});
    EXPECT_EQ(fake.keystrokes.sent, (QStringList{"a", "b", "~", "a", "b", "~"}));
    fake.keystrokes.limitationText.clear();
}
