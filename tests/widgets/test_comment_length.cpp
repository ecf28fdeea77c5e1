#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "scripted_platform.h"
#include "widgets/cell_widgets.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace zyt;

// A comments box typed full must still make a file the program reads back:
// typing, pasting and line breaks stop at the box's length.
class TestCommentLength : public QObject {
    Q_OBJECT

private slots:
    void stopsAtTheLimit();
};

void TestCommentLength::stopsAtTheLimit()
{
    test::ScriptedPlatform platform;
    AppState st;
    st.platform = platform.platform();
    Flow_Test_Sheet model;
    const int id = model.find(u"Text38", CellLayout::Single);
    // Full: lines of 99 letters and a line break, which counts as one.
    QString full;
    for (int k = 0; k < MaxCommentLength / 100; ++k)
        full += QString(99, u'a') + QStringLiteral("\r\n");
    model.setText(id, full);

    CellViews views(model, st);
    QWidget window;
    auto *box = qobject_cast<CellTextEdit *>(views.add(id, CellRules{}, &window, {0, 0, 300, 90}));
    QVERIFY(box);
    window.show();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_B);
    QTest::keyClick(box, Qt::Key_Return);
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    box->paste();
    QCOMPARE(platform.beeps, 3);
    QCOMPARE(model.text(id), full);

    // Room made, the text fills it again and no more.
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_B);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_C);
    QCOMPARE(platform.beeps, 4);
    QCOMPARE(model.text(id), full.chopped(3) + QStringLiteral("b\r\n"));

    // Lines shown in shared paragraphs still select one by a third click.
    QTextCursor above = box->textCursor();
    above.movePosition(QTextCursor::Up, QTextCursor::MoveAnchor, 3);
    const QPoint at = box->cursorRect(above).center();
    QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(box->textCursor().selectedText().chopped(1), QString(99, u'a'));
}

QTEST_MAIN(TestCommentLength)
#include "test_comment_length.moc"
