// Runs one program file through the real window and the real back ends, the way the Test
// button does, for end-to-end tests. Message boxes are printed to standard output and
// answered OK, so that a failing line cannot leave a test waiting on a box.
// Exit status: 0 when the program ended the process itself ("{eXit}"), 3 when the run came
// back to the editor, 2 when the file could not be read.

#include "platform/real_platform.h"
#include "runner/program_file.h"
#include "window/tandrel.h"

#include <QApplication>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWindow>
#include <cstdio>

namespace {

class PrintedMessageBoxes : public tandrel::MessageBoxes {
public:
    tandrel::Answer ask(const QString& text, const QString& title, tandrel::Buttons) override {
        std::printf("box [%s] %s\n", qPrintable(title), qPrintable(text));
        std::fflush(stdout);
        return tandrel::Answer::Ok;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 2;

    tandrel::RealPlatform realPlatform;
    PrintedMessageBoxes messages;
    const tandrel::Platform real = realPlatform.platform();
    tandrel::Tandrel window(tandrel::Platform{
        real.keystrokes, real.windows, real.processes, real.clipboard, real.files, messages,
        real.clock, real.printer, real.display, real.shortcuts, real.processEnd});
    window.List2->addItems(tandrel::decodeProgram(file.readAll()));
    window.show();
    window.activateWindow();
    // As after a click on Test, the window is up and has the focus before the program starts:
    // its own activation must not take the focus from a window the program activates.
    QEventLoop settling;
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, &settling, [&](QWindow* focus) {
        if (focus == window.windowHandle())
            settling.quit();
    });
    QTimer::singleShot(30000, &settling, &QEventLoop::quit);
    if (QGuiApplication::focusWindow() != window.windowHandle())
        settling.exec();
    window.Command1_Click();
    return 3;
}
