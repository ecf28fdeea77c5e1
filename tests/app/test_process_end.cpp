#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// True once the process handles SIGTERM itself: from then on the session it
// restored is what an ending saves.
bool guardsItsSession(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

} // namespace

class TestProcessEnd : public QObject {
    Q_OBJECT

private slots:
    void endingFromOutsideSavesTheSession_data()
    {
        QTest::addColumn<int>("signal"); // without a signal (0) the display goes away
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("lost display") << 0;
    }

    void endingFromOutsideSavesTheSession()
    {
        QFETCH(int, signal);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        QProcess server;
        if (signal == 0) {
            const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
            if (xvfb.isEmpty())
                QSKIP("Xvfb is not installed");
            int n = 120; // a display nobody uses
            while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
                   QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                ++n;
            server.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-nolisten"),
                                QStringLiteral("tcp")});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)),
                                     30000);
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":%1").arg(n));
        }
        // The program copied into a folder of its own, which is then its
        // program folder, over a restored session.
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("zyt"));
        QVERIFY(QFile::copy(QStringLiteral(ZYT_PROGRAM), program));
        QFile autosave(dir.filePath(QStringLiteral("zxqw1234.sav")));
        QVERIFY(autosave.open(QIODevice::WriteOnly));
        autosave.write("Comp_Name = Kept Shop\n");
        autosave.close();
        QProcess p;
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(program, {});
        // Until the program image runs, the child shows this test's handlers.
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(guardsItsSession(p.processId()), 30000);

        if (signal != 0)
            ::kill(pid_t(p.processId()), signal);
        else
            server.terminate();
        QVERIFY(p.waitForFinished(30000));
        if (signal != 0)
            QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        // Written by the exit save: every record, with its own line ends.
        QVERIFY(autosave.open(QIODevice::ReadOnly));
        const QByteArray saved = autosave.readAll();
        QVERIFY(saved.contains("Check2 = No\r\n") && saved.contains("Comp_Name = Kept Shop\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestProcessEnd)
#include "test_process_end.moc"
