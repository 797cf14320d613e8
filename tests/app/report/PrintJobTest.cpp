// A real print job: a private CUPS scheduler (its own configuration, spool and socket in a
// temporary folder) whose default printer is a PDF queue writing into that folder. Pelmar itself
// reads no environment variables; the CUPS library it prints through finds the scheduler by
// CUPS_SERVER, which this test sets before anything asks for a printer.
#include <gtest/gtest.h>

#include <QFile>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <chrono>

#include "tests/app/report/PdfText.h"
#include "tests/app/report/ReportRig.h"

namespace pelmar::report {
namespace {

// A PDF printer: the scheduler's pdftopdf filter passes the document on as a PDF.
const char kPdfQueue[] = R"PPD(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PDFQUEUE.PPD"
*Manufacturer: "Pelmar tests"
*Product: "(PDF queue)"
*ModelName: "PDF queue"
*ShortNickName: "PDF queue"
*NickName: "PDF queue"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter2: "application/pdf application/vnd.cups-pdf 0 pdftopdf"
*OpenUI *PageSize/Page Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Page Region: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)PPD";

class PrivateScheduler {
public:
    // Starts the scheduler; the reason when it cannot.
    std::optional<QString> start() {
        const QString cupsd = QStandardPaths::findExecutable(
            QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
        if (cupsd.isEmpty())
            return QStringLiteral("cupsd is not installed (./dev deps installs cups)");
        for (const char* folder : {"state", "cache", "spool", "tmp", "ppd", "out"}) {
            QDir(dir.path()).mkpath(QLatin1String(folder));
        }
        write(QStringLiteral("cupsd.conf"), QStringLiteral("Listen %1\nLogLevel info\nBrowsing No\n"
                                                           "WebInterface No\n<Location />\n"
                                                           "Order allow,deny\nAllow all\n"
                                                           "</Location>\n")
                                                .arg(socket));
        write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1\nStateDir %1/state\nCacheDir %1/cache\n"
                             "RequestRoot %1/spool\nTempDir %1/tmp\nServerBin /usr/lib/cups\n"
                             "DataDir /usr/share/cups\nAccessLog %1/access_log\n"
                             "ErrorLog %1/error_log\nPageLog %1/page_log\nPrintcap %1/printcap\n"
                             "FileDevice Yes\n")
                  .arg(dir.path()));
        write(QStringLiteral("printers.conf"),
              QStringLiteral("<DefaultPrinter pdf>\nDeviceURI file://%1\nState Idle\n"
                             "Accepting Yes\nShared No\n</DefaultPrinter>\n")
                  .arg(output));
        write(QStringLiteral("ppd/pdf.ppd"), QString::fromLatin1(kPdfQueue));

        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), path("cupsd.conf"),
                              QStringLiteral("-s"), path("cups-files.conf")});
        if (!process.waitForStarted(10000)) return process.errorString();
        for (int waited = 0; !QFile::exists(socket); waited += 100) {
            if (waited > 20000 || process.state() != QProcess::Running) {
                return QStringLiteral("cupsd did not start: %1 %2")
                    .arg(QString::fromLocal8Bit(process.readAll()), errorLog());
            }
            QThread::msleep(100);
        }
        return std::nullopt;
    }
    ~PrivateScheduler() {
        if (process.state() == QProcess::NotRunning) return;
        process.terminate();
        if (!process.waitForFinished(10000)) process.kill();
        process.waitForFinished(10000);
    }

    // The PDF the queue wrote, once the job is complete: its %%EOF has arrived.
    bool waitForOutput(std::chrono::seconds limit) {
        for (int waited = 0; waited < limit.count() * 1000; waited += 200) {
            QFile file(output);
            if (file.open(QIODevice::ReadOnly) && file.readAll().trimmed().endsWith("%%EOF")) {
                return true;
            }
            QThread::msleep(200);
        }
        return false;
    }
    QString errorLog() {
        QFile log(path("error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(log.readAll().right(4000))
                                             : QString();
    }

    QTemporaryDir dir;
    QString socket = path("cups.sock");
    QString output = path("out/report.pdf");
    QProcess process;

private:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void write(const QString& name, const QString& text) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.toUtf8());
    }
};

TEST(PrintJob, BtnPrintSendsEveryPageToTheDefaultPrinterAsOneJob) {
    PrivateScheduler scheduler;
    if (const auto whyNot = scheduler.start()) {
        GTEST_SKIP() << "no private print scheduler on this machine: " << whyNot->toStdString();
    }
    qputenv("CUPS_SERVER", scheduler.socket.toLocal8Bit());
    ASSERT_EQ(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("pdf"))
        << scheduler.errorLog().toStdString();

    ReportRig rig;
    rig.add(1, 21);
    auto page1 = rig.open();
    page1->show();
    page1->BtnPrint->click();
    EXPECT_TRUE(rig.prompts.asked.isEmpty());

    ASSERT_TRUE(scheduler.waitForOutput(std::chrono::seconds(60)))
        << scheduler.errorLog().toStdString();
    const QList<PdfPage> pages = readPdf(scheduler.output);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_NEAR(pages[0].size.width(), 595.3, 1.0);
    EXPECT_NEAR(pages[0].size.height(), 841.9, 1.0);
    EXPECT_EQ(pages[0].rowNumbers().size(), 20);
    EXPECT_EQ(pages[1].rowNumbers(), QStringList{QStringLiteral("021")});
    EXPECT_NE(pages[1].find(QStringLiteral("Page")), nullptr);
    // One job for the whole report.
    QFile pageLog(QDir(scheduler.dir.path()).filePath(QStringLiteral("page_log")));
    ASSERT_TRUE(pageLog.open(QIODevice::ReadOnly));
    QSet<QByteArray> jobs;
    for (const QByteArray& line : pageLog.readAll().split('\n')) {
        if (!line.isEmpty()) jobs.insert(line.split(' ').value(2));  // printer user job ...
    }
    EXPECT_EQ(jobs.size(), 1);
}

}  // namespace
}  // namespace pelmar::report
