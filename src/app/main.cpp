#include "app/command_line_tools.h"
#include "app/program_mirror.h"
#include "platform/posix/xdg_shortcuts.h"
#include "platform/real_platform.h"
#include "platform/session_probe.h"
#include "platform/x11/x11_display.h"
#include "runner/command_line.h"
#include "standins/standin_main.h"
#include "window/tandrel.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a plugin list when it finds no display; say plainly what is missing instead.
// A Wayland session without XWayland is a graphical session too.
bool graphicalSessionAnswers() {
    if (tandrel::x11::openDisplay() || tandrel::openWaylandConnection())
        return true;
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    std::fprintf(stderr,
                 "tandrel: cannot open display \"%s\" nor Wayland display \"%s\": a graphical "
                 "session is needed.\n",
                 display ? display : "", wayland ? wayland : "");
    return false;
}

// Where keys reach X11 windows only (GNOME, KDE), Tandrel's own window must be one of them:
// the editor types into itself. Elsewhere Qt runs on whatever the session gives.
void chooseQtPlatform() {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return;
    const auto wayland = tandrel::openWaylandConnection();
    const tandrel::SessionChoice choice =
        tandrel::chooseSession(tandrel::probeSession(wayland.get()));
    if (choice.typing.mechanism == tandrel::Mechanism::X11Windows)
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char* argv[]) {
    const bool standIn = tandrel::asksForStandIn(argc, argv);
    if (const auto status = standIn ? std::nullopt : tandrel::runCommandLineTool(argc, argv))
        return *status;
    if (!graphicalSessionAnswers())
        return 1;
    chooseQtPlatform();
    if (standIn)
        return tandrel::runStandIn(argc, argv);
    // The compositor finds the window's menu entry, and with it the icon, by this id.
    QGuiApplication::setDesktopFileName(tandrel::desktopFileId());
    QApplication app(argc, argv);
    tandrel::RealPlatform realPlatform;
    tandrel::Tandrel window(realPlatform.platform());
    tandrel::mirrorProgramIfAsked(window.List2);
    window.processArgument = tandrel::joinedArgument(QCoreApplication::arguments().mid(1));
    window.Form_Load();
    return app.exec();
}
