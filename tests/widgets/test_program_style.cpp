#include "widgets/program_style.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QStyleOptionFrame>
#include <QTest>

using namespace zyt;

class TestProgramStyle : public QObject {
    Q_OBJECT

private slots:
    void overflowPictureReadWhenDrawn_data();
    void overflowPictureReadWhenDrawn();
    void panelAsTheStyleDrawsIt_data();
    void panelAsTheStyleDrawsIt();
};

void TestProgramStyle::overflowPictureReadWhenDrawn_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("horizontal") << int(QStyle::SP_ToolBarHorizontalExtensionButton);
    QTest::newRow("vertical") << int(QStyle::SP_ToolBarVerticalExtensionButton);
}

void TestProgramStyle::overflowPictureReadWhenDrawn()
{
    QFETCH(int, which);
    const auto picture = QStyle::StandardPixmap(which);
    ProgramStyle style;
    const QIcon deferred = style.standardIcon(picture);
    const QIcon fusion = style.baseStyle()->standardIcon(picture);
    QVERIFY(!deferred.isNull());
    QCOMPARE(deferred.availableSizes(), fusion.availableSizes());
    QCOMPARE(deferred.actualSize(QSize(32, 32)), fusion.actualSize(QSize(32, 32)));
    for (const int size : {16, 32})
        QCOMPARE(deferred.pixmap(size).toImage(), fusion.pixmap(size).toImage());
    // A copy reads its own picture, the same one.
    const QIcon copy = deferred;
    QCOMPARE(copy.pixmap(16).toImage(), fusion.pixmap(16).toImage());
}

void TestProgramStyle::panelAsTheStyleDrawsIt_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<bool>("focused");
    QTest::newRow("narrow") << QSize(12, 20) << 1.0 << false;
    QTest::newRow("just wide enough to be pieced") << QSize(18, 21) << 1.0 << false;
    QTest::newRow("a cell") << QSize(90, 24) << 1.0 << false;
    QTest::newRow("a cell with the focus") << QSize(90, 24) << 1.0 << true;
    QTest::newRow("wide, at twice the scale") << QSize(361, 27) << 2.0 << true;
    for (const qreal ratio : {1.25, 1.5, 1.75})
        QTest::addRow("a cell at %g", ratio) << QSize(88, 20) << ratio << (ratio > 1.25);
}

// Drawn from the pieces kept of an earlier panel of another width, a panel
// has the very pixels the style gives it, in its place as a widget's painter
// has it: between device pixels at a fractional scale, and on whole ones.
void TestProgramStyle::panelAsTheStyleDrawsIt()
{
    QFETCH(QSize, size);
    QFETCH(qreal, ratio);
    QFETCH(bool, focused);
    const QStyle &fusion = *programStyle()->baseStyle();
    QStyleOptionFrame panel;
    panel.palette = fusion.standardPalette();
    panel.state = QStyle::State_Enabled | QStyle::State_Sunken;
    if (focused)
        panel.state |= QStyle::State_HasFocus;
    panel.lineWidth = 1;
    auto drawn = [&](const QStyle &style, QPoint at) {
        QImage image((QSizeF(size + QSize(16, 28)) * ratio).toSize(),
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(at);
        style.drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, nullptr);
        return image;
    };
    for (const int earlierWidth : {size.width(), size.width() + 57}) {
        panel.rect = QRect(QPoint(3, 2), QSize(earlierWidth, size.height()));
        drawn(*programStyle(), QPoint());
    }
    panel.rect = QRect(QPoint(3, 2), size);
    for (const QPoint at : {QPoint(7, 13), QPoint(5, 22)})
        QCOMPARE(drawn(*programStyle(), at), drawn(fusion, at));
}

QTEST_MAIN(TestProgramStyle)
#include "test_program_style.moc"
