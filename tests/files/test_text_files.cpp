#include "files/text_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace zyt;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// Unlike QString::fromUtf16, keeps a leading U+FEFF.
QString u(const char16_t *text) { return QStringView(text).toString(); }

} // namespace

class TestTextFiles : public QObject {
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void everyByteOfTheCodePageComesBack();
    void split_data();
    void split();
    void read_data();
    void read();
    void write_data();
    void write();
    void display_data();
    void display();
    void resolve_data();
    void resolve();
};

void TestTextFiles::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    QTest::newRow("utf-8") << QByteArray("caf\xC3\xA9") << u(u"caf\u00E9");
    QTest::newRow("windows-1252") << QByteArray("caf\xE9") << u(u"caf\u00E9");
    QTest::newRow("euro and quotes") << QByteArray("\x80\x93") << u(u"\u20AC\u201C");
    QTest::newRow("unused byte") << QByteArray("\x81") << u(u"\u0081");
    QTest::newRow("bom dropped") << QByteArray("\xEF\xBB\xBFok") << "ok";
    QTest::newRow("second bom kept") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFok") << u(u"\uFEFFok");
    QTest::newRow("bom before windows-1252") << QByteArray("\xEF\xBB\xBF\xE9") << u(u"\u00E9");
    QTest::newRow("overlong is no utf-8") << QByteArray("\xC0\xAF") << u(u"\u00C0\u00AF");
    QTest::newRow("surrogate is no utf-8")
        << QByteArray("\xED\xA0\x80") << u(u"\u00ED\u00A0\u20AC");
    QTest::newRow("cut sequence at the end") << QByteArray("ab\xC3") << u(u"ab\u00C3");
    QTest::newRow("nul kept") << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString();
}

void TestTextFiles::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeFileText(bytes), text);
}

void TestTextFiles::encode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << "Comments = x" << QByteArray("Comments = x");
    QTest::newRow("windows-1252") << u(u"caf\u00E9 \u20AC") << QByteArray("caf\xE9 \x80");
    QTest::newRow("beyond the code page") << u(u"\u0109 \u00E9") << QByteArray("\xC4\x89 \xC3\xA9");
    // As Windows-1252 these would read back as other characters.
    QTest::newRow("looks like utf-8") << u(u"\u00C3\u00A9") << QByteArray("\xC3\x83\xC2\xA9");
    QTest::newRow("begins like a byte order mark")
        << u(u"\u00EF\u00BB\u00BFx\u00DE") << QByteArray("\xC3\xAF\xC2\xBB\xC2\xBFx\xC3\x9E");
    QTest::newRow("own byte order mark")
        << u(u"\uFEFFx") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx");
}

void TestTextFiles::encode()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(encodeFileText(text), bytes);
    QCOMPARE(decodeFileText(bytes), text);
}

void TestTextFiles::everyByteOfTheCodePageComesBack()
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const QString text = decodeWindows1252(all);
    QCOMPARE(text.size(), 256);
    QCOMPARE(encodeWindows1252(text), std::optional<QByteArray>(all));
    QVERIFY(!encodeWindows1252(u"\u0100"));
}

void TestTextFiles::split_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("cr lf") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("lf") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("cr") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("mixed, unended") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("empty lines kept") << "a\r\n\r\n\nb\r\n" << QStringList{"a", "", "", "b"};
    QTest::newRow("lf cr is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    QTest::newRow("one end only") << "\r\n" << QStringList{""};
    QTest::newRow("empty") << "" << QStringList{};
}

void TestTextFiles::split()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitLines(text), lines);
}

void TestTextFiles::read_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("status");

    const qint64 big = MaxFileSize;
    QTest::newRow("file") << "file" << big << int(FileReadStatus::Ok);
    QTest::newRow("empty file") << "empty" << big << int(FileReadStatus::Ok);
    QTest::newRow("at the limit") << "file" << qint64(10) << int(FileReadStatus::Ok);
    QTest::newRow("over the limit") << "file" << qint64(9) << int(FileReadStatus::TooLarge);
    QTest::newRow("reports no size") << "proc" << big << int(FileReadStatus::Ok);
    QTest::newRow("reports no size, too long")
        << "proc" << qint64(9) << int(FileReadStatus::TooLarge);
    QTest::newRow("missing") << "missing" << big << int(FileReadStatus::Missing);
    QTest::newRow("folder") << "folder" << big << int(FileReadStatus::NotRegular);
    QTest::newRow("pipe") << "pipe" << big << int(FileReadStatus::NotRegular);
    QTest::newRow("device") << "device" << big << int(FileReadStatus::NotRegular);
}

void TestTextFiles::read()
{
    QFETCH(QString, kind);
    QFETCH(qint64, limit);
    QFETCH(int, status);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("x.dat"));
    QByteArray expected;
    if (kind == u"file")
        writeBytes(path, expected = "0123456789");
    else if (kind == u"empty")
        writeBytes(path, {});
    else if (kind == u"folder")
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.dat")));
    else if (kind == u"pipe")
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"device")
        path = QStringLiteral("/dev/zero");
    else if (kind == u"proc")
        path = QStringLiteral("/proc/self/status"); // a size of 0, and text
    QByteArray bytes("junk");
    QCOMPARE(int(readWholeFile(path, bytes, limit)), status);
    if (kind == u"proc" && status == int(FileReadStatus::Ok))
        QVERIFY(bytes.startsWith("Name:"));
    else
        QCOMPARE(bytes, status == int(FileReadStatus::Ok) ? expected : QByteArray());
}

void TestTextFiles::write_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("written");

    QTest::newRow("replaces the old file") << "file" << 10 << true;
    QTest::newRow("folder at the path") << "folder" << 10 << false;
    QTest::newRow("parent is a file") << "parent" << 10 << false;
    QTest::newRow("read-only folder") << "readonly" << 10 << false;
    // A file size limit fails writes the way a full disk does, even for
    // the superuser; below and above the size a file buffers.
    QTest::newRow("full disk, small file") << "full" << 4000 << false;
    QTest::newRow("full disk, large file") << "full" << 64 * 1024 << false;
}

void TestTextFiles::write()
{
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(bool, written);

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("a.dat"));
    QString kept = path; // must stay byte for byte when the write fails
    const QByteArray old(3000, 'o');
    if (kind == u"folder") {
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("a.dat/inside")));
        kept = path + QStringLiteral("/inside/old");
    } else if (kind == u"parent") {
        path = kept + QStringLiteral("/a.dat");
    } else if (kind == u"readonly") {
        if (geteuid() == 0)
            QSKIP("permissions do not stop the superuser");
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("ro")));
        path = kept = dir.filePath(QStringLiteral("ro/a.dat"));
    }
    writeBytes(kept, old);
    if (kind == u"readonly")
        QVERIFY(QFile::setPermissions(QFileInfo(path).path(), QFile::ReadOwner | QFile::ExeOwner));

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    if (kind == u"full") {
        rlimit small = saved;
        small.rlim_cur = 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    const QByteArray bytes(size, 'n');
    const bool done = writeFileAtomically(path, bytes);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    if (kind == u"readonly")
        QFile::setPermissions(QFileInfo(path).path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(done, written);
    QCOMPARE(readAll(kept), written ? bytes : old);
    // No temporary file stays behind.
    QCOMPARE(QDir(QFileInfo(kept).path()).entryList(QDir::Files),
             QStringList{QFileInfo(kept).fileName()});
}

void TestTextFiles::display_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("shown");

    QTest::newRow("plain") << "Text101_5 = 1"
                           << "Text101_5 = 1";
    QTest::newRow("controls visible")
        << QStringView(u"a\0b\tc\x7F", 6).toString() << u(u"a\u2400b\u2409c\u2421");
    QTest::newRow("200 kept") << QString(200, u'x') << QString(200, u'x');
    QTest::newRow("201 cut") << QString(201, u'x') << QString(200, u'x') + "...";
    QTest::newRow("pair not split")
        << QString(199, u'x') + u(u"\U0001F600") + "tail" << QString(199, u'x') + "...";
}

void TestTextFiles::display()
{
    QFETCH(QString, line);
    QFETCH(QString, shown);
    QCOMPARE(displayLine(line), shown);
}

void TestTextFiles::resolve_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found"); // relative to the folder

    QTest::newRow("exact") << "Test1.dat"
                           << "Test1.dat";
    QTest::newRow("other case") << "test1.DAT"
                                << "Test1.dat";
    QTest::newRow("sub-folder in other case") << "heads\\PORTED.dat"
                                              << "Heads/Ported.dat";
    QTest::newRow("missing keeps the name") << "heads\\none.dat"
                                            << "heads/none.dat";
}

void TestTextFiles::resolve()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Heads")));
    writeBytes(dir.filePath(QStringLiteral("Test1.dat")), "x");
    writeBytes(dir.filePath(QStringLiteral("Heads/Ported.dat")), "x");
    QCOMPARE(resolveFileIn(dir.path(), name), dir.filePath(found));
    const QString absolute = dir.filePath(QStringLiteral("Test1.dat"));
    QCOMPARE(resolveFileIn(QStringLiteral("/elsewhere"), absolute), absolute);
}

QTEST_APPLESS_MAIN(TestTextFiles)
#include "test_text_files.moc"
