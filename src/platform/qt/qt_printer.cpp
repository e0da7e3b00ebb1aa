#include "platform/qt/qt_printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinterInfo>

namespace tandrel {

QtPrinter::QtPrinter(QString pdfFile)
    : pdfFile_(std::move(pdfFile))
    // Fixed pitch, so the blanks before each line indent every line by the same width.
    , font_(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {}

QtPrinter::~QtPrinter() {
    discardDocument();
}

void QtPrinter::setFontSize(int points) {
    font_.setPointSize(points);
}

void QtPrinter::setBold(bool bold) {
    font_.setBold(bold);
}

void QtPrinter::begin() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (pdfFile_.isEmpty()) {
        const QPrinterInfo queue = QPrinterInfo::defaultPrinter();
        if (queue.isNull()) {
            failure_ = QStringLiteral("no default printer is set up (is the print service "
                                      "running?).");
            return;
        }
        printer_->setPrinterName(queue.printerName());
    } else {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(pdfFile_);
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_.get())) {
        failure_ = QStringLiteral("the printer \"%1\" could not be opened.")
                       .arg(pdfFile_.isEmpty() ? printer_->printerName() : pdfFile_);
        painter_.reset();
        return;
    }
    nextTop_ = 0;
}

void QtPrinter::printLine(const QString& text) {
    if (!printer_)
        begin();
    if (!painter_)
        return;
    painter_->setFont(font_);
    const QFontMetricsF metrics(font_, printer_.get());
    const qreal pageHeight =
        printer_->pageLayout().paintRectPixels(printer_->resolution()).height();
    if (nextTop_ > 0 && nextTop_ + metrics.height() > pageHeight) {
        printer_->newPage();
        nextTop_ = 0;
    }
    painter_->drawText(QPointF(0, nextTop_ + metrics.ascent()), text);
    nextTop_ += metrics.lineSpacing();
}

Status QtPrinter::endDocument() {
    // A document without lines sends nothing; there is no empty page to waste.
    if (!printer_)
        return Status::ok();
    Status status = Status::ok();
    if (!failure_.isEmpty())
        status = Status::failure(failure_);
    else if (!painter_->end() || printer_->printerState() == QPrinter::Error ||
             printer_->printerState() == QPrinter::Aborted)
        status = Status::failure(QStringLiteral("the printer \"%1\" did not accept the job.")
                                     .arg(printer_->printerName()));
    painter_.reset();
    printer_.reset();
    failure_.clear();
    return status;
}

void QtPrinter::discardDocument() {
    if (painter_ && painter_->isActive())
        painter_->end();
    painter_.reset();
    printer_.reset();
}

} // namespace tandrel
