#include "qt_printers.h"
#include "target_window.h"
#include "x11_probe.h"
#include "x11_session.h"
#include "platform/x11/x11_keystrokes.h"
#include <QElapsedTimer>
#include <QThread>
#include <iostream>
namespace tandrel::e2e {
namespace {
class Scratch : public BareX11Test {};
TEST_F(Scratch, FirstSend)
{
    X11Probe probe;
    for (int round = 0; round < 20; ++round) {
        TargetWindow target(QStringLiteral("T"));
        ASSERT_TRUE(target.started());
        probe.focus(*probe.windowOf(target.pid()));
        target.awaitRecord([](const TargetRecord& r) { return r.active; });
        X11Keystrokes keystrokes(x11::openDisplay());
        QElapsedTimer t; t.start();
        ASSERT_TRUE(keystrokes.send(QStringLiteral("abc"), true));
        const auto sendMs = t.elapsed();
        const QString now = target.record().text;
        QElapsedTimer w; w.start();
        target.awaitRecord([](const TargetRecord& r) { return r.text == "abc"; });
        std::cerr << "send " << sendMs << " ms, at return '" << now.toStdString() << "', complete after " << w.elapsed() << " ms\n";
    }
}
}
}
