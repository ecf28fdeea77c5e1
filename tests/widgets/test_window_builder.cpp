#include "model/app_state.h"
#include "model/cell_model.h"
#include "widgets/hover_help.h"
#include "widgets/window_builder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace zyt;

namespace {

enum Array { Text1, Text2, Check1, Option1 };
constexpr int Single = CellLayout::Single;

const CellLayout &layout()
{
    static const CellLayout cells = [] {
        CellLayout l;
        l.addArray(QStringLiteral("Text1"), 0, 2);
        l.addArray(QStringLiteral("Text2"), 0, 1);
        l.addSingle(QStringLiteral("Check1"));
        l.addSingle(QStringLiteral("Option1"));
        // Tab walks Text1 from row 1 on.
        for (int row = 0; row < 3; ++row) {
            CellInfo entry;
            entry.kind = CellKind::Input;
            entry.readOnly = false;
            entry.tabStop = true;
            entry.tabOrder = (row + 2) % 3;
            l.addCell(Text1, row, entry);
        }
        CellInfo block;
        block.backColor = 0x123456;
        l.addCell(Text2, 0, block);
        l.addCell(Text2, 1, CellInfo{});
        CellInfo box;
        box.kind = CellKind::Check;
        box.defaultText = QStringLiteral("0");
        box.backColor = 0xC0FFC0;
        l.addCell(Check1, Single, box);
        box.defaultText = QStringLiteral("1");
        l.addCell(Option1, Single, box);
        return l;
    }();
    return cells;
}

const WindowDesign &design()
{
    static const WindowDesign d = [] {
        WindowDesign w;
        w.name = QStringLiteral("Test");
        w.size = QSize(400, 300);
        w.menuBar = {
            menu("File", "&File",
                 {command("Load", "&Load"), separator("Sep1"),
                  menu("More", "More", {command("Deep", "Deep").disabled()}),
                  command("Mark", "Mark").checkMark(true)}),
            command("About", "&About"),
        };
        CellGridDesign grid;
        grid.columns = {GridColumn{Text1, 10, 50}, GridColumn{Text2, 70, 50}};
        grid.rowTops = {10, 30, 50};
        grid.rowHeight = 20;
        grid.moved = {{CellRef{Text1, 2}, 1}}; // shown in the Text2 column
        w.grids = {grid};
        w.controls = {
            helpLine(QRect(0, 270, 400, 20)),
            cellGrid(0),
            button("Go", "&Go", QRect(10, 100, 80, 24)).shows("Help_Go"),
            frame("Frame1", "Panel", QRect(200, 0, 150, 150)).boxed().bold().hidesHelp(),
            button("Pick", 0, "One", QRect(10, 40, 60, 24)).in("Frame1"),
            button("Pick", 1, "Two", QRect(80, 40, 60, 24)).in("Frame1"),
            checkBox("Check1", "Box", QRect(10, 130, 80, 24)).bound(CellRef{Check1, Single}),
            optionButton("Option1", 0, "A", QRect(10, 160, 40, 24)).bound(CellRef{Option1, Single}),
            optionButton("Option1", 1, "B", QRect(60, 160, 40, 24)).bound(CellRef{Option1, Single}),
            comboBox("Combo1", QRect(10, 190, 100, 24)).withItems({"x", "y"}),
            label("Note", "Some words", QRect(10, 220, 100, 40)).wrapped().hidden(),
            picture("Picture1", QRect(120, 190, 60, 60)),
            textBox("Report", QRect(200, 160, 190, 100)).font("Courier", 9.75),
        };
        w.cellHover = {
            {CellRef{Text1, 1}, Hover::Show, QStringLiteral("Help_Cell")},
            {CellRef{Text1, CellHoverRule::AnyIndex}, Hover::Hide, QString()},
        };
        w.hoverTexts = {{QStringLiteral("Help_Go"), QStringLiteral("Go text")},
                        {QStringLiteral("Help_Cell"), QStringLiteral("Cell text")}};
        return w;
    }();
    return d;
}

struct Fixture {
    Fixture()
        : model(layout(), QStringLiteral("Test")),
          builder(new WindowBuilder(window, design(), model, st))
    {
        addHoverTexts(st.ui, design());
    }
    QLabel *help() const { return builder->helpLine()->label(); }
    void enter(QWidget *w) const
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &event);
    }

    AppState st;
    CellModel model;
    QMainWindow window;
    WindowBuilder *builder;
};

// Stands in for a window's own kind of control.
class Canvas final : public QWidget {
public:
    using QWidget::QWidget;
};

} // namespace

class TestWindowBuilder : public QObject {
    Q_OBJECT

private slots:
    void madeOnceAsDesigned();
    void cellGrid();
    void menus();
    void handlersByName();
    void boundBoxesAndOptions();
    void hoverHelp();
    void tabChainFollowsTheCells();
};

void TestWindowBuilder::madeOnceAsDesigned()
{
    Fixture f;
    f.builder->makeWith(QStringLiteral("Picture1"),
                        [](QWidget *parent) { return new Canvas(parent); });
    QVERIFY(!f.builder->widget(u"Go"));
    f.builder->build();
    f.builder->build();
    QCOMPARE(f.window.objectName(), QStringLiteral("Test"));
    QCOMPARE(f.window.findChildren<QPushButton *>(QStringLiteral("Go")).size(), 1);
    auto *go = f.builder->widget<QPushButton>(u"Go");
    QCOMPARE(go->text(), QStringLiteral("&Go"));
    QCOMPARE(go->geometry(), QRect(10, 100, 80, 24));
    QCOMPARE(go->parentWidget(), f.builder->background());

    auto *panel = f.builder->widget<QFrame>(u"Frame1");
    QCOMPARE(panel->frameShape(), QFrame::Box);
    QCOMPARE(f.builder->widget(u"Pick", 1)->parentWidget(), panel);
    QCOMPARE(f.builder->widget(u"Pick", 1)->objectName(), QStringLiteral("Pick_1"));
    auto *caption = panel->findChild<QLabel *>();
    QCOMPARE(caption->text(), QStringLiteral("Panel"));
    QVERIFY(caption->font().bold());
    QVERIFY(!f.builder->widget(u"Pick", 0)->font().bold());

    QVERIFY(f.builder->widget(u"Note")->isHidden());
    QVERIFY(f.builder->widget<QLabel>(u"Note")->wordWrap());
    QCOMPARE(f.builder->widget<QComboBox>(u"Combo1")->count(), 2);
    QVERIFY(dynamic_cast<Canvas *>(f.builder->widget(u"Picture1")));
    QCOMPARE(f.builder->widget(u"Picture1")->geometry(), QRect(120, 190, 60, 60));
    auto *report = f.builder->widget<QPlainTextEdit>(u"Report");
    QVERIFY(report->isReadOnly());
    QCOMPARE(report->font().family(), QStringLiteral("Courier"));
    QCOMPARE(report->font().pointSizeF(), 9.75);
    QCOMPARE(f.window.height(), 300 + f.window.menuBar()->sizeHint().height());
}

void TestWindowBuilder::cellGrid()
{
    Fixture f;
    f.builder->build();
    QCOMPARE(f.builder->widget(u"Text1", 1)->geometry(), QRect(10, 30, 50, 20));
    QCOMPARE(f.builder->widget(u"Text1", 2)->geometry(), QRect(70, 50, 50, 20));
    QCOMPARE(f.builder->widget(u"Text1", 1), f.builder->cellWidget(layout().id(Text1, 1)));
    // Blank cells have no widget; the coloured one shows as a block.
    QVERIFY(!f.builder->widget(u"Text2", 0));
    QVERIFY(!f.builder->widget(u"Text2", 1));
    QWidget *block = f.builder->background()->childAt(80, 15);
    QVERIFY(block);
    QCOMPARE(block->palette().color(QPalette::Window), QColor(0x12, 0x34, 0x56));
    QVERIFY(!f.builder->background()->childAt(80, 35));
}

void TestWindowBuilder::menus()
{
    Fixture f;
    int loads = 0;
    f.builder->on(QStringLiteral("Load"), [&loads] { ++loads; });
    f.builder->build();
    QAction *load = f.builder->action(u"Load");
    QCOMPARE(load->text(), QStringLiteral("&Load"));
    auto *file = f.window.findChild<QMenu *>(QStringLiteral("File"));
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QCOMPARE(file->actions().size(), 4);
    QVERIFY(file->actions()[1]->isSeparator());
    QCOMPARE(file->actions()[1]->objectName(), QStringLiteral("Sep1"));
    QCOMPARE(file->actions()[2]->menu()->objectName(), QStringLiteral("More"));
    QVERIFY(!f.builder->action(u"Deep")->isEnabled());
    QVERIFY(f.builder->action(u"Mark")->isChecked());
    QCOMPARE(f.window.menuBar()->actions().last(), f.builder->action(u"About"));
    load->trigger();
    QCOMPARE(loads, 1);
}

void TestWindowBuilder::handlersByName()
{
    Fixture f;
    QList<int> picked;
    int goes = 0;
    f.builder->on(QStringLiteral("Go"), [&goes] { ++goes; });
    f.builder->onIndexed(QStringLiteral("Pick"), [&picked](int k) { picked << k; });
    f.builder->onIndexed(QStringLiteral("Combo1"), [&picked](int item) { picked << 10 + item; });
    f.builder->on(QStringLiteral("Gone"), [] {});
    f.builder->build();
    f.builder->widget<QPushButton>(u"Go")->click();
    f.builder->widget<QPushButton>(u"Pick", 1)->click();
    f.builder->widget<QPushButton>(u"Pick", 0)->click();
    emit f.builder->widget<QComboBox>(u"Combo1")->activated(1);
    QCOMPARE(goes, 1);
    QCOMPARE(picked, (QList<int>{1, 0, 11}));
    // A control without a handler does nothing; a handler without a control
    // is named.
    f.builder->action(u"About")->trigger();
    QCOMPARE(f.builder->handlersWithoutControl(), QStringList{QStringLiteral("Gone")});
}

void TestWindowBuilder::boundBoxesAndOptions()
{
    Fixture f;
    QString seen;
    f.builder->on(QStringLiteral("Check1"),
                  [&] { seen = f.model.text(layout().id(Check1, Single)); });
    f.builder->build();
    const int box = layout().id(Check1, Single);
    const int option = layout().id(Option1, Single);
    auto *check = f.builder->widget<QCheckBox>(u"Check1");
    QVERIFY(!check->isChecked());
    QCOMPARE(check->palette().color(QPalette::Window), QColor(0xC0, 0xFF, 0xC0));
    check->click();
    QCOMPARE(f.model.text(box), QStringLiteral("1"));
    QCOMPARE(seen, QStringLiteral("1")); // the handler runs with the cell set
    f.model.setText(box, QStringLiteral("0"));
    QVERIFY(!check->isChecked());

    auto *a = f.builder->widget<QRadioButton>(u"Option1", 0);
    auto *b = f.builder->widget<QRadioButton>(u"Option1", 1);
    QVERIFY(!a->isChecked() && b->isChecked());
    a->click();
    QCOMPARE(f.model.text(option), QStringLiteral("0"));
    QVERIFY(!b->isChecked());
    f.model.setText(option, QStringLiteral("1"));
    QVERIFY(!a->isChecked() && b->isChecked());
}

void TestWindowBuilder::hoverHelp()
{
    Fixture f;
    f.builder->build();
    QLabel *help = f.help();
    f.enter(f.builder->widget(u"Go"));
    QCOMPARE(help->text(), QStringLiteral("Go text"));
    QVERIFY(!help->isHidden());
    f.enter(f.builder->widget(u"Pick", 0)); // no help of its own: the line stays
    QVERIFY(!help->isHidden());
    f.enter(f.builder->widget(u"Text1", 1));
    QCOMPARE(help->text(), QStringLiteral("Cell text"));
    f.enter(f.builder->widget(u"Text1", 2)); // the array's other cells hide it
    QVERIFY(help->isHidden());

    // A move over the frame's bare background hides the line, as over the
    // window's.
    f.enter(f.builder->widget(u"Go"));
    QWidget *panel = f.builder->widget(u"Frame1");
    QMouseEvent move(QEvent::MouseMove, QPointF(140, 140), QPointF(140, 140), QPointF(),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &move);
    QVERIFY(help->isHidden());
}

void TestWindowBuilder::tabChainFollowsTheCells()
{
    Fixture f;
    f.builder->build();
    QWidget *first = f.builder->widget(u"Text1", 1);
    QCOMPARE(first->nextInFocusChain(), f.builder->widget(u"Text1", 2));
    QCOMPARE(first->nextInFocusChain()->nextInFocusChain(), f.builder->widget(u"Text1", 0));
}

QTEST_MAIN(TestWindowBuilder)
#include "test_window_builder.moc"
