#include "files/file_command.h"
#include "files/text_files.h"
#include "files_fixture.h"

#include <QDir>
#include <QTest>

using namespace zyt;
using namespace zyt::test;

namespace {

const Box failure = failureBox("Kind has Not been Loaded");

FileKind kind(const char *countText)
{
    return FileKind{QStringLiteral("Kind Files (*.knd)|*.knd|All Files (*.*)|*.*"), 2,
                    failureBox(QStringLiteral("Kind has Not been Loaded")),
                    QString::fromLatin1(countText)};
}

Box countBox(const char *text)
{
    return Box{QString::fromLatin1(text), MsgButtons::Ok, MsgIcon::None, std::nullopt};
}

} // namespace

class TestFileCommand : public QObject {
    Q_OBJECT

private slots:
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void writesOnlyWhatTheReadersTake();
};

void TestFileCommand::reads_data()
{
    QTest::addColumn<QString>("source"); // dialog, name, cancel
    QTest::addColumn<QString>("file");   // text, missing, large
    QTest::addColumn<QString>("countText");
    QTest::addColumn<bool>("showCount"); // what the reader says
    QTest::addColumn<bool>("result");
    QTest::addColumn<QList<Box>>("boxes");

    const QList<Box> none;
    QTest::newRow("chosen: the count follows")
        << "dialog"
        << "text"
        << " Records Read" << true << true << QList<Box>{countBox("1,234 Records Read")};
    QTest::newRow("by name: no count") << "name"
                                       << "text"
                                       << " Records Read" << true << true << none;
    QTest::newRow("the reader stopped where no count belongs")
        << "dialog"
        << "text"
        << " Records Read" << false << false << none;
    QTest::newRow("a kind without count") << "dialog"
                                          << "text"
                                          << "" << true << true << none;
    QTest::newRow("dialog cancelled") << "cancel"
                                      << "text"
                                      << " Records Read" << true << false << QList<Box>{failure};
    QTest::newRow("missing, chosen") << "dialog"
                                     << "missing"
                                     << " Records Read" << true << false << QList<Box>{failure};
    QTest::newRow("missing, by name") << "name"
                                      << "missing"
                                      << " Records Read" << true << false << QList<Box>{failure};
    QTest::newRow("over 4 MiB") << "dialog"
                                << "large"
                                << " Records Read" << true << false << QList<Box>{failure};
}

void TestFileCommand::reads()
{
    QFETCH(QString, source);
    QFETCH(QString, file);
    QFETCH(QString, countText);
    QFETCH(bool, showCount);
    QFETCH(bool, result);
    QFETCH(QList<Box>, boxes);

    FilesFixture f;
    f.st.files.File_Name = QStringLiteral("earlier");
    QString path = f.path(QStringLiteral("in.knd"));
    if (file == u"text") // three line ends, and a Windows-1252 byte
        f.write(QStringLiteral("in.knd"), "one\r\ntwo\nCaf\xE9\rlast");
    else if (file == u"large")
        f.write(QStringLiteral("in.knd"), QByteArray(MaxFileSize + 1, '\n'));
    if (source == u"dialog")
        f.platform.choose(path);
    else if (source == u"cancel")
        f.platform.cancelDialog();
    f.platform.answer(AnswerOk, int(boxes.size()));

    QList<QStringList> given;
    const bool read = readFile(kind(countText.toLatin1().constData()), fileServices(f.st),
                               source == u"name" ? std::optional<QString>(path) : std::nullopt,
                               [&](const QStringList &lines, const QString &from) {
                                   given << lines << QStringList{from};
                                   return ReadOutcome{showCount, 1234, showCount};
                               });

    QCOMPARE(read, result);
    QCOMPARE_BOXES(f.platform.shown, boxes);
    QVERIFY(f.platform.scriptDone());
    if (file == u"text" && source != u"cancel")
        QCOMPARE(given,
                 (QList<QStringList>{{"one", "two", QStringLiteral("Caf\u00E9"), "last"}, {path}}));
    else
        QVERIFY(given.isEmpty());
    QCOMPARE(f.st.files.File_Name, source == u"cancel" ? QStringLiteral("earlier") : path);
    if (source != u"name") {
        const FileDialogRequest &d = f.platform.dialogs.value(0);
        QCOMPARE(d.kind, FileDialogKind::Open);
        QCOMPARE(d.filter, kind("").filter);
        QCOMPARE(d.filterIndex, 2);
        QCOMPARE(d.initialFolder, f.folder());
    } else {
        QVERIFY(f.platform.dialogs.isEmpty());
    }
}

void TestFileCommand::writes_data()
{
    QTest::addColumn<QString>("source"); // dialog, name, cancel
    QTest::addColumn<QString>("fails");  // nothing, text (cannot be built), write
    QTest::addColumn<QString>("countText");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QList<Box>>("boxes");

    QTest::newRow("chosen: the count follows")
        << "dialog"
        << ""
        << " Records Written" << true << QList<Box>{countBox("2 Records Written")};
    QTest::newRow("by name: no count") << "name"
                                       << ""
                                       << " Records Written" << true << QList<Box>{};
    QTest::newRow("a kind without count") << "dialog"
                                          << ""
                                          << "" << true << QList<Box>{};
    QTest::newRow("dialog cancelled") << "cancel"
                                      << ""
                                      << " Records Written" << false << QList<Box>{failure};
    QTest::newRow("no text") << "dialog"
                             << "text"
                             << " Records Written" << false << QList<Box>{failure};
    QTest::newRow("a folder where the file goes")
        << "name"
        << "write"
        << " Records Written" << false << QList<Box>{failure};
}

void TestFileCommand::writes()
{
    QFETCH(QString, source);
    QFETCH(QString, fails);
    QFETCH(QString, countText);
    QFETCH(bool, result);
    QFETCH(QList<Box>, boxes);

    FilesFixture f;
    f.st.files.File_Name = QStringLiteral("earlier");
    const QString path = f.write(QStringLiteral("out.knd"), "old");
    const QString target = fails == u"write" ? f.folder() : path;
    if (source == u"dialog")
        f.platform.choose(target);
    else if (source == u"cancel")
        f.platform.cancelDialog();
    f.platform.answer(AnswerOk, int(boxes.size()));

    QStringList namedWhenBuilt;
    const bool written =
        writeFile(kind(countText.toLatin1().constData()), fileServices(f.st),
                  source == u"name" ? std::optional<QString>(target) : std::nullopt,
                  [&]() -> std::optional<FileText> {
                      namedWhenBuilt << f.st.files.File_Name;
                      if (fails == u"text")
                          return std::nullopt;
                      return FileText{QStringLiteral("Caf\u00E9 = 1\r\n\u20AC = 2\r\n"), 2};
                  });

    QCOMPARE(written, result);
    QCOMPARE_BOXES(f.platform.shown, boxes);
    QCOMPARE(namedWhenBuilt, source == u"cancel" ? QStringList{} : QStringList{target});
    // Written as the program's files are; on any failure the old file stays.
    QCOMPARE(FilesFixture::read(path),
             written ? QByteArray("Caf\xE9 = 1\r\n\x80 = 2\r\n") : QByteArray("old"));
    QCOMPARE(QDir(f.folder()).entryList(QDir::Files), QStringList{"out.knd"});
    if (source != u"name")
        QCOMPARE(f.platform.dialogs.value(0).kind, FileDialogKind::Save);
}

void TestFileCommand::writesOnlyWhatTheReadersTake()
{
    // Counted in the bytes written: the last character needs two in UTF-8.
    const QString atLimit = QString(MaxFileSize - 2, u'x') + u'\u0100';
    FilesFixture f;
    const QString path = f.path(QStringLiteral("out.knd"));
    const auto write = [&](const QString &text) {
        return writeFile(kind(""), fileServices(f.st), path, [&] {
            return std::optional<FileText>(FileText{text, 1});
        });
    };
    QVERIFY(write(atLimit));
    QStringList back;
    QVERIFY(readFile(kind(""), fileServices(f.st), path, [&](const QStringList &lines, auto &) {
        back = lines;
        return ReadOutcome{};
    }));
    QCOMPARE(back, QStringList{atLimit});

    // One byte more: refused before the file is touched.
    f.platform.answer(AnswerOk);
    QVERIFY(!write(atLimit + u'x'));
    QCOMPARE_BOXES(f.platform.shown, {failure});
    QCOMPARE(FilesFixture::read(path).size(), MaxFileSize);
    QCOMPARE(QDir(f.folder()).entryList(QDir::Files), QStringList{"out.knd"});
}

QTEST_APPLESS_MAIN(TestFileCommand)
#include "test_file_command.moc"
