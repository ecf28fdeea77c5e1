#include "main/main_window.h"
#include "main/program.h"
#include "report/report_window.h"
#include "scripted_platform.h"
#include "user_typing.h"
#include "widgets/window_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <algorithm>

using namespace zyt;
using R = ReportModel;
using namespace Qt::StringLiterals;

namespace {

// The whole program on the sample sheets, the report window opened from the
// main window's "Text Report" button.
struct Fixture {
    Fixture() : program(std::make_unique<Program>(platform.platform()))
    {
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
    QString path(const QString &name) { return QDir(platform.path()).filePath(name); }

    test::ScriptedPlatform platform;
    std::unique_ptr<Program> program;
};

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

    // "&Quit" and the close box hide it while the program runs.
    QTest::mouseClick(f.button("subend"), Qt::LeftButton);
    QVERIFY(!f.window().isVisible());
    QVERIFY(f.open());
    QVERIFY(!f.window().close());
    QVERIFY(!f.window().isVisible());
}

void TestReportWindow::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen"); // "" no dialog, "-" cancelled, else the file's name
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");

    const QString none;
    QTest::newRow(". saves") << int(Qt::Key_Period) << u"report.prt"_s << true << true;
    QTest::newRow("x closes") << int(Qt::Key_X) << none << true << false;
    QTest::newRow("Escape closes") << int(Qt::Key_Escape) << none << true << false;
    QTest::newRow("Down scrolls") << int(Qt::Key_Down) << none << false << false;
    QTest::newRow("Page Down scrolls") << int(Qt::Key_PageDown) << none << false << false;
    QTest::newRow("Shift") << int(Qt::Key_Shift) << none << false << false;
    QTest::newRow(". cancelled") << int(Qt::Key_Period) << u"-"_s << true << false;
    // A folder no one can write into, even as root: a file in its place.
    QTest::newRow(". into no folder")
        << int(Qt::Key_Period) << u"blocked/report.txt"_s << true << false;
}

void TestReportWindow::keys()
{
    QFETCH(int, key);
    QFETCH(QString, chosen);
    QFETCH(bool, closes);
    QFETCH(bool, saved);

    Fixture f;
    QVERIFY(f.open());
    QTest::mouseClick(f.button("Command2"), Qt::LeftButton);
    const QString report = f.program->report.reportText();
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
    const bool failed = key == Qt::Key_Period && !saved;
    if (failed)
        f.platform.answer(AnswerOk);

    QVERIFY(test::press(Qt::Key(key)));

    QCOMPARE(display->isVisible(), !closes);
    QCOMPARE(display->toPlainText().isEmpty(), closes);
    if (saved) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), (report + QStringLiteral("\r\n")).toLatin1());
    }
    QCOMPARE(f.platform.texts(),
             failed ? QStringList{QStringLiteral("Problem - File Not Saved")} : QStringList{});
    QVERIFY(f.platform.scriptDone());
    QCOMPARE(QDir(f.platform.path()).entryList(QDir::Files).size(), saved ? 2 : 1);
}

void TestReportWindow::selectAndClear()
{
    Fixture f;
    QVERIFY(f.open());
    auto *right = f.window().widgets().widget<QRadioButton>(u"Option2", 2);
    QTest::mouseClick(right, Qt::LeftButton, {}, QPoint(6, right->height() / 2));
    const QList<QCheckBox *> boxes = f.window().findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 1 + R::TestCount + R::FieldCount);
    auto all = [&boxes](bool checked) {
        return std::all_of(boxes.begin(), boxes.end(),
                           [checked](QCheckBox *box) { return box->isChecked() == checked; });
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
