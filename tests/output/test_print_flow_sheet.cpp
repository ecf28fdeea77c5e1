#include "output/print_flow_sheet.h"
#include "output/print_page.h"
#include "print_fixture.h"
#include "sheet/sheet_window.h"

#include <QAction>
#include <QMenuBar>

using namespace zyt;
using Kind = DrawOp::Kind;
using S = Flow_Test_Sheet;

namespace {

// The sheet's page on a recording of unlimited length.
struct RecordedPage {
    explicit RecordedPage(test::PrintFixture &f)
    {
        PrinterPage page(s);
        printFlowSheetPage(f.sheet, page, f.header(), f.st.numbers);
    }
    // The texts of the lift tables (below the note) from `left` to `right`.
    QStringList column(double left, double right) const
    {
        QStringList texts;
        bool tables = false;
        for (const DrawOp &op : s.opsOf(Kind::Text)) {
            tables = tables || op.text.startsWith(QStringLiteral("NOTE:"));
            if (tables && op.from.x() >= left && op.from.x() < right && op.fontSize == 11.0)
                texts << op.text;
        }
        return texts;
    }
    RecordingSurface s{1440};
};

} // namespace

class TestPrintFlowSheet : public QObject {
    Q_OBJECT

private slots:
    // Rows of corrected flow 0 and lift rows of lift 0 are left out; a lift
    // that is no number counts as not zero; the headings print bold.
    void liftRows()
    {
        test::PrintFixture f;
        f.calculate();
        f.sheet.setCell(S::Text102, 16, QStringLiteral("10.0")); // intake only
        f.sheet.setCell(S::Text101, 20, QStringLiteral("0.0"));
        f.sheet.setCell(S::Text101, 21, QString());
        const RecordedPage p(f);
        const QStringList ld = p.column(1200, 2300); // intake L/D, then exhaust L/D
        QCOMPARE(ld.size(), 14 + 13);
        QCOMPARE(ld.mid(0, 5),
                 (QStringList{f.sheet.cell(S::Text208, 16), "0.025", "0.05", "0.074", "0.124"}));
        QCOMPARE(ld.mid(14, 4), (QStringList{"0.031", "0.063", "0.094", "0.156"}));
        const DrawOp heading = test::textOp(p.s, QStringLiteral("Lift Inch"));
        QVERIFY(heading.bold && heading.fontSize == 10.0);
        QVERIFY(!test::textOp(p.s, QStringLiteral("350")).bold);
    }

    void partNumber_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("x");
        QTest::newRow("fits at 11") << 58 << 11.0 << 4500.0; // uses 7,656 of 7,700 twips
        QTest::newRow("10") << 59 << 10.0 << 4500.0;
        QTest::newRow("9") << 65 << 9.0 << 4500.0;
        QTest::newRow("9 and wider still") << 80 << 9.0 << 4500.0;
        QTest::newRow("short, centred") << 4 << 11.0 << 4786.0;
    }
    void partNumber()
    {
        QFETCH(int, length);
        QFETCH(double, points);
        QFETCH(double, x);
        test::PrintFixture f;
        f.sheet.setCell(S::Text102, 0, QString(length, u'P'));
        const DrawOp op = test::textOp(RecordedPage(f).s, QString(length, u'P'));
        QVERIFY(op.fontSize == points && !op.bold);
        QCOMPARE(op.from.x(), x);
    }

    void pathAndComments()
    {
        test::PrintFixture f;
        const QString path = QStringLiteral("C:\\Flow Tests\\%1").arg(QString(136, u'h'));
        f.sheet.setCell(S::Text39, S::Single, path);
        f.sheet.setCell(S::Text38, S::Single, QStringLiteral("Ported\r\nNew seats"));
        const RecordedPage p(f);
        const QList<DrawOp> texts = p.s.opsOf(Kind::Text);
        QCOMPARE(texts[texts.size() - 2].text + texts.last().text, path);
        for (const DrawOp &op : texts.mid(texts.size() - 2)) {
            QVERIFY(120.0 * op.text.size() < 12050.0);
            QCOMPARE(op.from.x(), 100.0);
        }
        QCOMPARE(test::textOp(p.s, QStringLiteral("New seats")).from.x(), 100.0);
        QCOMPARE(p.s.opsOf(Kind::Line).size(), 4); // header two, comments, dimensions
        for (const char *text : {"x", "  x  ", ""}) {
            f.sheet.setCell(S::Text38, S::Single, QString::fromLatin1(text));
            f.sheet.setCell(S::Text39, S::Single, QStringLiteral("C"));
            const RecordedPage bare(f);
            QCOMPARE(bare.s.opsOf(Kind::Line).size(), 3);
            QCOMPARE(bare.s.opsOf(Kind::Text).last().text, QStringLiteral("Total CFM"));
        }
    }

    // The sheet's menu entry prints on the current printer after
    // recalculating; "Left" puts the logo in the header, "Center" at the end.
    // A printer that cannot start or fails, or a PDF file left unnamed,
    // gives one box and the next printout works. Where printing cannot run
    // (the print service says why) nothing more happens.
    void command_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("failure"); // 0 none, 1 start, 2 end, 3 no file name, 4 cannot run
        QTest::newRow("left") << 0 << 0;
        QTest::newRow("center") << 1 << 0;
        QTest::newRow("cannot start") << 1 << 1;
        QTest::newRow("fails at the end") << 1 << 2;
        QTest::newRow("no file name") << 1 << 3;
        QTest::newRow("printing cannot run") << 1 << 4;
    }
    void command()
    {
        QFETCH(int, layout);
        QFETCH(int, failure);
        test::PrintFixture f;
        f.logoOn(layout);
        f.printer.startFails = failure == 1;
        f.printer.finishFails = failure == 2;
        if (failure == 3) {
            f.st.print.Printer = PdfFilePrinter;
            f.platform.cancelDialog();
        }
        f.printer.printingRuns = failure != 4;
        if (failure != 0 && failure != 4)
            f.platform.answer(AnswerOk);
        f.sheet.setCell(S::Text102, 20, QString());
        SheetWindow window(f.sheet, f.st);
        window.ensureBuilt();
        QAction *entry = window.menuBar()->findChild<QAction *>(QStringLiteral("Print_Sheet"));
        QVERIFY(entry && window.menuBar()->actions().contains(entry));
        QCOMPARE(entry->text(), QStringLiteral("Print Flow Sheet for Customer"));
        const QDateTime when(QDate(2027, 1, 2), QTime(3, 4, 5)); // the entry reads the clock
        f.platform.setNow(when);
        entry->trigger();
        QCOMPARE(f.printer.printingAsked, 1);
        if (failure == 4) {
            QVERIFY(f.platform.shown.isEmpty() && f.platform.dialogs.isEmpty());
            QVERIFY(f.printer.requests.isEmpty() && f.sheet.cell(S::Text102, 20).isEmpty());
            return;
        }
        QCOMPARE(f.sheet.cell(S::Text102, 20), QStringLiteral("145.0"));
        if (failure != 0) {
            QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Problem - Printing Failed")});
            QCOMPARE(f.platform.shown[0].icon, MsgIcon::Exclamation);
            f.printer.startFails = f.printer.finishFails = false;
            if (failure == 3)
                f.platform.choose(QStringLiteral("/tmp/sheet.pdf"));
            Print_Flow_Sheet(f.sheet, f.st, f.inputs);
            QCOMPARE(f.platform.shown.size(), 1);
            QCOMPARE(f.printer.requests.last().pdfFile,
                     failure == 3 ? QStringLiteral("/tmp/sheet.pdf") : QString());
            QCOMPARE(f.platform.dialogs.size(), failure == 3 ? 2 : 0);
            return;
        }
        QCOMPARE(f.printer.requests.size(), 1);
        QCOMPARE(f.printer.requests[0].printer, QStringLiteral("Office"));
        const RecordingSurface &s = f.printer.last();
        QVERIFY(s.opsOf(Kind::NewPage).isEmpty());
        QCOMPARE(s.opsOf(Kind::Picture).size(), 1);
        QCOMPARE(s.ops.last().kind == Kind::Picture, layout == LayoutCenter);
        test::textOp(s, printedText(when, QLocale::system()));
    }
};

QTEST_MAIN(TestPrintFlowSheet)
#include "test_print_flow_sheet.moc"
