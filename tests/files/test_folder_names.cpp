#include "files/folder_names.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace zyt;

namespace {

// A program folder with files, a sub-folder and links, and a folder beside
// it with a secret.
struct Folders {
    Folders()
    {
        QDir(folder.path()).mkdir(QStringLiteral("Sub"));
        for (const char *name : {"test.dat", "Sub/Test.dat"})
            touch(folder.filePath(QString::fromLatin1(name)));
        touch(outside.filePath(QStringLiteral("secret.txt")));
        QFile::link(outside.filePath(QStringLiteral("secret.txt")),
                    folder.filePath(QStringLiteral("out.dat")));
        QFile::link(outside.path(), folder.filePath(QStringLiteral("linkdir")));
        QFile::link(folder.filePath(QStringLiteral("test.dat")),
                    folder.filePath(QStringLiteral("inlink.dat")));
    }
    static void touch(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
    }
    QTemporaryDir folder;
    QTemporaryDir outside;
};

} // namespace

class TestFolderNames : public QObject {
    Q_OBJECT

private slots:
    void fileInFolder_data();
    void fileInFolder();
    void nameInFolder();
};

void TestFolderNames::fileInFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("found"); // relative to the folder; empty: refused

    QTest::newRow("a file in the folder") << "test.dat"
                                          << "test.dat";
    QTest::newRow("in a sub-folder, Windows separator, other case") << "sub\\TEST.dat"
                                                                    << "Sub/Test.dat";
    QTest::newRow("not there yet") << "later.dat"
                                   << "later.dat";
    QTest::newRow("a link to a file inside") << "inlink.dat"
                                             << "inlink.dat";
    QTest::newRow("absolute") << "/etc/passwd"
                              << "";
    QTest::newRow("up and out") << "../../../../etc/passwd"
                                << "";
    QTest::newRow("down, then up and out") << "Sub/../../x.dat"
                                           << "";
    QTest::newRow("up with the other separator") << "..\\secret.txt"
                                                 << "";
    QTest::newRow("the process's environment") << "/proc/self/environ"
                                               << "";
    QTest::newRow("a drive") << "C:\\logo.bmp"
                             << "";
    QTest::newRow("a network share") << "\\\\server\\share\\x.dat"
                                     << "";
    QTest::newRow("a resource") << ":/logo.bmp"
                                << "";
    QTest::newRow("a link to a file outside") << "out.dat"
                                              << "";
    QTest::newRow("through a linked folder") << "linkdir/secret.txt"
                                             << "";
    QTest::newRow("not there, through a linked folder") << "linkdir/new.txt"
                                                        << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestFolderNames::fileInFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, found);
    Folders f;
    const std::optional<QString> path = zyt::fileInFolder(f.folder.path(), name);
    QCOMPARE(path.has_value(), !found.isEmpty());
    if (path)
        QCOMPARE(*path, f.folder.filePath(found));
}

void TestFolderNames::nameInFolder()
{
    Folders f;
    const QString folder = f.folder.path();
    QCOMPARE(zyt::nameInFolder(folder, f.folder.filePath(QStringLiteral("Sub/Test.dat"))),
             std::optional<QString>(QStringLiteral("Sub/Test.dat")));
    QCOMPARE(zyt::nameInFolder(folder, f.outside.filePath(QStringLiteral("secret.txt"))),
             std::nullopt);
    QCOMPARE(zyt::nameInFolder(folder, f.folder.filePath(QStringLiteral("out.dat"))), std::nullopt);
}

QTEST_APPLESS_MAIN(TestFolderNames)
#include "test_folder_names.moc"
