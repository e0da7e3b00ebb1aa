// The typing field: every key pressed there becomes a program line. Special keys write their
// token into the field, and the field's change handler inserts whatever the field holds.

#include "window/colours.h"
#include "window/insertion.h"
#include "window/tandrel.h"
#include "window/virtual_keys.h"

namespace tandrel {

namespace {

const QString shiftQuestion =
    QStringLiteral("Press OK to insert the word '{SHIFT}' or HOLD THE SHIFT KEY DOWN and PRESS "
                   "CANCEL to Capitalize/Lowercase your keyboard.");
const QString capsLockQuestion = QStringLiteral(
    "Press OK to insert the word '{CAPSLOCK}.'  This will also change the case coming out of "
    "your keyboard.  Note most programs cannot respond to CAPSLOCK so it generally has no "
    "effect.  It is a keyboard function.   PRESS CANCEL to Capitalize/Lowercase your keyboard "
    "without inserting '{CAPSLOCK}'. ");
const QString blankLineNotice =
    QStringLiteral("This line will appear blank, but it will contain a SPACE.");

// How long a key sent to our own field may take to come back before we give up on it.
constexpr qint64 ownKeysDeadlineMs = 2000;

} // namespace

void Tandrel::Text2_KeyDown(int keyCode) {
    if (globals.ShiftChoice < 2)
        recordKey(keyCode);
    if (globals.ShiftChoice == 2)
        returnToTyping();
}

void Tandrel::recordKey(int keyCode) {
    switch (keyCode) {
    case VirtualKey::Shift:
        Text3->setText(QStringLiteral("{SHIFT}"));
        globals.ShiftChoice =
            platform.messages.ask(shiftQuestion, applicationTitle, Buttons::OkCancel) == Answer::Ok
                ? 1
                : 2;
        if (globals.ShiftChoice == 1) {
            platform.clock.yield();
            ShowShiftDialog();
            platform.clock.yield();
            Text3->setFocus();
        }
        return;
    case VirtualKey::Alt:
        Text2->clear();
        Text3->setText(QStringLiteral("{ALT}"));
        platform.clock.waitFor(100);
        platform.clock.waitFor(100);
        ShowAltDialog();
        return;
    case VirtualKey::Ctrl:
        Text3->setText(QStringLiteral("{CTRL}"));
        ShowCtrlDialog();
        return;
    case VirtualKey::F10:
        // Without the full stop the sequence's own line is the key's one line.
        if (!runF10Sequence()) {
            globals.LastKeyCode = qint16(keyCode);
            return;
        }
        break;
    }
    if (keyCode == VirtualKey::Delete && globals.LastKeyCode != VirtualKey::Delete) {
        globals.LastKeyCode = VirtualKey::Delete;
        Text2->setFocus();
        Text2->setText(QStringLiteral("{DELETE}"));
        return;
    }
    if (keyCode == globals.LastKeyCode) {
        // The field already shows this key's token: setting it again would be no change.
        Text2_Change();
        return;
    }
    globals.LastKeyCode = qint16(keyCode);
    if (keyCode == VirtualKey::CapsLock) {
        if (platform.messages.ask(capsLockQuestion, applicationTitle, Buttons::OkCancel) ==
            Answer::Ok)
            Text2->setText(QStringLiteral("{CAPSLOCK}"));
        return;
    }
    const QString token = typingFieldToken(keyCode);
    if (!token.isEmpty())
        Text2->setText(token);
}

bool Tandrel::runF10Sequence() {
    const QString token = QStringLiteral("{F10}");
    if (Text2->text() == token)
        Text2_Change();
    else
        Text2->setText(token);
    platform.clock.waitFor(100);
    const int linesBefore = List2->count();
    const bool sent = platform.keystrokes.send(QStringLiteral("."), false).isOk();
    platform.clock.waitFor(100);
    // On a busy machine the full stop may take longer than the pause to come back; removing a
    // line before it has arrived would remove the user's line instead.
    const qint64 deadline = platform.clock.monotonicMs() + ownKeysDeadlineMs;
    while (sent && List2->count() == linesBefore && platform.clock.monotonicMs() < deadline)
        platform.clock.waitFor(10);
    if (List2->count() != linesBefore + 1)
        return List2->count() != linesBefore;
    const int selected = selectedLine();
    const int temporary = selected < 0 ? List2->count() - 1 : selected - 1;
    if (temporary >= 0 && List2->item(temporary)->text() == QLatin1String("."))
        delete List2->takeItem(temporary);
    return true;
}

void Tandrel::Text2_KeyUp(int keyCode) {
    if (keyCode == VirtualKey::Shift)
        globals.ShiftChoice = 0;
}

void Tandrel::hideEditDisplay() {
    Text7->hide();
    Command2->setText(QStringLiteral("Save"));
    Command8->setText(QStringLiteral("Run From Command Line"));
    setBackground(Command2, classicColour(PaletteColour::LightGreen));
    setBackground(Command8, classicColour(PaletteColour::LightGreen));
}

void Tandrel::Text2_Change() {
    // Read once: a key typed while the blank-line notice is open must not be recorded in
    // place of the blank as well.
    const QString text = Text2->text();
    hideEditDisplay();
    Label21->hide();
    const int lines = List2->count();
    const int selected = selectedLine();
    const bool blueLine = selected >= 0 && selected < lines;
    setBackground(Command3,
                  classicColour(blueLine ? PaletteColour::LightGreen : PaletteColour::LightCyan));
    if (!text.isEmpty()) {
        if (text == QLatin1String(" "))
            platform.messages.inform(blankLineNotice);
        SaveUndoCopy();
        const int blue = selectedLine();
        if (List2->count() >= 1 && blue >= 0) {
            List2->insertItem(blue, text);
            selectLine(blue + 1);
        } else {
            List2->addItem(text);
        }
    }
    if (text.size() < 3)
        globals.LastKeyCode = 0;
    if (selectedLine() < 0)
        bringEndIntoView();
    returnToTyping();
    if (Label4->text() == startPromptText) {
        leaveStartPrompt();
        globals.SkipNewProgramQuestion = 1;
        Label1_Click();
    }
}

void Tandrel::Text2_GotFocus() {
    Command11_Click(); // closes the file-action panel
}

} // namespace tandrel
