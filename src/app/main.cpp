#include "app/program_mirror.h"
#include "platform/real_platform.h"
#include "window/tandrel.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    tandrel::RealPlatform realPlatform;
    tandrel::Tandrel window(realPlatform.platform());
    tandrel::mirrorProgramIfAsked(window.List2);
    window.show();
    return app.exec();
}
