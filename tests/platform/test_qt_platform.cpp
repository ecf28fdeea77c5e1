#include "platform/qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace zyt;

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
};

void TestQtPlatform::answers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press"); // a QMessageBox::StandardButton, or 0 to close the box
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("title");

    QTest::newRow("ok") << int(MsgButtons::Ok) << int(QMessageBox::Ok) << 1 << "Program";
    QTest::newRow("ok closed") << int(MsgButtons::Ok) << 0 << 1 << "Program";
    QTest::newRow("ok of ok/cancel")
        << int(MsgButtons::OkCancel) << int(QMessageBox::Ok) << 1 << "VORN - Error Message";
    QTest::newRow("cancel") << int(MsgButtons::OkCancel) << int(QMessageBox::Cancel) << 2 << "";
    QTest::newRow("ok/cancel closed") << int(MsgButtons::OkCancel) << 0 << 2 << "Program";
    QTest::newRow("yes") << int(MsgButtons::YesNo) << int(QMessageBox::Yes) << 6 << "Program";
    QTest::newRow("no") << int(MsgButtons::YesNo) << int(QMessageBox::No) << 7 << "Program";
}

void TestQtPlatform::answers()
{
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);
    QFETCH(QString, title);

    QtPlatform platform([] { return QStringLiteral("Program"); });
    QString shownTitle;
    QString shownText;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownTitle = box->windowTitle();
        shownText = box->text();
        if (press == 0)
            box->close();
        else
            box->button(QMessageBox::StandardButton(press))->click();
    });
    MsgRequest request;
    request.text = QStringLiteral("line one\r\n<b>line two</b>");
    request.buttons = MsgButtons(buttons);
    request.icon = MsgIcon::Exclamation;
    if (title != u"Program")
        request.title = title;
    QCOMPARE(platform.platform().messages->show(request), answer);
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownText, QStringLiteral("line one\n<b>line two</b>"));
}

QTEST_MAIN(TestQtPlatform)
#include "test_qt_platform.moc"
