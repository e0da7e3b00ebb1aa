#include "standins/notepad_window.h"

#include "script/program_file.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSaveFile>

namespace tandrel {

namespace {

const QString kTitle = QStringLiteral("Notepad");

} // namespace

NotepadWindow::NotepadWindow(MessageBoxes& messages, const QString& filePath)
    : messages_(messages)
    , editor_(new QPlainTextEdit(this))
    , path_(filePath) {
    open();
    setCentralWidget(editor_);
    setWindowTitle(documentName() + QStringLiteral(" - ") + kTitle);
    resize(640, 480);

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&Save"), this, &NotepadWindow::save)
        ->setShortcut(QKeySequence::Save);
    file->addAction(QStringLiteral("Save &As..."), this, &NotepadWindow::saveAs);
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    editor_->setFocus();
}

// The file's encoding and line ends are kept, so that saving changes only what was typed.
void NotepadWindow::open() {
    QFile file(path_);
    if (path_.isEmpty() || !file.exists())
        return;
    // A larger file would take some eight times its size in memory and freeze the window for
    // seconds while it is laid out; a device or pipe (/dev/zero) may never end.
    constexpr qint64 largestFile = 16 << 20;
    const bool opened = QFileInfo(file).isFile() && file.open(QIODevice::ReadOnly);
    if (!opened || file.size() > largestFile) {
        messages_.inform((opened ? QStringLiteral("%1 is too large to open.")
                                 : QStringLiteral("%1 could not be opened."))
                             .arg(path_),
                         kTitle);
        path_.clear(); // a save must not replace the file that could not be read
        return;
    }
    const QByteArray bytes = file.readAll();
    const DecodedText decoded = decodeText(bytes);
    cp1252_ = decoded.cp1252;
    // The decoder drops a byte order mark; programs on Windows may look for it.
    utf8Bom_ = !cp1252_ && bytes.startsWith("\xEF\xBB\xBF");
    if (bytes.contains("\r\n"))
        lineEnd_ = QStringLiteral("\r\n");
    else if (bytes.contains('\r') && !bytes.contains('\n'))
        lineEnd_ = QStringLiteral("\r"); // the editor reads a lone CR as a line end too
    editor_->setPlainText(
        QString(decoded.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    editor_->document()->setModified(false);
}

bool NotepadWindow::save() {
    return path_.isEmpty() ? saveAs() : writeTo(path_);
}

bool NotepadWindow::saveAs() {
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save As"), path_,
                                     QStringLiteral("Text Documents (*.txt);;All Files (*)"));
    if (path.isEmpty() || !writeTo(path))
        return false;
    path_ = path;
    setWindowTitle(documentName() + QStringLiteral(" - ") + kTitle);
    return true;
}

void NotepadWindow::closeEvent(QCloseEvent* event) {
    if (mayDiscard())
        event->accept();
    else
        event->ignore();
}

bool NotepadWindow::mayDiscard() {
    if (!editor_->document()->isModified())
        return true;
    const QString question =
        QStringLiteral("The text in the %1 file has changed.\n\nDo you want to save the changes?")
            .arg(documentName());
    switch (messages_.ask(question, kTitle, Buttons::YesNoCancel)) {
    case Answer::Yes:
        return save();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

bool NotepadWindow::writeTo(const QString& path) {
    QSaveFile file(path);
    // The raw text, as toPlainText would turn no-break spaces into blanks and line separators
    // into line ends.
    QString text =
        editor_->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), lineEnd_);
    const std::optional<QByteArray> narrow = cp1252_ ? encodeCp1252(text) : std::nullopt;
    const QByteArray bytes = narrow ? *narrow : (utf8Bom_ ? "\xEF\xBB\xBF" : "") + text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        messages_.inform(QStringLiteral("%1 could not be saved.").arg(path), kTitle);
        return false;
    }
    editor_->document()->setModified(false);
    return true;
}

QString NotepadWindow::documentName() const {
    return path_.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path_).fileName();
}

} // namespace tandrel
