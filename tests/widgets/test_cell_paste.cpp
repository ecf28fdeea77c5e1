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
    void menuPasteKeepsTheCellsRule_data();
    void menuPasteKeepsTheCellsRule();
};

void TestCellPaste::menuPasteKeepsTheCellsRule_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before"); // "|" marks the caret, else all is selected
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    const int decimal = int(KeyFilter::Decimal);
    const int lift = int(S::Text101);
    QTest::newRow("letters into a lift") << decimal << lift << 20 << "650"
                                         << "E7TE"
                                         << "650";
    QTest::newRow("a number into a lift") << decimal << lift << 20 << "650"
                                          << "700"
                                          << "700";
    QTest::newRow("a second separator") << decimal << lift << 20 << "1.5|"
                                        << "2.5"
                                        << "1.5";
    QTest::newRow("a line break") << decimal << lift << 20 << ""
                                  << "12\n"
                                  << "";
    QTest::newRow("a minus where one may") << int(KeyFilter::Signed) << int(S::Text207) << 20 << ""
                                           << "-3.5"
                                           << "-3.5";
    QTest::newRow("past the cell's length")
        << int(KeyFilter::Integer) << int(S::Text106) << 6 << "1|"
        << "2"
        << "1";
    QTest::newRow("free text") << int(KeyFilter::None) << int(S::Text102) << 0 << ""
                               << "E7TE"
                               << "E7TE";
}

void TestCellPaste::menuPasteKeepsTheCellsRule()
{
    QFETCH(int, filter);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(QString, pasted);
    QFETCH(QString, after);

    test::ScriptedPlatform platform;
    AppState st;
    st.platform = platform.platform();
    st.numbers.setLocaleSeparators(u'.', u',');
    S sheet;
    const int id = sheet.layout().id(S::Array(array), index);
    const bool caret = before.endsWith(u'|');
    sheet.setText(id, caret ? before.chopped(1) : before);
    CellViews views(sheet, st);
    QWidget window;
    CellRules rules;
    rules.filter = KeyFilter(filter);
    auto *cell = qobject_cast<CellLineEdit *>(views.add(id, rules, &window, QRect(0, 0, 90, 20)));
    QVERIFY(cell);
    window.show();
    caret ? cell->end(false) : cell->selectAll();
    QGuiApplication::clipboard()->setText(pasted);

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            cell->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(cell, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    for (QAction *a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste")))
            a->trigger();
    menu->close();

    QCOMPARE(sheet.text(id), after);
    QCOMPARE(platform.beeps, after == pasted ? 0 : 1);
}

QTEST_MAIN(TestCellPaste)
#include "test_cell_paste.moc"
