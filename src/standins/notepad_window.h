#pragma once

#include "platform/message_boxes.h"

#include <QMainWindow>

class QPlainTextEdit;

namespace tandrel {

// Tandrel's stand-in for the plain-text editor that programs written for Windows start: a
// window titled "Untitled - Notepad" (or the file's name and " - Notepad") whose File menu
// saves and exits, asking before unsaved text is lost.
class NotepadWindow : public QMainWindow {
public:
    // A file that does not exist yet is made by the first save.
    explicit NotepadWindow(MessageBoxes& messages, const QString& filePath = {});

    bool save();
    bool saveAs();
    QPlainTextEdit* editor() const { return editor_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void open();
    // Whether the text may go: saved, or the user said so.
    bool mayDiscard();
    bool writeTo(const QString& path);
    QString documentName() const;

    MessageBoxes& messages_;
    QPlainTextEdit* editor_;
    QString path_;
    bool cp1252_ = false;
    bool utf8Bom_ = false;
    QString lineEnd_ = QStringLiteral("\n");
};

} // namespace tandrel
