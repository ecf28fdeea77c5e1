// The program on a real X server with a window manager (run by on-desktop):
// where the windows' frames end up, where the focus goes, and what a screen
// grab holds.
#include "compare/compare_window.h"
#include "compare/graph_window.h"
#include "main/main_window.h"
#include "main/program.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_print_service.h"
#include "report/report_window.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "user_typing.h"
#include "widgets/program_style.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QPaintEngine>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace zyt;
using M = MainModel;
using S = Flow_Test_Sheet;

namespace {

// The program as main() puts it together, its folder a fresh one.
struct Desktop {
    explicit Desktop(const QString &commandLine = QString()) : qt([] { return QString(); })
    {
        QApplication::setStyle(programStyle());
        scripted.setProgramFolder(folder.path());
        Platform p = qt.platform();
        p.folder = scripted.platform().folder;
        // The printing module lies beside the program, not this test.
        p.printers = &printers;
        p.print = &print;
        program = std::make_unique<Program>(p);
        program->st.numbers.setLocaleSeparators(u'.', u',');
        program->Form_Load(commandLine);
        program->mainWindow().show();
    }
    QTemporaryDir folder;
    test::ScriptedPlatform scripted;
    QtPlatform qt;
    QtPrinterCatalog printers;
    QtPrintService print;
    std::unique_ptr<Program> program;
};

// Waits until the window manager has framed the window and the program has
// placed it with its frame inside the screen's available area, where
// `place` says for the frame's size when it is given; false, with where the
// frame lies, when it does not come there.
bool framedAt(QWidget &w, const std::function<QRect(QSize)> &place = nullptr)
{
    if (!QTest::qWaitForWindowExposed(&w))
        return false;
    const QRect area = w.screen()->availableGeometry();
    const QWindow *handle = w.windowHandle();
    auto there = [&] {
        const QRect frame = handle->frameGeometry();
        return !handle->frameMargins().isNull() && area.contains(frame) &&
               (!place || frame == place(frame.size()));
    };
    if (QTest::qWaitFor(there, 3000))
        return true;
    qWarning() << w.objectName() << "frame" << handle->frameGeometry() << "in" << area;
    return false;
}

// In the middle of the screen, moved just enough to lie inside the
// available area.
QRect centred(const QWidget &w, QSize outer)
{
    const QRect area = w.screen()->availableGeometry();
    const QSize screen = w.screen()->size() - outer;
    auto clamp = [](int at, int low, int room) {
        return std::clamp(at, low, low + std::max(0, room));
    };
    return {QPoint(clamp(screen.width() / 2, area.left(), area.width() - outer.width()),
                   clamp(screen.height() / 2, area.top(), area.height() - outer.height())),
            outer};
}

// Every window but the main one, with what opens it.
std::vector<std::pair<QWidget *, std::function<void()>>> openers(Program &p)
{
    std::vector<std::pair<QWidget *, std::function<void()>>> opens;
    for (int k = 0; k < 5; ++k)
        opens.emplace_back(&p.sheetWindow(k), [&p, k] { p.openSheet(k); });
    opens.emplace_back(&p.form50(), [&p] { p.Command50_Click(); });
    opens.emplace_back(&p.form60(), [&p] { p.form60().showGraphWindow(); });
    opens.emplace_back(&p.form70(), [&p] { p.Command33_Click(); });
    return opens;
}

// What a widget's painting draws of text, and the box its lines take.
class TextRuns final : public QPaintEngine {
public:
    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState &) override {}
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF &at, const QTextItem &item) override
    {
        box |= painter()->transform().mapRect(
            QRectF(at.x(), at.y() - item.ascent(), item.width(), item.ascent() + item.descent()));
        text += item.text();
    }
    Type type() const override { return User; }
    QRectF box;
    QString text;
};

struct TextRunsImage final : QImage {
    explicit TextRunsImage(QSize size) : QImage(size, QImage::Format_ARGB32_Premultiplied) {}
    QPaintEngine *paintEngine() const override { return &runs; }
    mutable TextRuns runs;
};

// Every label of the window draws all of its text inside its box; the help
// line each text that the mouse over a control of the window shows in it.
bool labelsWhole(QWidget &window)
{
    QSet<QString> seen;
    auto whole = [&seen](QLabel &label) {
        QString text = label.text();
        if (!label.isVisible() || text.isEmpty() || seen.contains(text))
            return true;
        seen.insert(text);
        TextRunsImage drawn(label.size());
        label.render(&drawn);
        static const QRegularExpression blanks(QStringLiteral("[\\s&]"));
        if (QRectF(label.rect()).contains(drawn.runs.box) &&
            drawn.runs.text.remove(blanks) == text.remove(blanks))
            return true;
        qWarning() << label.objectName() << label.size() << "cuts" << label.text();
        return false;
    };
    const QList<QLabel *> labels = window.findChildren<QLabel *>();
    for (QWidget *control : window.findChildren<QWidget *>()) {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(control, &enter);
        if (!std::all_of(labels.begin(), labels.end(), [&](QLabel *l) { return whole(*l); }))
            return false;
    }
    return true;
}

// Opens a dialog and checks it from inside its own loop, then closes it.
bool dialogOnScreen(const std::function<void()> &open)
{
    bool whole = false;
    QTimer::singleShot(0, [&whole] {
        QWidget *dialog = nullptr;
        if (QTest::qWaitFor([&dialog] { return (dialog = QApplication::activeModalWidget()); },
                            5000)) {
            whole = framedAt(*dialog);
            dialog->close();
        }
    });
    open();
    return whole;
}

// Near in colour, as a JPEG keeps it.
bool near(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b)) <
           60;
}

} // namespace

class TestDesktop : public QObject {
    Q_OBJECT

private slots:
    void framesOnScreen_data();
    void framesOnScreen();
    void commentsShowTheCaret_data();
    void commentsShowTheCaret();
    void fittedWindows_data();
    void fittedWindows();
    void commentsKeepTheirText_data();
    void commentsKeepTheirText();
    void captureShowsTheWindow();
};

void TestDesktop::framesOnScreen_data()
{
    // Placement hangs on the order of the window manager's events: a few
    // starts show one that depends on it.
    QTest::addColumn<int>("start");
    for (int k = 1; k <= 3; ++k)
        QTest::addRow("start %d", k) << k;
}

void TestDesktop::framesOnScreen()
{
    Desktop d;
    Program &p = *d.program;
    auto middle = [&p](QSize outer) { return centred(p.mainWindow(), outer); };
    QVERIFY(framedAt(p.mainWindow(), middle));
    QVERIFY(labelsWhole(p.mainWindow()));
    for (const char *pass : {"first open", "reopen"}) {
        for (auto &[window, open] : openers(p)) {
            open();
            QVERIFY2(framedAt(*window, middle), pass);
            QVERIFY(labelsWhole(*window));
            window->hide();
        }
    }
    QVERIFY(framedAt(p.mainWindow(), middle));
    // A box, and the file dialog of the preloads panel.
    QVERIFY(dialogOnScreen([&p] { p.ScrRes_Click(); }));
    QVERIFY(dialogOnScreen([&p] { p.Command45_Click(0); }));
}

void TestDesktop::commentsShowTheCaret_data()
{
    QTest::addColumn<int>("sheet"); // a sheet by its number, or 0 for the main window
    QTest::newRow("sheet") << 1;
    QTest::newRow("main window") << 0;
}

// A line wider than the comments box, without a space to break it at (a
// list of serial numbers): wherever the caret goes, it stands on the screen
// where its place in the text is drawn, and the text moves with the scroll
// bar.
void TestDesktop::commentsShowTheCaret()
{
    QFETCH(int, sheet);
    Desktop d;
    Program &p = *d.program;
    QWidget *window = &p.mainWindow();
    QWidget *cell = p.mainWindow().cellWidget(M::Text38);
    if (sheet > 0) {
        SheetWindow &w = p.sheetWindow(sheet - 1);
        p.openSheet(sheet - 1);
        w.NextPage_Click();
        p.sheets[size_t(sheet - 1)]->setCell(S::Text38, S::Single, QString());
        window = &w;
        cell = w.cellWidget(S::Text38, S::Single);
    } else {
        p.main.setCell(M::Text38, M::Single, QString());
    }
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *box = qobject_cast<QPlainTextEdit *>(cell);
    QVERIFY(box);
    box->setFocus(Qt::MouseFocusReason);
    QString line;
    for (int k = 1; line.size() < 300; ++k)
        line += QStringLiteral("SN%1").arg(12345600 + k);
    QVERIFY(test::type(line));
    QScrollBar *bar = box->horizontalScrollBar();
    auto caretShown = [box] {
        const QRect caret = box->cursorRect();
        return box->viewport()->rect().contains(caret) &&
               box->cursorForPosition(caret.center()).position() == box->textCursor().position();
    };
    QVERIFY(caretShown());
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(bar->value(), bar->maximum());
    QVERIFY(test::press(Qt::Key_Home));
    QVERIFY(caretShown());
    QCOMPARE(bar->value(), 0);
    QVERIFY(test::press(Qt::Key_End));
    QVERIFY(caretShown());
    QCOMPARE(bar->value(), bar->maximum());
    // A click on the bar's left arrow moves the text the same way.
    const int before = box->cursorRect().x();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(3, bar->height() / 2));
    const int moved = bar->maximum() - bar->value();
    QVERIFY(moved > 0);
    QCOMPARE(box->cursorRect().x(), before + moved);
}

void TestDesktop::fittedWindows_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::newRow("/fs") << true;
    QTest::newRow("Use Full Screen Resolution once the windows were shown") << false;
}

void TestDesktop::fittedWindows()
{
    QFETCH(bool, atStart);
    // The fitted windows are measured where each has room for its size.
    const QSize screen = QApplication::primaryScreen()->size();
    const bool measured = screen == QSize(1920, 1080);
    // Every window as designed, framed.
    auto d = std::make_unique<Desktop>();
    QSize graph;
    for (auto &[window, open] : openers(*d->program)) {
        open();
        QWindow *handle = window->windowHandle();
        QVERIFY(QTest::qWaitFor([handle] { return !handle->frameMargins().isNull(); }));
        if (window == &d->program->form60())
            graph = handle->frameGeometry().size();
        window->hide();
    }
    if (atStart) {
        d.reset(); // no window of the program is left to show a frame
        d = std::make_unique<Desktop>(QStringLiteral("/fs"));
    } else {
        d->program->FullScrRes_Click();
    }
    Program &p = *d->program;
    // The outer sizes are 92.5 % of the screen's, the graph window's by one
    // factor, and each stands in the middle across and in the upper half of
    // the room left below.
    const double factor = std::min(1776.0 / graph.width(), 999.0 / graph.height());
    auto fitted = [&](QWidget *window) {
        const QSize outer = window != &p.form60()
                                ? QSize(1776, 999)
                                : QSize(int(std::lround(graph.width() * factor)),
                                        int(std::lround(graph.height() * factor)));
        const int free = screen.height() - outer.height();
        return std::function<QRect(QSize)>([=](QSize) {
            return QRect(QPoint((screen.width() - outer.width()) / 2, free / 2 > 25 ? free / 4 : 0),
                         outer);
        });
    };
    std::vector<std::pair<QWidget *, std::function<void()>>> windows = openers(p);
    windows.emplace_back(&p.mainWindow(), [] {});
    for (auto &[window, open] : windows) {
        open();
        QVERIFY(framedAt(*window, measured ? fitted(window) : nullptr));
        QVERIFY(labelsWhole(*window));
    }
    if (measured) {
        QVERIFY(std::fabs(p.st.looks.Scale_X - factor) < 1e-9);
        QCOMPARE(p.st.graph.Graph_Right_Edge, int(std::nearbyint(600 * factor - 1)));
    }
}

void TestDesktop::commentsKeepTheirText_data()
{
    QTest::addColumn<QString>("opener"); // the menu entry, or a sheet's number
    QTest::addColumn<QString>("closer"); // the panel's button
    QTest::newRow("printers") << "Load_Printer_Info"
                              << "Got_Printer";
    QTest::newRow("company") << "Co_Name"
                             << "Command95";
    QTest::newRow("preloads") << "Preload"
                              << "Command44";
    QTest::newRow("sheet comments by Tab") << "1" << QString();
}

void TestDesktop::commentsKeepTheirText()
{
    QFETCH(QString, opener);
    QFETCH(QString, closer);
    Desktop d;
    Program &p = *d.program;
    MainWindow &m = p.mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    std::function<QString()> comments = [&p] { return p.main.cell(M::Text38, M::Single); };
    if (closer.isEmpty()) {
        const int k = opener.toInt() - 1;
        SheetWindow &sheet = p.sheetWindow(k);
        p.openSheet(k);
        QVERIFY(QTest::qWaitForWindowActive(&sheet));
        sheet.NextPage_Click();
        p.sheets[size_t(k)]->setCell(S::Text38, S::Single, QStringLiteral("C O M M E N T S"));
        sheet.cellWidget(S::Text38, S::Single)->setFocus(Qt::TabFocusReason);
        comments = [&sheet] {
            return sheet.cellWidget(S::Text38, S::Single)->property("plainText").toString();
        };
    } else {
        m.action(opener)->trigger();
        auto *button = m.findChild<QPushButton *>(closer);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isVisible());
    }
    const QString before = comments();
    QVERIFY(!before.isEmpty());
    QWidget *keys =
        QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QVERIFY(keys);
    QTest::keyClick(keys, Qt::Key_Return);
    QTest::keyClick(keys, Qt::Key_Q);
    QVERIFY2(comments().contains(before.trimmed()), qPrintable(comments()));
}

void TestDesktop::captureShowsTheWindow()
{
    // Most telling at QT_SCALE_FACTOR=2, where repainting takes longest.
    Desktop d;
    Program &p = *d.program;
    ReportWindow &report = p.form70();
    p.Command33_Click();
    QVERIFY(framedAt(report));
    QVERIFY(QTest::qWaitForWindowActive(&report));
    // The main window, as large as the screen lets it be, over the report.
    MainWindow &m = p.mainWindow();
    m.raise();
    m.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m));
    QVERIFY(m.frameGeometry().intersects(report.geometry()));
    const QImage seen = report.grab().toImage();
    report.findChild<QPushButton *>(QStringLiteral("Command5"))->click();
    QVERIFY(m.isVisible());
    const QImage picture(p.st.files.File_Name);
    QVERIFY2(!picture.isNull(), qPrintable(p.st.files.File_Name));
    // The inside of the frame shows what the report shows, within a device
    // pixel: a frame side of an odd number of them is a half pixel here.
    const QPoint inside = (report.geometry().topLeft() - report.frameGeometry().topLeft()) *
                          report.devicePixelRatio();
    int same = 0;
    int all = 0;
    for (int off = 0; off < 9; ++off) {
        const QPoint at = inside + QPoint(off % 3 - 1, off / 3 - 1);
        int matching = 0;
        all = 0;
        for (int y = 0; y < seen.height(); y += 7) {
            for (int x = 0; x < seen.width(); x += 7) {
                ++all;
                matching += near(seen.pixel(x, y), picture.pixel(at + QPoint(x, y))) ? 1 : 0;
            }
        }
        same = std::max(same, matching);
    }
    QVERIFY2(same * 100 > all * 95, qPrintable(QStringLiteral("%1 of %2").arg(same).arg(all)));
}

QTEST_MAIN(TestDesktop)
#include "test_desktop.moc"
