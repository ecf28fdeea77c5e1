#include "graph_window.h"

#include "calc/formats.h"
#include "files/folder_names.h"
#include "files/text_files.h"
#include "model/app_state.h"
#include "model/color_choice.h"
#include "model/graph_window_design.h"
#include "model/graph_window_state.h"
#include "output/print_graph.h"
#include "output/print_job.h"
#include "output/save_form_as_jpg.h"
#include "platform/color_number.h"
#include "platform/qt/painter_surface.h"
#include "platform/screen.h"
#include "platform/wait_pointer.h"
#include "widgets/window_builder.h"
#include "widgets/window_placement.h"

#include <QBuffer>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace zyt {

namespace {

const QString LogoOn = QStringLiteral("Logo -- Is ON");
const QString LogoOff = QStringLiteral("Logo -- Is OFF");

// The largest picture side the fitting can ask for on any real screen; a
// larger one would only cost memory.
constexpr int MaxPictureSide = 16384;

// `Picture1`: shows the picture as drawn, one unit to a pixel, and hands the
// mouse to the window's handlers in the same units.
class GraphCanvas final : public QWidget {
public:
    GraphCanvas(GraphWindow &window, QWidget *parent) : QWidget(parent), window_(window)
    {
        setObjectName(QStringLiteral("Picture1"));
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        const QImage &image = window_.image();
        if (image.size() != size())
            p.fillRect(rect(), Qt::white);
        p.drawImage(QPoint(0, 0), image);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        window_.Form60_Picture1_MouseDown(event->position());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        window_.Form60_Picture1_MouseMove(event->position());
    }
    void mouseReleaseEvent(QMouseEvent *) override { window_.Form60_Picture1_MouseUp(); }

private:
    GraphWindow &window_;
};

// The screen's height in whole pixels, as the window placement counts it.
int screenPixelsHigh(const ScreenMetrics &screen)
{
    const long perPixel = std::max(1L, std::lround(std::nearbyint(screen.twipsPerPixel())));
    return int(std::lround(std::nearbyint(screen.heightTwips())) / perPixel);
}

// The picture as a Windows bitmap, written in one step so that a failure
// leaves any older file whole.
bool writeBitmap(const QImage &image, const QString &path)
{
    if (path.isEmpty())
        return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "BMP"))
        return false;
    return writeFileAtomically(path, bytes);
}

} // namespace

GraphWindow::GraphWindow(GraphWindowState &Form60, AppState &st, QWidget *parent)
    : QMainWindow(parent), Form60_(Form60), st_(st),
      cells_(graphWindowLayout(), QStringLiteral("Form60")),
      widgets_(new WindowBuilder(*this, graphWindowDesign(), cells_, st))
{
    setObjectName(QStringLiteral("Form60"));
    newPicture(pictureSize());
    WindowBuilder &w = *widgets_;
    w.on(QStringLiteral("Command1"), [this] { Form60_Command1_Click(); });
    w.on(QStringLiteral("Command2"), [this] { Form60_Command2_Click(); });
    w.on(QStringLiteral("Command3"), [this] { Form60_Command3_Click(); });
    w.on(QStringLiteral("Command4"), [this] { Form60_Command4_Click(); });
    w.on(QStringLiteral("Command5"), [this] { Form60_Command5_Click(); });
    w.onIndexed(QStringLiteral("Combo1"), [this](int item) { Form60_Combo1_Click(item); });
    w.on(QStringLiteral("Logo"), [this] { Form60_Logo_Click(); });
    w.makeWith(QStringLiteral("Picture1"), [this](QWidget *holder) {
        canvas_ = new GraphCanvas(*this, holder);
        return canvas_;
    });
}

GraphWindow::~GraphWindow() = default;

DrawSurface &GraphWindow::picture() { return *picture_; }

const QImage &GraphWindow::image() { return picture_->image(); }

void GraphWindow::showGraphWindow()
{
    show();
    raise();
    activateWindow();
    canvas_->update();
}

void GraphWindow::setVisible(bool visible)
{
    if (visible) {
        ensureBuilt();
        showState();
    }
    QMainWindow::setVisible(visible);
}

void GraphWindow::ensureBuilt()
{
    if (built_)
        return;
    built_ = true;
    build();
}

void GraphWindow::build()
{
    widgets_->build();
    canvas_->setFixedSize(picture_->image().size());
    logo_ = widgets_->widget<QLabel>(u"Picture2");
    logo_->installEventFilter(this);
    if (!logoPicture_.isNull()) {
        logo_->setPixmap(QPixmap::fromImage(logoPicture_));
        logo_->resize(logoPicture_.size());
    }
    auto *widths = widgets_->widget<QComboBox>(u"Combo1");
    widths->addItems(Form60_.Combo1);
    widths->setCurrentIndex(widths->findText(QString::number(st_.graph.Draw_Line_Width)));
    Form60_Form_Load();
}

void GraphWindow::Form60_Form_Load()
{
    // Across the middle of the screen; down the middle only on a screen over
    // 700 pixels high with room for the whole window, else where it stands.
    const int top = y();
    placeWindow(*this, st_.platform.screen, [top](QSize outer, const ScreenMetrics &screen) {
        const int high = screenPixelsHigh(screen);
        return QPoint((screen.pixelSize().width() - outer.width()) / 2,
                      high > outer.height() && high > 700 ? (high - outer.height()) / 2 : top);
    });
}

void GraphWindow::showState()
{
    // A logo switched off shows nowhere, whatever placed it before.
    if (st_.graph.Logo_On != 1) {
        Form60_.Picture2_Visible = false;
        Form60_.Logo_Caption = LogoOff;
    }
    if (!built_)
        return;
    label(QStringLiteral("Label3"))->setText(Form60_.Label3);
    label(QStringLiteral("Label4"))->setText(Form60_.Label4);
    label(QStringLiteral("Label8"))->setText(Form60_.Label8);
    label(QStringLiteral("Label9"))->setText(Form60_.Label9);
    button(QStringLiteral("Logo"))->setText(Form60_.Logo_Caption);
    placeLogo(QPointF(Form60_.Picture2_Left, Form60_.Picture2_Top));
    logo_->setVisible(Form60_.Picture2_Visible && !logoPicture_.isNull());
}

QSize GraphWindow::pictureSize() const
{
    const GraphSettings &s = st_.graph;
    const double width = std::isfinite(s.Graph_Width) ? s.Graph_Width : 600.0;
    const double height = std::isfinite(s.Graph_Height) ? s.Graph_Height : 600.0;
    const double room = GraphCaptionRoom * std::max(1.0, st_.looks.Scale_Y);
    const auto side = [](double v) {
        return int(std::clamp(std::lround(v), 1L, long(MaxPictureSide)));
    };
    return QSize(side(width), side(height + room));
}

void GraphWindow::newPicture(QSize size)
{
    auto fresh = std::make_unique<ImageSurface>(size);
    if (picture_) {
        // The picture's pen and font carry over; only its drawing is gone.
        const DrawSurface &old = *picture_;
        fresh->setDrawWidth(old.drawWidth());
        fresh->setDrawStyle(old.drawStyle());
        fresh->setForeColor(old.foreColor());
        fresh->setFontName(old.fontName());
        fresh->setFontSize(old.fontSize());
        fresh->setFontBold(old.fontBold());
    }
    picture_ = std::move(fresh);
}

void GraphWindow::clearPicture()
{
    picture_->clear();
    if (canvas_)
        canvas_->update();
}

bool GraphWindow::loadLogoPicture(const QString &path)
{
    const QImage picture = readPicture(path);
    if (picture.isNull())
        return false;
    logoPicture_ = picture;
    if (logo_) {
        logo_->setPixmap(QPixmap::fromImage(picture));
        logo_->resize(picture.size());
    }
    return true;
}

void GraphWindow::Stretch_Picture()
{
    ensureBuilt();
    const QSize size = pictureSize();
    newPicture(size);
    canvas_->setFixedSize(size);
    // The fitting moved the logo with everything else; it keeps its own
    // picture at its own size.
    if (!logoPicture_.isNull())
        logo_->resize(logoPicture_.size());
    placeLogo(logo_->pos());
    canvas_->update();
}

void GraphWindow::placeLogo(QPointF topLeft)
{
    // Its corner stays on the picture, so the logo can always be taken
    // again and dragged back.
    const QSize area = picture_->image().size();
    const double left = std::clamp(topLeft.x(), 0.0, double(area.width() - 1));
    const double top = std::clamp(topLeft.y(), 0.0, double(area.height() - 1));
    Form60_.Picture2_Left = left;
    Form60_.Picture2_Top = top;
    if (logo_)
        logo_->move(int(std::lround(left)), int(std::lround(top)));
}

bool GraphWindow::drawingOn() const
{
    const QCheckBox *check = drawCheck();
    return check && check->isChecked();
}

void GraphWindow::Form60_Picture1_MouseDown(QPointF at)
{
    if (!drawingOn())
        return;
    DrawSurface &p = *picture_;
    Saved_Draw_Width = p.drawWidth();
    p.setDrawWidth(st_.graph.Draw_Line_Width);
    p.dot(at, colorFromNumber(st_.graph.Draw_Line_Color));
    Mouse_Drawing = true;
    p.setDrawWidth(Saved_Draw_Width);
    canvas_->update();
}

void GraphWindow::Form60_Picture1_MouseMove(QPointF at)
{
    if (Mouse_Drawing && drawingOn()) {
        DrawSurface &p = *picture_;
        Saved_Draw_Width = p.drawWidth();
        p.setDrawWidth(st_.graph.Draw_Line_Width);
        p.lineTo(at, colorFromNumber(st_.graph.Draw_Line_Color));
        p.setDrawWidth(Saved_Draw_Width);
        canvas_->update();
        return;
    }
    const Graph_State &g = st_.plot;
    const GraphSettings &s = st_.graph;
    if (s.Graph_Height > 0.0)
        label(QStringLiteral("Label18"))
            ->setText(Format_Short_Decimal(g.Graph_Y_High - at.y() / s.Graph_Height *
                                                                (g.Graph_Y_High - g.Graph_Y_Low),
                                           st_.numbers));
    if (s.Graph_Width > 0.0)
        label(QStringLiteral("Label19"))
            ->setText(Format_Short_Decimal(g.Graph_X_Low + at.x() / s.Graph_Width *
                                                               (g.Graph_X_High - g.Graph_X_Low),
                                           st_.numbers));
}

void GraphWindow::Form60_Picture1_MouseUp() { Mouse_Drawing = false; }

void GraphWindow::Form60_Picture2_MouseDown() { Logo_Dragging = true; }

void GraphWindow::Form60_Picture2_MouseMove(QPointF at)
{
    // The logo's corner goes to the pointer, in the picture's own units.
    if (Logo_Dragging)
        placeLogo(QPointF(logo_->pos()) + at);
}

void GraphWindow::Form60_Picture2_MouseUp() { Logo_Dragging = false; }

void GraphWindow::Form60_Command1_Click() { hide(); }

void GraphWindow::Form60_Command2_Click() { zyt::Form60_Command2_Click(grab().toImage(), st_); }

void GraphWindow::Form60_Command3_Click()
{
    bool saved = false;
    {
        const WaitPointerShown wait(st_.platform);
        FileDialogRequest request;
        request.kind = FileDialogKind::Save;
        request.filter = QStringLiteral("All Files (*.*)|*.*|Graphics Files (*.bmp)|*.bmp");
        request.filterIndex = 2;
        request.initialFolder = st_.platform.programFolder();
        if (const std::optional<QString> chosen = st_.platform.fileDialog(request)) {
            st_.files.File_Name = *chosen;
            saved = writeBitmap(image(), *chosen);
        }
    }
    if (!saved)
        st_.platform.message(QStringLiteral("Graph has Not been Saved"), MsgButtons::Ok,
                             MsgIcon::Exclamation);
}

void GraphWindow::Form60_Command4_Click()
{
    Color_Choice.clear();
    if (const std::optional<std::int32_t> color = Get_Color(st_.looks, st_.platform)) {
        Color_Choice = QString::number(*color);
        st_.graph.Draw_Line_Color = *color;
    }
}

void GraphWindow::Form60_Command5_Click()
{
    Save_Form_As_JPG(*this, QStringLiteral("Vorn"), 100, true, st_);
}

void GraphWindow::Form60_Combo1_Click(int item)
{
    const auto *widths = widgets_->widget<QComboBox>(u"Combo1");
    bool ok = false;
    const int width = widths ? widths->itemText(item).toInt(&ok) : 0;
    if (ok)
        st_.graph.Draw_Line_Width = width;
}

void GraphWindow::Form60_Logo_Click()
{
    if (st_.graph.Logo_On == 1) {
        Form60_.Picture2_Visible = false;
        Form60_.Logo_Caption = LogoOff;
        st_.graph.Logo_On = 0;
        st_.graph.Logo_File.clear();
        showState();
        return;
    }
    FileDialogRequest request;
    request.kind = FileDialogKind::Open;
    request.filter = QStringLiteral("Bit Map Image Files (*.bmp)|*.bmp|GIF Files (*.gif)|*.gif|"
                                    "JPG Files (*.jpg)|*.jpg|All Files (*.*)|*.*");
    request.filterIndex = 1;
    request.initialFolder = st_.platform.programFolder();
    if (const std::optional<QString> chosen = st_.platform.fileDialog(request)) {
        st_.files.File_Name = *chosen;
        if (loadLogoPicture(*chosen)) {
            // Kept by its name in the program's folder, the only form the
            // main data file reads back: a picture chosen elsewhere is
            // copied in, so the next start shows it too.
            const QString folder = st_.platform.programFolder();
            std::optional<QString> name = nameInFolder(folder, *chosen);
            if (!name)
                name = copyIntoFolder(folder, *chosen);
            if (!name) {
                st_.platform.message(
                    QStringLiteral("Logo File could Not be Copied into the Program's Folder"),
                    MsgButtons::Ok, MsgIcon::Exclamation);
                return;
            }
            Form60_.Picture2_Visible = true;
            Form60_.Logo_Caption = LogoOn;
            st_.graph.Logo_On = 1;
            st_.graph.Logo_File = *name;
            showState();
            return;
        }
    }
    st_.platform.message(QStringLiteral("No Logo File has been Seleted"), MsgButtons::Ok,
                         MsgIcon::Exclamation);
}

QLabel *GraphWindow::label(const QString &name) const { return widgets_->widget<QLabel>(name); }

QPushButton *GraphWindow::button(const QString &name) const
{
    return widgets_->widget<QPushButton>(name);
}

QCheckBox *GraphWindow::drawCheck() const { return widgets_->widget<QCheckBox>(u"Check1"); }

void GraphWindow::closeEvent(QCloseEvent *event)
{
    // While the program runs the window only hides, keeping its picture.
    if (st_.ui.Exiting == 0)
        event->ignore();
    else
        event->accept();
    hide();
}

bool GraphWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != logo_)
        return QMainWindow::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        Form60_Picture2_MouseDown();
        return true;
    case QEvent::MouseMove:
        Form60_Picture2_MouseMove(static_cast<QMouseEvent *>(event)->position());
        return true;
    case QEvent::MouseButtonRelease:
        Form60_Picture2_MouseUp();
        return true;
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

} // namespace zyt
