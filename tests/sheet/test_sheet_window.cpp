#include "calc/calculate_sheet.h"
#include "files/text_files.h"
#include "model/app_state.h"
#include "model/main_model.h"
#include "model/sheet_design.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "user_typing.h"
#include "widgets/cell_widgets.h"
#include "widgets/painted_cell.h"
#include "widgets/window_builder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

using namespace zyt;
using S = Flow_Test_Sheet;

namespace {

// Message boxes that also note which widget had the focus when each showed.
class FocusNotingBoxes final : public MessageBoxes {
public:
    explicit FocusNotingBoxes(test::ScriptedPlatform &inner) : inner_(inner) {}
    int show(const MsgRequest &request) override
    {
        focusAtShow << QApplication::focusWidget();
        return inner_.show(request);
    }
    QList<QWidget *> focusAtShow;

private:
    test::ScriptedPlatform &inner_;
};

struct Fixture {
    Fixture() : boxes(platform)
    {
        st.platform = platform.platform();
        st.platform.messages = &boxes;
        fillSheetHelpTexts(st.ui);
        window = std::make_unique<SheetWindow>(sheet, st, &main);
    }
    bool open()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }
    // The cell's line editor, made now if the cell is still drawn only.
    QLineEdit *cell(S::Array a, int i) const { return window->cellEditor(a, i); }
    QWidget *view(S::Array a, int i) const { return window->cellWidget(a, i); }
    // The widget that takes the cell's keys now, without making an editor.
    QWidget *keysTo(S::Array a, int i) const
    {
        if (auto *painted = qobject_cast<PaintedCell *>(view(a, i)))
            return painted->editor();
        return view(a, i);
    }
    // The text a cell shows, whatever its widget.
    QString shown(S::Array a, int i) const
    {
        if (const auto *painted = qobject_cast<PaintedCell *>(view(a, i)))
            return painted->text();
        return qobject_cast<QLineEdit *>(view(a, i))->text();
    }
    void focus(S::Array a, int i) const
    {
        cell(a, i)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
    }

    test::ScriptedPlatform platform;
    FocusNotingBoxes boxes;
    AppState st;
    S sheet;
    MainModel main;
    std::unique_ptr<SheetWindow> window;
};

} // namespace

class TestSheetWindow : public QObject {
    Q_OBJECT

private slots:
    void builtOnlyWhenShown();
    void modelAndViewMirror();
    void pages();
    void closingHides();
    void hoverHelp();
    void cellsDrawnUntilUsed();
    void typingReachesCellsNotUsedYet_data();
    void typingReachesCellsNotUsedYet();
    void keyRefusals_data();
    void keyRefusals();
    void emptyLiftGivesFocusBackAndCopies();
    void liftCopy();
    void focusChecks_data();
    void focusChecks();
    void selectOnFocus();
    void tabGoesRowByRow_data();
    void tabGoesRowByRow();
    void sortCommand();
    void sortErrorLeavesTheSheet();
    void clearCommands();
    void calculateTouchesOnlyItsSheet();
    void loadAndSaveSetThePathLine();
    void importAndExportEntries_data();
    void importAndExportEntries();
};

void TestSheetWindow::builtOnlyWhenShown()
{
    Fixture f;
    QVERIFY(!f.window->isBuilt());
    QVERIFY(!f.window->cellWidget(S::Text101, 16));
    QVERIFY(f.open());
    QVERIFY(f.window->isBuilt());
    QVERIFY(f.window->cellWidget(S::Text101, 16));
    QVERIFY(!f.window->cellWidget(S::Text104, 9)); // blank
    // Page 2's cells come with page 2.
    QVERIFY(!f.window->cellWidget(S::Text207, 20));
    f.window->NextPage_Click();
    QVERIFY(f.window->cellWidget(S::Text207, 20)->isVisible());
}

void TestSheetWindow::modelAndViewMirror()
{
    Fixture f;
    QVERIFY(f.open());
    f.sheet.setCell(S::Text110, 6, QStringLiteral("650"));
    QCOMPARE(f.cell(S::Text110, 6)->text(), QStringLiteral("650"));
    f.focus(S::Text102, 3);
    QVERIFY(test::type(QStringLiteral("2.1")));
    QCOMPARE(f.sheet.cell(S::Text102, 3), QStringLiteral("2.1"));
    f.window->NextPage_Click(); // the comments are on page 2
    f.sheet.setCell(S::Text38, S::Single, QStringLiteral("one\r\ntwo"));
    auto *comments = f.window->cellWidget(S::Text38, S::Single);
    QCOMPARE(comments->property("plainText").toString(), QStringLiteral("one\ntwo"));

    // A changed look shows at once.
    const int id = f.sheet.id(S::Text102, 3);
    CellLook look = f.sheet.look(id);
    look.backColor = 0x01FFFF;
    look.readOnly = true;
    look.alignment = 1;
    look.fontBold = true;
    f.sheet.setLook(id, look);
    QLineEdit *cell = f.cell(S::Text102, 3);
    QCOMPARE(cell->palette().color(QPalette::Base), QColor(0x01, 0xFF, 0xFF));
    QVERIFY(cell->isReadOnly());
    QCOMPARE(cell->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QVERIFY(cell->font().bold());
}

void TestSheetWindow::pages()
{
    Fixture f;
    QVERIFY(f.open());
    QVERIFY(!f.window->pageTwo()->isVisible());
    QTest::mouseClick(f.window->button(QStringLiteral("NextPage")), Qt::LeftButton);
    QVERIFY(f.window->pageTwoShowing());
    QVERIFY(f.window->pageTwo()->isVisible());
    QCOMPARE(QApplication::focusWidget(), f.cell(S::Text207, 30));
    // The first three columns stay beside page 2; the ones under it hide.
    for (S::Array a : {S::Text101, S::Text102, S::Text103})
        QVERIFY(f.view(a, 20)->isVisible());
    QVERIFY(!f.view(S::Text104, 20)->isVisible());
    QVERIFY(!f.view(S::Text106, 20)->isVisible());
    QVERIFY(!f.view(S::Text103, 9)->isVisible()); // it stands in the Text104 column

    QTest::mouseClick(f.window->button(QStringLiteral("Exit")), Qt::LeftButton);
    QVERIFY(!f.window->pageTwo()->isVisible());
    QVERIFY(f.view(S::Text106, 20)->isVisible());
    QCOMPARE(QApplication::focusWidget(), f.cell(S::Text101, 16));
}

void TestSheetWindow::closingHides()
{
    Fixture f;
    QVERIFY(f.open());
    f.window->NextPage_Click();
    f.sheet.setCell(S::Text39, S::Single, QStringLiteral("/data/flow1.dat"));
    QVERIFY(!f.window->close());
    QVERIFY(!f.window->isVisible());
    QVERIFY(f.open());
    QVERIFY(f.window->pageTwoShowing());
    QVERIFY(f.window->pageTwo()->isVisible());
    QCOMPARE(f.cell(S::Text39, S::Single)->text(), QStringLiteral("/data/flow1.dat"));

    f.st.ui.Exiting = 1;
    QVERIFY(f.window->close());
    QVERIFY(!f.window->isVisible());
}

void TestSheetWindow::hoverHelp()
{
    Fixture f;
    QVERIFY(f.open());
    QLabel *help = f.window->helpLine();
    auto enter = [&](QWidget *w) {
        QEnterEvent event(QPointF(2, 2), w->mapTo(f.window.get(), QPointF(2, 2)),
                          w->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(w, &event);
    };
    QVERIFY(!help->isVisible());
    enter(f.window->button(QStringLiteral("Command1")));
    QVERIFY(help->isVisible());
    QCOMPARE(help->text(), f.st.ui.Help_Texts.value(QStringLiteral("Help_Calculate")));
    enter(f.view(S::Text102, 20)); // leaves the line as it is
    QVERIFY(help->isVisible());
    QCOMPARE(help->text(), f.st.ui.Help_Texts.value(QStringLiteral("Help_Calculate")));
    enter(f.view(S::Text105, 4));
    QVERIFY(help->text().contains(u'\n'));
    enter(f.view(S::Text109, 2));
    const QString in = help->text();
    enter(f.view(S::Text109, 3));
    QCOMPARE(help->text(), in);
    enter(f.view(S::Text106, 3));
    QVERIFY(!help->isVisible());

    enter(f.window->button(QStringLiteral("Sort")));
    QVERIFY(help->isVisible());
    // A move over the background hides it, one over a cell does not.
    QWidget *background = f.window->widgets().background();
    const QPoint overCell = f.view(S::Text113, 20)->geometry().center();
    QTest::mouseMove(background, overCell);
    QMouseEvent overCellMove(QEvent::MouseMove, overCell, background->mapToGlobal(overCell),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(background, &overCellMove);
    QVERIFY(help->isVisible());
    const QPoint empty(background->width() - 3, 3 + 6 * 20 + 10);
    QMouseEvent move(QEvent::MouseMove, empty, background->mapToGlobal(empty), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QVERIFY(!background->childAt(empty));
    QApplication::sendEvent(background, &move);
    QVERIFY(!help->isVisible());
}

void TestSheetWindow::cellsDrawnUntilUsed()
{
    Fixture f;
    QVERIFY(f.open());
    // A result is drawn without an editor until it is clicked; then its
    // text can be selected as in any other cell, but not changed.
    auto *result = qobject_cast<PaintedCell *>(f.view(S::Text102, 20));
    QVERIFY(result);
    QVERIFY(!result->editor());
    QTest::mouseClick(result, Qt::LeftButton, {}, QPoint(5, result->height() / 2));
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QCOMPARE(static_cast<QWidget *>(editor), static_cast<QWidget *>(result->editor()));
    QVERIFY(editor->isReadOnly());
    QCOMPARE(editor->text(), f.sheet.cell(S::Text102, 20));
    editor->selectAll();
    QCOMPARE(editor->selectedText(), f.sheet.cell(S::Text102, 20));
    QVERIFY(test::type(QStringLiteral("9")));
    QCOMPARE(editor->text(), f.sheet.cell(S::Text102, 20));
    f.sheet.setCell(S::Text102, 20, QStringLiteral("12.5"));
    QCOMPARE(editor->text(), QStringLiteral("12.5"));

    // Tab and Backtab walk cells not used yet as cells with editors: each
    // gets its editor, with its text selected, in its place in the order.
    f.focus(S::Text101, 22);
    auto *intake = qobject_cast<PaintedCell *>(f.view(S::Text106, 22));
    auto *exhaust = qobject_cast<PaintedCell *>(f.view(S::Text107, 22));
    QVERIFY(intake && !intake->editor() && exhaust && !exhaust->editor());
    QVERIFY(test::press(Qt::Key_Tab));
    QVERIFY(intake->editor());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(intake->editor()));
    QCOMPARE(intake->editor()->selectedText(), f.sheet.cell(S::Text106, 22));
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(exhaust->editor()));
    QVERIFY(test::press(Qt::Key_Backtab, Qt::ShiftModifier));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(intake->editor()));
    QVERIFY(test::press(Qt::Key_Tab));
    QVERIFY(test::press(Qt::Key_Tab));
    auto *lift = qobject_cast<PaintedCell *>(f.view(S::Text101, 23));
    QVERIFY(lift && lift->editor());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(lift->editor()));
    // Its rules came with it: a letter is refused.
    QVERIFY(test::type(QStringLiteral("x")));
    QCOMPARE(f.platform.beeps, 1);
    QCOMPARE(f.sheet.cell(S::Text101, 23), QStringLiteral("350"));

    // A click on a cell not used yet puts the caret where it was clicked.
    auto *clicked = qobject_cast<PaintedCell *>(f.view(S::Text101, 25));
    QVERIFY(clicked && !clicked->editor());
    QTest::mouseClick(clicked, Qt::LeftButton, {},
                      QPoint(clicked->width() - 4, clicked->height() / 2));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(clicked->editor()));
    QVERIFY(clicked->editor()->selectedText().isEmpty());
    QCOMPARE(f.st.ui.Skip_Focus_Select, 0);
}

enum class FocusWay { Tab, Backtab, Click, FocusCell, DrawnCellFocus, WhileInactive };

void TestSheetWindow::typingReachesCellsNotUsedYet_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("fromArray");
    QTest::addColumn<int>("fromIndex");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");

    using Cell = std::pair<S::Array, int>;
    auto row = [](const char *name, FocusWay way, Cell from, Cell to, const char *start,
                  const char *selected, const char *typed, const char *result) {
        QTest::newRow(name) << int(way) << int(from.first) << from.second << int(to.first)
                            << to.second << QString::fromLatin1(start)
                            << QString::fromLatin1(selected) << QString::fromLatin1(typed)
                            << QString::fromLatin1(result);
    };
    const auto tab = FocusWay::Tab;
    const Cell lift{S::Text101, 16};
    row("Tab into a flow", tab, {S::Text101, 20}, {S::Text106, 20}, "145", "145", "55", "55");
    row("Backtab into a flow", FocusWay::Backtab, {S::Text107, 21}, {S::Text106, 21}, "169", "169",
        "66", "66");
    row("Tab into the correct-to pressure", tab, {S::Text108, 7}, {S::Text108, 8}, "28", "28", "29",
        "28");
    row("Tab from the correct-to pressure", tab, {S::Text108, 8}, {S::Text110, 5}, "9.0", "9.0",
        "9.5", "9.5");
    row("Tab into a result it visits", tab, {S::Text107, 30}, {S::Text103, 27}, "12.5", "12.5", "5",
        "12.5");
    row("Tab into a result on page 2", tab, {S::Text211, 30}, {S::Text204, 19}, "0.5", "0.5", "5",
        "0.5");
    row("click into an emptied lift", FocusWay::Click, lift, {S::Text101, 24}, "", "", "450",
        "450");
    row("focus by the program", FocusWay::FocusCell, lift, {S::Text112, 6}, "4.00", "4.00", "4.5",
        "4.5");
    row("focus given to the drawn cell", FocusWay::DrawnCellFocus, lift, {S::Text106, 6}, "1", "1",
        "2", "2");
    // A window becoming active selects nothing: the caret stays at the start.
    row("focus while the window is inactive", FocusWay::WhileInactive, lift, {S::Text106, 20},
        "145", "", "9", "9145");
}

// However the focus comes to a cell not used yet, its editor gets it for the
// same reason, so the editor selects what that way selects, and what is
// typed next reaches it under the cell's rules: a read-only cell keeps its
// text, the others take the keys in place of the selection.
void TestSheetWindow::typingReachesCellsNotUsedYet()
{
    QFETCH(int, way);
    QFETCH(int, fromArray);
    QFETCH(int, fromIndex);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, start);
    QFETCH(QString, selected);
    QFETCH(QString, typed);
    QFETCH(QString, result);

    Fixture f;
    QVERIFY(f.open());
    if (array >= S::Text201)
        f.window->NextPage_Click();
    f.sheet.setCell(S::Array(array), index, start);
    f.focus(S::Array(fromArray), fromIndex);
    auto *target = qobject_cast<PaintedCell *>(f.view(S::Array(array), index));
    QVERIFY(target && !target->editor());
    QWidget other;
    switch (FocusWay(way)) {
    case FocusWay::Tab:
        QVERIFY(test::press(Qt::Key_Tab));
        break;
    case FocusWay::Backtab:
        QVERIFY(test::press(Qt::Key_Backtab, Qt::ShiftModifier));
        break;
    case FocusWay::Click:
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        break;
    case FocusWay::FocusCell:
        f.window->focusCell(S::Array(array), index);
        break;
    case FocusWay::DrawnCellFocus:
        target->setFocus(Qt::OtherFocusReason);
        break;
    case FocusWay::WhileInactive:
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        target->setFocus(Qt::OtherFocusReason);
        QVERIFY(!target->editor());
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        break;
    }
    QVERIFY(target->editor());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(target->editor()));
    QCOMPARE(target->editor()->selectedText(), selected);
    QVERIFY(test::type(typed));
    QCOMPARE(f.sheet.cell(S::Array(array), index), result);
    QCOMPARE(target->editor()->text(), result);
    QCOMPARE(f.platform.beeps, 0);
    QVERIFY(f.platform.shown.isEmpty());
}

void TestSheetWindow::keyRefusals_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("beeps");

    auto row = [](const char *name, S::Array a, int i, const char *start, const char *typed,
                  const char *result, int beeps) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(start)
                            << QString::fromLatin1(typed) << QString::fromLatin1(result) << beeps;
    };
    row("letter in a lift", S::Text101, 20, "", "1a2", "12", 1);
    row("second point in a lift", S::Text101, 20, "", "1.2.3", "1.23", 1);
    row("minus in a lift", S::Text101, 20, "", "-5", "5", 1);
    row("minus in swirl", S::Text207, 20, "", "-5-", "-5", 1);
    row("point in a valve count", S::Text106, 6, "", ".2", "2", 1);
    row("second character in a valve count", S::Text108, 6, "", "23", "2", 1);
    row("free text takes anything", S::Text102, 0, "", "A-1.b,", "A-1.b,", 0);
    row("comma in a flow", S::Text106, 20, "", "1,5", "15", 1);
}

void TestSheetWindow::keyRefusals()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    QFETCH(int, beeps);

    Fixture f;
    QVERIFY(f.open());
    if (array >= S::Text201)
        f.window->NextPage_Click();
    QLineEdit *cell = f.cell(S::Array(array), index);
    f.sheet.setCell(S::Array(array), index, start);
    cell->setFocus(Qt::OtherFocusReason);
    QVERIFY(test::type(typed));
    QCOMPARE(cell->text(), result);
    QCOMPARE(f.sheet.cell(S::Array(array), index), result);
    QCOMPARE(f.platform.beeps, beeps);
}

void TestSheetWindow::emptyLiftGivesFocusBackAndCopies()
{
    Fixture f;
    QVERIFY(f.open());
    QLineEdit *lift = f.cell(S::Text101, 20);
    f.focus(S::Text101, 20);
    lift->selectAll();
    QVERIFY(test::press(Qt::Key_Backspace));
    f.platform.answer(AnswerOk);
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(f.platform.texts(), QStringList{f.st.ui.Field_Msgs[0]});
    QCOMPARE(f.boxes.focusAtShow, QList<QWidget *>{lift});
    QCOMPARE(QApplication::focusWidget(), lift);
    QCOMPARE(f.sheet.cell(S::Text108, 20), QString());
    // Ctrl+V is refused in a number cell.
    QVERIFY(test::press(Qt::Key_V, Qt::ControlModifier));
    QCOMPARE(f.platform.beeps, 1);
}

void TestSheetWindow::liftCopy()
{
    Fixture f;
    QVERIFY(f.open());
    f.focus(S::Text101, 30);
    QVERIFY(test::type(QStringLiteral("450")));
    QCOMPARE(f.sheet.cell(S::Text101, 30), QStringLiteral("450"));
    QVERIFY(test::press(Qt::Key_Tab));
    QVERIFY(f.platform.shown.isEmpty());
    QCOMPARE(f.sheet.cell(S::Text108, 30), QStringLiteral("450"));
    QCOMPARE(f.cell(S::Text108, 30)->text(), QStringLiteral("450"));
}

void TestSheetWindow::focusChecks_data()
{
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("messages"); // none: the focus moves on

    const UiState ui;
    const QString empty = ui.Field_Msgs[0];
    const QString zero = ui.Field_Msgs[1];
    const QString in = QStringLiteral("Number of Intake Valves Must be 1 to 4");
    const QString ex = QStringLiteral("Number of Exhaust Valves Must be 1 to 4");
    auto row = [](const char *name, S::Array a, int i, const char *text, QStringList messages) {
        QTest::newRow(name) << int(a) << i << QString::fromLatin1(text) << messages;
    };
    row("engine bore 0", S::Text112, 6, "0", {zero});
    row("port width 0", S::Text106, 2, "0", {zero});
    row("corner radius 0", S::Text106, 0, "0", {});
    row("test pressure 0.0", S::Text108, 7, "0.0", {zero});
    row("max lift 650", S::Text110, 6, "650", {});
    for (const char *ok : {"1", "2", "3", "4"})
        QTest::addRow("intake %s", ok)
            << int(S::Text106) << 6 << QString::fromLatin1(ok) << QStringList{};
    row("intake 0", S::Text106, 6, "0", {in});
    row("intake 5", S::Text106, 6, "5", {in});
    row("exhaust 9", S::Text108, 6, "9", {ex});
    row("exhaust 10 from a file", S::Text108, 6, "10", {ex});
    row("pasted letter", S::Text106, 6, "x", {in});
    row("empty valve count gives both", S::Text106, 6, "", {empty, in});
}

// A cell left by Tab: a refused value shows its boxes (the valve count's
// without an icon) and keeps the focus and the text; anything else lets
// the focus move on.
void TestSheetWindow::focusChecks()
{
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);

    Fixture f;
    QVERIFY(f.open());
    QLineEdit *cell = f.cell(S::Array(array), index);
    f.focus(S::Array(array), index);
    f.sheet.setCell(S::Array(array), index, text);
    f.platform.answer(AnswerOk, int(messages.size()));
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(f.platform.texts(), messages);
    bool valveCount = false;
    for (const MsgRequest &r : f.platform.shown) {
        if (r.text.startsWith(u"Number")) {
            QCOMPARE(r.icon, MsgIcon::None);
            valveCount = true;
        }
    }
    if (messages.isEmpty()) {
        QVERIFY(QApplication::focusWidget() != cell);
    } else {
        // The field checks speak before the focus leaves; the valve count
        // check once it has, and then gives it back.
        if (!valveCount)
            QCOMPARE(f.boxes.focusAtShow.first(), cell);
        QCOMPARE(QApplication::focusWidget(), cell);
        QCOMPARE(cell->text(), text);
    }
}

void TestSheetWindow::selectOnFocus()
{
    Fixture f;
    QVERIFY(f.open());
    QLineEdit *flow = f.cell(S::Text106, 20);
    f.focus(S::Text101, 20);
    QVERIFY(test::press(Qt::Key_Tab));
    QCOMPARE(QApplication::focusWidget(), flow);
    QCOMPARE(flow->selectedText(), flow->text());

    QLineEdit *other = f.cell(S::Text107, 22);
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(4, other->height() / 2));
    QCOMPARE(QApplication::focusWidget(), other);
    QVERIFY(other->selectedText().isEmpty());
    QCOMPARE(f.st.ui.Skip_Focus_Select, 0);
}

void TestSheetWindow::tabGoesRowByRow_data()
{
    QTest::addColumn<bool>("pageTwo");
    QTest::newRow("page 1") << false;
    QTest::newRow("page 2") << true;
}

// A test typed row by row with Tab and Backtab meets every lift row's cells
// in turn and nothing else: with page 2 up, the lifts alone (it covers the
// flows). The result Tab visits on page 1 comes after the last row.
void TestSheetWindow::tabGoesRowByRow()
{
    QFETCH(bool, pageTwo);
    Fixture f;
    QVERIFY(f.open());
    if (pageTwo)
        f.window->NextPage_Click();
    std::vector<std::pair<S::Array, int>> walk;
    for (int row = 16; row <= 30; ++row) {
        walk.emplace_back(S::Text101, row);
        if (!pageTwo) {
            walk.emplace_back(S::Text106, row);
            walk.emplace_back(S::Text107, row);
        }
    }
    f.focus(S::Text101, 16);
    auto at = [&f](const std::pair<S::Array, int> &c) {
        return QApplication::focusWidget() &&
               QApplication::focusWidget() == f.keysTo(c.first, c.second);
    };
    for (size_t i = 1; i < walk.size(); ++i) {
        QVERIFY(test::press(Qt::Key_Tab));
        QVERIFY2(at(walk[i]), qPrintable(QString::number(i)));
    }
    QVERIFY(test::press(Qt::Key_Tab));
    QVERIFY(at({S::Text103, 27}));
    QVERIFY(test::press(Qt::Key_Backtab, Qt::ShiftModifier));
    for (size_t i = walk.size() - 1; i > 0; --i) {
        QVERIFY2(at(walk[i]), qPrintable(QString::number(i)));
        QVERIFY(test::press(Qt::Key_Backtab, Qt::ShiftModifier));
    }
    QVERIFY(at(walk.front()));
    QCOMPARE(f.platform.beeps, 0);
    QVERIFY(f.platform.shown.isEmpty());
}

void TestSheetWindow::sortCommand()
{
    Fixture f;
    QVERIFY(f.open());
    f.sheet.setCell(S::Text101, 30, QStringLiteral("450"));
    f.sheet.setCell(S::Text106, 30, QStringLiteral("250"));
    QTest::mouseClick(f.window->button(QStringLiteral("Sort")), Qt::LeftButton);
    QCOMPARE(f.sheet.cell(S::Text101, 25), QStringLiteral("450"));
    QCOMPARE(f.sheet.cell(S::Text106, 25), QStringLiteral("250"));
    QCOMPARE(f.cell(S::Text101, 25)->text(), QStringLiteral("450"));
    QCOMPARE(QApplication::focusWidget(), f.cell(S::Text101, 16));
}

void TestSheetWindow::sortErrorLeavesTheSheet()
{
    Fixture f;
    QVERIFY(f.open());
    f.sheet.setCell(S::Text101, 22, QStringLiteral("abc"));
    f.sheet.setCell(S::Text101, 30, QStringLiteral("450"));
    f.platform.answer(AnswerOk);
    f.window->Sort_Click();
    QCOMPARE(f.platform.texts(), QStringList{QStringLiteral("Error Number 13 -- Type mismatch")});
    QCOMPARE(f.platform.shown.first().icon, MsgIcon::Critical);
    QCOMPARE(f.sheet.cell(S::Text101, 30), QStringLiteral("450"));
    QCOMPARE(f.sheet.cell(S::Text101, 22), QStringLiteral("abc"));
}

void TestSheetWindow::clearCommands()
{
    Fixture f;
    QVERIFY(f.open());
    f.window->Clear_All_Input_Flow_Number_Fields_Click();
    QCOMPARE(f.cell(S::Text106, 30)->text(), QStringLiteral("0"));
    QCOMPARE(f.cell(S::Text101, 30)->text(), QStringLiteral("1000"));
    f.window->Clear_All_Lift_Number_Fields_Click();
    QCOMPARE(f.cell(S::Text108, 16)->text(), QStringLiteral("0"));
    QCOMPARE(f.cell(S::Text101, 30)->text(), QStringLiteral("0"));
    f.window->Clear_All_Swirl_Number_Fields_Click();
    QCOMPARE(f.sheet.cell(S::Text207, 18), QStringLiteral("0"));
}

void TestSheetWindow::calculateTouchesOnlyItsSheet()
{
    Fixture f;
    S other(QStringLiteral("Form2"));
    SheetWindow otherWindow(other, f.st);
    QVERIFY(f.open());
    f.sheet.setCell(S::Text102, 3, QStringLiteral("1.9"));
    QStringList before;
    for (int id = 0; id < other.layout().cellCount(); ++id)
        before << other.text(id);
    QTest::mouseClick(f.window->button(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(f.sheet.cell(S::Text102, 5), QStringLiteral("2.835"));
    QCOMPARE(f.shown(S::Text102, 5), QStringLiteral("2.835"));
    for (int id = 0; id < other.layout().cellCount(); ++id)
        QCOMPARE(other.text(id), before[id]);
}

void TestSheetWindow::loadAndSaveSetThePathLine()
{
    Fixture f;
    QTemporaryDir folder;
    f.platform.setProgramFolder(folder.path());
    QVERIFY(f.open());
    const QString path = folder.filePath(QStringLiteral("test1.dat"));

    f.sheet.setCell(S::Text102, 0, QStringLiteral("Saved part"));
    // The comments, shown in runs of lines, copy and save with CR LF line
    // breaks, and a typed non-breaking space stays one.
    QString comment;
    for (int k = 0; k < 40; ++k)
        comment += QStringLiteral("line %1\r\n").arg(k);
    f.sheet.setCell(S::Text38, S::Single, comment);
    f.window->NextPage_Click();
    auto *comments = qobject_cast<QPlainTextEdit *>(f.view(S::Text38, S::Single));
    comments->setFocus();
    comments->moveCursor(QTextCursor::End);
    QTest::keyClicks(comments, QStringLiteral("a\u00a0b"));
    comment += QStringLiteral("a\u00a0b");
    QCOMPARE(f.sheet.cell(S::Text38, S::Single), comment);
    comments->selectAll();
    comments->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), comment);
    f.platform.choose(path);
    f.platform.answer(AnswerOk); // the count of records written
    f.window->Save_Data_Click();
    QCOMPARE(f.sheet.path(), path);
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(decodeFileText(saved.readAll()).endsWith(comment + QStringLiteral("\r\n")));

    // A cancelled load keeps the line and the cells.
    f.sheet.setCell(S::Text39, S::Single, QStringLiteral("earlier"));
    f.sheet.setCell(S::Text102, 0, QStringLiteral("Changed"));
    f.platform.cancelDialog();
    f.platform.answer(AnswerOk); // "Flow Data File has Not been Loaded"
    f.window->Load_Data_Click();
    QCOMPARE(f.sheet.path(), QStringLiteral("earlier"));
    QCOMPARE(f.sheet.cell(S::Text102, 0), QStringLiteral("Changed"));

    f.platform.choose(path);
    f.platform.answer(AnswerOk); // the count of records read
    f.window->Load_Data_Click();
    QCOMPARE(f.sheet.path(), path);
    QCOMPARE(f.sheet.cell(S::Text102, 0), QStringLiteral("Saved part"));
    QCOMPARE(f.sheet.cell(S::Text38, S::Single), comment);
    QCOMPARE(QApplication::focusWidget(), f.cell(S::Text101, 16));
    QVERIFY(f.platform.scriptDone());
}

void TestSheetWindow::importAndExportEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("boxes"); // after the file dialog is cancelled
    QTest::newRow("PTPFA") << "Import_PTPFA"
                           << QStringList{
                                  QStringLiteral("Data from PTPFA File has Not been Loaded")};
    QTest::newRow("flow file") << "Import_Flow_Data_Files"
                               << QStringList{QStringLiteral("No Flow File Selected")};
    QTest::newRow("export") << "Export"
                            << QStringList{QStringLiteral("Problem - DFW File was Not Saved")};
}

void TestSheetWindow::importAndExportEntries()
{
    QFETCH(QString, entry);
    QFETCH(QStringList, boxes);
    Fixture f;
    QVERIFY(f.open());
    if (entry == u"Export")
        f.platform.answer(AnswerNo); // not for the Engine Analyzer
    f.platform.cancelDialog();
    f.platform.answer(AnswerOk, int(boxes.size()));
    f.window->findChild<QAction *>(entry)->trigger();
    QCOMPARE(f.platform.texts().mid(entry == u"Export" ? 1 : 0), boxes);
    QVERIFY(f.platform.scriptDone());
    QCOMPARE(f.window->widgets().handlersWithoutControl(), QStringList());
}

QTEST_MAIN(TestSheetWindow)
#include "test_sheet_window.moc"
