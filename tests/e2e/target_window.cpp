#include "target_window.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include "x11_probe.h"

namespace tandrel::e2e {

std::optional<TargetRecord> readTargetRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    if (object.isEmpty())
        return std::nullopt;
    TargetRecord record;
    record.text = object.value(QStringLiteral("text")).toString();
    for (const QJsonValue& key : object.value(QStringLiteral("keys")).toArray())
        record.keys << key.toString();
    record.active = object.value(QStringLiteral("active")).toBool();
    record.pid = object.value(QStringLiteral("pid")).toInteger();
    return record;
}

TargetRecord awaitTargetRecord(const QString& path,
                               const std::function<bool(const TargetRecord&)>& condition,
                               int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    TargetRecord last;
    for (;;) {
        if (auto record = readTargetRecord(path)) {
            last = *record;
            if (condition(last))
                return last;
        }
        if (waited.hasExpired(timeoutMs))
            return last;
        QThread::msleep(10);
    }
}

TargetWindow::TargetWindow(const QString& title, const QStringList& extraArguments)
    : recordPath_(dir_.filePath(QStringLiteral("record.json"))) {
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(targetProgram(), QStringList{QStringLiteral("--title"), title,
                                                QStringLiteral("--out"), recordPath_} +
                                        extraArguments);
    started_ = process_.waitForStarted(5000) &&
               awaitTargetRecord(
                   recordPath_, [](const TargetRecord& r) { return r.pid != 0; }, 10000)
                       .pid != 0 &&
               X11Probe().awaitWindowOf(pid(), 10000);
}

TargetWindow::~TargetWindow() {
    process_.kill();
    process_.waitForFinished(5000);
}

TargetRecord TargetWindow::record() const {
    return readTargetRecord(recordPath_).value_or(TargetRecord{});
}

TargetRecord TargetWindow::awaitRecord(const std::function<bool(const TargetRecord&)>& condition,
                                       int timeoutMs) const {
    return awaitTargetRecord(recordPath_, condition, timeoutMs);
}

QString TargetWindow::targetProgram() {
    return QStringLiteral(TANDREL_TARGET_PATH);
}

} // namespace tandrel::e2e
