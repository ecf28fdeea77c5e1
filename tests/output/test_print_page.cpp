#include "output/print_page.h"
#include "print_fixture.h"

using namespace zyt;
using Kind = DrawOp::Kind;

// The recording measures 0.6 of the font height across per character (120
// twips at 10 points, 144 at 12, 192 at 16) and 1.2 of it down (240 at 10).
class TestPrintPage : public QObject {
    Q_OBJECT

private slots:
    void textAt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<double>("x");
        QTest::newRow("left") << "abcd" << 2000 << 1 << 1000.0;
        QTest::newRow("centred") << "abcd" << 2000 << 2 << 1260.0;
        QTest::newRow("right") << "abcd" << 2000 << 3 << 1520.0;
        QTest::newRow("code 0 is right") << "abcd" << 2000 << 0 << 1520.0;
        QTest::newRow("as wide as the span") << "abcd" << 1480 << 2 << 1000.0;
        QTest::newRow("wider, right") << "abcdef" << 1480 << 3 << 1000.0;
    }
    void textAt()
    {
        QFETCH(QString, text);
        QFETCH(int, right);
        QFETCH(int, alignment);
        QFETCH(double, x);
        RecordingSurface s(1440);
        PrinterPage page(s);
        page.setFont(10, false);
        s.setCurrentY(500);
        page.Printer_Text_At(text, 1000, right, alignment);
        QCOMPARE(s.ops[0].from, QPointF(x, 500));
        QCOMPARE(page.Text_Width, 120.0 * text.size());
        QCOMPARE(s.currentPosition(), QPointF(0, 740));
    }

    void header_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("logoHigh"); // pixels; 0 none
        QTest::addColumn<QRectF>("logoAt");
        QTest::addColumn<double>("nameX");
        QTest::addColumn<double>("customerY");
        // The title line ends at 462 and its rule leaves the pen at 512; the
        // company block runs from 612 to 1620, above the foot of a 100-pixel
        // logo (662 + 1500).
        QTest::newRow("left") << 0 << 0 << QRectF() << 150.0 << 1695.0;
        QTest::newRow("left, logo")
            << 0 << 100 << QRectF(10425, 662, 1500, 1500) << 150.0 << 2237.0;
        QTest::newRow("left, short logo")
            << 0 << 20 << QRectF(10425, 662, 1500, 300) << 150.0 << 1695.0;
        QTest::newRow("center, logo") << 1 << 100 << QRectF() << 3925.5 << 1695.0;
        QTest::newRow("right") << 2 << 0 << QRectF() << 7701.0 << 1695.0;
        QTest::newRow("right, logo")
            << 2 << 100 << QRectF(150, 662, 1500, 1500) << 7701.0 << 2237.0;
        QTest::newRow("none chosen, logo") << -1 << 100 << QRectF() << 7701.0 << 1695.0;
    }
    void header()
    {
        QFETCH(int, layout);
        QFETCH(int, logoHigh);
        QFETCH(QRectF, logoAt);
        QFETCH(double, nameX);
        QFETCH(double, customerY);
        PageHeaderInfo info;
        info.App_Title = QStringLiteral("Vorn / ZYT");
        info.company = {QStringLiteral("Quarnel Airpath Studio"), QStringLiteral("A"), QString(),
                        QStringLiteral("12 Main Street"), QStringLiteral("www.quarnel.example")};
        info.layout = layout;
        info.Logo_On = 1;
        if (logoHigh > 0)
            info.logo = QImage(100, logoHigh, QImage::Format_RGB32);
        info.printedAt = QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7));
        info.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        RecordingSurface s(1440);
        PrinterPage page(s);
        page.Print_Page_Header(info);

        const QList<DrawOp> pictures = s.opsOf(Kind::Picture);
        QCOMPARE(pictures.isEmpty() ? QRectF() : pictures[0].target, logoAt);
        const QList<DrawOp> texts = s.opsOf(Kind::Text);
        QCOMPARE(texts.size(), 7); // one-character and empty company lines are left out
        QCOMPARE(texts[0].from, QPointF((12150 - 10 * 156) / 2.0, 150));
        const DrawOp rule = s.opsOf(Kind::Line)[0];
        QVERIFY(rule.from == QPointF(50, 512) && rule.to == QPointF(12150, 512));
        QCOMPARE(rule.width, 20);
        QCOMPARE(texts[1].from, QPointF(nameX, 612));
        QVERIFY(texts[1].bold && texts[1].fontSize == 16.0);
        QCOMPARE(texts[2].from.y(), 996.0); // no gap for the lines left out
        QVERIFY(!texts[2].bold && texts[2].fontSize == 13.0);
        QCOMPARE(texts[4].from, QPointF(125, customerY));
        QCOMPARE(texts[5].text, QStringLiteral("Printed: Tuesday December 8 2026 9:5:7"));
        QCOMPARE(texts[5].from.y(), customerY);
        QCOMPARE(texts[5].from.x() + 144.0 * texts[5].text.size(), 12075.0);
        QVERIFY(texts[6].text.startsWith(QStringLiteral("Order / Invoice #: ")));
        QCOMPARE(texts[6].from, QPointF(125, customerY + 388));
        const DrawOp foot = s.opsOf(Kind::Line).last();
        QCOMPARE(foot.from, QPointF(50, customerY + 388 + 288 + 150));
        QCOMPARE(foot.width, 1);
    }

    void logo_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("pixelsHigh");
        QTest::addColumn<bool>("newPage");
        QTest::newRow("at 13800") << 13800.0 << 50 << false;
        QTest::newRow("at 13801") << 13801.0 << 50 << true;
        QTest::newRow("passing the foot") << 13000.0 << 200 << true;
    }
    void logo()
    {
        QFETCH(double, y);
        QFETCH(int, pixelsHigh);
        QFETCH(bool, newPage);
        RecordingSurface s(1440);
        PrinterPage page(s, 15840);
        s.setCurrentY(y);
        PageHeaderInfo info;
        info.Logo_On = 1;
        page.Print_Logo(info); // no picture: nothing
        QVERIFY(s.ops.isEmpty());
        info.logo = QImage(100, pixelsHigh, QImage::Format_RGB32);
        page.Print_Logo(info);
        QCOMPARE(s.opsOf(Kind::NewPage).size(), newPage ? 1 : 0);
        QCOMPARE(s.ops.last().target, QRectF(0, newPage ? 0 : y, 1500, pixelsHigh * 15.0));
        QCOMPARE(s.currentY(), newPage ? 0.0 : y);
    }

    // A line, a row or a rule that would pass the page's foot starts a new
    // page; a row moves whole.
    void newPages()
    {
        RecordingSurface s(1440);
        PrinterPage page(s, 1000);
        page.setFont(10, false);
        s.setCurrentY(760); // ends at the foot: still fits
        page.Printer_Text_At(QStringLiteral("fits"), 100, 1200, 1);
        page.Printer_Text_At(QStringLiteral("next page"), 100, 1200, 1);
        s.setCurrentY(800); // a 10-point label fits, an 11-point value would not
        page.startRow();
        page.Printer_Bold_On();
        page.Printer_Text_At(QStringLiteral("label"), 100, 1200, 1);
        page.Printer_Bold_Off();
        page.Printer_Text_At(QStringLiteral("value"), 1200, 2300, 1);
        s.setCurrentY(900);
        page.rule(50, 12150, 150);
        QList<double> ys;
        for (const DrawOp &op : s.ops)
            ys << (op.kind == Kind::NewPage ? -1.0 : op.from.y());
        QCOMPARE(ys, (QList<double>{760, -1, 0, -1, 0, 0, -1, 150}));
    }

    void inputsOfAPrintout()
    {
        // The logo by its name in the program's folder; a name the folder
        // rule refuses prints none. The time is the platform clock's.
        test::PrintFixture f;
        f.logoOn(0);
        const QDateTime when(QDate(2027, 1, 2), QTime(3, 4, 5));
        f.platform.setNow(when);
        QCOMPARE(currentPrintInputs(f.st.graph, f.st.platform).logo.size(), QSize(100, 50));
        QCOMPARE(currentPrintInputs(f.st.graph, f.st.platform).printedAt, when);
        f.st.graph.Logo_File = QDir(f.platform.path()).filePath(QStringLiteral("logo.bmp"));
        QVERIFY(currentPrintInputs(f.st.graph, f.st.platform).logo.isNull());
        f.st.graph.Logo_File = QStringLiteral("gone.bmp"); // no picture file: no logo
        QVERIFY(currentPrintInputs(f.st.graph, f.st.platform).logo.isNull());
    }
};

QTEST_MAIN(TestPrintPage)
#include "test_print_page.moc"
