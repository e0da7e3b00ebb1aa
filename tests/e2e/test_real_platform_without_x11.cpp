#include "platform/real_platform.h"
#include "platform/unavailable.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tandrel {
namespace {

// A session without an X server (a console, Wayland without XWayland) gets a plain reason
// instead of keystrokes that go nowhere.
TEST(RealPlatformWithoutX11, KeystrokesAndWindowsSayThatTheyNeedAnX11Session) {
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    qunsetenv("DISPLAY");
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    int argc = 1;
    char name[] = "test";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    RealPlatform real;
    Platform platform = real.platform();
    for (const Status& status : {platform.keystrokes.send(QStringLiteral("abc"), true),
                                 platform.windows.activate(QStringLiteral("Anything"))}) {
        EXPECT_FALSE(status);
        EXPECT_EQ(status.reason(), noX11Reason);
    }
    platform.keystrokes.releaseAll();
}

} // namespace
} // namespace tandrel
