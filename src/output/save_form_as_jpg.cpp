#include "save_form_as_jpg.h"

#include "model/app_state.h"
#include "platform/capture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPolygon>
#include <QWidget>

namespace zyt {

namespace {

// Shows the main window again when the capture ends, whichever way it ends;
// it is shown even when it was hidden before.
class MainWindowBack {
public:
    explicit MainWindowBack(QWidget *main) : main_(main) {}
    ~MainWindowBack()
    {
        if (main_)
            main_->show();
    }
    MainWindowBack(const MainWindowBack &) = delete;
    MainWindowBack &operator=(const MainWindowBack &) = delete;

private:
    QPointer<QWidget> main_;
};

} // namespace

QString captureFileName(const QString &prefix, const QDateTime &when, const QLocale &locale)
{
    const QTime time = when.time();
    return prefix + u'_' + locale.toString(when.date(), u"dddd_MMMM_d_yyyy") + u'_' +
           QString::number(time.hour()) + u'_' + QString::number(time.minute()) + u'_' +
           QString::number(time.second()) + QStringLiteral(".jpg");
}

void drawPointerArrow(QImage &picture, const QPoint &tip)
{
    // A plain arrow, 12 by 20 logical pixels, tip at the top left: white
    // with a black edge, so that it shows on light and dark windows alike.
    static const QPolygon arrow({QPoint(0, 0), QPoint(0, 17), QPoint(4, 13), QPoint(7, 20),
                                 QPoint(10, 19), QPoint(7, 12), QPoint(12, 12)});
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.translate(tip);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

QString Save_Form_As_JPG(QWidget &window, const QString &prefix, int quality, bool drawPointer,
                         const Platform &platform, const UiState &ui)
{
    Q_ASSERT(platform.clock && platform.folder && platform.grabber && platform.images &&
             platform.pointer && platform.messages);
    // One reading for the whole name, so that it never mixes two seconds.
    const QDateTime when = platform.clock->now();
    const QString path =
        QDir(platform.programFolder()).filePath(captureFileName(prefix, when, QLocale()));

    int status = ImageMissing;
    {
        const MainWindowBack back(ui.mainWindow);
        if (ui.mainWindow && ui.Capture_Caller != u"Main")
            ui.mainWindow->hide();
        // Let the windows repaint what the main window or a closed menu
        // covered.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

        QImage picture = platform.grabber->grabFrame(window);
        if (!picture.isNull()) {
            const QRect frame = window.frameGeometry();
            const QPoint at = drawPointer ? platform.pointer->pointerPosition() : QPoint();
            if (drawPointer && frame.contains(at))
                drawPointerArrow(picture, at - frame.topLeft());
            status = platform.images->writeJpeg(picture, path, quality);
        }
    }
    if (status != ImageWritten) {
        platform.message(QStringLiteral("Cannot save the image. GDI+ Error:") +
                             QString::number(status),
                         MsgButtons::Ok, MsgIcon::Exclamation);
    }
    return path;
}

void Save_Form_As_JPG(QWidget &window, const QString &prefix, int quality, bool drawPointer,
                      AppState &st)
{
    st.files.File_Name = Save_Form_As_JPG(window, prefix, quality, drawPointer, st.platform, st.ui);
}

} // namespace zyt
