// tandrel_target --title TITLE --out PATH [--throttled-write]: a window that records what it
// receives, for end-to-end tests of typing and activation.
// PATH holds a JSON object: "text", "keys" (one token per key press: the typed text, or
// "<Name>" with modifiers such as "<Ctrl+A>"), "active" and "pid". It is replaced atomically on
// every key, change of text and of activation; with --throttled-write at most every 20 ms.

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTimer>

namespace {

class RecordingEditor : public QPlainTextEdit {
public:
    RecordingEditor(QString outPath, bool throttled)
        : outPath_(std::move(outPath))
        , throttled_(throttled) {
        throttle_.setSingleShot(true);
        QObject::connect(&throttle_, &QTimer::timeout, [this] { write(); });
        QObject::connect(this, &QPlainTextEdit::textChanged, [this] { recorded(); });
    }

    void recorded() {
        if (!throttled_)
            write();
        else if (!throttle_.isActive())
            throttle_.start(20);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const Qt::KeyboardModifiers chords =
            event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const QString text = event->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !chords)
            keys_.append(text);
        else if (!QList{Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta, Qt::Key_AltGr}
                      .contains(event->key()))
            keys_.append(u'<' +
                         QKeySequence(event->key() | chords).toString(QKeySequence::PortableText) +
                         u'>');
        QPlainTextEdit::keyPressEvent(event);
        recorded();
    }

    void changeEvent(QEvent* event) override {
        QPlainTextEdit::changeEvent(event);
        if (event->type() == QEvent::ActivationChange)
            recorded();
    }

private:
    void write() {
        const QJsonObject record{{"text", toPlainText()},
                                 {"keys", keys_},
                                 {"active", window()->isActiveWindow()},
                                 {"pid", QCoreApplication::applicationPid()}};
        QSaveFile file(outPath_);
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(record).toJson(QJsonDocument::Compact));
        file.commit();
    }

    QString outPath_;
    bool throttled_;
    QJsonArray keys_;
    QTimer throttle_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto value = [&](const QString& option) {
        const qsizetype at = arguments.indexOf(option);
        return at > 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
    };
    RecordingEditor editor(value(QStringLiteral("--out")),
                           arguments.contains(QStringLiteral("--throttled-write")));
    editor.setWindowTitle(value(QStringLiteral("--title")));
    editor.show();
    // A first record tells the tests that the window is up.
    QTimer::singleShot(0, &editor, [&editor] { editor.recorded(); });
    return app.exec();
}
