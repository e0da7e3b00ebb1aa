#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

namespace tandrel::e2e {

// What the target window has recorded so far.
struct TargetRecord {
    QString text;
    QStringList keys;
    bool active = false;
    qint64 pid = 0;
};

// Reads a record file that tandrel_target writes; nothing while it does not exist.
std::optional<TargetRecord> readTargetRecord(const QString& path);

// Polls until the condition holds for the latest record, or the timeout passes; returns the
// last record read.
TargetRecord awaitTargetRecord(const QString& path,
                               const std::function<bool(const TargetRecord&)>& condition,
                               int timeoutMs = 5000);

// A tandrel_target window on the session's display, ended with this object.
class TargetWindow {
public:
    explicit TargetWindow(const QString& title, const QStringList& extraArguments = {});
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;

    // Whether its window is up and has written its first record.
    bool started() const { return started_; }
    qint64 pid() const { return process_.processId(); }
    const QString& recordPath() const { return recordPath_; }
    TargetRecord record() const;
    TargetRecord awaitRecord(const std::function<bool(const TargetRecord&)>& condition,
                             int timeoutMs = 5000) const;

    static QString targetProgram();

private:
    QTemporaryDir dir_;
    QString recordPath_;
    QProcess process_;
    bool started_ = false;
};

} // namespace tandrel::e2e
