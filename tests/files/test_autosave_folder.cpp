#include "files/autosave_folder.h"
#include "files/main_data_file.h"
#include "files/text_files.h"
#include "files_fixture.h"
#include "model/compare_model.h"
#include "model/graph_window_state.h"
#include "test_hooks.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace zyt;

namespace {

void writeFile(const QString &path, const QByteArray &bytes, int age = 0)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    f.flush();
    QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-age),
                          QFileDevice::FileModificationTime));
}

// Start-up and exit over the main window's cells and five sheets.
struct Session : test::FilesFixture {
    std::array<Flow_Test_Sheet, 5> sheets;
    CompareModel compare;
    GraphWindowState graph;
    test::TestHooks hooks;
    Models models()
    {
        return {main, {&sheets[0], &sheets[1], &sheets[2], &sheets[3], &sheets[4]}, compare, graph};
    }
};

const QString Autosave = QStringLiteral("zxqw1234.sav");

QString keptBox(const char *name)
{
    return QStringLiteral("The Autosave File could Not be Read. It has been Kept as %1 in the "
                          "Program's Folder; a New one is Written at Exit.")
        .arg(QLatin1StringView(name));
}

} // namespace

class TestAutosaveFolder : public QObject {
    Q_OBJECT

private slots:
    void leftovers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("age"); // seconds since its last change
        QTest::addColumn<bool>("removed");
        QTest::newRow("a cut-short write") << "zxqw1234.sav.qWeRtY" << 3600 << true;
        QTest::newRow("digits too") << "zxqw1234.sav.a1B2c3" << 120 << true;
        QTest::newRow("a write under way") << "zxqw1234.sav.qWeRtY" << 0 << false;
        QTest::newRow("the autosave itself") << "zxqw1234.sav" << 3600 << false;
        QTest::newRow("seven letters") << "zxqw1234.sav.qWeRtYu" << 3600 << false;
        QTest::newRow("another file's") << "test1.dat.qWeRtY" << 3600 << false;
    }

    void leftovers()
    {
        QFETCH(QString, name);
        QFETCH(int, age);
        QFETCH(bool, removed);
        QTemporaryDir folder;
        writeFile(folder.filePath(name), "Check1 = N", age);
        QCOMPARE(removeAutosaveLeftovers(folder.path(), QDateTime::currentDateTime().addSecs(-60)),
                 removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(folder.filePath(name)), !removed);
    }

    void lastSessionInTheReadOnlyFolder()
    {
        QTemporaryDir earlier, elsewhere;
        const QByteArray kept = "Comp_Name = Kept Beside The Program\r\n";
        writeFile(earlier.filePath(QStringLiteral("zxqw1234.sav")), kept);
        // A link named like a leftover is no file of the program's.
        const QString target = elsewhere.filePath(QStringLiteral("keep.txt"));
        writeFile(target, "keep", 3600);

        Session first;
        first.platform.setEarlierFolder(earlier.path());
        const QString link = first.path(QStringLiteral("zxqw1234.sav.AbCdEf"));
        QVERIFY(QFile::link(target, link));
        Models m = first.models();
        Load_Autosave_File(m, first.st, first.hooks);
        QVERIFY(first.platform.shown.isEmpty());
        QCOMPARE(first.main.cell(MainModel::Text94), QStringLiteral("Kept Beside The Program"));
        QVERIFY(QFileInfo(link).isSymLink());
        first.main.setCell(MainModel::Text94, QStringLiteral("Saved For The User"));
        QVERIFY(saveAutosaveFile(m, first.st, first.hooks));
        QCOMPARE(test::FilesFixture::read(earlier.filePath(QStringLiteral("zxqw1234.sav"))), kept);

        // Once the program's folder has an autosave of its own, that one counts.
        Session second;
        second.platform.setProgramFolder(first.folder());
        second.platform.setEarlierFolder(earlier.path());
        Models n = second.models();
        Load_Autosave_File(n, second.st, second.hooks);
        QCOMPARE(second.main.cell(MainModel::Text94), QStringLiteral("Saved For The User"));
    }

    void unreadAutosaveKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("keptAs");
        QTest::newRow("over the size limit") << "large"
                                             << "zxqw1234-unread.sav";
        QTest::newRow("a folder in its place") << "folder"
                                               << "zxqw1234-unread.sav";
        QTest::newRow("the reading cancelled at a bad record") << "cancelled"
                                                               << "zxqw1234-unread.sav";
        QTest::newRow("the first name taken") << "taken"
                                              << "zxqw1234-unread-2.sav";
    }

    void unreadAutosaveKept()
    {
        QFETCH(QString, kind);
        QFETCH(QString, keptAs);
        Session first;
        const QString path = first.path(Autosave);
        QByteArray old = "Comp_Name = Last Session\r\nJunk\r\n";
        if (kind == u"large")
            old += QByteArray(MaxFileSize, 'x');
        if (kind == u"folder")
            QVERIFY(QDir(first.folder()).mkdir(Autosave));
        else
            writeFile(path, old);
        if (kind == u"taken")
            writeFile(first.path(QStringLiteral("zxqw1234-unread.sav")), "other");
        // "taken" reads a file whose bad record the user cancels, as
        // "cancelled" does.
        const bool cancelled = kind == u"cancelled" || kind == u"taken";
        if (cancelled)
            first.platform.answer(AnswerCancel);
        first.platform.answer(AnswerOk, cancelled ? 2 : 1);
        Models m = first.models();
        Load_Autosave_File(m, first.st, first.hooks);
        // Told once, at the end of the start-up.
        QVERIFY(first.platform.scriptDone());
        QCOMPARE(first.platform.shown.constLast().text, keptBox(qPrintable(keptAs)));

        // The exit writes a new autosave file beside the kept one.
        QVERIFY(saveAutosaveFile(m, first.st, first.hooks));
        if (kind == u"folder")
            QVERIFY(QFileInfo(first.path(keptAs)).isDir());
        else
            QCOMPARE(test::FilesFixture::read(first.path(keptAs)), old);
        Session second;
        second.platform.setProgramFolder(first.folder());
        Models n = second.models();
        Load_Autosave_File(n, second.st, second.hooks);
        QVERIFY(second.platform.shown.isEmpty());
    }

    void unreadAutosaveThatCannotBeMovedIsNotReplaced()
    {
        Session s;
        writeFile(s.path(Autosave), QByteArray(MaxFileSize + 1, '\n'));
        writeFile(s.path(QStringLiteral("zxqw1234-unread.sav")), "taken");
        for (int k = 2; k <= 100; ++k)
            writeFile(s.path(QStringLiteral("zxqw1234-unread-%1.sav").arg(k)), "taken");
        s.platform.answer(AnswerOk, 2);
        Models m = s.models();
        Load_Autosave_File(m, s.st, s.hooks);
        QVERIFY(!saveAutosaveFile(m, s.st, s.hooks));
        QVERIFY(s.platform.scriptDone());
        QCOMPARE(s.platform.shown.first().text,
                 QStringLiteral("The Autosave File could Not be Read and is Left as it is: the "
                                "Settings of this Session will NOT be Saved at Exit."));
        QCOMPARE(s.platform.shown.last().text, QStringLiteral("MAIN Data File has NOT been Saved"));
        QCOMPARE(QFileInfo(s.path(Autosave)).size(), MaxFileSize + 1);
    }
};

QTEST_APPLESS_MAIN(TestAutosaveFolder)
#include "test_autosave_folder.moc"
