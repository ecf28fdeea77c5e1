#include "widgets/program_style.h"

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QTest>

using namespace zyt;

class TestProgramStyle : public QObject {
    Q_OBJECT

private slots:
    void overflowPictureReadWhenDrawn_data();
    void overflowPictureReadWhenDrawn();
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

QTEST_MAIN(TestProgramStyle)
#include "test_program_style.moc"
