#include "model/compare_model.h"
#include "model/compare_window_design.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_design.h"
#include "model/main_model.h"
#include "model/main_window_design.h"
#include "model/report_design.h"
#include "model/report_model.h"
#include "model/sheet_design.h"

#include <QSet>
#include <QTest>

using namespace zyt;

Q_DECLARE_METATYPE(const WindowDesign *)
Q_DECLARE_METATYPE(const CellLayout *)

// Each window's design against its cells: a name the builder or the
// window's handlers look up, or a help text name, that matches nothing
// would leave a control without its handler, its frame or its help.
class TestWindowDesigns : public QObject {
    Q_OBJECT

private slots:
    void designs_data();
    void namesAreUnique_data() { designs_data(); }
    void namesAreUnique();
    void framesComeFirst_data() { designs_data(); }
    void framesComeFirst();
    void helpNamesHaveTexts_data() { designs_data(); }
    void helpNamesHaveTexts();
    void cellsArePresent_data() { designs_data(); }
    void cellsArePresent();
};

void TestWindowDesigns::designs_data()
{
    QTest::addColumn<const WindowDesign *>("design");
    QTest::addColumn<const CellLayout *>("layout");
    QTest::newRow("main") << &mainWindowDesign() << &MainModel::mainLayout();
    QTest::newRow("sheet") << &sheetDesign() << &Flow_Test_Sheet::sheetLayout();
    QTest::newRow("report") << &reportDesign() << &ReportModel::reportLayout();
    QTest::newRow("compare") << &compareWindowDesign() << &CompareModel::compareLayout();
    QTest::newRow("graph") << &graphWindowDesign() << &graphWindowLayout();
}

void TestWindowDesigns::namesAreUnique()
{
    QFETCH(const WindowDesign *, design);
    QSet<QString> controls;
    for (const ControlDesign &c : design->controls) {
        if (c.name.isEmpty())
            continue;
        const QString name = c.name + u'_' + QString::number(c.index);
        QVERIFY2(!controls.contains(name), qPrintable(name));
        controls.insert(name);
    }
    QSet<QString> entries;
    std::function<void(const std::vector<MenuDesign> &)> walk =
        [&](const std::vector<MenuDesign> &list) {
            for (const MenuDesign &e : list) {
                QVERIFY2(!e.name.isEmpty() && !entries.contains(e.name), qPrintable(e.name));
                entries.insert(e.name);
                walk(e.entries);
            }
        };
    walk(design->menuBar);
    QSet<QString> texts;
    for (const HoverText &t : design->hoverTexts) {
        QVERIFY2(!texts.contains(t.name), qPrintable(t.name));
        texts.insert(t.name);
    }
}

void TestWindowDesigns::framesComeFirst()
{
    QFETCH(const WindowDesign *, design);
    QSet<QString> frames;
    auto check = [&frames](const QString &parent) {
        QVERIFY2(parent.isEmpty() || frames.contains(parent), qPrintable(parent));
    };
    for (const ControlDesign &c : design->controls) {
        check(c.parent);
        if (c.kind == ControlKind::CellGrid) {
            QVERIFY(c.grid >= 0 && size_t(c.grid) < design->grids.size());
            check(design->grids[size_t(c.grid)].parent);
        }
        // A picture holds controls as a frame does (the logo in the graph).
        if (c.kind == ControlKind::Frame || c.kind == ControlKind::Picture)
            frames.insert(c.name);
    }
}

void TestWindowDesigns::helpNamesHaveTexts()
{
    QFETCH(const WindowDesign *, design);
    QSet<QString> texts;
    for (const HoverText &t : design->hoverTexts)
        texts.insert(t.name);
    // The main window's texts are the program's shared ones (the capture
    // button's, for one).
    for (const HoverText &t : mainWindowDesign().hoverTexts)
        texts.insert(t.name);
    int shown = 0;
    for (const ControlDesign &c : design->controls) {
        if (c.hover == Hover::Show) {
            QVERIFY2(texts.contains(c.help), qPrintable(c.name + u' ' + c.help));
            ++shown;
        }
    }
    for (const CellHoverRule &r : design->cellHover) {
        if (r.action == Hover::Show) {
            QVERIFY2(texts.contains(r.help), qPrintable(r.help));
            ++shown;
        }
    }
    QVERIFY(shown > 0 || design->hoverTexts.empty()); // the graph window has no help line
}

void TestWindowDesigns::cellsArePresent()
{
    QFETCH(const WindowDesign *, design);
    QFETCH(const CellLayout *, layout);
    auto present = [layout](CellRef cell) {
        return cell.array >= 0 && cell.array < layout->arrayCount() &&
               (cell.index == CellHoverRule::AnyIndex || layout->id(cell.array, cell.index) >= 0);
    };
    for (const ControlDesign &c : design->controls) {
        const bool bound = c.kind == ControlKind::CheckBox || c.kind == ControlKind::OptionButton;
        if (c.kind == ControlKind::Cell || (bound && c.cell.array >= 0))
            QVERIFY2(
                present(c.cell),
                qPrintable(
                    QStringLiteral("%1 %2 %3").arg(c.name).arg(c.cell.array).arg(c.cell.index)));
    }
    for (const CellGridDesign &grid : design->grids) {
        for (const GridColumn &column : grid.columns)
            QVERIFY(column.array >= 0 && column.array < layout->arrayCount());
        for (const CellGridDesign::Moved &m : grid.moved) {
            QVERIFY(present(m.cell));
            QVERIFY(m.column >= 0 && size_t(m.column) < grid.columns.size());
        }
    }
    for (const CellHoverRule &r : design->cellHover)
        QVERIFY(present(r.cell));
}

QTEST_MAIN(TestWindowDesigns)
#include "test_window_designs.moc"
