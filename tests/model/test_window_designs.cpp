#include "model/compare_model.h"
#include "model/compare_window_design.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_design.h"
#include "model/main_model.h"
#include "model/main_window_design.h"
#include "model/report_design.h"
#include "model/report_model.h"
#include "model/sheet_design.h"

#include <QFile>
#include <QSet>
#include <QTest>

using namespace zyt;

Q_DECLARE_METATYPE(const WindowDesign *)
Q_DECLARE_METATYPE(const CellLayout *)

namespace {

// One line per cell of a window as a new window shows it: where it is, what
// kind of cell, whether the user may type in it, its place in the tab
// chain, whether it holds a number, its colours, its alignment and its text.
QStringList describeCells(const CellLayout &layout)
{
    const char *const kinds[] = {"label", "input", "result", "header", "blank", "check", "marker"};
    const char *const alignments[] = {"left", "right", "centre"};
    QStringList lines;
    for (int id = 0; id < layout.cellCount(); ++id) {
        const CellInfo &s = layout.info(id);
        const int index = layout.indexOf(id);
        QStringList line{layout.arrayName(layout.arrayOf(id)) +
                         (index == CellLayout::Single ? QString() : u'_' + QString::number(index))};
        line << QLatin1StringView(kinds[int(s.kind)])
             << QLatin1StringView(s.readOnly ? "locked" : "open");
        if (s.tabStop)
            line << QStringLiteral("tab%1").arg(s.tabOrder);
        if (s.numeric)
            line << QStringLiteral("number");
        if (s.multiline)
            line << QStringLiteral("lines");
        if (s.maxLength > 0)
            line << QStringLiteral("max%1").arg(s.maxLength);
        line << QStringLiteral("%1/%2")
                    .arg(s.foreColor, 6, 16, QChar(u'0'))
                    .arg(s.backColor, 6, 16, QChar(u'0'))
             << QLatin1StringView(alignments[qBound(0, s.alignment, 2)]);
        if (!s.defaultText.isEmpty())
            line << QStringLiteral("=")
                 << QString(s.defaultText).replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
        lines << line.join(u' ');
    }
    return lines;
}

} // namespace

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
    void cellsStartAsTheGoldenFile_data() { designs_data(); }
    void cellsStartAsTheGoldenFile();
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

// What a new window shows in each cell and how the cell looks and takes
// typing, against the window's golden file; and every cell is found again
// by its array and index.
void TestWindowDesigns::cellsStartAsTheGoldenFile()
{
    QFETCH(const CellLayout *, layout);
    for (int id = 0; id < layout->cellCount(); ++id)
        QCOMPARE(layout->id(layout->arrayOf(id), layout->indexOf(id)), id);
    if (layout->cellCount() == 0)
        return;
    QFile golden(QStringLiteral(ZYT_TEST_DATA "/%1-cells.txt").arg(QTest::currentDataTag()));
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    QStringList expected = QString::fromUtf8(golden.readAll()).split(u'\n');
    if (expected.last().isEmpty())
        expected.removeLast();
    QCOMPARE(describeCells(*layout), expected);
}

QTEST_MAIN(TestWindowDesigns)
#include "test_window_designs.moc"
