#include "fake_screen.h"
#include "main/main_window.h"
#include "main/program.h"
#include "report/report_window.h"
#include "scripted_platform.h"
#include "widgets/hover_help.h"
#include "widgets/window_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;
using R = ReportModel;

namespace {

// The whole program on the sample sheets, the report window opened from the
// main window's "Text Report" button.
struct Fixture {
    Fixture() : screen(1920, 1080, 96)
    {
        platform.setProgramFolder(folder.path());
        Platform p = platform.platform();
        p.screen = &screen;
        program = std::make_unique<Program>(p);
        program->st.numbers.setLocaleSeparators(u'.', u',');
        program->Form_Load(QString());
    }
    ReportWindow &window() { return program->form70(); }
    QPushButton *button(const char *name)
    {
        return window().widgets().widget<QPushButton>(QString::fromLatin1(name));
    }
    bool open()
    {
        auto *textReport =
            program->mainWindow().widgets().widget<QPushButton>(QStringLiteral("Command33"));
        QTest::mouseClick(textReport, Qt::LeftButton);
        return QTest::qWaitForWindowActive(&window());
    }
    QString path(const QString &name) const { return QDir(folder.path()).filePath(name); }

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    test::FakeScreen screen;
    std::unique_ptr<Program> program;
};

QByteArray read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestReportWindow : public QObject {
    Q_OBJECT

private slots:
    void opensFromTheMainWindow();
    void keys_data();
    void keys();
    void selectAndClear();
};

void TestReportWindow::opensFromTheMainWindow()
{
    Fixture f;
    QVERIFY(!f.window().isBuilt());
    QVERIFY(f.open());
    QVERIFY(f.window().isBuilt());
    QVERIFY(f.window().widgets().handlersWithoutControl().isEmpty());
    QPlainTextEdit *display = f.window().displayBox();
    QVERIFY(!display->isVisible());
    QVERIFY(QFontInfo(display->font()).fixedPitch());

    // The help line follows the buttons and hides over the background.
    QLabel *help = f.window().widgets().helpLine()->label();
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(f.button("subend"), &enter);
    QCOMPARE(help->text(), QStringLiteral("Quit / Close the Flow Test compare Screen"));
    QVERIFY(help->isVisible());
    QTest::mouseMove(f.window().widgets().background(), QPoint(2, 2));
    QVERIFY(!help->isVisible());

    // "&Quit" and the close box hide it while the program runs.
    QTest::mouseClick(f.button("subend"), Qt::LeftButton);
    QVERIFY(!f.window().isVisible());
    QVERIFY(f.open());
    QVERIFY(!f.window().close());
    QVERIFY(!f.window().isVisible());
}

void TestReportWindow::keys_data()
{
    QTest::addColumn<QString>("key");    // one character, or the name of a key without one
    QTest::addColumn<QString>("chosen"); // "" no dialog, "-" cancelled, else the file's name
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");

    QTest::newRow(". saves") << "."
                             << "report.prt" << true << true;
    QTest::newRow("x closes") << "x"
                              << "" << true << false;
    QTest::newRow("Escape closes") << "\x1b"
                                   << "" << true << false;
    QTest::newRow("Down scrolls") << "Down"
                                  << "" << false << false;
    QTest::newRow("Page Down scrolls") << "PageDown"
                                       << "" << false << false;
    QTest::newRow("Shift") << "Shift"
                           << "" << false << false;
    QTest::newRow(". cancelled") << "."
                                 << "-" << true << false;
    // A folder no one can write into, even as root: a file in its place.
    QTest::newRow(". into no folder") << "."
                                      << "blocked/report.txt" << true << false;
}

void TestReportWindow::keys()
{
    QFETCH(QString, key);
    QFETCH(QString, chosen);
    QFETCH(bool, closes);
    QFETCH(bool, saved);

    Fixture f;
    QVERIFY(f.open());
    QTest::mouseClick(f.button("Command2"), Qt::LeftButton);
    const QString report = f.program->report.reportText();
    QVERIFY(report.startsWith(u"Pressing the . key"));
    QVERIFY(report.contains(u"Flow Test 5 Data"));
    QPlainTextEdit *display = f.window().displayBox();
    QVERIFY(display->isVisible());
    QCOMPARE(QApplication::focusWidget(), display);
    QCOMPARE(display->toPlainText(), QString(report).remove(u'\r'));

    QVERIFY(QFile(f.path(QStringLiteral("blocked"))).open(QIODevice::WriteOnly));
    const QString path = f.path(chosen);
    if (chosen == u"-")
        f.platform.cancelDialog();
    else if (!chosen.isEmpty())
        f.platform.choose(path);
    const bool failed = key == u"." && !saved;
    if (failed)
        f.platform.answer(AnswerOk);

    if (key.size() == 1)
        QTest::keyClick(display, key.at(0).toLatin1());
    else
        QTest::keyClick(display, key == u"Down"       ? Qt::Key_Down
                                 : key == u"PageDown" ? Qt::Key_PageDown
                                                      : Qt::Key_Shift);

    QCOMPARE(display->isVisible(), !closes);
    QCOMPARE(f.program->report.reportShown(), !closes);
    QCOMPARE(display->toPlainText().isEmpty(), closes);
    if (saved)
        QCOMPARE(read(path), (report + QStringLiteral("\r\n")).toLatin1());
    QCOMPARE(f.platform.texts(),
             failed ? QStringList{QStringLiteral("Problem - File Not Saved")} : QStringList{});
    QVERIFY(f.platform.scriptDone());
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files).size(), saved ? 2 : 1);
}

void TestReportWindow::selectAndClear()
{
    Fixture f;
    QVERIFY(f.open());
    auto *right = f.window().widgets().widget<QRadioButton>(u"Option2", 2);
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(6, right->height() / 2));
    const QList<QCheckBox *> boxes = f.window().findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 1 + R::TestCount + R::FieldCount);
    auto all = [&](bool checked) {
        for (QCheckBox *box : boxes)
            if (box->isChecked() != checked)
                return false;
        for (R::Array a : {R::Check3, R::Check1, R::Check2})
            for (int k = 0; k <= R::lastIndex(a); ++k)
                if (f.program->report.checked(a, k) != checked)
                    return false;
        return true;
    };
    QVERIFY(all(true));
    QTest::mouseClick(f.button("Clear"), Qt::LeftButton);
    QVERIFY(all(false));
    QTest::mouseClick(f.button("Select"), Qt::LeftButton);
    QVERIFY(all(true));
    // The alignments stay as chosen.
    QCOMPARE(f.program->report.option(R::Option1), 0);
    QCOMPARE(f.program->report.option(R::Option2), 2);
}

QTEST_MAIN(TestReportWindow)
#include "test_report_window.moc"
