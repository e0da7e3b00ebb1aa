#include "platform/common/session_choice.h"

namespace tandrel {

namespace {

// Why a Wayland compositor gives us no virtual keyboard, for the desktops users ask about.
QString whyNoVirtualKeyboard(const QString& desktop) {
    if (desktop.contains(QLatin1String("GNOME"), Qt::CaseInsensitive))
        return QStringLiteral("GNOME/mutter offers no virtual keyboard to applications");
    if (desktop.contains(QLatin1String("KDE"), Qt::CaseInsensitive))
        return QStringLiteral("KDE/KWin offers its fake input only to programs it lists");
    return QStringLiteral("the compositor offers no virtual keyboard");
}

ServiceChoice wayland(const QString& what, const char* protocol) {
    return {Mechanism::Wayland,
            QStringLiteral("Wayland %1 (%2)").arg(what, QLatin1String(protocol))};
}

ServiceChoice x11Choice(const SessionFacts& facts, const QString& what) {
    return {Mechanism::X11, QStringLiteral("X11 %1 on display %2").arg(what, facts.x11Display)};
}

ServiceChoice throughXWayland(const QString& what, const QString& why) {
    return {Mechanism::X11Windows,
            QStringLiteral("X11 %1 through XWayland; X11 windows only: %2").arg(what, why)};
}

ServiceChoice none(const QString& why) {
    return {Mechanism::None, QStringLiteral("none: ") + why};
}

ServiceChoice chooseTyping(const SessionFacts& facts) {
    if (facts.wayland && facts.seat && facts.virtualKeyboard)
        return wayland(QStringLiteral("virtual keyboard"), "zwp_virtual_keyboard_manager_v1");
    if (!facts.wayland)
        return facts.x11 ? x11Choice(facts, QStringLiteral("XTest"))
                         : none(QStringLiteral("no X11 or Wayland session was found"));
    const QString why = facts.seat ? whyNoVirtualKeyboard(facts.desktop)
                                   : QStringLiteral("the compositor offers no seat");
    return facts.x11 ? throughXWayland(QStringLiteral("XTest"), why)
                     : none(why + QStringLiteral(", and no XWayland server runs"));
}

ServiceChoice chooseWindows(const SessionFacts& facts) {
    if (facts.wayland && facts.seat && facts.toplevelList)
        return wayland(QStringLiteral("foreign toplevel list"), "zwlr_foreign_toplevel_manager_v1");
    if (!facts.wayland)
        return facts.x11 ? x11Choice(facts, QStringLiteral("window list"))
                         : none(QStringLiteral("no X11 or Wayland session was found"));
    const QString why = QStringLiteral("the compositor lists no windows to applications");
    return facts.x11 ? throughXWayland(QStringLiteral("window list"), why)
                     : none(why + QStringLiteral(", and no XWayland server runs"));
}

ServiceChoice chooseClipboard(const SessionFacts& facts) {
    if (facts.wayland && facts.seat && facts.dataControl)
        return wayland(QStringLiteral("data control"), "zwlr_data_control_manager_v1");
    if (!facts.wayland && facts.x11)
        return x11Choice(facts, QStringLiteral("CLIPBOARD through Qt"));
    return {Mechanism::Qt,
            QStringLiteral("Qt's clipboard; only while Tandrel's window is active: the "
                           "compositor offers no data control")};
}

} // namespace

SessionChoice chooseSession(const SessionFacts& facts) {
    SessionChoice choice{chooseTyping(facts), chooseWindows(facts), chooseClipboard(facts), {}};
    if (choice.typing.mechanism == Mechanism::X11Windows)
        choice.keysLimitation =
            QStringLiteral(
                "Keys reach X11 windows only on this desktop: %1. Native Wayland windows get "
                "nothing; a key line stops the program when such a window has the focus.")
                .arg(whyNoVirtualKeyboard(facts.desktop));
    else if (choice.typing.mechanism == Mechanism::None)
        choice.keysLimitation =
            QStringLiteral("Keys cannot reach other windows here: %1.")
                .arg(choice.typing.description.mid(QStringLiteral("none: ").size()));
    return choice;
}

QStringList sessionReport(const SessionChoice& choice) {
    return {QStringLiteral("typing: ") + choice.typing.description,
            QStringLiteral("windows by title: ") + choice.windows.description,
            QStringLiteral("clipboard: ") + choice.clipboard.description};
}

} // namespace tandrel
