// Start-up: the screen check, the home directory, installing or removing, and the start
// screen that waits for the user's first choice.

#include "startup/installation.h"
#include "startup/screen_check.h"
#include "startup/windows_drive.h"
#include "window/colours.h"
#include "window/tandrel.h"

namespace tandrel {

namespace {

constexpr qint64 kFlashMs = 350;

const QString kNoWindowsDrive = QStringLiteral(
    "If your main drive is not C, D, E, F, G, H, I OR J this program will not work.");
const QString kUpdateComplete = QStringLiteral("This Tandrel update is complete.");
const QString kUninstallTitle = QStringLiteral("UNINSTALL Tandrel");
const QString kUninstallQuestion = QStringLiteral(
    "UNINSTALL will REMOVE ALL Tandrel programs, files, and directories including any you have "
    "created.  You may want to backup your own before continuing with this uninstall "
    "procedure.  To continue this uninstall press 'OK' to stop here press 'CANCEL'");
const QString kRemovedByHand = QStringLiteral(
    "The Please manually remove the (your drive):\\Tandrel\\Tandrel.exe directory and program "
    "the related files and directories have been removed.  From the control panel select "
    "Add/Remove Programs and select to remove Tandrel.  This will complete the uninstall.");
const QString kRemoved = QStringLiteral(
    "The Tandrel program has been removed along with related files and directories.  From the "
    "control panel select Add/Remove Programs and select to remove Tandrel.  This will "
    "complete the uninstall.");

bool isOption(const QString& argument, QChar letter) {
    return argument.compare(QStringLiteral("/") + letter, Qt::CaseInsensitive) == 0;
}

} // namespace

void Tandrel::CheckScreenResolution() {
    checkScreenResolution(platform.display, platform.messages);
}

void Tandrel::Form_Load() {
    CheckScreenResolution();
    globals.ProgramPath.clear();
    globals.PanelMode = 0;
    globals.SecondFilePending = 0;
    globals.ShiftChoice = 0;
    globals.SkipNewProgramQuestion = 0;
    globals.CommandLine = processArgument;
    if (globals.CommandLine.isEmpty())
        LoadHelpManual();

    const auto drive = findWindowsDrive(platform.files);
    if (!drive) {
        platform.clock.yield();
        platform.messages.inform(kNoWindowsDrive);
        platform.processEnd.endProcess();
        return;
    }
    globals.WindowsDrive = *drive;
    globals.HomeDir = *drive + QStringLiteral(":\\TANDREL\\");
    const bool homeExists = platform.files.directoryExists(globals.HomeDir);
    platform.clock.yield();
    show();
    platform.clock.yield();

    const InstallTarget target{platform.files, platform.shortcuts, platform.clock, globals.HomeDir,
                               executablePath};
    if (isOption(globals.CommandLine, QLatin1Char('x'))) {
        if (platform.messages.ask(kUninstallQuestion, kUninstallTitle, Buttons::OkCancel) ==
            Answer::Ok) {
            const bool left = uninstall(platform.files, platform.shortcuts, *drive);
            platform.clock.yield();
            platform.messages.inform(left ? kRemovedByHand : kRemoved);
            platform.processEnd.endProcess();
            return;
        }
        globals.CommandLine.clear();
    }
    if (isOption(globals.CommandLine, QLatin1Char('u')) && homeExists) {
        installExecutableAndShortcuts(target, [](Clock& clock) { clock.yield(); });
        show();
        platform.clock.yield();
        platform.messages.inform(kUpdateComplete);
    }
    globals.CommandLine.clear();
    if (!homeExists) {
        installFirstTime(target);
        globals.HomeDir += QStringLiteral("PROGRAMS\\");
    }
    pointDriveList(globals.HomeDir.left(2));
    pointPanelAtPrograms();
    globals.CommandName.clear();
    globals.CommandLine.clear();
    if (!processArgument.isEmpty())
        RunFromCommandLine();
    show();

    waitOnStartScreen();
    pointPanelAtPrograms();
}

void Tandrel::pointPanelAtPrograms() {
    if (globals.HomeDir.endsWith(QStringLiteral("REL\\")))
        globals.HomeDir += QStringLiteral("PROGRAMS\\");
    pointDirectoryList(globals.HomeDir);
}

void Tandrel::waitOnStartScreen() {
    do {
        Command1->hide();
        Command12->hide();
        for (const PaletteColour colour : {PaletteColour::LightCyan, PaletteColour::Yellow}) {
            setBackground(Label1, classicColour(colour));
            show();
            platform.clock.waitFor(kFlashMs);
        }
    } while (!Picture1->isHidden());
    setBackground(Label1, classicColour(PaletteColour::White));
    show();
}

} // namespace tandrel
