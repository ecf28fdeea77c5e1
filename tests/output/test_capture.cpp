#include "main/main_window.h"
#include "main/program.h"
#include "output/save_form_as_jpg.h"
#include "platform/qt/qt_capture.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"

#include <QAction>
#include <QImageReader>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;

namespace {

const QDateTime Tuesday(QDate(2026, 12, 8), QTime(9, 5, 7));
const QColor Green(40, 160, 90);

std::unique_ptr<QWidget> plainWindow(const QColor &color, const QRect &geometry)
{
    auto w = std::make_unique<QWidget>();
    w->setPalette(QPalette(color));
    w->setAutoFillBackground(true);
    w->setGeometry(geometry);
    w->show();
    if (!QTest::qWaitForWindowExposed(w.get()))
        qWarning("the window never showed");
    return w;
}

bool near(const QColor &a, const QColor &b, int tolerance = 8)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

QColor centre(const QImage &picture) { return picture.pixelColor(picture.rect().center()); }

// Every value of a JPEG file's quantisation tables (DQT segments).
QList<int> quantisers(const QString &path)
{
    QFile file(path);
    const QByteArray jpeg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    auto at = [&jpeg](qsizetype i) { return i < jpeg.size() ? int(uchar(jpeg[i])) : 0; };
    QList<int> values;
    for (qsizetype i = 2; i + 4 <= jpeg.size() && at(i) == 0xFF && at(i + 1) != 0xDA;) {
        const qsizetype end = i + 2 + (at(i + 2) << 8 | at(i + 3));
        for (qsizetype p = i + 4; at(i + 1) == 0xDB && p < end;) {
            const bool wide = at(p++) >> 4 != 0;
            for (int k = 0; k < 64; ++k, p += wide ? 2 : 1)
                values << (wide ? at(p) << 8 | at(p + 1) : at(p));
        }
        i = end;
    }
    return values;
}

// The real grabber, noting at each grab whether the main window showed and
// who called.
struct SpyGrabber final : ScreenGrabber {
    QImage grabFrame(QWidget &window) override
    {
        mainVisible << (main && main->isVisible());
        callers << (ui ? ui->Capture_Caller : QString());
        return real.grabFrame(window);
    }
    QtScreenGrabber real;
    QWidget *main = nullptr;
    const UiState *ui = nullptr;
    QList<bool> mainVisible;
    QStringList callers;
};

struct Fixture {
    Fixture()
    {
        platform.setProgramFolder(folder.path());
        platform.setNow(Tuesday);
        platform.setPointer(QPoint(-5000, -5000)); // on no window
        platform.grabWith(&grabber);
        platform.writeWith(&writer);
    }
    QString capture(QWidget &w, int quality = 100, bool drawPointer = true)
    {
        return Save_Form_As_JPG(w, QStringLiteral("Vorn"), quality, drawPointer,
                                platform.platform(), ui);
    }
    QStringList pictures() const { return QDir(folder.path()).entryList({"*.jpg"}, QDir::Files); }

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    SpyGrabber grabber;
    QtImageWriter writer;
    UiState ui;
};

} // namespace

class TestCapture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void nameAndPicture_data();
    void nameAndPicture();
    void pointer();
    void sameSecondReplaces();
    void failures();
    void sheetCaptureLeavesMainOut();
    void mainWindowCapture();
};

void TestCapture::nameAndPicture_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<int>("quality");
    QTest::addColumn<QString>("name");
    QTest::newRow("q100") << Tuesday << 100 << "Vorn_Tuesday_December_8_2026_9_5_7.jpg";
    QTest::newRow("q50") << QDateTime(QDate(2027, 1, 1), QTime(23, 59, 59, 999)) << 50
                         << "Vorn_Friday_January_1_2027_23_59_59.jpg";
}

void TestCapture::nameAndPicture()
{
    QFETCH(QDateTime, when);
    QFETCH(int, quality);
    QFETCH(QString, name);
    Fixture f;
    f.platform.setNow(when);
    const auto w = plainWindow(Green, QRect(120, 90, 333, 211));
    const QString path = f.capture(*w, quality);
    QCOMPARE(path, f.folder.filePath(name));
    QCOMPARE(f.pictures(), QStringList{name});
    QCOMPARE(f.platform.clockReadings, 1);
    QCOMPARE(QImageReader(path).size(), w->frameGeometry().size());
    QVERIFY2(near(centre(QImage(path)), Green), qPrintable(centre(QImage(path)).name()));
    const QList<int> values = quantisers(path);
    QVERIFY(!values.isEmpty() && values.size() % 64 == 0);
    QCOMPARE(values.count(1) == values.size(), quality == 100);
}

void TestCapture::pointer()
{
    Fixture f;
    const auto w = plainWindow(Green, QRect(100, 100, 300, 200));
    const QRect frame = w->frameGeometry();
    auto capture = [&f, &w](int second, bool drawPointer, QPoint at) {
        f.platform.setNow(Tuesday.addSecs(second));
        f.platform.setPointer(at);
        return QImage(f.capture(*w, 100, drawPointer));
    };
    const QImage plain = capture(0, false, frame.center());
    // Just above and left of the frame the arrow would reach into it.
    QCOMPARE(capture(1, true, frame.topLeft() - QPoint(1, 1)), plain);
    QCOMPARE(capture(2, true, frame.bottomRight() + QPoint(1, 1)), plain);
    const QImage with = capture(3, true, frame.center());
    const QRect arrow(frame.center() - frame.topLeft(), QSize(13, 21));
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (!near(with.pixelColor(x, y), plain.pixelColor(x, y), 40))
                ++(arrow.contains(x, y) ? inside : outside);
        }
    }
    QVERIFY2(inside > 40, qPrintable(QString::number(inside)));
    QCOMPARE(outside, 0);
}

void TestCapture::sameSecondReplaces()
{
    Fixture f;
    const auto w = plainWindow(Qt::red, QRect(100, 100, 200, 150));
    const QString first = f.capture(*w);
    w->setPalette(QPalette(Qt::blue));
    QCOMPARE(f.capture(*w), first);
    QCOMPARE(f.pictures().size(), 1);
    QVERIFY(near(centre(QImage(first)), Qt::blue));
}

void TestCapture::failures()
{
    Fixture f;
    const auto main = plainWindow(Qt::yellow, QRect(0, 0, 100, 80));
    f.ui.mainWindow = main.get();
    const auto w = plainWindow(Qt::red, QRect(100, 100, 200, 150));
    f.platform.answerAllWith(AnswerOk);
    f.platform.grabGives(QImage());
    main->hide(); // hidden before: shown after all the same
    f.capture(*w);
    QVERIFY(main->isVisible());
    // Root writes anywhere: a file stands where the folder should be.
    QFile blocked(f.folder.filePath(QStringLiteral("blocked")));
    QVERIFY(blocked.open(QIODevice::WriteOnly));
    f.platform.setProgramFolder(blocked.fileName());
    main->hide();
    f.capture(*w);
    QVERIFY(main->isVisible());
    QCOMPARE(f.platform.texts(), (QStringList{"Cannot save the image. GDI+ Error:2",
                                              "Cannot save the image. GDI+ Error:7"}));
    QCOMPARE(f.platform.shown.front().icon, MsgIcon::Exclamation);
    QVERIFY(!f.platform.shown.front().title);
    QVERIFY(f.pictures().isEmpty());
}

void TestCapture::sheetCaptureLeavesMainOut()
{
    Fixture f;
    AppState st;
    st.platform = f.platform.platform();
    Flow_Test_Sheet sheet;
    SheetWindow window(sheet, st);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString path39 = sheet.path();
    // The main window lies over the whole sheet.
    const auto main = plainWindow(Qt::magenta, window.frameGeometry().adjusted(-9, -9, 9, 9));
    st.ui.mainWindow = f.grabber.main = main.get();
    auto magentaShare = [&st] {
        const QImage picture(st.files.File_Name);
        int hits = 0;
        for (int y = 5; y < picture.height(); y += 10) {
            for (int x = 5; x < picture.width(); x += 10)
                hits += near(picture.pixelColor(x, y), Qt::magenta, 40) ? 1 : 0;
        }
        return hits * 100 / (picture.width() / 10 * (picture.height() / 10));
    };
    auto *prtSc = window.menuBar()->findChild<QAction *>(QStringLiteral("PrtSc"));
    QCOMPARE(prtSc->text(), QStringLiteral("&Print Screen to JPG / Image"));
    QCOMPARE(window.menuBar()->actions().indexOf(prtSc), 1); // right after "&File"
    prtSc->trigger();
    QCOMPARE(f.grabber.mainVisible, QList<bool>{false});
    QVERIFY(main->isVisible());
    QCOMPARE(st.files.File_Name, f.folder.filePath(f.pictures().value(0)));
    QCOMPARE(sheet.path(), path39);
    QCOMPARE(magentaShare(), 0);
    // Had it stayed, the main window would fill the picture.
    st.ui.Capture_Caller = QStringLiteral("Main");
    f.platform.setNow(Tuesday.addSecs(1));
    prtSc->trigger();
    QVERIFY(magentaShare() > 90);
}

void TestCapture::mainWindowCapture()
{
    Fixture f;
    Program program(f.platform.platform());
    MainWindow &main = program.mainWindow();
    f.grabber.main = &main;
    f.grabber.ui = &program.st.ui;
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    auto *command6 = main.findChild<QPushButton *>(QStringLiteral("Command6"));
    QCOMPARE(command6->text(), QStringLiteral("PrtSc as &JPG"));
    command6->click();
    QCOMPARE(f.grabber.mainVisible, QList<bool>{true});
    QCOMPARE(f.grabber.callers, QStringList{QStringLiteral("Main")});
    QVERIFY(program.st.ui.Capture_Caller.isEmpty());
    QCOMPARE(QImageReader(program.st.files.File_Name).size(), main.frameGeometry().size());
    // The program hands its main window to the sheets' captures.
    program.sheetWindow(2).show();
    f.platform.setNow(Tuesday.addSecs(1));
    program.sheetWindow(2).findChild<QAction *>(QStringLiteral("PrtSc"))->trigger();
    QCOMPARE(f.grabber.mainVisible, (QList<bool>{true, false}));
    QVERIFY(main.isVisible());
}

QTEST_MAIN(TestCapture)
#include "test_capture.moc"
