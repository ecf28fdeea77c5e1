#include "fake_compare_table.h"
#include "output/print_calcs.h"
#include "output/print_graph.h"
#include "print_fixture.h"

using namespace zyt;
using Kind = DrawOp::Kind;

class TestPrintCalcs : public QObject {
    Q_OBJECT

private slots:
    // Bold 10-point titles take 120 twips a character, at 9 points 108, at
    // 8 points 96: stops 2 to 4 hold 18 characters, 1 to 4 27, 1 to 5 36.
    void titles_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("shortened");
        QTest::addColumn<double>("points");
        QTest::addColumn<double>("fromCentre"); // -1: starts at stop 1
        QTest::addColumn<double>("toX");        // the To title, 1,560 twips wide
        QTest::newRow("fits 2 to 4") << 13 << false << 10.0 << 2300.0 << 3720.0;
        QTest::newRow("fits 1 to 4") << 25 << false << 10.0 << 1750.0 << 3720.0;
        QTest::newRow("fits 1 to 5") << 30 << false << 10.0 << 2300.0 << 4500.0;
        QTest::newRow("without Test") << 41 << true << 10.0 << 2300.0 << 4500.0;
        QTest::newRow("9 points") << 42 << true << 9.0 << 2300.0 << 4500.0;
        QTest::newRow("8 points") << 50 << true << 8.0 << 2300.0 << 4500.0;
        QTest::newRow("too long: To title below") << 52 << false << 10.0 << -1.0 << 1520.0;
    }
    void titles()
    {
        QFETCH(int, length);
        QFETCH(bool, shortened);
        QFETCH(double, points);
        QFETCH(double, fromCentre);
        QFETCH(double, toX);
        test::FakeCompareTable table;
        const QString from = QStringLiteral("Test 1 - ") + QString(length - 9, u'E');
        table.cells[{102, 10}] = from;
        table.cells[{104, 10}] = QStringLiteral("Test 2 - E7TE");
        table.cells[{105, 10}] = QStringLiteral("Ratio");
        table.cells[{101, 16}] = QStringLiteral("50");
        test::PrintFixture f;
        RecordingSurface s(1440);
        PrinterPage page(s);
        printCalcsPage(table, page, f.header());

        const DrawOp title = test::textOp(s, shortened ? from.mid(5) : from);
        QVERIFY(title.fontSize == points && title.bold);
        const double width = 12.0 * points * title.text.size();
        if (fromCentre < 0)
            QCOMPARE(title.from.x(), 100.0);
        else
            QCOMPARE(title.from.x() + width / 2, fromCentre);
        const DrawOp to = test::textOp(s, QStringLiteral("Test 2 - E7TE"));
        QCOMPARE(to.from.x(), toX);
        QCOMPARE(to.fontSize, 10.0);
        QCOMPARE(to.from.y() > title.from.y(), fromCentre < 0);
        QCOMPARE(test::textOp(s, QStringLiteral("Ratio")).from.y(), to.from.y());
        const DrawOp lift = test::textOp(s, QStringLiteral("50"));
        QVERIFY(!lift.bold && lift.fontSize == 11.0);
        QCOMPARE(lift.from.y(), to.from.y() + 6 * 240); // rows 11 to 15 between
    }

    // Where printing cannot run, or after a calculation that failed, nothing
    // is printed; else the table, and in the "Center" layout the logo under
    // its last row.
    void command()
    {
        test::FakeCompareTable table;
        table.cells[{101, 30}] = QStringLiteral("last");
        test::PrintFixture f;
        f.logoOn(LayoutCenter);
        f.printer.printingRuns = false;
        Command3_Click(table, table, f.st, f.inputs);
        QCOMPARE(table.calculations, 0);
        f.printer.printingRuns = true;
        table.calculateWorks = false;
        Command3_Click(table, table, f.st, f.inputs);
        QVERIFY(f.printer.requests.isEmpty());
        table.calculateWorks = true;
        Command3_Click(table, table, f.st, f.inputs);
        QCOMPARE(table.calculations, 2);
        QCOMPARE(f.printer.finished, 1);
        const RecordingSurface &s = f.printer.last();
        QCOMPARE(s.opsOf(Kind::Picture).size(), 1);
        QCOMPARE(s.ops.last().target.top(), test::textOp(s, QStringLiteral("last")).from.y() + 264);
    }

    // "Print Graph": the picture at the page's corner at 15 twips a pixel,
    // scaled down whole when taller than the page.
    void graph_data()
    {
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSizeF>("printed");
        QTest::newRow("fits") << QSize(600, 645) << QSizeF(9000, 9675);
        QTest::newRow("too tall") << QSize(400, 1320) << QSizeF(4800, 15840);
        QTest::newRow("printing cannot run") << QSize(400, 300) << QSizeF();
    }
    void graph()
    {
        QFETCH(QSize, pixels);
        QFETCH(QSizeF, printed);
        test::PrintFixture f;
        f.printer.printingRuns = !printed.isEmpty();
        Form60_Command2_Click(QImage(pixels, QImage::Format_RGB32), f.st);
        QVERIFY(f.platform.shown.isEmpty());
        QCOMPARE(f.printer.requests.size(), printed.isEmpty() ? 0 : 1);
        if (printed.isEmpty())
            return;
        QCOMPARE(f.printer.requests[0].width, pixels.width() * 15.0);
        QCOMPARE(f.printer.last().ops.size(), 1);
        QCOMPARE(f.printer.last().ops[0].target, QRectF(QPointF(0, 0), printed));
    }
};

QTEST_MAIN(TestPrintCalcs)
#include "test_print_calcs.moc"
