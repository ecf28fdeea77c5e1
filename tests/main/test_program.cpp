#include "compare/compare_window.h"
#include "compare/graph_window.h"
#include "fake_screen.h"
#include "files/text_files.h"
#include "main/main_window.h"
#include "main/program.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "user_typing.h"
#include "widgets/cell_widgets.h"
#include "widgets/painted_cell.h"
#include "widgets/window_builder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;
using S = Flow_Test_Sheet;
using M = MainModel;

namespace {

struct Fixture {
    explicit Fixture(int width = 1920, int height = 1080, double dpi = 96)
        : screen(width, height, dpi)
    {
        platform.setProgramFolder(folder.path());
        Platform p = platform.platform();
        p.screen = &screen;
        program = std::make_unique<Program>(p);
        program->st.numbers.setLocaleSeparators(u'.', u',');
    }
    QString autosave() const { return folder.filePath(QStringLiteral("zxqw1234.sav")); }

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    test::FakeScreen screen;
    std::unique_ptr<Program> program;
};

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void firstStartAndExit();
    void commaLocale();
    void restartRestores();
    void failedExitWriteStillCloses();
    void switches_data();
    void switches();
    void smallScreenLeavesWindows();
    void fittingByTheFrameOnceKnown();
    void windowsOnlyHideWhileRunning();
    void openingSheets();
    void preloads();
    void floodsOfBoxes_data();
    void floodsOfBoxes();
    void screenResolutionMessage();
    void metricBoxConvertsEverything();
    void estimatorOnTheWindow();
    void hoverHelp();
};

void TestProgram::firstStartAndExit()
{
    Fixture f;
    f.program->Form_Load(QString());
    QVERIFY(f.platform.shown.isEmpty()); // no autosave yet: nothing said
    QCOMPARE(f.program->st.ui.App_Title,
             QStringLiteral("Vorn / ZYT -- Corin Yeldham and Jory Thane' -- Quarnel Airpath "
                            "Studio -- Version: 4.8.0"));
    QCOMPARE(f.program->mainWindow().windowTitle(), f.program->st.ui.App_Title);
    QCOMPARE(f.program->form50().windowTitle(),
             f.program->st.ui.App_Title + QStringLiteral(" -- Compare 2 Flow Tests"));
    QCOMPARE(f.program->form60().windowTitle(),
             f.program->st.ui.App_Title + QStringLiteral(" -- Graph and Annotate"));
    QCOMPARE(f.program->graph.Combo1.size(), 19);
    QCOMPARE(f.program->graph.Picture1_DrawWidth, 2);
    // The sheets hold the results of their sample data.
    QCOMPARE(f.program->sheets[2]->cell(S::Text113, 11), QStringLiteral("0.738"));
    QVERIFY(!f.program->sheetWindow(0).isBuilt());

    f.program->Exit_Click();
    QVERIFY(QFile::exists(f.autosave()));
    QCOMPARE(f.program->st.ui.Exiting, 1);
    f.program->Exit_Click(); // a second exit does nothing
}

void TestProgram::commaLocale()
{
    Fixture f;
    f.program->st.numbers.setLocaleSeparators(u',', u'.');
    f.platform.answer(AnswerOk);
    f.program->Form_Load(QString());
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral("Program Set for Decimal Point to be >>,<< [Comma] ")});
    QCOMPARE(f.platform.shown.first().icon, MsgIcon::Information);
    QCOMPARE(f.program->st.numbers.Decimal_Comma, 1);
    // The cells were converted before the sheets were calculated.
    QCOMPARE(f.program->sheets[0]->cell(S::Text102, 3), QStringLiteral("2,02"));
    QCOMPARE(f.program->sheets[0]->cell(S::Text113, 7), QStringLiteral("0,7673"));
    QCOMPARE(f.program->main.cell(M::Text101, 3), QStringLiteral("0,5475"));
}

void TestProgram::restartRestores()
{
    QTemporaryDir folder;
    {
        Fixture f;
        f.platform.setProgramFolder(folder.path());
        f.program->Form_Load(QString());
        f.program->main.setCell(M::Option4, QStringLiteral("2"));
        f.program->main.setCell(M::Text94, M::Single, QStringLiteral("Flow Shop Inc"));
        f.program->Exit_Click();
    }
    Fixture f;
    f.platform.setProgramFolder(folder.path());
    f.program->Form_Load(QString());
    QVERIFY2(f.platform.shown.isEmpty(), qPrintable(f.platform.texts().join(u'|')));
    QCOMPARE(f.program->main.cell(M::Option4), QStringLiteral("2"));
    QCOMPARE(f.program->main.cell(M::Text94), QStringLiteral("Flow Shop Inc"));
}

void TestProgram::failedExitWriteStillCloses()
{
    Fixture f;
    f.program->Form_Load(QString());
    f.program->openSheet(0);
    // A folder no one may write in, not even the administrator.
    f.platform.setProgramFolder(QStringLiteral("/proc/self"));
    f.platform.answer(AnswerOk);
    f.program->Exit_Click();
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("MAIN Data File has NOT been Saved")});
    QVERIFY(!f.program->sheetWindow(0).isVisible());
    QVERIFY(f.program->exited());
}

void TestProgram::switches_data()
{
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<bool>("fitted");
    QTest::addColumn<int>("nonstandard");
    QTest::addColumn<bool>("arrow");

    QTest::newRow("none") << "" << false << 0 << false;
    QTest::newRow("other text") << "hello" << false << 0 << false;
    QTest::newRow("/fs") << "/fs" << true << 0 << false;
    QTest::newRow("/fn") << "/fn" << true << 1 << false;
    QTest::newRow("/fn with /fs") << "/fn /fs" << true << 0 << false;
    QTest::newRow("/FS with /fn, capitals") << "/FN /FS" << true << 0 << false;
    QTest::newRow("/mp alone") << "/mp" << false << 0 << true;
    QTest::newRow("inside a word") << "x/MPx" << false << 0 << true;
}

void TestProgram::switches()
{
    QFETCH(QString, commandLine);
    QFETCH(bool, fitted);
    QFETCH(int, nonstandard);
    QFETCH(bool, arrow);

    Fixture f;
    const QSize before = f.program->mainWindow().size();
    f.program->Form_Load(commandLine);
    MainWindow &w = f.program->mainWindow();
    QCOMPARE(w.size() != before, fitted);
    QCOMPARE(!w.action(QStringLiteral("FullScrRes"))->isEnabled(), fitted);
    QCOMPARE(!w.action(QStringLiteral("AspectRatio"))->isEnabled(), fitted);
    QCOMPARE(f.program->st.looks.Nonstandard_Aspect, nonstandard);
    QCOMPARE(!w.action(QStringLiteral("MouseP"))->isEnabled(), arrow);
    if (arrow)
        QCOMPARE(f.program->sheetWindow(3).cursor().shape(), Qt::ArrowCursor);
    if (fitted) {
        QVERIFY(f.program->sheetWindow(0).isBuilt());
        QVERIFY(f.program->st.graph.Graph_Width > 600.0);
    }
}

void TestProgram::smallScreenLeavesWindows()
{
    Fixture f(1199, 1080, 96);
    const QSize before = f.program->mainWindow().size();
    f.program->Form_Load(QStringLiteral("/fs"));
    QCOMPARE(f.program->mainWindow().size(), before);
    QVERIFY(!f.program->mainWindow().action(QStringLiteral("FullScrRes"))->isEnabled());
}

void TestProgram::fittingByTheFrameOnceKnown()
{
    // No window framed yet: fitted by the inner sizes, and again by the outer
    // ones as the main window is framed.
    Fixture f;
    f.program->Form_Load(QStringLiteral("/fs"));
    SheetWindow &sheet = f.program->sheetWindow(0);
    QCOMPARE(sheet.size(), QSize(1776, 999));
    f.screen.setWindowFrame(QMargins(1, 20, 1, 1));
    f.program->mainWindow().show();
    QTRY_COMPARE(sheet.size(), QSize(1776 - 2, 999 - 21));
    QCOMPARE(sheet.pos(), QPoint((1920 - 1776) / 2, (1080 - 999) / 4));
}

void TestProgram::windowsOnlyHideWhileRunning()
{
    Fixture f;
    f.program->Form_Load(QString());
    for (QWidget *w : f.program->windows()) {
        if (w == &f.program->mainWindow())
            continue;
        w->show();
        QVERIFY2(!w->close(), qPrintable(w->objectName()));
        QVERIFY(!w->isVisible());
    }
}

void TestProgram::openingSheets()
{
    Fixture f;
    f.program->Form_Load(QString());
    f.program->openSheet(2);
    SheetWindow &w = f.program->sheetWindow(2);
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), f.program->st.ui.App_Title + QStringLiteral(" -- Flow Test 3"));
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.cellEditor(S::Text108, 7));
    // The test pressure is selected as a Tab into it would select it, so a
    // typed digit replaces it.
    QLineEdit *pressure = w.cellEditor(S::Text108, 7);
    QCOMPARE(pressure->selectedText(), QStringLiteral("28"));
    QVERIFY(test::type(QStringLiteral("3")));
    QCOMPARE(f.program->sheets[2]->cell(S::Text108, 7), QStringLiteral("3"));
    // Tab goes on to the correct-to pressure, which takes no typing, and on
    // to the compression ratio, which does.
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), w.cellEditor(S::Text108, 8));
    QVERIFY(test::type(QStringLiteral("29")));
    QCOMPARE(f.program->sheets[2]->cell(S::Text108, 8), QStringLiteral("28"));
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), w.cellEditor(S::Text110, 5));
    QVERIFY(test::type(QStringLiteral("9.5")));
    QCOMPARE(f.program->sheets[2]->cell(S::Text110, 5), QStringLiteral("9.5"));
    QVERIFY(test::press(Qt::Key_Backtab, Qt::ShiftModifier));
    QVERIFY(test::press(Qt::Key_Backtab, Qt::ShiftModifier));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(pressure));
    f.program->sheets[2]->setCell(S::Text101, 20, QStringLiteral("222"));
    w.hide();
    f.program->mainWindow().show();
    f.program->mainWindow().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.program->mainWindow()));
    f.program->openSheet(2);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(f.program->sheets[2]->cell(S::Text101, 20), QStringLiteral("222"));
    QCOMPARE(pressure->selectedText(), QStringLiteral("3"));
}

void TestProgram::preloads()
{
    Fixture f;
    f.program->Form_Load(QString());
    Program &p = *f.program;
    // One saved sheet to preload.
    QDir(f.folder.path()).mkpath(QStringLiteral("tests"));
    const QString path = f.folder.filePath(QStringLiteral("tests/Port2.dat"));
    p.sheets[0]->setCell(S::Text102, 0, QStringLiteral("preloaded"));
    f.platform.choose(path);
    f.platform.answer(AnswerOk); // records written
    p.sheetWindow(0).Save_Data_Click();
    p.sheets[0]->setCell(S::Text102, 0, QStringLiteral("E7TE"));

    f.platform.choose(path);
    p.Command45_Click(1);
    QCOMPARE(p.main.cell(M::Text1, 1), QStringLiteral("tests/Port2.dat"));
    // A file outside the program's folder is refused.
    f.platform.choose(QStringLiteral("/elsewhere/x.dat"));
    f.platform.answer(AnswerOk);
    p.Command45_Click(2);
    QCOMPARE(p.main.cell(M::Text1, 2), QStringLiteral("No"));

    p.main.setCell(M::Text1, 3, QStringLiteral("a.da")); // four characters: skipped
    // The panel, not shown yet, makes its cells when asked, with the names.
    auto *name = qobject_cast<PaintedCell *>(p.mainWindow().cellWidget(M::Text1, 1));
    QVERIFY(name && name->text() == QStringLiteral("tests/Port2.dat"));
    p.mainWindow().showPreloads(true);
    p.Command46_Click();
    QVERIFY(!p.mainWindow().preloads()->isVisible());
    QCOMPARE(p.sheets[1]->cell(S::Text102, 0), QStringLiteral("preloaded"));
    QCOMPARE(p.sheets[1]->path(), QString()); // the preload does not set the path line
    QCOMPARE(p.sheets[3]->cell(S::Text102, 0), QStringLiteral("E7TE"));
    QVERIFY(!p.sheetWindow(1).isVisible());
    QVERIFY(f.platform.scriptDone());
}

void TestProgram::floodsOfBoxes_data()
{
    QTest::addColumn<QString>("action"); // on `file`: the autosave, but for a sheet's menu
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("eleventh"); // after ten boxes of bad records, before the count
    QTest::addColumn<int>("skipped");
    const QByteArray
        junk = QByteArray("Junk\r\n").repeated(50),
        five = "Flow1 = d.dat\nFlow2 = d.dat\nFlow3 = d.dat\nFlow4 = d.dat\nFlow5 = d.dat";
    const QString more = QStringLiteral("40 more Bad Records were Skipped without a Message.");
    QTest::newRow("dat") << "sheet" << junk + "Text101_16 = x" << more << 2;
    QTest::newRow("sav") << "start" << junk + QByteArray("Flow1 = gone.dat\r\n").repeated(5)
                         << "Flow Data File has Not been Loaded" << 5;
    QTest::newRow("sav, preloads") << "start" << five << more << 44;
    QTest::newRow("preloads button") << "preloads" << five << more << 44;
}

void TestProgram::floodsOfBoxes()
{
    QFETCH(QString, action);
    QFETCH(QByteArray, file);
    QFETCH(QString, eleventh);
    QFETCH(int, skipped);
    Fixture f;
    const QString chosen = f.folder.filePath(action == u"sheet" ? "chosen" : "zxqw1234.sav");
    QVERIFY(writeFileAtomically(chosen, file));
    QVERIFY(writeFileAtomically(f.folder.filePath("d.dat"), QByteArray("Junk\r\n").repeated(50)));
    f.platform.chooseAlways(chosen);
    f.platform.answerAllWith(AnswerOk);
    f.program->Form_Load(QString());
    if (action == u"sheet")
        f.program->sheetWindow(0).Load_Data_Click();
    if (action == u"preloads") { // after a start with the same boxes
        f.platform.clear();
        f.program->Command46_Click();
    }
    QCOMPARE(f.platform.texts(), QStringList(10, QStringLiteral("Record not Handled -->Junk"))
                                     << eleventh
                                     << QString::number(skipped) + " more Messages were Skipped.");
}

void TestProgram::screenResolutionMessage()
{
    Fixture f(1280, 1024, 96);
    f.program->Form_Load(QString());
    f.platform.answer(AnswerOk);
    f.program->ScrRes_Click();
    QCOMPARE(f.platform.texts(),
             QStringList{QStringLiteral("Screen Resolution: 1280 X 1024   <-->   Screen DPI: 96")});
    QCOMPARE(f.platform.shown.first().title, std::optional<QString>(QString()));
}

void TestProgram::metricBoxConvertsEverything()
{
    QTemporaryDir folder;
    {
        Fixture f;
        f.platform.setProgramFolder(folder.path());
        f.program->Form_Load(QString());
        QCheckBox *metric = f.program->mainWindow().checkBox(M::Check2);
        metric->click();
        QVERIFY(f.program->st.Metric());
        QCOMPARE(f.program->main.cell(M::Text102, 3), QStringLiteral("187.76"));
        QCOMPARE(f.program->main.cell(M::Text102, 2), QStringLiteral("Port Vel M/Sec"));
        QCOMPARE(f.program->sheets[4]->cell(S::Text101, 17), QStringLiteral("1.27"));
        f.program->Exit_Click();
    }
    // The next run starts in metric units, every window converted once.
    Fixture f;
    f.platform.setProgramFolder(folder.path());
    f.program->Form_Load(QString());
    QVERIFY(f.program->st.Metric());
    QVERIFY(f.program->mainWindow().checkBox(M::Check2)->isChecked());
    QCOMPARE(f.program->sheets[0]->cell(S::Text101, 17), QStringLiteral("1.27"));
    QCOMPARE(f.program->sheets[0]->cell(S::Text106, 12), QStringLiteral("M^3 Min"));
    f.program->mainWindow().checkBox(M::Check2)->click();
    QCOMPARE(f.program->sheets[0]->cell(S::Text101, 17), QStringLiteral("50"));
}

void TestProgram::estimatorOnTheWindow()
{
    Fixture f;
    f.program->Form_Load(QString());
    MainWindow &w = f.program->mainWindow();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTest::mouseClick(w.findChild<QPushButton *>(QStringLiteral("Command51")), Qt::LeftButton);
    QCOMPARE(f.program->main.cell(M::Text109, 3), QStringLiteral("7036"));

    // The cells are drawn until used; a click gives one its editor, which
    // then keeps the cell's place in the Tab order.
    auto *cylinders = qobject_cast<PaintedCell *>(w.cellWidget(M::Text111, 3));
    QVERIFY(cylinders && !cylinders->editor());
    QTest::mouseClick(cylinders, Qt::LeftButton, {}, QPoint(4, cylinders->height() / 2));
    QVERIFY(cylinders->editor());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cylinders->editor()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != cylinders->editor());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(cylinders->editor()));
    QCOMPARE(cylinders->editor()->selectedText(), f.program->main.cell(M::Text111, 3));

    // A click amid a drawn cell's centred text puts the caret there.
    auto *bore = qobject_cast<PaintedCell *>(w.cellWidget(M::Text104, 3));
    QVERIFY(bore && !bore->editor());
    QTest::mouseClick(bore, Qt::LeftButton, {}, bore->rect().center());
    QVERIFY(test::type(QStringLiteral("9")));
    const QString bored = f.program->main.cell(M::Text104, 3);
    QVERIFY2(bored.size() == 6 && bored.startsWith(u'4') && !bored.endsWith(u'9'),
             qPrintable(bored));

    // "User" makes the Mach number typed, and its limit holds.
    w.checkBox(M::Check1)->click();
    QLineEdit *mach = w.cellEditor(M::Text101, 3);
    QVERIFY(!mach->isReadOnly());
    mach->setFocus(Qt::TabFocusReason);
    mach->selectAll();
    QVERIFY(test::type(QStringLiteral("1.0001")));
    f.platform.answer(AnswerOk);
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Mach # Can Not be Greater Than 1")});
    QCOMPARE(QApplication::focusWidget(), mach);

    mach->selectAll();
    QVERIFY(test::type(QStringLiteral("0.5")));

    // The cylinder count takes whole numbers, the CFM decimals; neither
    // may be left at zero.
    f.platform.clear();
    const std::tuple<M::Array, int, const char *, const char *> typed[] = {
        {M::Text111, 3, "8.5", "85"}, {M::Text103, 8, "3x2.5", "32.5"}};
    for (const auto &[array, index, keys, kept] : typed) {
        QLineEdit *cell = w.cellEditor(array, index);
        cell->setFocus(Qt::TabFocusReason);
        cell->selectAll();
        QVERIFY(test::type(QString::fromLatin1(keys)));
        QCOMPARE(f.program->main.cell(array, index), QString::fromLatin1(kept));
        QCOMPARE(f.platform.beeps, 1);
        cell->selectAll();
        QVERIFY(test::type(QStringLiteral("0")));
        f.platform.answer(AnswerOk);
        QVERIFY(test::press(Qt::Key_Tab));
        QCOMPARE(f.platform.texts().value(0), f.program->st.ui.Field_Msgs[1]);
        QCOMPARE(QApplication::focusWidget(), cell);
        cell->selectAll();
        QVERIFY(test::type(QString::fromLatin1(kept)));
        f.platform.clear();
    }
}

void TestProgram::hoverHelp()
{
    Fixture f;
    f.program->Form_Load(QString());
    MainWindow &w = f.program->mainWindow();
    auto enter = [&](QWidget *control) {
        QEnterEvent event(QPointF(2, 2), QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(control, &event);
    };
    enter(w.findChild<QPushButton *>(QStringLiteral("Load_Data")));
    QCOMPARE(w.helpLine()->text(), f.program->st.ui.Help_Texts.value(QStringLiteral("Help_Load")));
    enter(w.cellWidget(M::Text101, 0)); // leaves the line as it is
    QVERIFY(!w.helpLine()->isHidden());
    enter(w.cellWidget(M::Text103, 3));
    QVERIFY(w.helpLine()->text().startsWith(u"The \"Mean Port Area\""));
    enter(w.cellWidget(M::Text104, 3));
    QVERIFY(w.helpLine()->isHidden());
    enter(w.findChild<QWidget *>(QStringLiteral("Command49")));
    QCOMPARE(w.helpLine()->text(), QStringLiteral("Select and Play a \"WAV\" sound file."));
    enter(w.findChild<QWidget *>(QStringLiteral("Option4_2")));
    QVERIFY(w.helpLine()->text().contains(u"Information Flush Right"));
    enter(w.cellWidget(M::Text102, 8));
    QVERIFY(w.helpLine()->text().startsWith(u"The \"Mean Port Speed\""));
    enter(w.cellWidget(M::Text103, 8));
    QVERIFY(w.helpLine()->isHidden());
    // Every handler the window names reaches a control of its design.
    QCOMPARE(w.widgets().handlersWithoutControl(), QStringList());
}

QTEST_MAIN(TestProgram)
#include "test_program.moc"
