#pragma once

#include <QString>

namespace tandrel {

// The outcome of an operation that may fail: success, or a failure with its reason.
class Status {
public:
    static Status ok() { return Status(); }
    static Status failure(QString reason) { return Status(std::move(reason)); }

    bool isOk() const { return !failed_; }
    explicit operator bool() const { return isOk(); }
    const QString& reason() const { return reason_; }

private:
    Status() = default;
    explicit Status(QString reason)
        : failed_(true)
        , reason_(std::move(reason)) {}

    bool failed_ = false;
    QString reason_;
};

} // namespace tandrel
