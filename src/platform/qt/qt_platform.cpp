#include "qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

namespace zyt {

QtMessageBoxes::QtMessageBoxes(std::function<QString()> programTitle)
    : programTitle_(std::move(programTitle))
{
}

int QtMessageBoxes::show(const MsgRequest &request)
{
    QMessageBox box(QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // file lines may hold "<...>"
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text);
    box.setWindowTitle(request.title ? *request.title : programTitle_());
    switch (request.icon) {
    case MsgIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (request.buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return AnswerCancel;
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    default:
        // A Yes/No box closed without an answer counts as No, an OK/Cancel box
        // as Cancel: neither may go ahead as if the user had agreed.
        if (request.buttons == MsgButtons::YesNo && box.clickedButton() == nullptr)
            return AnswerNo;
        if (request.buttons == MsgButtons::OkCancel && box.clickedButton() == nullptr)
            return AnswerCancel;
        return AnswerOk;
    }
}

void QtBeeper::beep() { QApplication::beep(); }

QSize QtScreenMetrics::pixelSize() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

double QtScreenMetrics::pixelsPerInch() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return dpi > 0.0 ? dpi : 96.0;
}

std::optional<QString> QtFileDialogs::show(const FileDialogRequest &request)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setDirectory(request.initialFolder);
    const QStringList filters = qtNameFilters(request.filter);
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (request.kind == FileDialogKind::Save) {
        // Qt asks before replacing an existing file unless told otherwise.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    return chosen.front();
}

QString QtProgramFolder::path()
{
    if (path_.isEmpty())
        path_ = choose(QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return path_;
}

QString QtProgramFolder::choose(const QString &own, const QString &data)
{
    const QFileInfo info(own);
    if (!own.isEmpty() && info.isDir() && info.isWritable())
        return own;
    // An installed program usually may not write beside itself; the autosave
    // file would then silently never be kept.
    QDir().mkpath(data);
    return data;
}

QtPlatform::QtPlatform(std::function<QString()> programTitle) : messages_(std::move(programTitle))
{
    platform_.messages = &messages_;
    platform_.beeper = &beeper_;
    platform_.screen = &screen_;
    platform_.dialogs = &dialogs_;
    platform_.folder = &folder_;
}

} // namespace zyt
