#include "platform/real_platform.h"
#include "runner/command_line.h"
#include "window/tandrel.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tandrel::RealPlatform realPlatform;
    tandrel::Tandrel window(realPlatform.platform());
    window.processArgument = tandrel::joinedArgument(app.arguments().mid(1));
    window.show();
    // Until the start-up sequence takes this over.
    window.globals.HomeDir = window.globals.WindowsDrive + QStringLiteral(":\\TANDREL\\PROGRAMS\\");
    if (!window.processArgument.isEmpty())
        window.RunFromCommandLine();
    return app.exec();
}
