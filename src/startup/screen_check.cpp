#include "startup/screen_check.h"

namespace tandrel {

namespace {

const QSize kSmallest(1024, 768);

QString tooSmallQuestion(const QSize& size) {
    return QStringLiteral("Your screen settings are %1 By %2.  To display Tandrel your screen "
                          "settings must be at least 1024 by 768.  To change your settings "
                          "press 'YES'.  To leave your settings as they are press 'NO'.")
        .arg(size.width())
        .arg(size.height());
}

const QString kKeepQuestion = QStringLiteral(
    "If you are unhappy about the way your screen looks press 'CANCEL' to reset your screen to "
    "it's original settings.  To keep these settings press 'OK'.  If you choose to keep these "
    "settings you can always change them later by selecting START - SETTINGS - CONTROL PANEL - "
    "DISPLAY - SETTINGS from the Windows START menu.  If the START Menu Bar is in the wrong "
    "place grab it with your mouse and reposition it.  Do NOT reposition your START Bar IF you "
    "choose to CANCEL this option.  If you loose your Start Bar by repositioning it and then "
    "canceling this option press Ctrl-Esc and select Shut Down - Restart to Reboot your "
    "computer.");

} // namespace

void checkScreenResolution(Display& display, MessageBoxes& messages) {
    const QSize original = display.screenSize();
    if (original.width() >= kSmallest.width() && original.height() >= kSmallest.height())
        return;
    if (messages.ask(tooSmallQuestion(original), applicationTitle, Buttons::YesNo) != Answer::Yes)
        return;
    QSize wanted = kSmallest;
    for (;;) {
        DisplayMode mode;
        mode.size = wanted;
        if (!display.change(mode))
            messages.inform(QStringLiteral("Mode not supported"), QStringLiteral("Error"));
        if (wanted == original)
            return;
        if (messages.ask(kKeepQuestion, applicationTitle, Buttons::OkCancel) == Answer::Ok)
            return;
        wanted = original;
    }
}

} // namespace tandrel
