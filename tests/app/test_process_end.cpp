#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QString Autosave = QStringLiteral("zxqw1234.sav");

// True once the process has its own handler for SIGTERM, that is once the
// session it restored is what an ending would save.
bool catchesTermination(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    return false;
}

// The program copied into a folder of its own, which is then its program
// folder: its autosave file is written there.
class Copy {
public:
    Copy()
    {
        program_ = dir_.filePath(QStringLiteral("zyt"));
        QVERIFY(QFile::copy(QStringLiteral(ZYT_PROGRAM), program_));
    }
    QString autosave() const { return dir_.filePath(Autosave); }
    QByteArray autosaveBytes() const
    {
        QFile f(autosave());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void seed(const QByteArray &bytes) const
    {
        QFile f(autosave());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    // Started with the given display, waiting until it guards its session.
    void start(QProcess &p, const QString &platform, const QString &display = QString())
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(program_, {});
        QVERIFY(p.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(catchesTermination(p.processId()), 30000);
    }

private:
    QTemporaryDir dir_;
    QString program_;
};

} // namespace

class TestProcessEnd : public QObject {
    Q_OBJECT

private slots:
    void signalSavesTheSession_data();
    void signalSavesTheSession();
    void lostDisplaySavesTheSession();
};

void TestProcessEnd::signalSavesTheSession_data()
{
    QTest::addColumn<int>("signal");
    QTest::addColumn<bool>("seeded");
    QTest::newRow("SIGTERM, first start") << int(SIGTERM) << false;
    QTest::newRow("SIGTERM, restored session") << int(SIGTERM) << true;
    QTest::newRow("SIGHUP, restored session") << int(SIGHUP) << true;
    QTest::newRow("SIGINT, first start") << int(SIGINT) << false;
}

void TestProcessEnd::signalSavesTheSession()
{
    QFETCH(int, signal);
    QFETCH(bool, seeded);
    Copy copy;
    if (seeded)
        copy.seed("Comp_Name = Kept Through The Signal\n");
    QProcess p;
    copy.start(p, QStringLiteral("offscreen"));
    if (QTest::currentTestFailed())
        return;
    ::kill(pid_t(p.processId()), signal);
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    // Written by the exit save: every record, with its own line ends.
    const QByteArray saved = copy.autosaveBytes();
    QVERIFY2(saved.contains("Check2 = No\r\n"), saved.constData());
    if (seeded)
        QVERIFY(saved.contains("Comp_Name = Kept Through The Signal\r\n"));
}

void TestProcessEnd::lostDisplaySavesTheSession()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty())
        QSKIP("Xvfb is not installed");
    // A display number nobody uses.
    int number = 120;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
           QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)))
        ++number;
    const QString display = QStringLiteral(":%1").arg(number);
    QProcess server;
    server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    server.start(xvfb, {display, QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)) ||
                                 server.state() == QProcess::NotRunning,
                             30000);
    if (server.state() == QProcess::NotRunning)
        QSKIP("Xvfb did not start");

    Copy copy;
    copy.seed("Comp_Name = Kept Through The Lost Display\n");
    QProcess p;
    copy.start(p, QStringLiteral("xcb"), display);
    server.terminate();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(server.waitForFinished(30000));
    QVERIFY(p.waitForFinished(30000));
    QVERIFY(copy.autosaveBytes().contains("Comp_Name = Kept Through The Lost Display\r\n"));
}

QTEST_GUILESS_MAIN(TestProcessEnd)
#include "test_process_end.moc"
