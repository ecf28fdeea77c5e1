#include "main/help_menu.h"
#include "settings_fixture.h"

#include <QTest>

using namespace zyt;
using namespace zyt::test;
using F = SettingsFixture;

class TestHelpMenu : public QObject {
    Q_OBJECT

private slots:
    void supportMails_data();
    void supportMails();
    void mailLink_data();
    void mailLink();
    void openLink_data();
    void openLink();
    void wavPlayer_data();
    void wavPlayer();
    void about();
};

void TestHelpMenu::supportMails_data()
{
    QTest::addColumn<bool>("problem");
    QTest::addColumn<bool>("opens"); // a missing mail program shows nothing
    QTest::addColumn<QString>("link");

    const QString problem =
        QStringLiteral("mailto:") + SupportMailTo +
        QStringLiteral("?subject=VORN / ZYT - Customer Support - Problem Report&body=Before "
                       "Sending this Email.%0A%0APlease State what your Problem is.%0A%0APLEASE "
                       "ATTACH a print screen of What error message you got and a brief "
                       "description of what you were doing.%0A");
    QTest::newRow("problem report") << true << true << problem;
    QTest::newRow("problem report, no mail program") << true << false << problem;
    QTest::newRow("information request")
        << false << true
        << QStringLiteral("mailto:") + SupportMailTo +
               QStringLiteral("?subject=VORN / ZYT - Customer Support - Information "
                              "Request&body=Before Sending this Email.%0A%0APlease State What "
                              "Information is Needed%0A");
}

void TestHelpMenu::supportMails()
{
    QFETCH(bool, problem);
    QFETCH(bool, opens);
    QFETCH(QString, link);
    F f;
    f.platform.linkOpens(opens);
    (problem ? Report_Problem_Click : Information_Request_Click)(f.st.platform);
    QCOMPARE(f.platform.openedLinks, QStringList{link});
    QVERIFY(f.platform.shown.isEmpty());
}

void TestHelpMenu::mailLink_data()
{
    QTest::addColumn<QStringList>("parts"); // to, subject, body, cc, bcc
    QTest::addColumn<QString>("link");
    QTest::newRow("all parts") << QStringList{"a@x", "S", "B", "c@x", "d@x"}
                               << "mailto:a@x?subject=S&cc=c@x&bcc=d@x&body=B";
    QTest::newRow("empty body, only CR replaced")
        << QStringList{"a@x", "S\r\n/ &", "", "", ""} << "mailto:a@x?subject=S%0A\n/ &";
}

void TestHelpMenu::mailLink()
{
    QFETCH(QStringList, parts);
    QFETCH(QString, link);
    QCOMPARE(zyt::mailLink(parts[0], parts[1], parts[2], parts[3], parts[4]), link);
}

void TestHelpMenu::openLink_data()
{
    QTest::addColumn<QString>("target"); // "Command10": the button
    QTest::addColumn<int>("opens");      // -1: no request expected
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("Peltrix Cams button") << "Command10" << 1 << QStringList{};
    QTest::newRow("refused") << "notes.txt" << 0
                             << QStringList{F::box(QStringLiteral("Error Jumping to: notes.txt"),
                                                   MsgButtons::Ok, MsgIcon::Exclamation,
                                                   QStringLiteral("Warning"))};
    QTest::newRow("empty target") << "" << -1 << QStringList{};
}

void TestHelpMenu::openLink()
{
    QFETCH(QString, target);
    QFETCH(int, opens);
    QFETCH(QStringList, boxes);
    F f;
    if (opens >= 0)
        f.platform.linkOpens(opens == 1);
    f.platform.answer(AnswerOk, int(boxes.size()));
    if (target == u"Command10") {
        Command10_Click(f.st.platform);
        target = PeltrixWebAddress;
    } else {
        Open_Link(target, f.st.platform);
    }
    QCOMPARE(f.platform.openedLinks, opens >= 0 ? QStringList{target} : QStringList{});
    QCOMPARE(f.platform.linkFolders, opens >= 0 ? QStringList{f.platform.path()} : QStringList{});
    QCOMPARE(f.boxes(), boxes);
}

void TestHelpMenu::wavPlayer_data()
{
    QTest::addColumn<bool>("cancel");
    QTest::newRow("played") << false;
    QTest::newRow("dialog cancelled") << true;
}

void TestHelpMenu::wavPlayer()
{
    QFETCH(bool, cancel);
    F f;
    const QString file = f.path(QStringLiteral("horn.wav"));
    if (cancel) {
        f.platform.cancelDialog();
        f.platform.answer(AnswerOk);
    } else {
        f.platform.choose(file);
        f.platform.expectSound();
    }
    Command49_Click(f.st.files, f.st.platform);
    QCOMPARE(f.platform.dialogs[0].filter,
             QStringLiteral("WAV Files (*.wav)|*.wav|All Files (*.*)|*.*"));
    QCOMPARE(f.platform.dialogs[0].filterIndex, 1);
    QCOMPARE(f.boxes(),
             cancel ? QStringList{F::warning(QStringLiteral("Problem with your \"WAV\" File"))}
                    : QStringList{});
    QCOMPARE(f.platform.playedSounds, cancel ? QStringList{} : QStringList{file});
}

void TestHelpMenu::about()
{
    F f;
    f.st.ui.App_Title = QStringLiteral("Title -- Version: 4.8.0");
    f.platform.answer(AnswerOk);
    About_Click(f.st.ui, f.st.platform);
    QCOMPARE(f.boxes(), QStringList{F::box(QStringLiteral("Title -- Version: 4.8.0 -- ") +
                                               ReleaseDate + QStringLiteral("\r\n") + MakerNotice,
                                           MsgButtons::Ok, MsgIcon::Information)});
}

QTEST_MAIN(TestHelpMenu)
#include "test_help_menu.moc"
