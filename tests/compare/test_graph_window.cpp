#include "compare/graph_window.h"
#include "fake_compare_table.h"
#include "fake_screen.h"
#include "files/text_files.h"
#include "main/program.h"
#include "platform/color_number.h"
#include "platform/draw_surface.h"
#include "scripted_platform.h"
#include "widgets/window_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;

namespace {

// A GIF of one colour (Qt reads GIF but does not write it): a clear code
// before every second pixel keeps each code three bits wide.
QByteArray gifOf(int width, int height, QRgb color)
{
    QByteArray b("GIF89a");
    auto word = [&b](int v) { b.append(char(v & 0xFF)).append(char(v >> 8)); };
    word(width), word(height), b.append("\x91\0\0", 3);
    for (QRgb c : {qRgb(255, 255, 255), color, 0u, 0u})
        b.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    b.append(','), word(0), word(0), word(width), word(height), b.append("\0\x02", 2);
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto code = [&](int c) {
        for (bits |= quint32(c) << count, count += 3; count >= 8; count -= 8, bits >>= 8)
            data.append(char(bits));
    };
    for (int i = 0; i < width * height; ++i) {
        if (i % 2 == 0)
            code(4);
        code(1);
    }
    code(5), data.append(char(bits));
    for (qsizetype at = 0; at < data.size(); at += 255)
        b.append(char(data.mid(at, 255).size())).append(data.mid(at, 255));
    return b.append('\0').append(';');
}

// The program on a 1920 by 1080 screen with its graph window showing.
struct Fixture {
    Fixture() : program(start()), w(program->form60())
    {
        program->st.numbers.setLocaleSeparators(u'.', u',');
        program->Form_Load(QString());
        test::fillSampleFlows(table);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }
    std::unique_ptr<Program> start()
    {
        platform.setProgramFolder(folder.path());
        Platform p = platform.platform();
        p.screen = &screen;
        return std::make_unique<Program>(p);
    }
    QString path(const QString &name) const { return folder.filePath(name); }
    static QByteArray bytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void click(const char *button)
    {
        QTest::mouseClick(w.button(QLatin1String(button)), Qt::LeftButton);
    }
    // Press at `from`, move to each point, release at the last.
    static void drag(QWidget *on, QPoint from, std::initializer_list<QPoint> to)
    {
        QTest::mousePress(on, Qt::LeftButton, {}, from);
        for (QPoint p : to)
            QTest::mouseMove(on, p);
        QTest::mouseRelease(on, Qt::LeftButton, {}, *(to.end() - 1));
    }
    void graph() { Command2_Click(table, program->graph, w.picture(), program->st, table); }
    // A logo picture of one colour, 24 by 16, chosen with the logo button
    // in `dir` (the program's folder when empty).
    QString chooseLogo(const QString &name, QRgb color, const QString &dir = {})
    {
        const QString file = dir.isEmpty() ? path(name) : QDir(dir).filePath(name);
        QImage image(24, 16, QImage::Format_RGB32);
        image.fill(color);
        QFile gif(file);
        const bool written = name.endsWith(u".gif")
                                 ? gif.open(QIODevice::WriteOnly) && gif.write(gifOf(24, 16, color))
                                 : image.save(file, name.endsWith(u".bmp") ? "BMP" : "JPG", 100);
        gif.close();
        platform.choose(file);
        click("Logo");
        return written ? file : QString();
    }

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    test::FakeScreen screen{1920, 1080, 96};
    std::unique_ptr<Program> program;
    GraphWindow &w;
    test::FakeCompareTable table;
};

} // namespace

class TestGraphWindow : public QObject {
    Q_OBJECT

private slots:
    void handLine_data();
    void handLine();
    void readOut_data();
    void readOut();
    void logo_data();
    void logo();
    void logoDragsAndComesBack();
    void bitmapSave();
    void failureMessages();
    void fittingKeepsLogoAndScalesOnce();
    void placement_data();
    void placement();
    void screenshot();
};

void TestGraphWindow::handLine_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("color");
    QTest::newRow("width 1, red") << 0 << 1 << 255;
    QTest::newRow("width 10, blue") << 9 << 10 << 255 * 65536;
}

void TestGraphWindow::handLine()
{
    QFETCH(int, item);
    QFETCH(int, width);
    QFETCH(int, color);
    Fixture f;
    QVERIFY(f.w.widgets().handlersWithoutControl().isEmpty());
    f.platform.chooseColor(color);
    f.click("Command4");
    QCOMPARE(f.w.colorChoice(), QString::number(color));
    emit f.w.widgets().widget<QComboBox>(u"Combo1")->activated(item);
    QCOMPARE(f.program->st.graph.Draw_Line_Width, width);
    // Ticked during a press: nothing is drawn until the next one.
    QTest::mousePress(f.w.canvas(), Qt::LeftButton, {}, QPoint(50, 50));
    f.w.drawCheck()->setChecked(true);
    QTest::mouseMove(f.w.canvas(), QPoint(150, 150));
    QTest::mouseRelease(f.w.canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(f.w.image().pixel(100, 100), qRgb(255, 255, 255));

    const int before = f.w.picture().drawWidth();
    f.drag(f.w.canvas(), QPoint(100, 200), {QPoint(300, 200)});
    QVERIFY(!f.w.mouseDrawing());
    QCOMPARE(f.w.picture().drawWidth(), before);
    const QRgb drawn = colorFromNumber(color).rgb();
    const int half = (width - 1) / 2;
    for (int x : {100, 200}) {
        QCOMPARE(f.w.image().pixel(x, 200 - half), drawn);
        QCOMPARE(f.w.image().pixel(x, 200 + half), drawn);
        QCOMPARE(f.w.image().pixel(x, 200 - half - 2), qRgb(255, 255, 255));
        QCOMPARE(f.w.image().pixel(x, 200 + half + 2), qRgb(255, 255, 255));
    }
}

void TestGraphWindow::readOut_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("x");
    QTest::newRow("top left") << QPoint(0, 0) << "300.0"
                              << "0.0";
    QTest::newRow("top right") << QPoint(599, 0) << "300.0"
                               << "998.3333";
    QTest::newRow("bottom left") << QPoint(0, 599) << "50.41666"
                                 << "0.0";
    QTest::newRow("bottom right") << QPoint(599, 599) << "50.41666"
                                  << "998.3333";
    QTest::newRow("centre") << QPoint(300, 300) << "175.0"
                            << "500.0";
}

void TestGraphWindow::readOut()
{
    QFETCH(QPoint, at);
    Fixture f;
    Graph_State &g = f.program->st.plot;
    g.Graph_X_High = 1000.0;
    g.Graph_Y_Low = 50.0;
    g.Graph_Y_High = 300.0;
    // Through the window: a null point would stand for the canvas's centre.
    QTest::mouseMove(&f.w, f.w.canvas()->mapTo(&f.w, at));
    QTEST(f.w.label(QStringLiteral("Label18"))->text(), "y");
    QTEST(f.w.label(QStringLiteral("Label19"))->text(), "x");
}

void TestGraphWindow::logo_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("outside");   // chosen outside the program's folder
    QTest::addColumn<QRgb>("there");     // a logo of that name in the folder: its colour, or 0
    QTest::addColumn<QString>("stored"); // the name kept
    QTest::newRow("bmp") << "logo.bmp" << false << QRgb(0) << "logo.bmp";
    QTest::newRow("gif") << "logo.gif" << false << QRgb(0) << "logo.gif";
    QTest::newRow("jpg") << "logo.jpg" << false << QRgb(0) << "logo.jpg";
    // A picture from elsewhere is copied in, as itself or beside a
    // different one of its name.
    QTest::newRow("outside") << "logo.bmp" << true << QRgb(0) << "logo.bmp";
    QTest::newRow("outside, the same there")
        << "logo.bmp" << true << qRgb(200, 30, 40) << "logo.bmp";
    QTest::newRow("outside, another there") << "logo.bmp" << true << qRgb(1, 2, 3) << "logo-2.bmp";
}

void TestGraphWindow::logo()
{
    QFETCH(QString, name);
    QFETCH(bool, outside);
    QFETCH(QRgb, there);
    QFETCH(QString, stored);
    Fixture f;
    const GraphSettings &s = f.program->st.graph;
    QCOMPARE(f.w.button(QStringLiteral("Logo"))->text(), QStringLiteral("Logo -- Is OFF"));
    QTemporaryDir elsewhere;
    if (there != 0) {
        f.chooseLogo(name, there);
        f.click("Logo");
    }
    const QString file = f.chooseLogo(name, qRgb(200, 30, 40), outside ? elsewhere.path() : "");
    QVERIFY(!file.isEmpty() && f.platform.shown.isEmpty());
    QCOMPARE(Fixture::bytes(f.path(stored)), Fixture::bytes(file));
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files).size(), stored == name ? 1 : 2);
    const FileDialogRequest &asked = f.platform.dialogs.last();
    QCOMPARE(asked.filter, QStringLiteral("Bit Map Image Files (*.bmp)|*.bmp|GIF Files "
                                          "(*.gif)|*.gif|JPG Files (*.jpg)|*.jpg|All Files "
                                          "(*.*)|*.*"));
    QCOMPARE(asked.initialFolder, f.folder.path());
    QCOMPARE(s.Logo_File, stored); // its name in the program's folder
    QVERIFY(s.Logo_On == 1 && f.w.logo()->isVisible());
    QCOMPARE(f.w.logo()->size(), QSize(24, 16));
    const QRgb shown = f.w.logo()->pixmap().toImage().pixel(12, 8);
    QVERIFY(qAbs(qRed(shown) - 200) < 8 && qAbs(qGreen(shown) - 30) < 8);
    QCOMPARE(f.w.button(QStringLiteral("Logo"))->text(), QStringLiteral("Logo -- Is ON"));

    // The next click switches it off and forgets the file.
    f.click("Logo");
    QVERIFY(s.Logo_On == 0 && s.Logo_File.isEmpty() && !f.w.logo()->isVisible());
    QCOMPARE(f.w.button(QStringLiteral("Logo"))->text(), QStringLiteral("Logo -- Is OFF"));
}

void TestGraphWindow::logoDragsAndComesBack()
{
    Fixture f;
    QTemporaryDir elsewhere; // chosen outside the program's folder, read back all the same
    f.chooseLogo(QStringLiteral("logo.bmp"), qRgb(0, 0, 255), elsewhere.path());
    // The first move puts the corner at the pointer, which it follows on.
    f.drag(f.w.logo(), QPoint(5, 5), {QPoint(240, 130), QPoint(20, 30)});
    QVERIFY(!f.w.logoDragging());
    QCOMPARE(f.w.logo()->pos(), QPoint(260, 160));
    QCOMPARE(f.program->graph.Picture2_Left, 260.0);
    QCOMPARE(f.program->graph.Picture2_Top, 160.0);
    QCOMPARE(f.w.image().pixel(265, 165), qRgb(255, 255, 255)); // above the picture, not on it

    const QString data = f.path(QStringLiteral("main.dta"));
    f.platform.answerAllWith(AnswerOk);
    f.platform.choose(data);
    f.program->Save_Data_Click();
    f.drag(f.w.logo(), QPoint(1, 1), {QPoint(-900, -900)});
    QCOMPARE(f.w.logo()->pos(), QPoint(0, 0)); // its corner stays on the picture
    f.platform.choose(data);
    f.program->Load_Data_Click();
    QVERIFY(f.platform.shown.isEmpty()); // the logo's name read back without a box
    QCOMPARE(f.w.logo()->pos(), QPoint(260, 160));
    QVERIFY(f.w.logo()->isVisible());
}

void TestGraphWindow::bitmapSave()
{
    Fixture f;
    f.graph();
    f.chooseLogo(QStringLiteral("logo.jpg"), qRgb(0, 200, 0));
    f.w.drawCheck()->setChecked(true);
    f.drag(f.w.canvas(), QPoint(20, 20), {QPoint(400, 500)});
    const QString file = f.path(QStringLiteral("graph")); // no extension is added
    f.platform.choose(file);
    f.click("Command3");
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.platform.dialogs.last().filterIndex, 2);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.read(2), QByteArray("BM"));
    QCOMPARE(QImage(file, "BMP").convertToFormat(QImage::Format_RGB32), f.w.image());
}

void TestGraphWindow::failureMessages()
{
    Fixture f;
    f.platform.answerAllWith(AnswerOk);
    // A folder that is a file: no one, root included, may write in it.
    QFile blocker(f.path(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("no picture") > 0);
    blocker.close();
    f.platform.choose(f.path(QStringLiteral("blocked/graph.bmp")));
    f.click("Command3");
    f.platform.cancelDialog();
    f.click("Command3");
    f.platform.cancelDialog();
    f.click("Logo");
    f.platform.choose(blocker.fileName());
    f.click("Logo");
    QTemporaryDir elsewhere; // a picture no copy of which can go into the folder
    // A picture larger than any file of the program's is not read.
    QImage big(1200, 1200, QImage::Format_RGB32);
    big.fill(Qt::red);
    const QString bigFile = QDir(elsewhere.path()).filePath(QStringLiteral("big.bmp"));
    QVERIFY(big.save(bigFile, "BMP") && QFileInfo(bigFile).size() > MaxFileSize);
    f.platform.choose(bigFile);
    f.click("Logo");
    f.platform.setProgramFolder(blocker.fileName());
    f.chooseLogo(QStringLiteral("logo.bmp"), qRgb(0, 0, 255), elsewhere.path());
    f.platform.setProgramFolder(f.folder.path());
    f.platform.cancelColorDialog();
    f.click("Command4");
    QCOMPARE(f.platform.texts(),
             QStringList({"Graph has Not been Saved", "Graph has Not been Saved",
                          "No Logo File has been Seleted", "No Logo File has been Seleted",
                          "No Logo File has been Seleted",
                          "Logo File could Not be Copied into the Program's Folder",
                          "No Color Selected"}));
    for (const MsgRequest &r : f.platform.shown)
        QCOMPARE(r.icon, MsgIcon::Exclamation);
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{"blocked"});
    QVERIFY(f.program->st.graph.Logo_On == 0 && !f.w.logo()->isVisible());
    QVERIFY(f.w.colorChoice().isEmpty());
    QCOMPARE(f.program->st.graph.Draw_Line_Color, 99999);
}

void TestGraphWindow::fittingKeepsLogoAndScalesOnce()
{
    Fixture f;
    f.chooseLogo(QStringLiteral("logo.gif"), qRgb(0, 0, 255));
    f.drag(f.w.logo(), QPoint(1, 1), {QPoint(100, 60)});
    f.program->FullScrRes_Click();
    const GraphSettings &s = f.program->st.graph;
    const double scale = f.program->st.looks.Scale_Y;
    QVERIFY(scale > 1.2);
    const QSize fitted(int(std::lround(s.Graph_Width)),
                       int(std::lround(s.Graph_Height + 45 * scale)));
    QCOMPARE(f.w.image().size(), fitted);
    QCOMPARE(f.w.canvas()->size(), fitted);
    QVERIFY(s.Logo_On == 1 && f.w.logo()->isVisible());
    QCOMPARE(f.w.logo()->size(), QSize(24, 16));
    QCOMPARE(f.w.logo()->pos(),
             QPoint(int(std::lround(100 * scale)), int(std::lround(60 * scale))));
    // Graphs after the fitting leave the window as it is.
    const QSize size = f.w.size();
    f.graph();
    f.graph();
    QCOMPARE(f.w.size(), size);
    QVERIFY(f.w.image().pixel(fitted.width() - 1, 0) != qRgb(255, 255, 255)); // the frame
}

void TestGraphWindow::placement_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<QMargins>("frame");
    QTest::addColumn<bool>("centred");
    QTest::newRow("700 pixels") << 700 << QMargins() << false;
    QTest::newRow("701 pixels") << 701 << QMargins() << true;
    QTest::newRow("701 pixels, a title bar") << 701 << QMargins(1, 20, 1, 1) << true;
}

void TestGraphWindow::placement()
{
    QFETCH(int, screenHeight);
    QFETCH(QMargins, frame);
    QFETCH(bool, centred);
    test::FakeScreen screen(1600, screenHeight, 96);
    screen.setWindowFrame(frame);
    AppState st;
    st.platform.screen = &screen;
    GraphWindowState Form60;
    GraphWindow w(Form60, st);
    w.ensureBuilt();
    QVERIFY(w.height() < 700);
    // By the frame's corner and the outer size.
    const QSize outer = w.size().grownBy(frame);
    QCOMPARE(w.pos(),
             QPoint((1600 - outer.width()) / 2, centred ? (screenHeight - outer.height()) / 2 : 0));
}

// For a look at the window: the sample graph with a logo and a hand line,
// held on screen for ZYT_SCREENSHOT_HOLD milliseconds.
void TestGraphWindow::screenshot()
{
    const int hold = qEnvironmentVariableIntValue("ZYT_SCREENSHOT_HOLD");
    if (hold <= 0)
        QSKIP("ZYT_SCREENSHOT_HOLD is not set");
    Fixture f;
    f.graph();
    f.chooseLogo(QStringLiteral("logo.gif"), qRgb(230, 120, 0));
    f.drag(f.w.logo(), QPoint(1, 1), {QPoint(430, 380)});
    f.w.drawCheck()->setChecked(true);
    f.drag(f.w.canvas(), QPoint(350, 470), {QPoint(420, 430), QPoint(520, 440)});
    QTest::mouseMove(&f.w, f.w.canvas()->mapTo(&f.w, QPoint(300, 200)));
    QTest::qWait(hold);
}

QTEST_MAIN(TestGraphWindow)
#include "test_graph_window.moc"
