// The drive, directory and file lists and the texts they compose in the dialog and save fields.

#include "filepanel/path_rules.h"
#include "window/tandrel.h"

#include <QSignalBlocker>

namespace tandrel {

namespace {

const QString copyPrompt =
    QStringLiteral("Now select or type the path and file name you want to copy this file to.");
const QString renamePrompt =
    QStringLiteral("Now select or type the path and file name you want to rename this file.");
const QString overwriteWarning = QStringLiteral(
    "If you selected an existing file to copy to, be sure you really want to over write it!");
const QString replaceWarning =
    QStringLiteral("If you chose to rename this file a name matching an existing file, be sure "
                   "you really want to replace the existing file with the file you are renaming!");
const QString thirdFileRefusal = QStringLiteral(
    "You are trying to select a 3rd file, or an ' * ' has been put after your first file because "
    "you put the cursor in the manual fill-in field.  Delete the second file name including the "
    "' * ' or just the ' * ' if no second name has been entered yet.  Then you will be able to "
    "select a second file.  You can only have 2 files in this expression.");
const QString secondFileRefusal = QStringLiteral(
    "You are trying to select a 2nd file!  You can only have one file in this expression.");
const QString waitFileNote = QStringLiteral(
    "It appears you are selecting an existing file to 'wait' for.  This means the program will "
    "continue immediately since this file already exists.");

} // namespace

void Tandrel::connectFilePanel() {
    connect(Drive1, &QComboBox::activated, this, &Tandrel::Drive1_Change);
    connect(Dir1, &QListWidget::itemClicked, this, &Tandrel::Dir1_Click);
    connect(File1, &QListWidget::itemClicked, this, &Tandrel::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &Tandrel::File1_DblClick);
    connect(Text5, &ClickLineEdit::clicked, this, &Tandrel::Text5_Click);
    connect(Command2, &QPushButton::clicked, this, &Tandrel::Command2_Click);
    connect(Command6, &QPushButton::clicked, this, &Tandrel::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &Tandrel::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &Tandrel::Command8_Click);
    connect(Label2, &ClickLabel::clicked, this, &Tandrel::Label2_Click);
    connect(Label19, &ClickLabel::clicked, this, &Tandrel::Label19_Click);
    connectFileActions();
    fillDriveList();
}

void Tandrel::fillDriveList() {
    const QSignalBlocker quiet(Drive1);
    Drive1->clear();
    for (const QString& letter : platform.files.drives()) {
        const QString drive = letter + QLatin1Char(':');
        const QString host = platform.files.hostPath(drive + QLatin1Char('\\')).value_or(QString());
        Drive1->addItem(QStringLiteral("%1  (%2)").arg(drive.toLower(), host), drive);
    }
    Drive1->setCurrentIndex(Drive1->findData(dir1SelectedDrive));
}

void Tandrel::pointDriveList(const QString& drive) {
    const QSignalBlocker quiet(Drive1);
    const int index = Drive1->findData(drive.left(2).toUpper());
    if (index < 0)
        return;
    Drive1->setCurrentIndex(index);
    changeDrive(false);
}

void Tandrel::Drive1_Change() {
    changeDrive(true);
}

// Only a user's choice of drive is answered with a box; the start-up steps go on quietly.
void Tandrel::changeDrive(bool userChoice) {
    const QString drive = Drive1->currentData().toString();
    // The drive's directory when the list was there before, otherwise its root.
    const QString target =
        dir1Path.startsWith(drive, Qt::CaseInsensitive) ? dir1Path : drive + QLatin1Char('\\');
    if (!platform.files.list(target)) {
        // An absent or unreadable drive: the lists stay where they were.
        fillDriveList();
        platform.clock.yield();
        if (userChoice)
            platform.messages.inform(QStringLiteral("The drive %1 cannot be read.").arg(drive));
        return;
    }
    pointDirectoryList(target);
    if (Text5->isVisible())
        Text5->setText(dir1Path);
}

void Tandrel::pointDirectoryList(const QString& path) {
    const QString shown = shownDirectory(path);
    // One listing serves both lists: a directory of many files is read once per move.
    const std::optional<QList<DirectoryEntry>> entries = platform.files.list(shown);
    if (!entries)
        return;
    dir1Path = shown;
    dir1SelectedDrive = shown.left(2).toUpper();
    fillDriveList();
    fillDirectoryList(*entries);
    fillFileList(*entries);
    composeFieldsForDirectory();
}

void Tandrel::refreshDirectoryList() {
    fillDirectoryList(platform.files.list(dir1Path).value_or(QList<DirectoryEntry>{}));
}

void Tandrel::refreshFileList() {
    fillFileList(platform.files.list(dir1Path).value_or(QList<DirectoryEntry>{}));
}

void Tandrel::fillDirectoryList(const QList<DirectoryEntry>& entries) {
    QStringList subdirectories;
    for (const DirectoryEntry& entry : entries)
        if (entry.isDirectory && !entry.name.startsWith(QLatin1Char('.')))
            subdirectories.append(entry.name);
    subdirectories.sort(Qt::CaseInsensitive);
    Dir1->clear();
    for (const DirectoryRow& row : directoryRows(dir1Path, subdirectories)) {
        auto* item = new QListWidgetItem(row.label, Dir1);
        item->setData(Qt::UserRole, row.path);
        if (row.path == dir1Path)
            Dir1->setCurrentItem(item);
    }
}

void Tandrel::fillFileList(const QList<DirectoryEntry>& entries) {
    QStringList names;
    for (const DirectoryEntry& entry : entries)
        if (!entry.isDirectory && !entry.name.startsWith(QLatin1Char('.')))
            names.append(entry.name);
    names.sort(Qt::CaseInsensitive);
    File1->setUpdatesEnabled(false);
    File1->clear();
    File1->addItems(names);
    File1->setUpdatesEnabled(true);
}

void Tandrel::Dir1_Click() {
    const QListWidgetItem* item = Dir1->currentItem();
    if (!item)
        return;
    pointDirectoryList(item->data(Qt::UserRole).toString());
}

void Tandrel::Dir1_Change() {
    refreshFileList();
    composeFieldsForDirectory();
}

void Tandrel::composeFieldsForDirectory() {
    if (Text3->isVisible()) {
        Text7->hide();
        Command2->setText(QStringLiteral("Save"));
        Text3->setText(lineAfterDirectoryChange(Text3->text(), dir1Path));
    }
    if (Text5->isVisible())
        Text5->setText(saveFieldAfterDirectoryChange(dir1Path));
    if (Text5->text().endsWith(QStringLiteral("\\\\")))
        Text5->setText(Text5->text().chopped(1));
}

// A host file may hold "\" in its name, which a drive-letter path reads as a separator: such
// a path would name another file, so the name is refused rather than used.
bool Tandrel::usableFileName(const QString& name) {
    if (!name.contains(QLatin1Char('\\')))
        return true;
    platform.messages.inform(
        QStringLiteral("The file name \"%1\" holds a \"\\\"; Tandrel cannot use it.").arg(name));
    return false;
}

void Tandrel::File1_Click() {
    const QListWidgetItem* item = File1->currentItem();
    if (!item || !usableFileName(item->text()))
        return;
    const QString fileName = item->text();
    const QString startLine = Text3->text();
    if (Text5->isVisible())
        Text5->setText(joinPath(dir1Path, fileName));
    if (!Text3->isVisible())
        return;
    Text7->hide();
    Command2->setText(QStringLiteral("Save"));
    const FileClick click = lineAfterFileClick(startLine, dir1Path, fileName);
    const bool copying = startLine.startsWith(QStringLiteral("{File Copy}"));
    switch (click.outcome) {
    case FileClickOutcome::NotAFileLine:
        return;
    case FileClickOutcome::FirstFile:
        Text3->setText(click.line);
        platform.clock.yield();
        platform.messages.inform(copying ? copyPrompt : renamePrompt);
        globals.SecondFilePending = 2;
        break;
    case FileClickOutcome::SecondFile:
        Text3->setText(click.line);
        platform.clock.yield();
        platform.messages.inform(copying ? overwriteWarning : replaceWarning);
        break;
    case FileClickOutcome::ThirdFileRefused:
        platform.clock.yield();
        platform.messages.inform(thirdFileRefusal);
        return;
    case FileClickOutcome::OnlyFile:
        Text3->setText(click.line);
        break;
    case FileClickOutcome::SecondFileRefused:
        platform.clock.yield();
        platform.messages.inform(secondFileRefusal);
        break;
    }
    platform.clock.yield();
    if (startLine.startsWith(QStringLiteral("{File Wait}")))
        platform.messages.inform(waitFileNote);
}

void Tandrel::Text5_Click() {
    Text5->setText(saveFieldAfterClick(Text5->text()));
    Text5->setCursorPosition(Text5->text().size());
}

void Tandrel::File1_DblClick() {
    if (Command6->isVisible())
        Command6_Click();
}

} // namespace tandrel
