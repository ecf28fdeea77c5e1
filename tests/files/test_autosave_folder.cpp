#include "files/autosave_folder.h"
#include "files/main_data_file.h"
#include "files_fixture.h"
#include "model/compare_model.h"
#include "model/graph_window_state.h"
#include "test_hooks.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

using namespace zyt;
using M = MainModel;

namespace {

// A start-up and an exit with the main window's cells and five sheets.
class Session : public test::FilesFixture {
public:
    Session()
    {
        for (auto &s : sheets)
            s = std::make_unique<Flow_Test_Sheet>();
    }
    Models models()
    {
        return {
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            compare,
            graph};
    }
    void start()
    {
        Models m = models();
        Load_Autosave_File(m, st, hooks);
    }
    void exit()
    {
        Models m = models();
        QVERIFY(saveAutosaveFile(m, st, hooks));
    }

    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    CompareModel compare;
    GraphWindowState graph;
    test::TestHooks hooks;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class TestAutosaveFolder : public QObject {
    Q_OBJECT

private slots:
    void leftovers_data();
    void leftovers();
    void lastSessionInTheReadOnlyFolder();
};

void TestAutosaveFolder::leftovers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("age"); // seconds since its last change
    QTest::addColumn<bool>("removed");

    QTest::newRow("a cut-short write") << "zxqw1234.sav.qWeRtY" << 3600 << true;
    QTest::newRow("digits too") << "zxqw1234.sav.a1B2c3" << 120 << true;
    QTest::newRow("a write under way") << "zxqw1234.sav.qWeRtY" << 0 << false;
    QTest::newRow("the autosave itself") << "zxqw1234.sav" << 3600 << false;
    QTest::newRow("five letters") << "zxqw1234.sav.qWeRt" << 3600 << false;
    QTest::newRow("seven letters") << "zxqw1234.sav.qWeRtYu" << 3600 << false;
    QTest::newRow("another sign") << "zxqw1234.sav.qWe-Ty" << 3600 << false;
    QTest::newRow("another file's") << "test1.dat.qWeRtY" << 3600 << false;
    QTest::newRow("other letter case") << "ZXQW1234.SAV.qWeRtY" << 3600 << false;
}

void TestAutosaveFolder::leftovers()
{
    QFETCH(QString, name);
    QFETCH(int, age);
    QFETCH(bool, removed);

    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    writeFile(path, "Check1 = N");
    const QDateTime now = QDateTime::currentDateTime();
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(now.addSecs(-age), QFileDevice::FileModificationTime));
    f.close();

    QCOMPARE(removeAutosaveLeftovers(folder.path(), now.addSecs(-60)), removed ? 1 : 0);
    QCOMPARE(QFileInfo::exists(path), !removed);
}

void TestAutosaveFolder::lastSessionInTheReadOnlyFolder()
{
    QTemporaryDir earlier;
    const QString kept = earlier.filePath(QStringLiteral("zxqw1234.sav"));
    writeFile(kept, "Comp_Name = Kept Beside The Program\r\n");
    // A link named like a leftover is no file of the program's: it stays.
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("keep.txt"));
    writeFile(target, "keep");
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addDays(-1),
                              QFileDevice::FileModificationTime));
    }

    Session first;
    first.platform.setEarlierFolder(earlier.path());
    const QString link = first.path(QStringLiteral("zxqw1234.sav.AbCdEf"));
    QVERIFY(QFile::link(target, link));
    first.start();
    QVERIFY(first.platform.shown.isEmpty());
    QCOMPARE(first.main.cell(M::Text94), QStringLiteral("Kept Beside The Program"));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(QFileInfo::exists(target));
    first.main.setCell(M::Text94, QStringLiteral("Saved In The User's Folder"));
    first.exit();
    QVERIFY(QFileInfo::exists(first.path(QStringLiteral("zxqw1234.sav"))));
    QCOMPARE(test::FilesFixture::read(kept), QByteArray("Comp_Name = Kept Beside The Program\r\n"));

    // Once the program's folder has its own autosave, that one counts.
    Session second;
    second.platform.setProgramFolder(first.folder());
    second.platform.setEarlierFolder(earlier.path());
    second.start();
    QCOMPARE(second.main.cell(M::Text94), QStringLiteral("Saved In The User's Folder"));
}

QTEST_APPLESS_MAIN(TestAutosaveFolder)
#include "test_autosave_folder.moc"
