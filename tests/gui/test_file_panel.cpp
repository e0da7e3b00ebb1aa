#include "editor_fixture.h"

using namespace tandrel;

namespace {

const QString programs = QStringLiteral("C:\\TANDREL\\PROGRAMS\\");

class FilePanelTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        QDir().mkpath(onC("TANDREL/PROGRAMS"));
        window->globals.HomeDir = programs;
        window->show();
        window->Picture1->hide(); // editing, not the start screen
    }
};

} // namespace

TEST_F(FilePanelTest, SavingWritesCrLfLinesAndProposesThePathOrRefuses) {
    window->Command2_Click();
    EXPECT_EQ(fake.messages.texts(), QStringList{"You do not have any code written.  I have no "
                                                 "file to save."});
    EXPECT_FALSE(window->Command6->isVisible());

    setProgram({"abc", "{ENTER}", "{File Copy}C:\\A * C:\\B"});
    window->Command2_Click();
    EXPECT_EQ(window->Text5->text(), programs) << "before a save: the programs directory";
    window->Command6_Click(); // no file name yet: nothing is written, the panel stays
    EXPECT_EQ(fake.messages.texts().value(1), "You have not given your program a file name.  "
                                              "Type one after the directory.");
    EXPECT_FALSE(QFile::exists(onC("TANDREL/PROGRAMS/.TDX")));
    EXPECT_TRUE(window->Command6->isVisible());
    fake.messages.asked.removeLast();
    window->Text5->setText(programs + "MINE");
    window->Command6_Click();
    EXPECT_EQ(readFile(onC("TANDREL/PROGRAMS/MINE.TDX")),
              "abc\r\n{ENTER}\r\n{File Copy}C:\\A * C:\\B\r\n");
    EXPECT_EQ(fake.messages.texts().value(1),
              "Your program has been saved in the file:  " + programs + "MINE.TDX");
    EXPECT_FALSE(window->Command6->isVisible());
    window->Command2_Click();
    EXPECT_EQ(window->Text5->text(), programs + "MINE.TDX") << "after a save: its path";
    EXPECT_TRUE(window->Label25->isVisible());

    writeFile(onC("BLOCK"), "a regular file");
    setProgram({"x"}); // the panel is still open
    window->Text5->setText("C:\\BLOCK\\MINE");
    window->Command6_Click();
    ASSERT_EQ(fake.messages.asked.size(), 3);
    EXPECT_TRUE(fake.messages.asked[2].text.startsWith(
        "Your program could not be saved in the file:  C:\\BLOCK\\MINE.TDX  "));
    EXPECT_EQ(fake.messages.asked[2].title, "Tandrel");
    EXPECT_EQ(readFile(onC("BLOCK")), "a regular file");
    EXPECT_TRUE(window->Command6->isVisible()) << "the panel stays open for another path";
}

TEST_F(FilePanelTest, OpeningLoadsTheFileOrKeepsTheProgram) {
    writeFile(onC("TANDREL/PROGRAMS/FIVE.TDX"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
    writeFile(onC("TANDREL/PROGRAMS/EMPTY.TDX"), "");
    const QString invalid = QStringLiteral("You have not selected a valid file to open.");
    const std::tuple<QString, QStringList, const char*> cases[] = {
        // path, program, reason
        {programs + "FIVE.TDX", {"1", "2", "3", "4", "5"}, "five lines in order"},
        {programs + "EMPTY.TDX", {}, "zero-byte file"},
        {programs, {"old"}, "a directory"},
        {programs + "FIVE", {"old"}, "no extension is added"},
        {"C:\\..\\..\\etc\\passwd", {"old"}, "escaping the drive"},
    };
    for (const auto& [path, expected, reason] : cases) {
        setProgram({"old"});
        fake.messages.asked.clear();
        fake.messages.willAnswer(Answer::Yes);
        window->Label19_Click();
        window->Text5->setText(path);
        window->Command6_Click();
        SCOPED_TRACE(reason);
        EXPECT_EQ(textsOf(window->List2), expected);
        const bool opened = expected != QStringList{"old"};
        EXPECT_EQ(window->Command6->isVisible(), !opened);
        EXPECT_EQ(fake.messages.texts().contains(invalid), !opened);
        if (opened) {
            EXPECT_EQ(window->Label25->text(), path);
            EXPECT_TRUE(window->Label25->isVisible());
        }
        window->Command7_Click();
    }
}

TEST_F(FilePanelTest, RunYesRunsEditNoKeepsTheProgramDoubleClickActsByCaption) {
    // Run, answered Yes, runs the loaded program in the small run window.
    setProgram({"a", "{ENTER}"});
    fake.messages.willAnswer(Answer::Yes);
    window->Label2_Click();
    EXPECT_EQ(fake.keystrokes.sent, (QStringList{"a", "{ENTER}"}));
    EXPECT_EQ(window->geometry(), QRect(1024 - 170, 768 - 120, 200, 53));
    EXPECT_EQ(window->Command6->text(), "Open File") << "the panel is offered for editing";

    setProgram({"kept"});
    fake.messages.willAnswer(Answer::No);
    window->Label19_Click();
    EXPECT_EQ(textsOf(window->List2), QStringList{"kept"});
    EXPECT_FALSE(window->Command6->isVisible());

    window->Command2_Click();
    window->Text5->setText(programs + "TWICE.TDX");
    window->File1_DblClick();
    EXPECT_EQ(readFile(onC("TANDREL/PROGRAMS/TWICE.TDX")), "kept\r\n") << "Save File caption saves";

    setProgram({});
    window->Label19_Click();
    EXPECT_EQ(window->Command6->text(), "Open File");
    selectEntry(window->File1, "TWICE.TDX");
    window->File1_Click();
    window->File1_DblClick();
    EXPECT_EQ(textsOf(window->List2), QStringList{"kept"}) << "Open File caption opens";
}

TEST_F(FilePanelTest, FileCopyLineIsComposedFromTheLists) {
    QDir().mkpath(onC("TEMP"));
    writeFile(onC("TANDREL/PROGRAMS/A.TDX"), "");
    writeFile(onC("TEMP/B.TXT"), "");
    window->pointDirectoryList(programs); // the lists show what is on disk when they move
    window->Text3->show();
    window->Text3->setText("{File Copy}");
    // A directory pointed to or a file clicked, the line then, the boxes shown.
    const QString first = "{File Copy}" + programs + "A.TDX * ";
    const std::tuple<QString, QString, QStringList> steps[] = {
        {"A.TDX", first, {"Now select or type the path"}},
        {"C:\\TEMP", first + "C:\\TEMP\\", {}},
        {"B.TXT", first + "C:\\TEMP\\B.TXT", {"If you selected an"}},
        {"B.TXT", first + "C:\\TEMP\\B.TXT", {"You are trying to"}}};
    for (const auto& [clicked, line, boxes] : steps) {
        SCOPED_TRACE(line.toStdString());
        fake.messages.asked.clear();
        if (clicked.startsWith("C:"))
            window->pointDirectoryList(clicked);
        else
            selectEntry(window->File1, clicked), window->File1_Click();
        EXPECT_EQ(window->Text3->text(), line);
        EXPECT_EQ(cutTo(fake.messages.texts(), boxes), boxes);
    }
    EXPECT_EQ(window->globals.SecondFilePending, 2);
}

TEST_F(FilePanelTest, RightClickOpensTheActionMenuOnTheSelectedFile) {
    writeFile(onC("TANDREL/PROGRAMS/A.TDX"), "");
    writeFile(onC("TANDREL/PROGRAMS/LONGNAME.TDX"), "");
    window->pointDirectoryList(programs);
    const auto rowCentre = [&](int row) {
        return window->File1->visualItemRect(window->File1->item(row)).center();
    };
    QTest::mouseClick(window->File1->viewport(), Qt::RightButton, {}, rowCentre(0));
    EXPECT_FALSE(window->List7->isVisible()) << "nothing selected: no menu";

    selectEntry(window->File1, "LONGNAME.TDX");
    QTest::mouseClick(window->File1->viewport(), Qt::RightButton, {}, rowCentre(0));
    EXPECT_EQ(window->File1->currentItem()->text(), "LONGNAME.TDX") << "selection stays";
    ASSERT_TRUE(window->List7->isVisible());
    EXPECT_EQ(textsOf(window->List7),
              QStringList({"CANCEL action on LONGNAME.TDX", "RENAME: LONGNAME.TDX",
                           "DELETE: LONGNAME.TDX"}));
    EXPECT_EQ(std::pair(window->List7->x(), window->List7->width()), std::pair(412, 212));

    window->List7->setCurrentRow(1);
    window->List7_Click();
    EXPECT_EQ(window->Text11->text() + '@' + QString::number(window->Text11->cursorPosition()),
              "LONGNAME.TDX@6");
    EXPECT_TRUE(window->Command10->isVisible() && window->Command11->isVisible());
    window->Text2_GotFocus();
    expectHidden(window.get(), {"List7", "Text11", "Command10", "Command11"});
    EXPECT_EQ(window->globals.ActionFileName, "LONGNAME.TDX") << "kept until the next menu";
}

TEST_F(FilePanelTest, RenameAndDeleteFromTheMenu) {
    // The directory, the entry (1 rename, 2 delete), the typed name or the answer ("y", "n"),
    // the listing after and what A.TDX holds then; B.TDX may exist before.
    const struct {
        QString directory;
        int entry;
        QString newName;
        QStringList listed;
        QByteArray aContent;
        const char* reason;
        bool otherFile = false;
    } cases[] = {
        {programs, 1, "B.TDX", {"B.TDX"}, "<missing>", "plain rename"},
        {"C:\\", 1, "B.TDX", {"B.TDX"}, "<missing>", "rename at the root"},
        {programs, 1, "B.TDX", {"B.TDX"}, "<missing>", "replaces another file", true},
        {programs, 1, "A.TDX", {"A.TDX"}, "a", "same name: file untouched"},
        {programs, 1, "a.tdx", {"a.tdx"}, "<missing>", "letter case only"},
        {programs, 1, "NOPE\\B.TDX", {"A.TDX"}, "a", "failed copy never erases"},
        {programs, 2, "y", {}, "<missing>", "delete answered Yes"},
        {programs, 2, "n", {"A.TDX"}, "a", "delete answered No"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.reason);
        const QString folder = row.directory == programs ? "TANDREL/PROGRAMS/" : "";
        QDir(onC(folder)).removeRecursively();
        QDir().mkpath(onC(folder));
        writeFile(onC(folder + "A.TDX"), "a");
        if (row.otherFile)
            writeFile(onC(folder + "B.TDX"), "b");
        window->pointDirectoryList(row.directory);
        selectEntry(window->File1, "A.TDX");
        window->File1_MouseDown(Qt::RightButton, {}, 0, 0);
        window->List7->setCurrentRow(row.entry);
        fake.messages.asked.clear();
        if (row.entry == 2)
            fake.messages.willAnswer(row.newName == "y" ? Answer::Yes : Answer::No);
        window->List7_Click();
        if (row.entry == 1) {
            window->Text11->setText(row.newName);
            window->Command10_Click();
        } else {
            EXPECT_EQ(fake.messages.texts(), QStringList{"Delete A.TDX"});
            EXPECT_EQ(fake.messages.asked.value(0).title, "A.TDX");
        }
        EXPECT_EQ(textsOf(window->File1), row.listed);
        EXPECT_EQ(readFile(onC(folder + "A.TDX")), row.aContent);
        if (row.listed.size() == 1 && row.listed[0] != "A.TDX") {
            EXPECT_EQ(readFile(onC(folder + row.listed[0])), "a");
        }
        EXPECT_FALSE(window->List7->isVisible() || window->Text11->isVisible());
    }
    // A name holding "\\" would name another file in a path: refused on either click.
    writeFile(onC("TANDREL/PROGRAMS/SUB\\A.TDX"), "odd");
    window->pointDirectoryList(programs);
    selectEntry(window->File1, "SUB\\A.TDX");
    fake.messages.asked.clear();
    window->File1_MouseDown(Qt::RightButton, {}, 0, 0);
    window->File1_Click();
    EXPECT_EQ(
        fake.messages.texts(),
        QStringList(2, "The file name \"SUB\\A.TDX\" holds a \"\\\"; Tandrel cannot use it."));
    EXPECT_FALSE(window->List7->isVisible());
    QFile::remove(onC("TANDREL/PROGRAMS/SUB\\A.TDX"));
    // The menu acts on the file it was opened on, after a click on another directory too.
    writeFile(onC("A.TDX"), "root");
    writeFile(onC("TANDREL/PROGRAMS/A.TDX"), "a");
    window->pointDirectoryList(programs);
    selectEntry(window->File1, "A.TDX");
    window->File1_MouseDown(Qt::RightButton, {}, 0, 0);
    window->pointDirectoryList("C:\\");
    window->List7->setCurrentRow(2);
    fake.messages.willAnswer(Answer::Yes);
    window->List7_Click();
    EXPECT_EQ(readFile(onC("A.TDX")), "root");
    EXPECT_EQ(readFile(onC("TANDREL/PROGRAMS/A.TDX")), "<missing>");
}

// An unreadable drive is told of when the user picks it, not during the quiet start-up steps.
TEST_F(FilePanelTest, AnUnreadableDriveGivesABoxOnlyWhenTheUserPicksIt) {
    fake.messages.asked.clear();
    for (const bool userPicks : {false, true}) {
        QDir().mkpath(fake.driveRoot('Z'));
        window->fillDriveList();
        window->Drive1->setCurrentIndex(window->Drive1->findData("Z:"));
        ASSERT_TRUE(QDir(fake.driveRoot('Z')).removeRecursively());
        if (userPicks)
            window->Drive1_Change();
        else
            window->pointDriveList("Z:");
    }
    EXPECT_EQ(fake.messages.texts(), QStringList{"The drive Z: cannot be read."});
    QDir().mkpath(fake.driveRoot('Z'));
}
