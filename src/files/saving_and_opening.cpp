// The save and open panel: writing the program under edit to a file and loading one back.

#include "script/program_file.h"
#include "window/colours.h"
#include "window/tandrel.h"

#include <QRegularExpression>

namespace tandrel {

namespace {

const QString replaceQuestion = QStringLiteral(
    "You have a program loaded.  Press 'Yes' to replace this program.  Press 'No' to cancel "
    "this option.  NOTE: If you have just written this program and have not saved it, it will "
    "be lost.");
const QString runQuestion = QStringLiteral(
    "You have a program loaded.  Press 'Yes' to run this program.  Press 'No' to choose a "
    "different program to run.  NOTE: If you have just written this program and have not saved "
    "it, it will be lost.");

QStringList linesOf(const QListWidget* list) {
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines.append(list->item(row)->text());
    return lines;
}

} // namespace

void Tandrel::Command2_Click() {
    if (Command2->text() == QStringLiteral("OK")) {
        Command4_Click();
        return;
    }
    if (List2->count() == 0) {
        platform.messages.inform(
            QStringLiteral("You do not have any code written.  I have no file to save."));
        return;
    }
    Text8->show();
    pointDirectoryList(globals.HomeDir);
    Text4->show();
    Text5->show();
    Text5->setText(Label25->text().size() >= 4 ? Label25->text() : globals.HomeDir);
    for (QWidget* control :
         std::initializer_list<QWidget*>{Drive1, Dir1, File1, Command7, Command6, Label13})
        control->show();
    List2->resize(4200 / 15, List2->height());
}

void Tandrel::Command6_Click() {
    setBackground(Label2, classicColour(PaletteColour::White));
    setBackground(Label19, classicColour(PaletteColour::White));
    if (globals.PanelMode == 0)
        saveProgram();
    else
        openProgram();
}

void Tandrel::saveProgram() {
    // A path that ends in a directory would make a file named ".TDX", which the lists hide.
    const QString name = Text5->text().section(QRegularExpression(QStringLiteral("[\\\\/]")), -1);
    if (name.trimmed().isEmpty()) {
        platform.messages.inform(QStringLiteral(
            "You have not given your program a file name.  Type one after the directory."));
        return;
    }
    if (!Text5->text().contains(QLatin1Char('.')))
        Text5->setText(Text5->text() + QStringLiteral(".TDX"));
    const QString path = Text5->text();
    const Status written = writeProgram(platform.files, path, linesOf(List2));
    refreshFileList();
    platform.clock.yield();
    if (!written) {
        // The panel stays open so that another path can be tried; the old file is untouched.
        platform.messages.inform(QStringLiteral("Your program could not be saved in the file:  ") +
                                 path + QStringLiteral("  ") + written.reason());
        return;
    }
    platform.messages.inform(QStringLiteral("Your program has been saved in the file:  ") + path);
    Text8->hide();
    Label25->setText(path);
    Label25->show();
    globals.PanelMode = 0;
    CloseFilePanel();
}

void Tandrel::openProgram() {
    Label21->hide();
    const QString path = Text5->text();
    const std::optional<QStringList> lines =
        path.trimmed().isEmpty() ? std::nullopt : readProgram(platform.files, path);
    if (!lines) {
        platform.clock.yield();
        platform.messages.inform(QStringLiteral("You have not selected a valid file to open."));
        return;
    }
    List2->clear();
    globals.ProgramPath = path;
    Label25->setText(path);
    Label25->show();
    List2->addItems(*lines);
    Text8->hide();
    if (globals.PanelMode == 1) {
        Label21->hide();
    } else {
        globals.PanelMode = 0;
    }
    CloseFilePanel();
}

void Tandrel::Command7_Click() {
    setBackground(Label2, classicColour(PaletteColour::White));
    setBackground(Label19, classicColour(PaletteColour::White));
    Text8->hide();
    List2->show();
    for (QWidget* timer : std::initializer_list<QWidget*>{List3, List4, List5, Text10})
        timer->hide();
    globals.PanelMode = 0;
    CloseFilePanel();
}

void Tandrel::Label19_Click() {
    refreshDirectoryList();
    refreshFileList();
    globals.PanelMode = 0;
    ShowProgramPanel();
    pointDirectoryList(globals.HomeDir);
    Text5->setText(dir1Path);
}

void Tandrel::ShowProgramPanel() {
    if (Picture1->isVisible()) {
        List2->clear();
        Command5_Click();
    }
    Text6->hide();
    Picture1->hide();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Command1, Command12, Command2, Command8})
        control->show();
    Text8->show();
    showMaximized();
    if (globals.PanelMode != 1) {
        if (List2->count() > 0 && platform.messages.ask(replaceQuestion, applicationTitle,
                                                        Buttons::YesNo) == Answer::No) {
            globals.PanelMode = 0;
            Text8->hide();
            Command7_Click();
            return;
        }
    } else {
        platform.clock.yield();
        if (List2->count() > 0 &&
            platform.messages.ask(runQuestion, applicationTitle, Buttons::YesNo) == Answer::Yes)
            CloseFilePanel();
    }
    const bool running = globals.PanelMode == 1;
    setBackground(Label2,
                  classicColour(running ? PaletteColour::LightMagenta : PaletteColour::White));
    setBackground(Label19,
                  classicColour(running ? PaletteColour::White : PaletteColour::LightMagenta));
    for (QWidget* control : std::initializer_list<QWidget*>{Text4, Text5, Drive1, Dir1, File1,
                                                            Command7, Command6, Label13})
        control->show();
    List2->resize(4200 / 15, List2->height());
    Command6->setText(QStringLiteral("Open File"));
    Command7->setText(QStringLiteral("Cancel"));
    if (globals.PanelMode == 0)
        globals.PanelMode = 2;
}

} // namespace tandrel
