// The Run button, the small run window and the program named on the command line.

#include "runner/command_line.h"
#include "window/tandrel.h"

namespace tandrel {

void Tandrel::Label2_Click() {
    refreshDirectoryList();
    refreshFileList();
    Text6->hide();
    if (Picture1->isVisible()) {
        List2->clear();
        Command5_Click();
    }
    Picture1->hide();
    for (QWidget* control :
         std::initializer_list<QWidget*>{Command1, Command12, Command2, Command8})
        control->show();
    Text8->hide();
    showMaximized();
    globals.PanelMode = 1;
    ShowProgramPanel();
}

void Tandrel::startChosenRun() {
    Label21->hide();
    globals.PanelMode = 0;
    // 3000 x 800 twips, its left edge 2550 twips from the right of the screen: the right
    // part lies beyond the edge, out of the way of the windows the program types into.
    const QSize screen = platform.display.screenSize();
    showNormal();
    setGeometry(screen.width() - 2550 / 15, screen.height() - 1800 / 15, 3000 / 15, 800 / 15);
    show();
    Command1_Click();
}

void Tandrel::RunFromCommandLine() {
    globals.CommandLine = processArgument;
    if (!isInstallationOption(globals.CommandLine)) {
        globals.CommandName = globals.CommandLine;
        globals.CommandLine = programFileName(globals.CommandLine);
        const std::optional<QString> program =
            findCommandLineProgram(platform.files, globals.HomeDir, globals.CommandName);
        if (program) {
            Label21->hide();
            globals.PanelMode = 1;
            globals.CommandLine = *program;
            Text5->setText(*program);
            Command6_Click();
        } else {
            platform.clock.yield();
            platform.messages.inform(
                programNotFoundText(globals.CommandName, globals.HomeDir.left(1)));
        }
    }
    LoadHelpManual();
}

void Tandrel::Command8_Click() {
    platform.clock.yield();
    if (Command8->text() == QStringLiteral("Run From Command Line")) {
        const QString d = globals.HomeDir.left(1);
        platform.messages.inform(
            QStringLiteral("This TANDREL program should be in the ") + d +
            QStringLiteral(":\\TANDREL\\ folder or directory. It appears as '") + d +
            QStringLiteral(":\\TANDRL\\TANDREL.EXE'  The programs you create are in a folder or "
                           "directory called ") +
            d +
            QStringLiteral(":\\TANDREL\\PROGRAMS with a '.TDX' ending.  If you wrote a program "
                           "and named it 'MINE' it would be saved as '") +
            d +
            QStringLiteral(":\\TANDREL\\PROGRAMS\\MINE.TDX'   To run the TANDREL program from "
                           "Windows or any Windows program capable of 'running' another "
                           "executable program you would specify it as '") +
            d +
            QStringLiteral(":\\TANDREL\\TANDREL.EXE'   To run a program you create using Tandrel "
                           "such as 'MINE' you would specify it as '") +
            d +
            QStringLiteral(":\\TANDREL\\TANDRL.EXE MINE' or if your calling program does not "
                           "require that the '.EXE' be included when specifying an executable "
                           "program you could use   ") +
            d + QStringLiteral(":\\TANDREL\\TANDRL MINE"));
    } else if (Command8->text() == QStringLiteral("Cancel This Edit")) {
        Command5_Click();
    }
}

} // namespace tandrel
