#include "qt_platform.h"

#include "platform/color_number.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QUrl>
#include <QWindow>

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

QRect QtScreenMetrics::availableArea() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), pixelSize());
}

QMargins QtScreenMetrics::windowFrame() const
{
    if (!frame_.isNull())
        return frame_;
    // The desktop tells a frame only for a window it shows (one still to
    // show would tell its place instead). Dialogs and boxes may wear another
    // than the program's windows.
    const QWindowList windows = QGuiApplication::topLevelWindows();
    for (const QWindow *w : windows) {
        if (w->type() != Qt::Window || !w->isVisible() || !w->isExposed())
            continue;
        if (const QMargins m = w->frameMargins(); !m.isNull()) {
            frame_ = m;
            break;
        }
    }
    return frame_;
}

std::optional<QString> QtFileDialogs::show(const FileDialogRequest &request)
{
    const std::optional<FileDialogChoice> chosen = showChoice(request);
    if (!chosen)
        return std::nullopt;
    return chosen->path;
}

std::optional<FileDialogChoice> QtFileDialogs::showChoice(const FileDialogRequest &request)
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
        dialog.setDefaultSuffix(request.defaultSuffix);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (request.keepLastName && !lastName_.isEmpty())
        dialog.selectFile(lastName_);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty())
        return std::nullopt;
    lastName_ = QFileInfo(chosen.front()).fileName();
    const qsizetype entry = filters.indexOf(dialog.selectedNameFilter());
    return FileDialogChoice{chosen.front(), entry >= 0 ? int(entry) + 1 : request.filterIndex};
}

QString QtProgramFolder::path()
{
    if (path_.isEmpty())
        path_ = choose(QCoreApplication::applicationDirPath(),
                       QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return path_;
}

QString QtProgramFolder::earlierPath()
{
    const QString own = QCoreApplication::applicationDirPath();
    return path() != own && QFileInfo(own).isDir() ? own : QString();
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

std::optional<FontChoice> QtChoiceDialogs::showFontDialog()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    // A font the dialog gives in pixels has no point size; its size in
    // points at the screen's density is what a cell would show.
    double size = font.pointSizeF();
    if (size <= 0.0 && font.pixelSize() > 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
        size = font.pixelSize() * 72.0 / (dpi > 0.0 ? dpi : 96.0);
    }
    return FontChoice{font.family(), size, font.bold(), font.italic()};
}

QString QtChoiceDialogs::defaultFontName() { return QApplication::font().family(); }

std::optional<std::int32_t> QtChoiceDialogs::showColorDialog(std::int32_t initial)
{
    const QColor color =
        QColorDialog::getColor(colorFromNumber(initial), QApplication::activeWindow());
    if (!color.isValid())
        return std::nullopt;
    return numberFromColor(color);
}

bool QtShell::openLink(const QString &target, const QString &folder)
{
    QUrl url(target, QUrl::TolerantMode);
    // Without a scheme (a drive letter is none) the target is a document in
    // the folder when there is one, else taken for a web address.
    if (url.scheme().size() < 2)
        url = QUrl::fromUserInput(target, folder);
    if (!url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}

QtPlatform::QtPlatform(std::function<QString()> programTitle)
    : messages_(std::move(programTitle)), printing_(messages_), sounds_(messages_)
{
    platform_.messages = &messages_;
    platform_.beeper = &beeper_;
    platform_.screen = &screen_;
    platform_.dialogs = &dialogs_;
    platform_.folder = &folder_;
    platform_.fonts = &choices_;
    platform_.colors = &choices_;
    platform_.printers = &printing_;
    platform_.shell = &shell_;
    platform_.sounds = &sounds_;
    platform_.clock = &clock_;
    platform_.pointer = &pointer_;
    platform_.grabber = &grabber_;
    platform_.images = &images_;
    platform_.print = &printing_;
    platform_.wait = &wait_;
}

void QtWaitPointer::begin()
{
    if (depth_++ > 0)
        return;
    window_ = QApplication::activeWindow();
    if (!window_)
        return;
    ownCursor_ = window_->testAttribute(Qt::WA_SetCursor);
    before_ = window_->cursor();
    window_->setCursor(Qt::WaitCursor);
}

void QtWaitPointer::end()
{
    if (depth_ == 0 || --depth_ > 0 || !window_)
        return;
    if (ownCursor_)
        window_->setCursor(before_);
    else
        window_->unsetCursor();
    window_.clear();
}

} // namespace zyt
