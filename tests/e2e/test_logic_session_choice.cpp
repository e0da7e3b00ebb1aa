#include "platform/common/session_choice.h"

#include <gtest/gtest.h>

namespace tandrel {
namespace {

TEST(SessionChoice, TheCompositorsProtocolsFirstThenXWaylandForX11WindowsOnlyThenPlainX11) {
    SessionFacts x11;
    x11.x11 = true;
    x11.x11Display = ":0";
    SessionFacts sway{true, true, true, true, true, true, "sway", ":1"};
    SessionFacts gnome{true, true, false, false, false, true, "ubuntu:GNOME", ":0"};
    SessionFacts kde = gnome;
    kde.desktop = "KDE";
    kde.dataControl = true;
    SessionFacts weston{true, false, false, false, false, false, "", ""};
    const struct {
        const char* desktop;
        SessionFacts facts;
        Mechanism typing, windows, clipboard;
        const char* typingSays;
        const char* limitationSays; // empty: keys reach every window
    } rows[] = {
        {"X11", x11, Mechanism::X11, Mechanism::X11, Mechanism::X11, "X11 XTest on display :0", ""},
        {"sway", sway, Mechanism::Wayland, Mechanism::Wayland, Mechanism::Wayland,
         "Wayland virtual keyboard", ""},
        {"GNOME", gnome, Mechanism::X11Windows, Mechanism::X11Windows, Mechanism::Qt,
         "X11 windows only: GNOME/mutter offers no virtual keyboard", "reach X11 windows only"},
        {"KDE", kde, Mechanism::X11Windows, Mechanism::X11Windows, Mechanism::Wayland,
         "KDE/KWin offers its fake input only", "reach X11 windows only"},
        {"weston", weston, Mechanism::None, Mechanism::None, Mechanism::Qt,
         "none: the compositor offers no seat, and no XWayland server runs",
         "Keys cannot reach other windows here: the compositor offers no seat"},
        {"console", SessionFacts{}, Mechanism::None, Mechanism::None, Mechanism::Qt,
         "none: no X11 or Wayland session", "cannot reach"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.desktop);
        const SessionChoice choice = chooseSession(row.facts);
        EXPECT_EQ(choice.typing.mechanism, row.typing);
        EXPECT_EQ(choice.windows.mechanism, row.windows);
        EXPECT_EQ(choice.clipboard.mechanism, row.clipboard);
        const QStringList report = sessionReport(choice);
        ASSERT_EQ(report.size(), 3);
        EXPECT_TRUE(report[0].startsWith(QStringLiteral("typing: ")) &&
                    report[0].contains(QLatin1String(row.typingSays)))
            << report[0].toStdString();
        EXPECT_EQ(choice.keysLimitation.isEmpty(), !*row.limitationSays);
        EXPECT_TRUE(choice.keysLimitation.contains(QLatin1String(row.limitationSays)))
            << choice.keysLimitation.toStdString();
    }
}

} // namespace
} // namespace tandrel
