#include "fake_screen.h"
#include "main/screen_fit.h"
#include "model/app_state.h"

#include <QLabel>
#include <QTest>
#include <QWidget>

#include <cmath>

using namespace zyt;

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    void screenPixels_data();
    void screenPixels();
    void factors_data();
    void factors();
    void fittedTop_data();
    void fittedTop();
    void scaleFormControls();
};

void TestScreenFit::screenPixels_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("dpi");

    QTest::newRow("1920x1080 at 96") << 1920 << 1080 << 96.0;
    QTest::newRow("1920x1080 at 120") << 1920 << 1080 << 120.0;
    QTest::newRow("1280x1024 at 96") << 1280 << 1024 << 96.0;
}

void TestScreenFit::screenPixels()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, dpi);
    const test::FakeScreen screen(width, height, dpi);
    QCOMPARE(screenPixelsWide(screen), width);
    QCOMPARE(screenPixelsHigh(screen), height);
}

void TestScreenFit::factors_data()
{
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("uniform");
    QTest::addColumn<double>("windowWidth");
    QTest::addColumn<double>("windowHeight");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("font");

    QTest::newRow("stretch at 96")
        << 96 << false << 1000.0 << 700.0 << 1.776 << 999.0 / 700.0 << 1.776 * 1.1;
    QTest::newRow("uniform at 96")
        << 96 << true << 1000.0 << 700.0 << 999.0 / 700.0 << 999.0 / 700.0 << 999.0 / 700.0;
    QTest::newRow("stretch at 120")
        << 120 << false << 1000.0 << 700.0 << 1.4208 << 999.0 / 700.0 * 0.8 << 1.4208 * 1.1;
    QTest::newRow("wide window damps the font")
        << 96 << false << 1000.0 << 999.0 << 1.776 << 1.0 << 1.0 * 1.3 * 1.025;
    QTest::newRow("larger than the screen stays")
        << 96 << false << 1900.0 << 1070.0 << 1.0 << 1.0 << 1.1;
}

void TestScreenFit::factors()
{
    QFETCH(int, dpi);
    QFETCH(bool, uniform);
    QFETCH(double, windowWidth);
    QFETCH(double, windowHeight);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, font);

    AppState st;
    st.looks.Screen_DPI = dpi;
    st.looks.Fit_Screen_Width = 1920 * 0.925;
    st.looks.Fit_Screen_Height = 1080 * 0.925;
    if (uniform)
        uniformFactors(st.looks, windowWidth, windowHeight);
    else
        stretchFactors(st.looks, windowWidth, windowHeight);
    QVERIFY2(std::fabs(st.looks.Scale_X - x) < 1e-9,
             qPrintable(QString::number(st.looks.Scale_X, 'g', 17)));
    QVERIFY2(std::fabs(st.looks.Scale_Y - y) < 1e-9,
             qPrintable(QString::number(st.looks.Scale_Y, 'g', 17)));
    QVERIFY2(std::fabs(st.looks.Scale_Font - font) < 1e-9,
             qPrintable(QString::number(st.looks.Scale_Font, 'g', 17)));
}

void TestScreenFit::fittedTop_data()
{
    QTest::addColumn<int>("windowHeight");
    QTest::addColumn<int>("top");

    QTest::newRow("25 pixels free above and below") << 1080 - 50 << 0;
    QTest::newRow("26 pixels free") << 1080 - 52 << 13;
    QTest::newRow("taller than the screen") << 1200 << 0;
}

void TestScreenFit::fittedTop()
{
    QFETCH(int, windowHeight);
    QFETCH(int, top);
    const test::FakeScreen screen(1920, 1080, 96);
    QCOMPARE(zyt::fittedTop(screen, windowHeight), top);
}

void TestScreenFit::scaleFormControls()
{
    test::FakeScreen screen(1920, 1080, 96);
    screen.setWindowFrame(QMargins(1, 20, 1, 1));
    AppState st;
    st.platform.screen = &screen;
    st.looks.Scale_X = 1.5;
    st.looks.Scale_Y = 2.0;
    st.looks.Scale_Font = 1.25;

    QWidget window;
    window.resize(400, 300);
    setInnerExtent(window, QSizeF(6000, 4500));
    auto *label = new QLabel(QStringLiteral("x"), &window);
    label->setGeometry(10, 20, 100, 30);
    QFont font = label->font();
    font.setPointSizeF(8.0);
    label->setFont(font);
    auto *frame = new QWidget(&window);
    frame->setGeometry(200, 100, 100, 100);
    auto *inner = new QWidget(frame);
    inner->setGeometry(10, 10, 20, 20);

    Scale_Form_Controls(window, st.looks, st.platform.screen);
    // The outer size, 402 by 321 with the frame, grows by the factors.
    QCOMPARE(window.size(), QSize(603 - 2, 642 - 21));
    QCOMPARE(label->geometry(), QRect(15, 40, 150, 60));
    QCOMPARE(label->font().pointSizeF(), 10.0);
    QCOMPARE(frame->geometry(), QRect(300, 200, 150, 200));
    QCOMPARE(inner->geometry(), QRect(15, 20, 30, 40));
    // The extent is scaled crosswise.
    QCOMPARE(innerExtent(window), QSizeF(6000 * 2.0, 4500 * 1.5));
    QCOMPARE(window.pos(), QPoint((1920 - 603) / 2, 110)); // the frame's corner
}

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
