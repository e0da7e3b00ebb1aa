// Prints through the real back end to a CUPS queue backed by cups-pdf, started here, and
// reads back the text of the same document rendered into a PDF file.

#include "help/manual.h"
#include "platform/qt/qt_printer.h"
#include "x11_session.h"

#include <QDir>
#include <QGuiApplication>

using namespace tandrel;

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString()
                      << " failed: " << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// This queue's own cups-pdf instance, writing into a directory of its own: a suite running
// beside it on the machine never counts its documents.
struct PdfQueue {
    QTemporaryDir out;
    QString instance = QStringLiteral("tandrel%1").arg(QCoreApplication::applicationPid());
    QString config = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(instance);
    PdfQueue() {
        QFile::setPermissions(out.path(), QFileDevice::Permissions(0x7777));
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly) || file.write("Out " + out.path().toUtf8() + "\n") < 0)
            ADD_FAILURE() << "cannot write " << config.toStdString();
    }
    ~PdfQueue() { QFile::remove(config); }
    QStringList printed() const {
        return QDir(out.path()).entryList({"*.pdf"}, QDir::Files, QDir::Time);
    }
};

int pageCount(const QString& pdf) {
    return run(QStringLiteral("pdfinfo"), {pdf})
        .section("Pages:", 1)
        .section(u'\n', 0, 0)
        .trimmed()
        .toInt();
}

Status print(Printer& printer, const QStringList& lines) {
    printer.setFontSize(8);
    for (const QString& line : lines)
        printer.printLine(QString(15, u' ') + line);
    return printer.endDocument();
}

const QStringList program = {"{Run Program}/usr/bin/gedit", "{Wait}20", "a", "{ENTER}"};

// The rendering of the manual into a file, read back as text; and the program and the manual
// printed to the queue of a print service started here.
TEST(RealPrint, ManualReadsBackProgramAndManualReachTheQueueAsTwoJobsThenPrintingFails) {
    const QStringList manual = helpManualLines();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("manual.pdf"));
    QtPrinter toFile(pdf);
    ASSERT_TRUE(print(toFile, manual).isOk());

    // Blank lines and page breaks aside.
    QStringList readBack = run(QStringLiteral("pdftotext"), {"-layout", pdf, "-"}).split(u'\n');
    QStringList expected = manual;
    for (QStringList* lines : {&readBack, &expected}) {
        for (QString& line : *lines)
            line = line.remove(u'\f').simplified();
        lines->removeAll(QString());
    }
    ASSERT_EQ(readBack.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i)
        // A line wider than the page is cut at its edge, well past 90 characters.
        ASSERT_TRUE(expected[i].startsWith(readBack[i]) &&
                    readBack[i].size() >= std::min<qsizetype>(expected[i].size(), 90))
            << "text line " << i << ": " << readBack[i].toStdString();

    QProcess cupsd;
    cupsd.start(QStringLiteral("/usr/sbin/cupsd"), {QStringLiteral("-f")});
    ASSERT_TRUE(cupsd.waitForStarted()) << "cupsd did not start";
    ASSERT_TRUE(e2e::awaitCondition([] {
        QProcess status;
        status.start(QStringLiteral("lpstat"), {QStringLiteral("-r")});
        status.waitForFinished();
        return status.readAllStandardOutput().contains("is running");
    })) << "cupsd does not answer";
    const PdfQueue pdfQueue;
    run(QStringLiteral("lpadmin"), {"-p", "pdf", "-E", "-v", "cups-pdf:/" + pdfQueue.instance, "-P",
                                    "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"});
    run(QStringLiteral("lpoptions"), {"-d", "pdf"});
    QtPrinter queue;
    for (const QStringList* lines : {&program, &manual}) {
        const Status status = print(queue, *lines);
        EXPECT_TRUE(status.isOk()) << status.reason().toStdString();
    }
    // A job's file is complete once the queue has nothing left to do.
    e2e::awaitCondition(
        [&] {
            return pdfQueue.printed().size() >= 2 &&
                   run(QStringLiteral("lpstat"), {"-W", "not-completed", "-o", "pdf"}).isEmpty();
        },
        4 * e2e::e2eDeadlineMs);
    const QStringList files = pdfQueue.printed();
    cupsd.terminate();
    cupsd.waitForFinished(e2e::e2eDeadlineMs);
    // With the print service stopped, and into a file that cannot be made.
    for (const auto& [pdfFile, reason] : std::vector<std::pair<QString, QString>>{
             {{}, "no default printer is set up (is the print service running?)."},
             {"/nonexistent-folder/manual.pdf",
              "the printer \"/nonexistent-folder/manual.pdf\" could not be opened."}}) {
        QtPrinter printer(pdfFile);
        const Status status = print(printer, program);
        EXPECT_FALSE(status.isOk()) << reason.toStdString();
        EXPECT_EQ(status.reason(), reason);
    }
    ASSERT_EQ(files.size(), 2) << "two jobs, two documents";
    const QString manualPdf = pdfQueue.out.filePath(files.first());
    EXPECT_EQ(pageCount(manualPdf), pageCount(pdf));
    EXPECT_GT(pageCount(manualPdf), 1);
    EXPECT_EQ(pageCount(pdfQueue.out.filePath(files.at(1))), 1);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
