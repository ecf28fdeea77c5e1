#include "platform/color_number.h"
#include "platform/qt/qt_platform.h"
#include "scripted_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

using namespace zyt;

class TestQtPlatform : public QObject {
    Q_OBJECT

private slots:
    void answers_data();
    void answers();
    void fileDialogs_data();
    void fileDialogs();
    void programFolder();
    void programFolderFallsBack();
    void waitPointer();
    void colorNumbers_data();
    void colorNumbers();
    void colorDialog_data();
    void colorDialog();
    void modules_data();
    void modules();
};

void TestQtPlatform::answers_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("press"); // a QMessageBox::StandardButton, or 0 to close the box
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("title");

    QTest::newRow("ok") << int(MsgButtons::Ok) << int(QMessageBox::Ok) << 1 << "Program";
    QTest::newRow("ok closed") << int(MsgButtons::Ok) << 0 << 1 << "Program";
    QTest::newRow("ok of ok/cancel")
        << int(MsgButtons::OkCancel) << int(QMessageBox::Ok) << 1 << "VORN - Error Message";
    QTest::newRow("cancel") << int(MsgButtons::OkCancel) << int(QMessageBox::Cancel) << 2 << "";
    QTest::newRow("ok/cancel closed") << int(MsgButtons::OkCancel) << 0 << 2 << "Program";
    QTest::newRow("yes") << int(MsgButtons::YesNo) << int(QMessageBox::Yes) << 6 << "Program";
    QTest::newRow("no") << int(MsgButtons::YesNo) << int(QMessageBox::No) << 7 << "Program";
}

void TestQtPlatform::answers()
{
    QFETCH(int, buttons);
    QFETCH(int, press);
    QFETCH(int, answer);
    QFETCH(QString, title);

    QtPlatform platform([] { return QStringLiteral("Program"); });
    QString shownTitle;
    QString shownText;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        shownTitle = box->windowTitle();
        shownText = box->text();
        if (press == 0)
            box->close();
        else
            box->button(QMessageBox::StandardButton(press))->click();
    });
    MsgRequest request;
    request.text = QStringLiteral("line one\r\n<b>line two</b>");
    request.buttons = MsgButtons(buttons);
    request.icon = MsgIcon::Exclamation;
    if (title != u"Program")
        request.title = title;
    QCOMPARE(platform.platform().messages->show(request), answer);
    QCOMPARE(shownTitle, title);
    QCOMPARE(shownText, QStringLiteral("line one\n<b>line two</b>"));
}

void TestQtPlatform::fileDialogs_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("suffix"); // the request's default extension
    QTest::addColumn<QString>("typed");  // the name typed into the dialog
    QTest::addColumn<QString>("chosen"); // the name the dialog gives back
    QTest::addColumn<bool>("existing");  // a file of that name is there

    const int open = int(FileDialogKind::Open);
    const int save = int(FileDialogKind::Save);
    const QString flow = QStringLiteral("Flow Data Files (*.dat)");
    auto row = [](const char *name, int kind, int filterIndex, const QString &selected, bool accept,
                  const char *suffix, const char *typed, const char *chosen, bool existing) {
        QTest::newRow(name) << kind << filterIndex << selected << accept
                            << QString::fromLatin1(suffix) << QString::fromLatin1(typed)
                            << QString::fromLatin1(chosen) << existing;
    };
    row("open, third entry", open, 3, flow, true, "", "test1.dat", "test1.dat", true);
    row("open cancelled", open, 3, flow, false, "", "test1.dat", "test1.dat", true);
    row("save, third entry", save, 3, flow, true, "", "test1.dat", "test1.dat", false);
    row("save asks before replacing", save, 3, flow, true, "", "test1.dat", "test1.dat", true);
    row("save cancelled", save, 3, flow, false, "", "test1.dat", "test1.dat", false);
    row("first entry", open, 1, QStringLiteral("Text Files (*.txt)"), true, "", "test1.dat",
        "test1.dat", true);
    row("a name of the program's own kept as typed", save, 3, flow, true, "", "test1", "test1",
        false);
    row("a bare name gets the extension", save, 1, QStringLiteral("Text Files (*.txt)"), true,
        "pdf", "sheet1", "sheet1.pdf", false);
    row("asked for the name with the extension", save, 1, QStringLiteral("Text Files (*.txt)"),
        true, "pdf", "sheet1", "sheet1.pdf", true);
    row("a name with an extension keeps it", save, 1, QStringLiteral("Text Files (*.txt)"), true,
        "pdf", "sheet1.prn", "sheet1.prn", false);
}

void TestQtPlatform::fileDialogs()
{
    QFETCH(int, kind);
    QFETCH(int, filterIndex);
    QFETCH(QString, selected);
    QFETCH(bool, accept);
    QFETCH(QString, suffix);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(bool, existing);

    QTemporaryDir folder;
    const QString path = folder.filePath(chosen);
    if (existing) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QString askedToReplace;
    QtPlatform platform([] { return QStringLiteral("Program"); });
    QStringList shownFilters;
    QString shownSelected;
    QString shownFolder;
    int shownMode = -1;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        shownFilters = dialog->nameFilters();
        shownSelected = dialog->selectedNameFilter();
        shownFolder = dialog->directory().absolutePath();
        shownMode = int(dialog->acceptMode());
        if (accept) {
            dialog->selectFile(folder.filePath(typed));
            QTimer::singleShot(0, this, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                askedToReplace = box->text();
                box->button(QMessageBox::Yes)->click();
            });
            static_cast<QDialog *>(dialog)->accept();
        } else {
            dialog->reject();
        }
    });
    FileDialogRequest request;
    request.kind = FileDialogKind(kind);
    request.filter = QStringLiteral(
        "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Flow Data Files (*.dat)|*.dat");
    request.filterIndex = filterIndex;
    request.initialFolder = folder.path();
    request.defaultSuffix = suffix;
    const std::optional<QString> given = platform.platform().dialogs->show(request);

    QCOMPARE(shownFilters,
             (QStringList{"Text Files (*.txt)", "All Files (*)", "Flow Data Files (*.dat)"}));
    QCOMPARE(shownSelected, selected);
    QCOMPARE(shownFolder, QDir(folder.path()).absolutePath());
    QCOMPARE(shownMode, kind == int(FileDialogKind::Save) ? int(QFileDialog::AcceptSave)
                                                          : int(QFileDialog::AcceptOpen));
    QCOMPARE(given.has_value(), accept);
    const bool asks = accept && existing && kind == int(FileDialogKind::Save);
    QCOMPARE(askedToReplace.contains(chosen), asks);
    QCOMPARE(askedToReplace.isEmpty(), !asks);
    if (accept)
        QCOMPARE(QFileInfo(*given).absoluteFilePath(), QFileInfo(path).absoluteFilePath());
}

void TestQtPlatform::programFolder()
{
    QtPlatform platform([] { return QString(); });
    const QString folder = platform.platform().folder->path();
    QCOMPARE(folder, QCoreApplication::applicationDirPath());
    QCOMPARE(platform.platform().folder->path(), folder);
    QCOMPARE(platform.platform().folder->earlierPath(), QString()); // nothing kept elsewhere
}

void TestQtPlatform::programFolderFallsBack()
{
    QTemporaryDir root;
    // The executable's folder cannot be written when it is no folder at all
    // (running as root, permissions alone would not stop a write).
    const QString blocker = root.filePath(QStringLiteral("file"));
    {
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const QString data = root.filePath(QStringLiteral("data/zyt"));
    QCOMPARE(QtProgramFolder::choose(blocker + QStringLiteral("/bin"), data), data);
    QVERIFY(QFileInfo(data).isDir());
    QCOMPARE(QtProgramFolder::choose(root.path(), data), root.path());
}

void TestQtPlatform::waitPointer()
{
    // On the window active as the command begins, until its last end; the
    // window's own pointer comes back.
    QWidget window;
    window.setCursor(Qt::CrossCursor);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QtPlatform platform([] { return QString(); });
    {
        const WaitPointerShown outer(platform.platform());
        const WaitPointerShown inner(platform.platform());
        QCOMPARE(window.cursor().shape(), Qt::WaitCursor);
    }
    QCOMPARE(window.cursor().shape(), Qt::CrossCursor);
}

void TestQtPlatform::colorNumbers_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QColor>("color");

    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("red") << 255 << QColor(255, 0, 0);
    QTest::newRow("green") << 65280 << QColor(0, 255, 0);
    QTest::newRow("blue") << 16711680 << QColor(0, 0, 255);
    QTest::newRow("grid grey") << 9474192 << QColor(144, 144, 144);
    QTest::newRow("white") << 16777215 << QColor(255, 255, 255);
}

void TestQtPlatform::colorNumbers()
{
    QFETCH(int, number);
    QFETCH(QColor, color);
    QCOMPARE(colorFromNumber(number), color);
    QCOMPARE(numberFromColor(color), number);
}

void TestQtPlatform::colorDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::newRow("chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestQtPlatform::colorDialog()
{
    QFETCH(bool, accept);
    QtPlatform platform([] { return QString(); });
    QColor opened;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        opened = dialog->currentColor();
        if (accept) {
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->accept();
        } else {
            dialog->reject();
        }
    });
    const std::optional<std::int32_t> chosen = platform.platform().colors->showColorDialog(9474192);
    QCOMPARE(opened, QColor(144, 144, 144));
    QCOMPARE(chosen.has_value(), accept);
    if (accept)
        QCOMPARE(*chosen, 1 + 2 * 256 + 3 * 65536);
}

namespace {

// Puts the printing module into `folder` as modules_data() names the damage.
void placeModule(const QDir &folder, const QString &damage)
{
    const QStringList words = damage.split(u' ');
    const QString &how = words[0];
    const QString file = folder.filePath(how == u"renamed" ? "zyt_print.so" : "libzyt_print.so");
    QImage picture(64, 32, QImage::Format_RGB32);
    picture.fill(Qt::red);
    if (how == u"jpg" || how == u"bmp" || how == u"beside")
        QVERIFY(picture.save(how == u"beside" ? folder.filePath("zyt_print.so") : file,
                             how == u"bmp" ? "BMP" : "JPG"));
    if (how == u"folder")
        QVERIFY(folder.mkdir(file));
    QFile module(how == u"library" ? QLibraryInfo::path(QLibraryInfo::LibrariesPath) +
                                         QStringLiteral("/libQt6Core.so.6")
                                   : QStringLiteral(ZYT_MODULE_DIR "/libzyt_%1.so")
                                         .arg(how == u"sound" ? "sound" : "print"));
    if (how == u"missing" || QFileInfo::exists(file) || !module.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = module.readAll();
    const int n = words.value(1).toInt();
    if (how == u"cut")
        bytes.truncate(bytes.size() * n / 16);
    if (how == u"short")
        bytes.chop(n);
    if (how == u"header")
        bytes[0x36] = char(40); // the size of a program header entry
    // Program header entries of 56 bytes: type (2: dynamic), flags, offset, address.
    const quint64 table = qFromLittleEndian<quint64>(bytes.constData() + 0x20);
    for (int k = 0; how == u"dynamic" && k < bytes[0x38]; ++k)
        if (qFromLittleEndian<quint32>(bytes.constData() + table + k * 56) == 2)
            qToLittleEndian<quint64>(quint64(1) << 40, bytes.data() + table + k * 56 + 16);
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
}

} // namespace

void TestQtPlatform::modules_data()
{
    // "cut k" keeps k sixteenths; "beside" adds a picture named zyt_print.so;
    // "renamed" leaves the module as zyt_print.so only.
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason"); // what the box says; none: it loads
    const char *const rows[][3] = {
        {"loaded", "", ""},
        {"missing", "missing", "is missing"},
        {"empty", "cut 0", "is empty"},
        {"a byte short", "short 1", "is incomplete"},
        {"some bytes short", "short 7", "is incomplete"},
        {"header damaged", "header", "is damaged"},
        {"program headers damaged", "dynamic", "is damaged"},
        {"jpg picture", "jpg", "is not a program module"},
        {"bmp picture", "bmp", "is not a program module"},
        {"another library", "library", "is not this program's module"},
        {"the sound module", "sound", "is not this program's module"},
        {"a folder", "folder", "is not a file"},
        {"a picture by another name", "beside", ""},
        {"by another name only", "renamed", "is missing"},
    };
    for (const auto &[name, damage, reason] : rows)
        QTest::newRow(name) << QString::fromLatin1(damage) << QString::fromLatin1(reason);
    for (int k = 1; k < 16; ++k)
        QTest::addRow("cut to %d/16", k) << QStringLiteral("cut %1").arg(k) << "is incomplete";
}

// A module that cannot be used is refused before any of it is mapped, so
// the program goes on. Printing says so, naming the file, on every
// question whether it can run, and its other requests do nothing; sound
// says so once.
void TestQtPlatform::modules()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    placeModule(QDir(folder.path()), damage);
    if (damage.isEmpty())
        QVERIFY(QFile::copy(QStringLiteral(ZYT_MODULE_DIR "/libzyt_sound.so"),
                            folder.filePath(QStringLiteral("libzyt_sound.so"))));
    test::ScriptedPlatform boxes;
    boxes.answerAllWith(AnswerOk);
    test::ScriptedPlatform soundBoxes;
    soundBoxes.answerAllWith(AnswerOk);
    LoadedPrinting printing(boxes, folder.path());
    LoadedSound sound(soundBoxes, folder.path());
    PrintRequest pdf;
    pdf.pdfFile = folder.filePath(QStringLiteral("out.pdf"));
    for (int k = 0; k < 2; ++k) {
        QCOMPARE(printing.canPrint(), reason.isEmpty());
        printing.printerNames();
        printing.defaultPrinterName();
        std::unique_ptr<PrintJob> job = printing.start(pdf);
        QCOMPARE(bool(job), reason.isEmpty());
        if (job)
            QVERIFY(job->finish());
        sound.playSound(folder.filePath(QStringLiteral("none.wav")));
    }
    QCOMPARE(QFileInfo(pdf.pdfFile).size() > 0, reason.isEmpty());
    QCOMPARE(boxes.shown.size(), reason.isEmpty() ? 0 : 2);
    for (const MsgRequest &box : boxes.shown) {
        const QString file =
            QDir::toNativeSeparators(folder.filePath(QStringLiteral("libzyt_print.so")));
        QVERIFY2(box.text.contains(QStringLiteral("\"%1\" %2,").arg(file, reason)) &&
                     box.text.contains(QStringLiteral("install the program again")),
                 qPrintable(box.text));
    }
    QCOMPARE(soundBoxes.shown.size(), damage.isEmpty() ? 0 : 1);
}

QTEST_MAIN(TestQtPlatform)
#include "test_qt_platform.moc"
