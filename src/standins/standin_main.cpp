#include "standins/standin_main.h"

#include "platform/posix/drive_file_system.h"
#include "platform/qt/qt_services.h"
#include "standins/calculator_window.h"
#include "standins/notepad_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstring>

namespace tandrel {

namespace {

// The file as Notepad takes it: the whole rest of the command line, blanks included, so that
// an unquoted "C:\My Notes.txt" names one file; a drive-letter path is found on its drive, and
// is nothing where that drive is not there.
std::optional<QString> notepadFile(const QString& name) {
    if (name.isEmpty())
        return QString();
    if (name.contains(QRegularExpression(QStringLiteral("^[A-Za-z]:"))))
        return DriveFileSystem(DriveFileSystem::configuredRoots()).hostPath(name);
    return QFileInfo(name).absoluteFilePath();
}

int showAndRun(QApplication& app, QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    return app.exec();
}

} // namespace

bool asksForStandIn(int argc, char** argv) {
    return argc >= 2 &&
           (std::strcmp(argv[1], "--notepad") == 0 || std::strcmp(argv[1], "--calculator") == 0);
}

int runStandIn(int& argc, char** argv) {
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "--calculator") == 0) {
        CalculatorWindow window;
        return showAndRun(app, window);
    }
    QtMessageBoxes messages;
    const QString name = QCoreApplication::arguments().mid(2).join(QLatin1Char(' '));
    const std::optional<QString> file = notepadFile(name);
    // Taken as a name in the current directory, a save would make a file called "Q:\notes.txt".
    if (!file)
        messages.inform(QStringLiteral("%1 could not be opened: the drive %2: is not ready.")
                            .arg(name, name.left(1).toUpper()),
                        QStringLiteral("Notepad"));
    NotepadWindow window(messages, file.value_or(QString()));
    return showAndRun(app, window);
}

} // namespace tandrel
