#include "compare/graph_window.h"
#include "fake_compare_table.h"
#include "fake_screen.h"
#include "main/program.h"
#include "platform/color_number.h"
#include "platform/draw_surface.h"
#include "scripted_platform.h"
#include "scripted_printer.h"
#include "widgets/window_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;

namespace {

// A GIF of one colour, its bytes put together here: Qt reads GIF but does
// not write it. Each pair of pixels follows a clear code, so every code
// stays three bits wide.
QByteArray gifOf(QSize size, QRgb color)
{
    QByteArray b("GIF89a");
    auto word = [&b](int v) {
        b.append(char(v & 0xFF));
        b.append(char(v >> 8));
    };
    word(size.width());
    word(size.height());
    b.append("\x91\x00\x00", 3); // four colours
    for (QRgb c : {qRgb(255, 255, 255), color, qRgb(0, 0, 0), qRgb(0, 0, 0)})
        b.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    b.append(',');
    word(0);
    word(0);
    word(size.width());
    word(size.height());
    b.append('\0').append('\x02');
    QByteArray data;
    quint32 bits = 0;
    int count = 0;
    auto code = [&](int c) {
        bits |= quint32(c) << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8)
            data.append(char(bits & 0xFF));
    };
    for (int i = 0; i < size.width() * size.height(); ++i) {
        if (i % 2 == 0)
            code(4);
        code(1);
    }
    code(5);
    if (count > 0)
        data.append(char(bits & 0xFF));
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        b.append(char(block.size())).append(block);
    }
    return b.append('\0').append(';');
}

struct Fixture {
    Fixture() : screen(1920, 1080, 96)
    {
        platform.setProgramFolder(folder.path());
        Platform p = platform.platform();
        p.screen = &screen;
        program = std::make_unique<Program>(p);
        program->st.numbers.setLocaleSeparators(u'.', u',');
        program->Form_Load(QString());
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
    }
    GraphWindow &window() { return program->form60(); }
    QWidget *canvas() { return window().canvas(); }
    QRgb pixel(QPoint at) { return window().image().pixel(at); }
    QString path(const QString &name) const { return folder.filePath(name); }

    // A logo picture of one colour in the program's folder.
    QString logoFile(const QString &name, QRgb color)
    {
        const QString file = path(name);
        if (name.endsWith(u".gif")) {
            QFile out(file);
            if (!out.open(QIODevice::WriteOnly) || out.write(gifOf(QSize(24, 16), color)) < 0)
                return QString();
        } else {
            QImage image(24, 16, QImage::Format_RGB32);
            image.fill(color);
            if (!image.save(file, name.endsWith(u".bmp") ? "BMP" : "JPG", 100))
                return QString();
        }
        return file;
    }
    void clickLogo(const QString &choice)
    {
        platform.choose(choice);
        QTest::mouseClick(window().button(QStringLiteral("Logo")), Qt::LeftButton);
    }

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    test::FakeScreen screen;
    std::unique_ptr<Program> program;
    test::FakeCompareTable table;
};

} // namespace

class TestGraphWindow : public QObject {
    Q_OBJECT

private slots:
    void handLine_data();
    void handLine();
    void drawingNeedsTheBoxAtPress();
    void readOut_data();
    void readOut();
    void logo_data();
    void logo();
    void logoFailures();
    void logoDragsAndComesBack();
    void bitmapSave();
    void bitmapSaveFailures();
    void fittingKeepsLogoAndScalesOnce();
    void placement_data();
    void placement();
    void printsAndCapturesTheWindow();
    void screenshot();
};

void TestGraphWindow::handLine_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("color");
    QTest::newRow("width 1, red") << 0 << 1 << 255;
    QTest::newRow("width 10, blue") << 9 << 10 << 255 * 65536;
    QTest::newRow("width 20, green") << 14 << 20 << 200 * 256;
}

void TestGraphWindow::handLine()
{
    QFETCH(int, item);
    QFETCH(int, width);
    QFETCH(int, color);
    Fixture f;
    GraphWindow &w = f.window();
    QVERIFY(w.widgets().handlersWithoutControl().isEmpty());
    f.platform.chooseColor(color);
    QTest::mouseClick(w.button(QStringLiteral("Command4")), Qt::LeftButton);
    QCOMPARE(w.colorChoice(), QString::number(color));
    auto *widths = w.widgets().widget<QComboBox>(u"Combo1");
    QCOMPARE(widths->count(), 19);
    emit widths->activated(item);
    QCOMPARE(f.program->st.graph.Draw_Line_Width, width);
    QTest::mouseClick(w.drawCheck(), Qt::LeftButton);

    const int before = w.picture().drawWidth();
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(100, 200));
    QVERIFY(w.mouseDrawing());
    QTest::mouseMove(f.canvas(), QPoint(300, 200));
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(300, 200));
    QVERIFY(!w.mouseDrawing());
    QCOMPARE(w.picture().drawWidth(), before);

    const QRgb drawn = colorFromNumber(color).rgb();
    QCOMPARE(f.pixel(QPoint(200, 200)), drawn);
    QCOMPARE(f.pixel(QPoint(100, 200)), drawn); // the dot where the press was
    // Across the line: its width, no more.
    const int half = (width - 1) / 2;
    QCOMPARE(f.pixel(QPoint(200, 200 - half)), drawn);
    QCOMPARE(f.pixel(QPoint(200, 200 + half)), drawn);
    QCOMPARE(f.pixel(QPoint(200, 200 - half - 2)), qRgb(255, 255, 255));
    QCOMPARE(f.pixel(QPoint(200, 200 + half + 2)), qRgb(255, 255, 255));
    // The read-out stayed as it was while drawing.
    QVERIFY(w.label(QStringLiteral("Label18"))->text().isEmpty());
}

void TestGraphWindow::drawingNeedsTheBoxAtPress()
{
    Fixture f;
    GraphWindow &w = f.window();
    const QImage blank = w.image();
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(50, 50));
    w.drawCheck()->setChecked(true); // ticked in the middle of a press
    QTest::mouseMove(f.canvas(), QPoint(150, 150));
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(150, 150));
    QCOMPARE(w.image(), blank);
    QVERIFY(!w.label(QStringLiteral("Label18"))->text().isEmpty()); // the read-out ran
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
    QFETCH(QString, y);
    QFETCH(QString, x);
    Fixture f;
    Graph_State &g = f.program->st.plot;
    g.Graph_X_Low = 0.0;
    g.Graph_X_High = 1000.0;
    g.Graph_Y_Low = 50.0;
    g.Graph_Y_High = 300.0;
    // Through the window: a null point would stand for the canvas's centre.
    QTest::mouseMove(&f.window(), f.canvas()->mapTo(&f.window(), at));
    QCOMPARE(f.window().label(QStringLiteral("Label18"))->text(), y);
    QCOMPARE(f.window().label(QStringLiteral("Label19"))->text(), x);
}

void TestGraphWindow::logo_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << "logo.bmp";
    QTest::newRow("gif") << "logo.gif";
    QTest::newRow("jpg") << "logo.jpg";
}

void TestGraphWindow::logo()
{
    QFETCH(QString, name);
    Fixture f;
    GraphWindow &w = f.window();
    const GraphSettings &s = f.program->st.graph;
    const QString file = f.logoFile(name, qRgb(200, 30, 40));
    QVERIFY(!file.isEmpty());
    f.clickLogo(file);
    QVERIFY(f.platform.shown.isEmpty());
    const FileDialogRequest &asked = f.platform.dialogs.last();
    QCOMPARE(asked.filter, QStringLiteral("Bit Map Image Files (*.bmp)|*.bmp|GIF Files "
                                          "(*.gif)|*.gif|JPG Files (*.jpg)|*.jpg|All Files "
                                          "(*.*)|*.*"));
    QCOMPARE(asked.initialFolder, f.folder.path());
    QCOMPARE(s.Logo_On, 1);
    QCOMPARE(s.Logo_File, file);
    QVERIFY(w.logo()->isVisible());
    QCOMPARE(w.logo()->size(), QSize(24, 16));
    const QRgb shown = w.logo()->pixmap().toImage().pixel(12, 8);
    QVERIFY2(qAbs(qRed(shown) - 200) < 8 && qAbs(qGreen(shown) - 30) < 8, qPrintable(name));
    QCOMPARE(w.button(QStringLiteral("Logo"))->text(), QStringLiteral("Logo -- Is ON"));

    // The next click switches it off and forgets the file.
    QTest::mouseClick(w.button(QStringLiteral("Logo")), Qt::LeftButton);
    QCOMPARE(s.Logo_On, 0);
    QVERIFY(s.Logo_File.isEmpty());
    QVERIFY(!w.logo()->isVisible());
    QCOMPARE(w.button(QStringLiteral("Logo"))->text(), QStringLiteral("Logo -- Is OFF"));
}

void TestGraphWindow::logoFailures()
{
    Fixture f;
    GraphWindow &w = f.window();
    QFile text(f.path(QStringLiteral("notes.bmp")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("no picture here");
    text.close();
    f.platform.answer(AnswerOk, 3);
    f.platform.cancelDialog();
    QTest::mouseClick(w.button(QStringLiteral("Logo")), Qt::LeftButton);
    f.clickLogo(text.fileName());
    f.clickLogo(f.folder.path()); // a folder
    QCOMPARE(f.platform.texts(), QStringList(3, QStringLiteral("No Logo File has been Seleted")));
    QCOMPARE(f.platform.shown.last().icon, MsgIcon::Exclamation);
    QCOMPARE(f.program->st.graph.Logo_On, 0);
    QVERIFY(!w.logo()->isVisible());
}

void TestGraphWindow::logoDragsAndComesBack()
{
    Fixture f;
    GraphWindow &w = f.window();
    f.clickLogo(f.logoFile(QStringLiteral("logo.bmp"), qRgb(0, 0, 255)));
    QTest::mousePress(w.logo(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(w.logoDragging());
    QTest::mouseMove(w.logo(), QPoint(240, 130));
    QTest::mouseMove(w.logo(), QPoint(20, 30)); // the corner is at the pointer now
    QTest::mouseRelease(w.logo(), Qt::LeftButton, {}, QPoint(20, 30));
    QVERIFY(!w.logoDragging());
    QCOMPARE(w.logo()->pos(), QPoint(260, 160));
    QCOMPARE(f.program->graph.Picture2_Left, 260.0);
    QCOMPARE(f.program->graph.Picture2_Top, 160.0);
    QCOMPARE(w.image().pixel(265, 165), qRgb(255, 255, 255)); // the logo lies above the picture

    // Saved with the main data file, moved, and loaded back.
    const QString data = f.path(QStringLiteral("main.dta"));
    f.platform.choose(data);
    f.platform.answerAllWith(AnswerOk);
    f.program->Save_Data_Click();
    QTest::mousePress(w.logo(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseMove(w.logo(), QPoint(-900, -900));
    QTest::mouseRelease(w.logo(), Qt::LeftButton, {}, QPoint(-900, -900));
    QCOMPARE(w.logo()->pos(), QPoint(0, 0)); // its corner stays on the picture
    f.platform.choose(data);
    f.program->Load_Data_Click();
    QCOMPARE(w.logo()->pos(), QPoint(260, 160));
    QVERIFY(w.logo()->isVisible());
    QCOMPARE(f.program->st.graph.Logo_On, 1);
}

void TestGraphWindow::bitmapSave()
{
    Fixture f;
    GraphWindow &w = f.window();
    test::fillSampleFlows(f.table);
    Command2_Click(f.table, f.program->graph, w.picture(), f.program->st, f.table);
    f.clickLogo(f.logoFile(QStringLiteral("logo.jpg"), qRgb(0, 200, 0)));
    w.drawCheck()->setChecked(true);
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseMove(f.canvas(), QPoint(400, 500));
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(400, 500));

    const QString file = f.path(QStringLiteral("graph")); // no extension is added
    f.platform.choose(file);
    QTest::mouseClick(w.button(QStringLiteral("Command3")), Qt::LeftButton);
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.platform.dialogs.last().filterIndex, 2);
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.read(2), QByteArray("BM"));
    const QImage back(file, "BMP");
    QCOMPARE(back.convertToFormat(QImage::Format_RGB32), w.image());
    QCOMPARE(w.cursor().shape(), Qt::ArrowCursor);
}

void TestGraphWindow::bitmapSaveFailures()
{
    Fixture f;
    GraphWindow &w = f.window();
    // A folder that is a file: no one, root included, may write in it.
    QFile blocker(f.path(QStringLiteral("blocked")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString inside = f.path(QStringLiteral("blocked/graph.bmp"));
    f.platform.answer(AnswerOk, 2);
    f.platform.choose(inside);
    QTest::mouseClick(w.button(QStringLiteral("Command3")), Qt::LeftButton);
    f.platform.cancelDialog();
    QTest::mouseClick(w.button(QStringLiteral("Command3")), Qt::LeftButton);
    QCOMPARE(f.platform.texts(), QStringList(2, QStringLiteral("Graph has Not been Saved")));
    QCOMPARE(f.platform.shown.last().icon, MsgIcon::Exclamation);
    QVERIFY(!QFile::exists(inside));
    QCOMPARE(QDir(f.folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("blocked")});
}

void TestGraphWindow::fittingKeepsLogoAndScalesOnce()
{
    Fixture f;
    GraphWindow &w = f.window();
    f.clickLogo(f.logoFile(QStringLiteral("logo.gif"), qRgb(0, 0, 255)));
    QTest::mousePress(w.logo(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseMove(w.logo(), QPoint(100, 60));
    QTest::mouseRelease(w.logo(), Qt::LeftButton, {}, QPoint(100, 60));
    f.program->FullScrRes_Click();

    const double scale = f.program->st.looks.Scale_Y;
    QVERIFY(scale > 1.2);
    const QSize fitted(int(std::lround(f.program->st.graph.Graph_Width)),
                       int(std::lround(f.program->st.graph.Graph_Height + 45 * scale)));
    QCOMPARE(w.image().size(), fitted);
    QCOMPARE(f.canvas()->size(), fitted);
    QVERIFY(w.logo()->isVisible());
    QCOMPARE(w.logo()->size(), QSize(24, 16));
    QCOMPARE(f.program->st.graph.Logo_On, 1);
    QCOMPARE(w.logo()->pos(), QPoint(int(std::lround(100 * scale)), int(std::lround(60 * scale))));

    // Graphs after the fitting leave the window as it is.
    const QSize size = w.size();
    test::fillSampleFlows(f.table);
    for (int k = 0; k < 2; ++k)
        Command2_Click(f.table, f.program->graph, w.picture(), f.program->st, f.table);
    QCOMPARE(w.size(), size);
    QVERIFY(w.image().pixel(fitted.width() - 1, 0) != qRgb(255, 255, 255)); // the frame
}

void TestGraphWindow::placement_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<bool>("centred");
    QTest::newRow("700 pixels") << 700 << false;
    QTest::newRow("701 pixels") << 701 << true;
    QTest::newRow("1080 pixels") << 1080 << true;
}

void TestGraphWindow::placement()
{
    QFETCH(int, screenHeight);
    QFETCH(bool, centred);
    test::ScriptedPlatform platform;
    test::FakeScreen screen(1600, screenHeight, 96);
    AppState st;
    st.platform = platform.platform();
    st.platform.screen = &screen;
    GraphWindowState Form60;
    GraphWindow w(Form60, st);
    w.ensureBuilt();
    QVERIFY(w.height() < 700);
    QCOMPARE(w.x(), (1600 - w.width()) / 2);
    QCOMPARE(w.y(), centred ? (screenHeight - w.height()) / 2 : 0);
}

void TestGraphWindow::printsAndCapturesTheWindow()
{
    Fixture f;
    test::ScriptedPrinter printer;
    f.program->st.platform.print = &printer;
    f.program->st.print.Printer = QStringLiteral("Office");
    QTest::mouseClick(f.window().button(QStringLiteral("Command2")), Qt::LeftButton);
    QCOMPARE(printer.finished, 1);
    QCOMPARE(printer.requests[0].width, f.window().width() * 15.0);

    // A grab that gives nothing ends in the capture's own message.
    f.platform.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)));
    f.platform.grabGives(QImage());
    f.platform.answer(AnswerOk);
    QTest::mouseClick(f.window().button(QStringLiteral("Command5")), Qt::LeftButton);
    QCOMPARE(f.platform.grabbed, QList<QWidget *>{&f.window()});
    QVERIFY(f.platform.texts().value(0).startsWith(u"Cannot save the image. GDI+ Error:"));
}

// For a look at the window: the sample graph with a logo and a hand line,
// held on screen for ZYT_SCREENSHOT_HOLD milliseconds.
void TestGraphWindow::screenshot()
{
    const int hold = qEnvironmentVariableIntValue("ZYT_SCREENSHOT_HOLD");
    if (hold <= 0)
        QSKIP("ZYT_SCREENSHOT_HOLD is not set");
    Fixture f;
    GraphWindow &w = f.window();
    test::fillSampleFlows(f.table);
    Command2_Click(f.table, f.program->graph, w.picture(), f.program->st, f.table);
    f.clickLogo(f.logoFile(QStringLiteral("logo.gif"), qRgb(230, 120, 0)));
    QTest::mousePress(w.logo(), Qt::LeftButton, {}, QPoint(1, 1));
    QTest::mouseMove(w.logo(), QPoint(430, 380));
    QTest::mouseRelease(w.logo(), Qt::LeftButton, {}, QPoint(430, 380));
    f.platform.chooseColor(200 + 256 * 20 + 65536 * 160);
    QTest::mouseClick(w.button(QStringLiteral("Command4")), Qt::LeftButton);
    emit w.widgets().widget<QComboBox>(u"Combo1")->activated(4);
    w.drawCheck()->setChecked(true);
    QTest::mousePress(f.canvas(), Qt::LeftButton, {}, QPoint(350, 470));
    QTest::mouseMove(f.canvas(), QPoint(420, 430));
    QTest::mouseMove(f.canvas(), QPoint(520, 440));
    QTest::mouseRelease(f.canvas(), Qt::LeftButton, {}, QPoint(520, 440));
    QTest::mouseMove(&w, f.canvas()->mapTo(&w, QPoint(300, 200)));
    QTest::qWait(hold);
}

QTEST_MAIN(TestGraphWindow)
#include "test_graph_window.moc"
