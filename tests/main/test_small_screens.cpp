#include "compare/compare_window.h"
#include "compare/graph_window.h"
#include "fake_screen.h"
#include "main/main_window.h"
#include "main/program.h"
#include "report/report_window.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "widgets/window_placement.h"

#include <QMainWindow>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;
using S = Flow_Test_Sheet;

namespace {

// Every part of every control of a window can be brought into sight by
// scrolling.
void everyControlReachable(QMainWindow &window)
{
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QScrollArea *scroller = windowScroller(window);
    QVERIFY(scroller);
    QWidget *content = scroller->widget();
    QScrollBar *across = scroller->horizontalScrollBar();
    QScrollBar *down = scroller->verticalScrollBar();
    const QList<QWidget *> controls =
        content->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (const QWidget *w : controls) {
        const QRect r = w->geometry() & content->rect();
        if (w->isHidden() || r.isEmpty())
            continue;
        for (const QPoint corner : {r.topLeft(), r.bottomRight()}) {
            across->setValue(corner.x() - scroller->viewport()->width() / 2);
            down->setValue(corner.y() - scroller->viewport()->height() / 2);
            QVERIFY2(
                scroller->viewport()->rect().contains(content->mapTo(scroller->viewport(), corner)),
                qPrintable(window.objectName() + u' ' + w->objectName()));
        }
    }
}

} // namespace

class TestSmallScreens : public QObject {
    Q_OBJECT

private slots:
    void windowsFitTheScreen_data();
    void windowsFitTheScreen();
    void roomyScreenShowsWindowsWhole();
    void plainWindowShrinksToTheScreen();
};

void TestSmallScreens::windowsFitTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<bool>("fitted");

    QTest::newRow("1366x768") << QSize(1366, 768) << QRect(0, 0, 1366, 768) << false;
    QTest::newRow("1366x768 fitted") << QSize(1366, 768) << QRect(0, 0, 1366, 768) << true;
    QTest::newRow("1024x768") << QSize(1024, 768) << QRect(0, 0, 1024, 768) << false;
    QTest::newRow("1024x768 under a panel")
        << QSize(1024, 768) << QRect(0, 32, 1024, 768 - 32) << false;
}

void TestSmallScreens::windowsFitTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QRect, area);
    QFETCH(bool, fitted);

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    platform.setProgramFolder(folder.path());
    test::FakeScreen fake(screen.width(), screen.height(), 96);
    fake.setAvailableArea(area);
    Platform p = platform.platform();
    p.screen = &fake;
    Program program(p);
    program.Form_Load(QString());
    if (fitted)
        program.FullScrRes_Click();
    program.mainWindow().show();
    program.openSheet(0);
    program.Command50_Click();
    program.Command33_Click();
    program.form60().show();

    for (QMainWindow *w : {static_cast<QMainWindow *>(&program.mainWindow()),
                           static_cast<QMainWindow *>(&program.sheetWindow(0)),
                           static_cast<QMainWindow *>(&program.form50()),
                           static_cast<QMainWindow *>(&program.form60()),
                           static_cast<QMainWindow *>(&program.form70())}) {
        QVERIFY2(area.contains(w->frameGeometry()),
                 qPrintable(w->objectName() + u' ' + QString::number(w->frameGeometry().top())));
        everyControlReachable(*w);
    }
    // Reopened, the sheet is still on the screen.
    program.sheetWindow(0).hide();
    program.sheetWindow(0).move(-400, -300);
    program.openSheet(0);
    QVERIFY(area.contains(program.sheetWindow(0).frameGeometry()));
}

void TestSmallScreens::roomyScreenShowsWindowsWhole()
{
    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    platform.setProgramFolder(folder.path());
    test::FakeScreen fake(1920, 1080, 96);
    Platform p = platform.platform();
    p.screen = &fake;
    Program program(p);
    program.Form_Load(QString());
    program.mainWindow().show();
    program.openSheet(0);
    for (QMainWindow *w : {static_cast<QMainWindow *>(&program.mainWindow()),
                           static_cast<QMainWindow *>(&program.sheetWindow(0))}) {
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QCOMPARE(w->size(), fullClientSize(*w));
        QVERIFY(!windowScroller(*w)->verticalScrollBar()->isVisible());
        QVERIFY(!windowScroller(*w)->horizontalScrollBar()->isVisible());
    }
}

void TestSmallScreens::plainWindowShrinksToTheScreen()
{
    test::FakeScreen fake(640, 480, 96);
    QWidget window;
    window.resize(800, 600);
    window.move(-50, -50);
    fitOnScreen(window, &fake);
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 640, 480));
}

QTEST_MAIN(TestSmallScreens)
#include "test_small_screens.moc"
