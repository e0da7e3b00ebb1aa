#pragma once

#include "platform/printer.h"

#include <QFont>
#include <QPainter>
#include <QPrinter>
#include <memory>

namespace tandrel {

// Lines on the system's default print queue (CUPS on Linux), or into a PDF file when one is
// named. Each document is a print job of its own, begun with its first line.
class QtPrinter : public Printer {
public:
    explicit QtPrinter(QString pdfFile = {});
    ~QtPrinter() override;

    void setFontSize(int points) override;
    void setBold(bool bold) override;
    void printLine(const QString& text) override;
    Status endDocument() override;

private:
    void begin();
    void discardDocument();

    QString pdfFile_;
    QFont font_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    QString failure_; // why the document being built cannot be printed
    qreal nextTop_ = 0;
};

} // namespace tandrel
