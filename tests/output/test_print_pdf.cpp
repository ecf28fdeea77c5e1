#include "output/print_flow_sheet.h"
#include "platform/qt/qt_print_service.h"
#include "print_fixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

using namespace zyt;

namespace {

QString pdftotext(const QString &option, const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {option, pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The left and right edge of the first word `word` on the page, in twips.
std::pair<double, double> wordBox(const QString &pdf, const QString &word)
{
    static const QRegularExpression box(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="[\d.]+" xMax="([\d.]+)" [^>]*>([^<]*)<)re"));
    for (const auto &m : box.globalMatch(pdftotext(QStringLiteral("-bbox"), pdf)))
        if (m.captured(3) == word)
            return {m.captured(1).toDouble() * 20, m.captured(2).toDouble() * 20};
    return {-1, -1};
}

} // namespace

class TestPrintPdf : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
    }

    // The sample sheet into a PDF file named in the dialog: the lines in
    // order, the form lines where the layout puts them. Paper narrower than
    // the layout scales the page down to fit.
    void sampleSheet_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<double>("scale");
        QTest::newRow("letter") << QPageSize::Letter << 1.0;
        QTest::newRow("a4") << QPageSize::A4 << 11906.0 / 12200.0;
    }
    void sampleSheet()
    {
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(double, scale);
        test::PrintFixture f;
        QtPrintService service;
        service.setPdfPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait, {}));
        f.st.platform.print = &service;
        f.st.print.Printer = PdfFilePrinter;
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        f.platform.choose(pdf);
        Print_Flow_Sheet(f.sheet, f.st, f.inputs);
        QVERIFY(f.platform.shown.isEmpty());
        // A name typed bare is written with the extension viewers know.
        QCOMPARE(f.platform.dialogs.last().defaultSuffix, QStringLiteral("pdf"));

        QStringList lines = pdftotext(QStringLiteral("-layout"), pdf).split(u'\n');
        for (QString &line : lines)
            line = line.simplified();
        qsizetype at = 0;
        for (const QString &text :
             {f.st.ui.App_Title, QStringLiteral("Quarnel Airpath Studio"),
              QStringLiteral("Customer Name: _"),
              QStringLiteral("Printed: Tuesday December 8 2026 9:5:7"),
              QStringLiteral("Test Bore Diameter 4.11"),
              QStringLiteral("NOTE: Mean Port Velocity should be in the 300-320 fps range around "
                             "max valve lift"),
              QStringLiteral("50 0.025 35.8 112.83 0.773 37.3 0.687 1250"),
              QStringLiteral("Average 201.5 Total CFM 2821.2 Average 0.742"),
              QStringLiteral("Avg CFM 150.4 Total CFM 2106.0")}) {
            while (at < lines.size() && !lines[at].contains(text))
                ++at;
            QVERIFY2(at < lines.size(),
                     qPrintable(text + QStringLiteral(": missing or out of order")));
        }
        QVERIFY(qAbs(wordBox(pdf, QStringLiteral("Customer")).first - 125 * scale) <= 20);
        QVERIFY(qAbs(wordBox(pdf, QStringLiteral("9:5:7")).second - 12075 * scale) <= 20);
    }

    // The file named keeps what it held until the printout is complete; one
    // dropped before its end, or failing at it, leaves it so, with nothing
    // beside it. A name that is a link has its target replaced.
    void replacesWhole_data()
    {
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("link"); // the name chosen links to the file
        for (const char *end : {"finished", "dropped", "disk full"}) {
            QTest::newRow(end) << end << false;
            QTest::addRow("%s through a link", end) << end << true;
        }
    }
    void replacesWhole()
    {
        QFETCH(QString, end);
        QFETCH(bool, link);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        QFile old(pdf);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        const QString chosen = link ? dir.filePath(QStringLiteral("link.pdf")) : pdf;
        QVERIFY(!link || QFile::link(pdf, chosen));
        QtPrintService service;
        PrintRequest request;
        request.pdfFile = chosen;
        std::unique_ptr<PrintJob> job = service.start(request);
        QVERIFY(job);
        job->page().print(QStringLiteral("new"));
        auto content = [&pdf] {
            QFile f(pdf);
            return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
        };
        QCOMPARE(content(), QByteArray("old"));
        bool printed = false;
        if (end == u"finished") {
            printed = job->finish();
        } else if (end == u"disk full") {
            // No file may grow past a few bytes.
            rlimit before{};
            getrlimit(RLIMIT_FSIZE, &before);
            const auto handler = std::signal(SIGXFSZ, SIG_IGN);
            const rlimit small{16, before.rlim_max};
            setrlimit(RLIMIT_FSIZE, &small);
            printed = job->finish();
            setrlimit(RLIMIT_FSIZE, &before);
            std::signal(SIGXFSZ, handler);
        }
        job.reset();
        QCOMPARE(printed, end == u"finished");
        QCOMPARE(content(), printed ? QByteArray("%PDF") : QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 link ? QStringList({"link.pdf", "sheet.pdf"}) : QStringList{"sheet.pdf"});
        QVERIFY(!link || QFileInfo(chosen).isSymLink());
    }

    // A file that cannot be written, or a printer the system does not have.
    void cannotStart_data()
    {
        QTest::addColumn<QString>("printer");
        QTest::newRow("pdf in a missing folder") << PdfFilePrinter;
        QTest::newRow("no such printer") << QStringLiteral("No_Such_Printer");
    }
    void cannotStart()
    {
        QFETCH(QString, printer);
        test::PrintFixture f;
        QtPrintService service;
        f.st.platform.print = &service;
        f.st.print.Printer = printer;
        if (printer == PdfFilePrinter)
            f.platform.choose(QStringLiteral("/nonexistent-folder/x/sheet.pdf"));
        f.platform.answer(AnswerOk);
        Print_Flow_Sheet(f.sheet, f.st, f.inputs);
        QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Problem - Printing Failed")});
    }
};

QTEST_MAIN(TestPrintPdf)
#include "test_print_pdf.moc"
