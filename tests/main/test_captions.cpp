#include "fake_screen.h"
#include "main/fonts_alignment.h"
#include "main/main_window.h"
#include "main/program.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "widgets/painted_cell.h"
#include "widgets/window_builder.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace zyt;
using S = Flow_Test_Sheet;

namespace {

// Where a cell's widget puts its text.
QRect textArea(const QWidget &cell)
{
    if (const auto *painted = qobject_cast<const PaintedCell *>(&cell))
        return painted->textRect();
    const auto *edit = qobject_cast<const QLineEdit *>(&cell);
    if (!edit)
        return {};
    QStyleOptionFrame panel;
    panel.initFrom(edit);
    panel.rect = edit->contentsRect();
    panel.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, edit);
    return edit->style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, edit)
        .marginsRemoved(edit->textMargins())
        .adjusted(2, 0, -2, 0);
}

// Every caption of the window shows whole, and no text of any cell lies
// under one of the window's marks.
void captionsWhole(const QMainWindow &window, const WindowBuilder &widgets, const CellModel &model)
{
    const CellLayout &layout = model.layout();
    QList<const QWidget *> marks;
    for (int id = 0; id < layout.cellCount(); ++id) {
        if (const QWidget *w = widgets.cellWidget(id);
            w && layout.info(id).kind == CellKind::Marker)
            marks << w;
    }
    for (const QWidget *w : window.findChildren<QWidget *>())
        if (w->objectName().startsWith(u"Label2_"))
            marks << w;
    QVERIFY(!marks.isEmpty());

    for (int id = 0; id < layout.cellCount(); ++id) {
        const QWidget *w = widgets.cellWidget(id);
        if (!w || layout.info(id).kind == CellKind::Marker || layout.info(id).multiline)
            continue;
        const QString name = window.objectName() + u' ' + w->objectName();
        const QRect area = textArea(*w);
        const CellKind kind = layout.info(id).kind;
        if (kind == CellKind::Label || kind == CellKind::Header) {
            const auto *painted = qobject_cast<const PaintedCell *>(w);
            const QFont font = painted ? painted->textFont() : w->font();
            const double advance = QFontMetricsF(font).horizontalAdvance(model.text(id));
            QVERIFY2(std::lround(advance) + 1 <= area.width(), qPrintable(name));
        }
        const QRect onParent(w->mapToParent(area.topLeft()), area.size());
        for (const QWidget *mark : marks)
            if (mark->parentWidget() == w->parentWidget() && !mark->isHidden())
                QVERIFY2(!onParent.intersects(mark->geometry()),
                         qPrintable(name + QStringLiteral(" under ") + mark->objectName()));
    }
}

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT

private slots:
    void captionsStayWhole_data();
    void captionsStayWhole();
};

void TestCaptions::captionsStayWhole_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("fitted");

    for (const auto &[name, alignment] :
         {std::pair{"left", 0}, std::pair{"right", 1}, std::pair{"centre", 2}}) {
        QTest::addRow("%s", name) << alignment << false;
        QTest::addRow("%s, fitted to 1920x1080", name) << alignment << true;
    }
}

void TestCaptions::captionsStayWhole()
{
    QFETCH(int, alignment);
    QFETCH(bool, fitted);

    QTemporaryDir folder;
    test::ScriptedPlatform platform;
    platform.setProgramFolder(folder.path());
    test::FakeScreen screen(1920, 1080, 96);
    Platform p = platform.platform();
    p.screen = &screen;
    Program program(p);
    program.st.numbers.setLocaleSeparators(u'.', u',');
    program.Form_Load(QString());
    void (*align[])(Models &, AppState &) = {AligLeft_Click, AligRight_Click, AligCenter_Click};
    align[alignment](program.models(), program.st);

    MainWindow &main = program.mainWindow();
    SheetWindow &sheet = program.sheetWindow(0);
    auto *metric = main.widgets().widget<QCheckBox>(u"Check2");
    const QStyle *style = metric->style();
    const int square = style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, metric);
    const double designed = metric->font().pointSizeF();
    if (fitted)
        program.FullScrRes_Click();
    main.show();
    program.openSheet(0);
    sheet.ensureBuilt();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));

    captionsWhole(main, main.widgets(), program.main);
    captionsWhole(sheet, sheet.widgets(), *program.sheets[0]);

    // A check box's square grows with its caption.
    const double grown = metric->font().pointSizeF() / designed;
    QCOMPARE(grown > 1.2, fitted);
    QStyleOptionButton option;
    option.initFrom(metric);
    const QRect shown = style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, metric);
    QVERIFY(shown.height() >= std::floor(square * grown));
}

QTEST_MAIN(TestCaptions)
#include "test_captions.moc"
