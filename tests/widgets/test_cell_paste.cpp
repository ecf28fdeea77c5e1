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

Q_DECLARE_METATYPE(KeyFilter)

class TestCellPaste : public QObject {
    Q_OBJECT

private slots:
    void menuPasteKeepsTheCellsRule_data();
    void menuPasteKeepsTheCellsRule();
};

void TestCellPaste::menuPasteKeepsTheCellsRule_data()
{
    QTest::addColumn<KeyFilter>("filter");
    QTest::addColumn<int>("array");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");

    const KeyFilter decimal = KeyFilter::Decimal;
    const int lift = int(S::Text101);
    QTest::newRow("letters into a lift") << decimal << lift << 20 << "650" << true << "E7TE"
                                         << "650";
    QTest::newRow("a number into a lift") << decimal << lift << 20 << "650" << true << "700"
                                          << "700";
    QTest::newRow("a second separator") << decimal << lift << 20 << "1.5" << false << "2.5"
                                        << "1.5";
    QTest::newRow("the separator goes with the selection")
        << decimal << lift << 20 << "1.5" << true << "2.5"
        << "2.5";
    QTest::newRow("a line break after the number") << decimal << lift << 20 << "" << true << "12\n"
                                                   << "";
    QTest::newRow("a minus where none may stand") << decimal << lift << 20 << "" << true << "-3"
                                                  << "";
    QTest::newRow("a minus where one may")
        << KeyFilter::Signed << int(S::Text207) << 20 << "" << true << "-3.5"
        << "-3.5";
    QTest::newRow("a separator into a whole number")
        << KeyFilter::Integer << int(S::Text106) << 6 << "" << true << "1.5"
        << "";
    QTest::newRow("past the cell's length")
        << KeyFilter::Integer << int(S::Text106) << 6 << "1" << false << "2"
        << "1";
    QTest::newRow("free text takes letters")
        << KeyFilter::None << int(S::Text102) << 0 << "" << true << "E7TE"
        << "E7TE";
}

void TestCellPaste::menuPasteKeepsTheCellsRule()
{
    QFETCH(KeyFilter, filter);
    QFETCH(int, array);
    QFETCH(int, index);
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(QString, pasted);
    QFETCH(QString, after);

    test::ScriptedPlatform platform;
    AppState st;
    st.platform = platform.platform();
    st.numbers.setLocaleSeparators(u'.', u',');
    S sheet;
    const int id = sheet.layout().id(S::Array(array), index);
    sheet.setText(id, before);
    CellViews views(sheet, st);
    QWidget window;
    CellRules rules;
    rules.filter = filter;
    auto *cell = qobject_cast<CellLineEdit *>(views.add(id, rules, &window, QRect(0, 0, 100, 20)));
    QVERIFY(cell);
    window.show();
    cell->setFocus();
    if (selectAll)
        cell->selectAll();
    else
        cell->end(false);
    QGuiApplication::clipboard()->setText(pasted);

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            cell->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(cell, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction *paste = nullptr;
    for (QAction *a : menu->actions())
        if (a->text().startsWith(QStringLiteral("&Paste")))
            paste = a;
    QVERIFY(paste);
    paste->trigger();
    menu->close();

    QCOMPARE(cell->text(), after);
    QCOMPARE(sheet.text(id), after);
    QCOMPARE(platform.beeps, after == before && !pasted.isEmpty() ? 1 : 0);
}

QTEST_MAIN(TestCellPaste)
#include "test_cell_paste.moc"
