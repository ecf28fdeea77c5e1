#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "scripted_platform.h"
#include "widgets/cell_widgets.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

using namespace zyt;
using S = Flow_Test_Sheet;

class TestCellPaste : public QObject {
    Q_OBJECT

private slots:
    void keysAndClipboardKeepTheCellsRule_data();
    void keysAndClipboardKeepTheCellsRule();
};

namespace {

// How the clipboard meets the cell.
enum class Way { MenuPaste, ShiftInsert, CtrlV, ShiftDelete, Typed };

} // namespace

void TestCellPaste::keysAndClipboardKeepTheCellsRule_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<QString>("before"); // "|" marks the caret, else all is selected
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("beeps");

    const int decimal = int(KeyFilter::Decimal);
    const int lift = int(S::Text101);
    auto row = [](const char *name, std::initializer_list<Way> ways, int filter, int array,
                  int index, bool locked, const char *before, const char *pasted, const char *after,
                  int beeps) {
        const char *names[] = {"menu", "Shift+Insert", "Ctrl+V", "Shift+Delete", "typed"};
        for (Way way : ways)
            QTest::addRow("%s, %s", name, names[int(way)])
                << int(way) << filter << array << index << locked << QString::fromLatin1(before)
                << QString::fromLatin1(pasted) << QString::fromLatin1(after) << beeps;
    };
    // The context menu's Paste and Shift+Insert go through the cell's rules
    // alike; Ctrl+V is a key the filters refuse.
    const auto paste = {Way::MenuPaste, Way::ShiftInsert};
    row("letters into a lift", paste, decimal, lift, 20, false, "650", "E7TE", "650", 1);
    row("a number into a lift", paste, decimal, lift, 20, false, "650", "700", "700", 0);
    row("a second separator", paste, decimal, lift, 20, false, "1.5|", "2.5", "1.5", 1);
    row("a line break", paste, decimal, lift, 20, false, "", "12\n", "", 1);
    row("a minus where one may", paste, int(KeyFilter::Signed), int(S::Text207), 20, false, "",
        "-3.5", "-3.5", 0);
    row("past the cell's length", paste, int(KeyFilter::Integer), int(S::Text106), 6, false, "1|",
        "2", "1", 1);
    row("free text", paste, int(KeyFilter::None), int(S::Text102), 0, false, "", "E7TE", "E7TE", 0);
    row("a number into a lift", {Way::CtrlV}, decimal, lift, 20, false, "650", "700", "650", 1);
    // A locked cell refuses what its filter refuses and takes nothing, keys
    // as pastes: a computed estimator cell, a sheet's "Intake" label.
    row("keys into a locked cell", {Way::Typed}, decimal, int(S::Text106), 4, true, "Intake", "x5",
        "Intake", 1);
    row("keys into a locked whole-number cell", {Way::Typed}, int(KeyFilter::Integer),
        int(S::Text106), 4, true, "Intake", "5.", "Intake", 1);
    row("letters into a locked cell", {Way::ShiftInsert}, decimal, int(S::Text106), 4, true,
        "Intake", "x", "Intake", 1);
    row("a number into a locked cell", {Way::ShiftInsert}, decimal, int(S::Text106), 4, true,
        "Intake", "5", "Intake", 0);
    // Shift+Delete cuts the selection, as the menu's Cut does; a locked
    // cell keeps it.
    row("a lift cut", {Way::ShiftDelete}, decimal, lift, 20, false, "650", "", "", 0);
    row("a locked cell cut", {Way::ShiftDelete}, decimal, int(S::Text106), 4, true, "Intake", "",
        "Intake", 0);
}

void TestCellPaste::keysAndClipboardKeepTheCellsRule()
{
    QFETCH(int, way);
    QFETCH(int, filter);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(bool, locked);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(int, beeps);

    test::ScriptedPlatform platform;
    AppState st;
    st.platform = platform.platform();
    st.numbers.setLocaleSeparators(u'.', u',');
    S sheet;
    const int id = sheet.layout().id(S::Array(array), index);
    const bool caret = before.endsWith(u'|');
    sheet.setText(id, caret ? before.chopped(1) : before);
    CellLook look = sheet.look(id);
    look.readOnly = locked;
    sheet.setLook(id, look);
    CellViews views(sheet, st);
    QWidget window;
    CellRules rules;
    rules.edited = true;
    rules.filter = KeyFilter(filter);
    auto *cell = qobject_cast<CellLineEdit *>(views.add(id, rules, &window, QRect(0, 0, 90, 20)));
    QVERIFY(cell);
    window.show();
    caret ? cell->end(false) : cell->selectAll();
    QGuiApplication::clipboard()->setText(pasted.isEmpty() ? QStringLiteral("kept") : pasted);

    switch (Way(way)) {
    case Way::MenuPaste: {
        // The menu opens on the press of the right button and takes its
        // release: the mouse flag is cleared as it closes.
        QTest::mousePress(cell, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(st.ui.Skip_Focus_Select, 1);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                cell->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(cell, &event);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction *a : menu->actions())
            if (a->text().startsWith(QStringLiteral("&Paste")))
                a->trigger();
        menu->close();
        QCOMPARE(st.ui.Skip_Focus_Select, 0);
        break;
    }
    case Way::ShiftInsert:
        QTest::keyClick(cell, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Way::Typed:
        QTest::keyClicks(cell, pasted);
        break;
    case Way::CtrlV:
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ShiftDelete:
        QTest::keyClick(cell, Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), locked ? QStringLiteral("kept") : before);
        break;
    }

    QCOMPARE(sheet.text(id), after);
    QCOMPARE(platform.beeps, beeps);
}

QTEST_MAIN(TestCellPaste)
#include "test_cell_paste.moc"
