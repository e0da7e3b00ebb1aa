#include "platform/real_platform.h"
#include "window/tandrel.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tandrel::RealPlatform realPlatform;
    tandrel::Tandrel window(realPlatform.platform());
    // The manual is filled when no program was named; a named program's run fills it later.
    if (app.arguments().size() < 2)
        window.LoadHelpManual();
    window.show();
    return app.exec();
}
