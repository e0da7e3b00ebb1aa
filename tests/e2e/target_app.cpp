// A window that records what it receives, for end-to-end tests of typing and activation.
//
//   tandrel_target --title TITLE --out PATH [--throttled-write]
//
// PATH holds a JSON object: "text" (the editor's content), "keys" (one token per key press:
// the typed text, or "<Name>" with its modifiers such as "<Return>", "<F5>", "<Ctrl+A>"),
// "active" (whether the window has the focus) and "pid". It is replaced atomically after
// every key event and focus change, so a reader never sees half a file; with
// --throttled-write at most every 20 ms, so that long texts do not make it slow.

#include <QApplication>
#include <QCommandLineParser>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>

namespace {

bool isModifierKey(int key) {
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
           key == Qt::Key_Meta || key == Qt::Key_AltGr;
}

QString tokenOf(const QKeyEvent* event) {
    const Qt::KeyboardModifiers chords =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint();
    if (printable && !chords)
        return text;
    if (event->key() == 0)
        return QStringLiteral("<keysym 0x%1>").arg(event->nativeVirtualKey(), 0, 16);
    return u'<' + QKeySequence(event->key() | chords).toString(QKeySequence::PortableText) + u'>';
}

class RecordingEditor : public QPlainTextEdit {
public:
    RecordingEditor(QString outPath, bool throttled)
        : outPath_(std::move(outPath))
        , throttled_(throttled) {
        throttle_.setSingleShot(true);
        throttle_.setInterval(20);
        QObject::connect(&throttle_, &QTimer::timeout, [this] { write(); });
        QObject::connect(this, &QPlainTextEdit::textChanged, [this] { recorded(); });
    }

    void recorded() {
        if (!throttled_)
            write();
        else if (!throttle_.isActive())
            throttle_.start();
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (!isModifierKey(event->key()))
            keys_.append(tokenOf(event));
        QPlainTextEdit::keyPressEvent(event);
        recorded();
    }

    void keyReleaseEvent(QKeyEvent* event) override {
        QPlainTextEdit::keyReleaseEvent(event);
        recorded();
    }

    void focusInEvent(QFocusEvent* event) override {
        QPlainTextEdit::focusInEvent(event);
        recorded();
    }

    void focusOutEvent(QFocusEvent* event) override {
        QPlainTextEdit::focusOutEvent(event);
        recorded();
    }

private:
    void write() {
        if (outPath_.isEmpty())
            return;
        QJsonObject record;
        record[QStringLiteral("text")] = toPlainText();
        record[QStringLiteral("keys")] = keys_;
        record[QStringLiteral("active")] = window()->isActiveWindow();
        record[QStringLiteral("pid")] = QCoreApplication::applicationPid();
        QSaveFile file(outPath_);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QJsonDocument(record).toJson(QJsonDocument::Compact));
            file.commit();
        }
    }

    QString outPath_;
    bool throttled_;
    QJsonArray keys_;
    QTimer throttle_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("Window title."),
                                   QStringLiteral("title"), QStringLiteral("Target"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Record file."),
                                 QStringLiteral("path"));
    const QCommandLineOption throttled(QStringLiteral("throttled-write"),
                                       QStringLiteral("Write the record at most every 20 ms."));
    parser.addOptions({title, out, throttled});
    parser.process(app);

    RecordingEditor editor(parser.value(out), parser.isSet(throttled));
    editor.setWindowTitle(parser.value(title));
    editor.resize(480, 320);
    editor.show();
    // A first record tells the tests that the window is up.
    QTimer::singleShot(0, &editor, [&editor] { editor.recorded(); });
    return app.exec();
}
