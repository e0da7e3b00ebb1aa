// The ALT, CTRL and SHIFT dialogs: the keys typed behind the modifier token, and the choice
// whether special keys act in the dialog field or are recorded as keystrokes.

#include "window/tandrel.h"
#include "window/virtual_keys.h"

namespace tandrel {

namespace {

QString modifierPrompt(const QString& key) {
    return QStringLiteral("Enter the keys below that you want typed while I hold down the %1 "
                          "key.   For %1-A type A.   For %1 A, %1 B, and %1 Backspace - Type AB "
                          "and from the special key's select BACKSPACE.   When you are finished "
                          "with this %1 statement, press DONE.")
        .arg(key);
}

// How long the two Enter keys sent to our own field may take to come back.
constexpr qint64 ownKeysDeadlineMs = 2000;

} // namespace

void Tandrel::openModifierDialog(const QString& key) {
    openDialogPanel();
    Label21->setText(modifierPrompt(key));
    Option1_Click();
}

void Tandrel::ShowAltDialog() {
    openModifierDialog(QStringLiteral("ALT"));
}

void Tandrel::ShowCtrlDialog() {
    openModifierDialog(QStringLiteral("CTRL"));
}

void Tandrel::ShowShiftDialog() {
    openModifierDialog(QStringLiteral("SHIFT"));
}

void Tandrel::Option1_Click() {
    RestoreTypingFocus();
}

void Tandrel::Option2_Click() {
    RestoreTypingFocus();
}

void Tandrel::switchOn(QRadioButton* option) {
    option->setChecked(true);
    if (option == Option1)
        Option1_Click();
    else
        Option2_Click();
}

void Tandrel::RestoreTypingFocus() {
    if (Text3->isHidden() && !Text2->isHidden())
        Text2->setFocus();
    Text3->end(false);
    if (!Text3->isHidden()) {
        Text3->setFocus();
        Command2->setText(QStringLiteral("Save"));
        Text7->hide();
    }
}

void Tandrel::Text3_KeyDown(int keyCode) {
    if (keyCode == VirtualKey::Enter)
        ++dialogEntersSeen;
    if (!Option1->isChecked() && !Option2->isChecked())
        switchOn(Option1);
    if (Option1->isChecked())
        return;
    const QString token = dialogFieldToken(keyCode);
    if (!token.isEmpty()) {
        Text3->setText(Text3->text() + token);
        if (keyCode == VirtualKey::Alt || keyCode == VirtualKey::F10)
            runDialogAltSequence();
    }
    RestoreTypingFocus();
}

void Tandrel::runDialogAltSequence() {
    switchOn(Option1);
    platform.clock.waitFor(100);
    const int entersBefore = dialogEntersSeen;
    const bool sent = platform.keystrokes.send(QStringLiteral("~~"), false).isOk();
    platform.clock.waitFor(200);
    // Both keys must have arrived while keys act normally, or they would be recorded.
    const qint64 deadline = platform.clock.monotonicMs() + ownKeysDeadlineMs;
    while (sent && dialogEntersSeen < entersBefore + 2 && platform.clock.monotonicMs() < deadline)
        platform.clock.waitFor(10);
    switchOn(Option2);
}

} // namespace tandrel
