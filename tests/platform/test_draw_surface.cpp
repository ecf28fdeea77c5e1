#include "platform/draw_surface.h"
#include "platform/qt/painter_surface.h"
#include "platform/recording_surface.h"

#include <QPainter>
#include <QTest>

#include <cmath>
#include <utility>

using namespace zyt;
using Kind = DrawOp::Kind;

class TestDrawSurface : public QObject {
    Q_OBJECT

private slots:
    void clipping()
    {
        const QRectF rect(0, 0, 10, 10);
        const struct {
            QPointF a, b;
            bool kept;
            QPointF from, to;
        } rows[] = {
            {{1, 1}, {9, 9}, true, {1, 1}, {9, 9}},
            {{0, 10}, {10, 10}, true, {0, 10}, {10, 10}}, // on the edge
            {{-10, 5}, {20, 5}, true, {0, 5}, {10, 5}},
            {{5, 5}, {5, -1e12}, true, {5, 5}, {5, 0}},
            {{-5, -5}, {-1, 20}, false, {}, {}},
            {{8, -5}, {15, 2}, false, {}, {}}, // past a corner
        };
        for (const auto &r : rows) {
            const auto part = clipSegment(r.a, r.b, rect);
            QCOMPARE(part.has_value(), r.kept);
            if (part) {
                QCOMPARE(part->first, r.from);
                QCOMPARE(part->second, r.to);
            }
        }
    }

    void penAndTextState()
    {
        RecordingSurface s;
        s.setDrawWidth(3);
        s.setForeColor(Qt::red);
        s.setClipRect(QRectF(0, 0, 100, 100));
        s.line({10, 10}, {200, 10}, Qt::blue);
        s.dot({150, 50}, Qt::blue); // outside: left out, but the pen moves
        QCOMPARE(s.currentPosition(), QPointF(150, 50));
        s.lineTo({50, 50}, Qt::green);
        s.circle({50, 50}, 8, Qt::blue, 0.5);
        s.clearClipRect();
        s.setFontSize(12);
        s.setCurrentX(7);
        s.setCurrentY(20);
        s.print(QStringLiteral("abc"));
        QCOMPARE(s.currentPosition(), QPointF(0, 20 + 1.2 * 16));
        QCOMPARE(s.textWidth(QStringLiteral("abcd")), 0.6 * 16 * 4);

        QCOMPARE(s.ops.size(), 4);
        QCOMPARE(s.ops[0].to, QPointF(100, 10));
        QCOMPARE(s.ops[0].width, 3);
        QCOMPARE(s.ops[1].from, QPointF(100, 50));
        QCOMPARE(s.ops[1].color, QColor(Qt::green));
        QCOMPARE(s.ops[2].radiusX, 8.0);
        QCOMPARE(s.ops[2].radiusY, 4.0);
        QCOMPARE(s.ops[3].kind, Kind::Text);
        QCOMPARE(s.ops[3].from, QPointF(7, 20));
        QCOMPARE(s.ops[3].color, QColor(Qt::red));
    }

    void imagePixels()
    {
        ImageSurface s(QSize(100, 60));
        QImage background(10, 10, QImage::Format_RGB32);
        background.fill(Qt::yellow);
        s.setBackground(background);
        s.clear();
        s.line({10, 20}, {90, 20}, Qt::blue); // one pixel, no smoothing
        s.setDrawWidth(4);
        s.line({10, 40}, {90, 40}, Qt::red);
        s.setDrawWidth(1);
        s.setDrawStyle(DrawStyle::Dash);
        s.line({0, 55}, {99, 55}, Qt::black);
        const QImage &image = s.image();
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::yellow));
        QCOMPARE(image.pixelColor(50, 20), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(50, 19), QColor(Qt::white));
        for (int y = 39; y <= 41; ++y)
            QCOMPARE(image.pixelColor(50, y), QColor(Qt::red));
        QCOMPARE(image.pixelColor(50, 44), QColor(Qt::white));
        // Long dashes: 18 drawn, 6 left out.
        QCOMPARE(image.pixelColor(10, 55), QColor(Qt::black));
        QCOMPARE(image.pixelColor(20, 55), QColor(Qt::white));
        QCOMPARE(image.pixelColor(30, 55), QColor(Qt::black));

        // 12 points at 96 dots per inch are 16 pixels.
        s.setFontSize(12);
        QVERIFY(s.textHeight(QStringLiteral("X")) >= 16);
        QVERIFY(s.textHeight(QStringLiteral("X")) < 24);
        s.clear();
        QCOMPARE(s.image().pixelColor(50, 20), QColor(Qt::white));
    }

    // Long wide curves are outlined aside and filled in their turn: the same
    // pixels as Qt drawing each line, and what is drawn later still lies over
    // what was drawn before.
    void longCurves_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("2") << 2;
        QTest::newRow("3") << 3;
        QTest::newRow("4") << 4;
    }

    void longCurves()
    {
        QFETCH(int, width);
        const QSize size(600, 400);
        auto curve = [](int k, double phase) {
            const double x = k * 0.4;
            return QPointF(x, 200 + 150 * std::sin(x / 37.0 + phase) * std::cos(x / 91.0));
        };
        ImageSurface s(size);
        s.clear();
        s.setDrawWidth(width);
        QImage expected(size, QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter p(&expected);
        QPen pen(Qt::red, width, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin);
        for (const auto &[phase, color] :
             {std::pair{0.0, QColor(Qt::red)}, {1.5, QColor(Qt::blue)}}) {
            QPolygonF points;
            for (int k = 0; k < 1500; ++k)
                points << curve(k, phase);
            for (int k = 1; k < 1500; ++k)
                s.line(points[k - 1], points[k], color);
            pen.setColor(color);
            p.setPen(pen);
            p.drawPolyline(points);
        }
        s.setDrawWidth(1);
        s.line({0, 200}, {599, 200}, Qt::green);
        p.setPen(QPen(Qt::green, 1, Qt::SolidLine, Qt::SquareCap));
        p.drawLine(QPointF(0, 200), QPointF(599, 200));
        p.end();
        QCOMPARE(s.image().convertToFormat(QImage::Format_RGB32), expected);
    }

    // The picture's pixels are made on its first use, whatever that use is.
    void imageFirstUse_data()
    {
        QTest::addColumn<int>("use");
        QTest::addColumn<QColor>("corner");
        QTest::addColumn<QColor>("middle");
        QTest::newRow("read") << 0 << QColor(Qt::white) << QColor(Qt::white);
        QTest::newRow("line") << 1 << QColor(Qt::white) << QColor(Qt::blue);
        QTest::newRow("line left pending") << 2 << QColor(Qt::white) << QColor(Qt::blue);
        QTest::newRow("clear over a background") << 3 << QColor(Qt::yellow) << QColor(Qt::white);
        QTest::newRow("text measured") << 4 << QColor(Qt::white) << QColor(Qt::white);
    }

    void imageFirstUse()
    {
        QFETCH(int, use);
        QFETCH(QColor, corner);
        QFETCH(QColor, middle);
        ImageSurface s(QSize(120, 80));
        s.setFontSize(12);
        const double height = s.textHeight(QStringLiteral("X"));
        switch (use) {
        case 1:
            s.line({0, 40}, {119, 40}, Qt::blue);
            s.circle({60, 40}, 5, Qt::blue);
            break;
        case 2:
            s.line({0, 40}, {119, 40}, Qt::blue);
            break;
        case 3: {
            QImage background(4, 4, QImage::Format_RGB32);
            background.fill(Qt::yellow);
            s.setBackground(background);
            s.clear();
            break;
        }
        default:
            break;
        }
        const QImage &image = s.image();
        QCOMPARE(image.size(), QSize(120, 80));
        QCOMPARE(image.dotsPerMeterX(), 3780);
        QCOMPARE(image.pixelColor(0, 0), corner);
        QCOMPARE(image.pixelColor(30, 40), middle);
        QCOMPARE(image.pixelColor(119, 79), QColor(Qt::white));
        // Texts measure the same before the pixels are made as after.
        QCOMPARE(s.textHeight(QStringLiteral("X")), height);
    }
};

QTEST_MAIN(TestDrawSurface)
#include "test_draw_surface.moc"
