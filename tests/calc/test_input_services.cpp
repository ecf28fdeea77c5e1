#include "calc/input_services.h"
#include "model/app_state.h"
#include "scripted_platform.h"

#include <QTest>

using namespace zyt;

namespace {

// A text box that remembers what was done to it, and how many message boxes
// had been shown when it got the focus back.
class FakeBox final : public TextBox {
public:
    FakeBox(QString text, const test::ScriptedPlatform &platform)
        : text_(std::move(text)), platform_(platform)
    {
    }
    QString text() const override { return text_; }
    void setFocus() override
    {
        ++focusCalls;
        boxesBeforeFocus = int(platform_.shown.size());
    }
    void setSelection(int start, int length) override
    {
        selectionStart = start;
        selectionLength = length;
    }

    int focusCalls = 0;
    int boxesBeforeFocus = -1;
    int selectionStart = -1;
    int selectionLength = -1;

private:
    QString text_;
    const test::ScriptedPlatform &platform_;
};

} // namespace

class TestInputServices : public QObject {
    Q_OBJECT

private slots:
    void keyFilters_data();
    void keyFilters();
    void checks_data();
    void checks();
    void selectAll_data();
    void selectAll();
};

void TestInputServices::keyFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");

    auto row = [](const char *name, const char *filter, bool comma, const char *text, int key,
                  bool accepted) {
        QTest::newRow(name) << QString::fromLatin1(filter) << comma << QString::fromLatin1(text)
                            << key << accepted;
    };
    for (const char *f : {"integer", "decimal", "signed"}) {
        const QByteArray n(f);
        row(n + " digit", f, false, "12", '7', true);
        row(n + " backspace", f, false, "12", 8, true);
        row(n + " tab", f, false, "12", 9, true);
        row(n + " enter", f, false, "12", 13, true);
        row(n + " letter", f, false, "12", 'a', false);
        row(n + " copy", f, false, "12", 3, false);
        row(n + " paste", f, false, "12", 22, false);
        row(n + " cut", f, false, "12", 24, false);
        row(n + " escape", f, false, "12", 27, false);
        row(n + " space", f, false, "12", ' ', false);
    }
    row("integer point", "integer", false, "1", '.', false);
    row("integer comma", "integer", true, "1", ',', false);
    row("integer minus", "integer", false, "1", '-', false);

    row("decimal first point", "decimal", false, "12", '.', true);
    row("decimal second point", "decimal", false, "1.2", '.', false);
    row("decimal point when selected text holds one", "decimal", false, "0.650", '.', false);
    row("decimal comma under point", "decimal", false, "12", ',', false);
    row("decimal minus", "decimal", false, "12", '-', false);
    row("decimal comma locale comma", "decimal", true, "12", ',', true);
    row("decimal comma locale second comma", "decimal", true, "1,2", ',', false);
    row("decimal comma locale point", "decimal", true, "12", '.', false);

    row("signed minus after digits", "signed", false, "12", '-', true);
    row("signed second minus", "signed", false, "-12", '-', false);
    row("signed point", "signed", false, "-12", '.', true);
    row("signed second point", "signed", false, "-1.2", '.', false);
    row("signed comma locale", "signed", true, "-1", ',', true);
    row("signed comma locale point", "signed", true, "-1", '.', false);
}

void TestInputServices::keyFilters()
{
    QFETCH(QString, filter);
    QFETCH(bool, comma);
    QFETCH(QString, text);
    QFETCH(int, key);
    QFETCH(bool, accepted);

    test::ScriptedPlatform platform;
    AppState st;
    st.platform = platform.platform();
    st.numbers.Decimal_Comma = comma ? 1 : 0;

    int result = -1;
    if (filter == u"integer")
        result = Key_Integer(key, st.platform);
    else if (filter == u"decimal")
        result = Key_Decimal(text, key, st.numbers, st.platform);
    else
        result = Key_Signed_Decimal(text, key, st.numbers, st.platform);

    QCOMPARE(result, accepted ? key : 0);
    QCOMPARE(platform.beeps, accepted ? 0 : 1);
    QVERIFY(platform.shown.isEmpty());
}

void TestInputServices::checks_data()
{
    QTest::addColumn<bool>("notZero");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("message"); // 0 none, else the Field_Msgs number

    QTest::newRow("empty: empty") << false << "" << 1;
    QTest::newRow("empty: minus and point") << false << "-." << 1;
    QTest::newRow("empty: commas") << false << ",," << 1;
    QTest::newRow("empty: zero passes") << false << "0" << 0;
    QTest::newRow("empty: pasted letters pass") << false << "abc" << 0;
    QTest::newRow("empty: blank passes") << false << " " << 0;

    QTest::newRow("zero: empty gives the second text") << true << "" << 2;
    QTest::newRow("zero: signs only") << true << "-.," << 2;
    QTest::newRow("zero: 0") << true << "0" << 2;
    QTest::newRow("zero: 0.0") << true << "0.0" << 2;
    QTest::newRow("zero: -0") << true << "-0" << 2;
    QTest::newRow("zero: 0,00") << true << "0,00" << 2;
    QTest::newRow("zero: letters") << true << "abc" << 2;
    QTest::newRow("zero: blank") << true << " " << 2;
    QTest::newRow("zero: 0.01") << true << "0.01" << 0;
    QTest::newRow("zero: 0.5") << true << "0.5" << 0;
    QTest::newRow("zero: -3") << true << "-3" << 0;
    QTest::newRow("zero: 12-") << true << "12-" << 0;
}

void TestInputServices::checks()
{
    QFETCH(bool, notZero);
    QFETCH(QString, text);
    QFETCH(int, message);

    test::ScriptedPlatform platform;
    AppState st;
    st.platform = platform.platform();
    if (message != 0)
        platform.answer(AnswerOk);

    FakeBox box(text, platform);
    const bool passed = notZero ? Check_Not_Zero(box, st.ui, st.numbers, st.platform)
                                : Check_Not_Empty(box, st.ui, st.platform);

    QCOMPARE(passed, message == 0);
    if (message == 0) {
        QVERIFY(platform.shown.isEmpty());
        QCOMPARE(box.focusCalls, 0);
        return;
    }
    QCOMPARE(platform.shown.size(), 1);
    const MsgRequest &r = platform.shown.first();
    QCOMPARE(r.text, st.ui.Field_Msgs[size_t(message - 1)]);
    QCOMPARE(r.icon, MsgIcon::Exclamation);
    QCOMPARE(r.buttons, MsgButtons::Ok);
    QVERIFY(!r.title.has_value());
    // The focus goes back before the box shows.
    QCOMPARE(box.focusCalls, 1);
    QCOMPARE(box.boxesBeforeFocus, 0);
}

void TestInputServices::selectAll_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<int>("length"); // -1: nothing selected

    QTest::newRow("selects all") << "12.5" << false << 4;
    QTest::newRow("empty box") << "" << false << -1;
    QTest::newRow("mouse held down") << "12.5" << true << -1;
}

void TestInputServices::selectAll()
{
    QFETCH(QString, text);
    QFETCH(bool, skip);
    QFETCH(int, length);

    test::ScriptedPlatform platform;
    AppState st;
    st.ui.Skip_Focus_Select = skip ? 1 : 0;
    FakeBox box(text, platform);
    Select_All_Text(box, st.ui);
    QCOMPARE(box.selectionLength, length);
    QCOMPARE(box.selectionStart, length < 0 ? -1 : 0);
}

QTEST_APPLESS_MAIN(TestInputServices)
#include "test_input_services.moc"
