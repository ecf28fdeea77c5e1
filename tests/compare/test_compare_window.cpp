#include "compare/compare_window.h"
#include "compare/graph_window.h"
#include "fake_screen.h"
#include "main/main_window.h"
#include "main/program.h"
#include "scripted_platform.h"
#include "scripted_printer.h"
#include "user_typing.h"
#include "widgets/cell_widgets.h"
#include "widgets/hover_help.h"
#include "widgets/painted_cell.h"
#include "widgets/window_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;
using C = CompareModel;
using S = Flow_Test_Sheet;

namespace {

// The program after its start-up, its five sheets holding the sample test.
struct Fixture {
    explicit Fixture(int width = 1920, int height = 1080) : screen(width, height, 96)
    {
        platform.setProgramFolder(folder.path());
        platform.printers = {QStringLiteral("Office")};
        platform.defaultPrinter = QStringLiteral("Office");
        Platform p = platform.platform();
        p.screen = &screen;
        p.print = &printer;
        program = std::make_unique<Program>(p);
        program->st.numbers.setLocaleSeparators(u'.', u',');
        program->Form_Load(QString());
    }
    CompareWindow &window() { return program->form50(); }
    C &model() { return program->compare; }
    // Opens the window from the main window's button.
    bool open()
    {
        program->mainWindow().widgets().widget<QPushButton>(u"Command50")->click();
        return QTest::qWaitForWindowActive(&window());
    }
    void click(const char *name, int index = -1)
    {
        QWidget *w = window().widgets().widget(QString::fromLatin1(name), index);
        QVERIFY2(w, name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
    }
    // The cell's editor, made now for a drawn cell.
    QLineEdit *cell(C::Array array, int index = C::Single)
    {
        QWidget *w = window().cellWidget(array, index);
        if (auto *painted = qobject_cast<PaintedCell *>(w))
            return painted->openEditor();
        return qobject_cast<QLineEdit *>(w);
    }
    // Pixels of the graph picture in the blues of the intake curves.
    int blueDots()
    {
        const QImage &image = program->form60().image();
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                n += qBlue(p) >= 192 && qRed(p) == 0 && qGreen(p) == 0;
            }
        return n;
    }

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    test::ScriptedPrinter printer;
    test::FakeScreen screen;
    std::unique_ptr<Program> program;
};

} // namespace

class TestCompareWindow : public QObject {
    Q_OBJECT

private slots:
    void opensAndFollowsItsCells();
    void calculateFillsTheTable();
    void entryCells();
    void graphAndItsStopAfterAFailedCalculate();
    void graphWindowFittedOnce();
};

void TestCompareWindow::opensAndFollowsItsCells()
{
    Fixture f;
    QVERIFY(!f.window().isBuilt());
    QVERIFY(f.open());
    QCOMPARE(f.window().windowTitle(),
             f.program->st.ui.App_Title + QStringLiteral(" -- Compare 2 Flow Tests"));
    const WindowBuilder &w = f.window().widgets();
    QVERIFY(w.widget<QRadioButton>(u"Option2", 1)->isChecked());
    QVERIFY(w.widget<QCheckBox>(u"Check1")->isChecked());
    f.model().setCell(C::Option3, QStringLiteral("15"));
    QVERIFY(w.widget<QRadioButton>(u"Option3", 15)->isChecked());
    f.click("Option2", 3);
    QCOMPARE(f.model().cell(C::Option2), QStringLiteral("3"));
    // A graph option box sets its cell and its program-wide flag.
    f.click("Check2");
    QCOMPARE(f.model().cell(C::Check2), QStringLiteral("1"));
    QCOMPARE(f.program->st.graph.Auto_X_Lines, 1);
    f.model().setCell(C::Text104, 25, QStringLiteral("12.5"));
    QVERIFY(f.cell(C::Text104, 25)->text() == u"12.5" && f.cell(C::Text104, 25)->isReadOnly());

    // The help line: a type's text, kept over a type without one.
    QLabel *help = w.helpLine()->label();
    auto enter = [&w](const char *name, int index) {
        QEvent event(QEvent::Enter);
        QApplication::sendEvent(w.widget(QString::fromLatin1(name), index), &event);
    };
    enter("Option3", 9);
    enter("Option3", 2);
    QVERIFY(help->isVisible());
    QVERIFY(help->text().startsWith(QStringLiteral("This will show the \"% Change in Flow\"")));
    enter("Command5", -1);
    QCOMPARE(help->text(), f.program->st.ui.Help_Texts.value(QStringLiteral("Help_PrtSc")));
    // A move over the bare background of the type frame hides it; one over
    // the From frame's does not.
    auto moveOver = [](QWidget *surface) {
        const QPoint bare(surface->width() - 3, surface->height() - 3);
        QVERIFY(!surface->childAt(bare));
        QMouseEvent move(QEvent::MouseMove, bare, surface->mapToGlobal(bare), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &move);
    };
    moveOver(w.widget(u"Frame4"));
    QVERIFY(help->isVisible());
    moveOver(w.widget(u"Frame6"));
    QVERIFY(!help->isVisible());

    // The capture button grabs this window; a grab that gives nothing is told.
    f.platform.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)));
    f.platform.grabGives(QImage());
    f.platform.answer(AnswerOk);
    f.click("Command5");
    QCOMPARE(f.platform.grabbed, QList<QWidget *>{&f.window()});
    QVERIFY(f.platform.texts().value(0).startsWith(QStringLiteral("Cannot save the image.")));

    // The close box and "&Quit" only hide it while the program runs.
    f.window().close();
    QVERIFY(!f.window().isVisible());
    QVERIFY(f.open());
    f.click("subend");
    QVERIFY(!f.window().isVisible());
}

void TestCompareWindow::calculateFillsTheTable()
{
    Fixture f;
    QVERIFY(f.open());
    const S &one = *f.program->sheets[0];
    f.program->sheets[1]->setCell(S::Text102, 20, QStringLiteral("250.5"));
    f.click("Command1");
    QCOMPARE(f.cell(C::Text102, 10)->text(), QStringLiteral("Test 1 - ") + one.cell(S::Text102, 0));
    QCOMPARE(f.cell(C::Text101, 30)->text(), one.cell(S::Text101, 30));
    QCOMPARE(f.cell(C::Text103, 13)->text(), one.cell(S::Text103, 13));
    // The difference is the To test's flow less the From test's.
    QCOMPARE(f.cell(C::Text107, 20)->text().toDouble(),
             250.5 - one.cell(S::Text102, 20).toDouble());
    QCOMPARE(f.cell(C::Text109, 21)->text(), QStringLiteral("0.0"));
}

void TestCompareWindow::entryCells()
{
    Fixture f;
    QVERIFY(f.open());
    QLineEdit *low = f.cell(C::Text1);
    QLineEdit *lift = f.cell(C::Text3);
    low->setFocus(Qt::TabFocusReason);
    QCOMPARE(low->selectedText(), QStringLiteral("-"));
    QVERIFY(test::type(QStringLiteral("x")));
    QVERIFY(test::press(Qt::Key_Backspace));
    QVERIFY(test::type(QStringLiteral("-2.5")));
    QCOMPARE(f.model().cell(C::Text1), QStringLiteral("-2.5"));
    // A valve lift takes no sign.
    lift->setFocus(Qt::TabFocusReason);
    QVERIFY(test::type(QStringLiteral("-")));
    QCOMPARE(lift->text(), QStringLiteral("-"));
    QCOMPARE(f.platform.beeps, 2);

    // Emptied and left, a cell reads "-" again and keeps the focus.
    low->setFocus(Qt::TabFocusReason);
    QVERIFY(test::press(Qt::Key_Backspace));
    f.cell(C::Text2)->setFocus(Qt::TabFocusReason);
    QCOMPARE(low->text(), QStringLiteral("-"));
    QCOMPARE(QApplication::focusWidget(), low);
}

void TestCompareWindow::graphAndItsStopAfterAFailedCalculate()
{
    Fixture f;
    QVERIFY(f.open());
    f.platform.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)));
    f.click("Option3", 3); // port energy, which reads the port volume
    f.program->sheets[0]->setCell(S::Text102, 1, QStringLiteral("abc"));
    f.platform.answer(AnswerOk, 2);
    f.click("Command2");
    f.click("Command3");
    QCOMPARE(f.platform.shown.size(), 2);
    QVERIFY(f.platform.shown[0].text.startsWith(QStringLiteral("Error Number 13")));
    QVERIFY(!f.program->form60().isVisible());
    QCOMPARE(f.blueDots(), 0);
    QVERIFY(f.printer.requests.isEmpty());

    // With the test readable again it graphs and prints.
    f.program->sheets[0]->setCell(S::Text102, 1, QStringLiteral("200"));
    f.click("Command2");
    QVERIFY(f.program->form60().isVisible());
    QVERIFY(f.blueDots() > 500);
    QCOMPARE(f.program->st.plot.Graph_Plus_Count, 0);
    f.click("Graph_Plus");
    QCOMPARE(f.program->st.plot.Graph_Plus_Count, 1);
    f.click("Command3");
    QCOMPARE(f.printer.documents.size(), 1);
    QStringList printed;
    for (const DrawOp &op : f.printer.last().opsOf(DrawOp::Kind::Text))
        printed << op.text;
    QVERIFY(printed.contains(f.model().cell(C::Text102, 10)));
    QCOMPARE(printed.filter(QStringLiteral("2026")).size(), 1); // the clock's date
    QCOMPARE(f.platform.shown.size(), 2);
}

void TestCompareWindow::graphWindowFittedOnce()
{
    // The fitting scales the graph window; the graphs after it leave it so.
    Fixture f(1280, 720);
    f.program->FullScrRes_Click();
    const QSize fitted = f.program->form60().size();
    QVERIFY(f.open());
    f.click("Command2");
    f.click("Command2");
    QCOMPARE(f.program->form60().size(), fitted);
}

QTEST_MAIN(TestCompareWindow)
#include "test_compare_window.moc"
