#include "save_form_as_jpg.h"

#include "model/app_state.h"
#include "platform/capture.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPointer>
#include <QPolygon>
#include <QSet>
#include <QTimer>
#include <QWidget>
#include <QWindow>

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

// Waits, at most `limit` ms, until every window the hidden window lay over
// has been told to repaint what it covered, and has repainted it (a window
// paints as it handles that expose). The desktop unmaps a window and exposes
// what lay under it in its own time, after the hide returns. A desktop that
// keeps the windows' pictures itself exposes nothing: the wait then ends at
// its limit.
class RepaintWait final : public QObject {
public:
    explicit RepaintWait(const QWidget &hidden)
    {
        const QRect covered = hidden.frameGeometry();
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *w : windows) {
            if (w == &hidden || !w->isVisible() || !w->windowHandle() ||
                !w->geometry().intersects(covered))
                continue;
            w->windowHandle()->installEventFilter(this);
            waiting_.insert(w->windowHandle());
        }
    }

    void wait(int limit)
    {
        if (waiting_.isEmpty())
            return;
        QTimer::singleShot(limit, &loop_, &QEventLoop::quit);
        loop_.exec(QEventLoop::ExcludeUserInputEvents);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && waiting_.remove(watched) && waiting_.isEmpty()) {
            // Once this expose, and the painting it starts, is handled.
            QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QSet<QObject *> waiting_;
    QEventLoop loop_;
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
        if (ui.mainWindow && ui.Capture_Caller != u"Main" && ui.mainWindow->isVisible()) {
            RepaintWait repainted(*ui.mainWindow);
            ui.mainWindow->hide();
            repainted.wait(250);
        }
        // Let the windows repaint what a closed menu covered.
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
