#pragma once

#include "compare/graph_display.h"
#include "model/cell_model.h"

#include <QImage>
#include <QMainWindow>
#include <QPointF>
#include <QString>

#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace zyt {

struct AppState;
struct GraphWindowState;
class ImageSurface;
class WindowBuilder;

// The graph window `Form60`: shows the picture the compare window draws its
// graph on and lets the user draw on it with the mouse, read the pointer's
// place in graph units, place a logo, save the picture as a .bmp file, print
// the window and capture it. The picture lives as long as the window, drawn
// on or not; the widgets are built the first time the window shows.
class GraphWindow final : public QMainWindow, public GraphDisplay {
    Q_OBJECT

public:
    GraphWindow(GraphWindowState &Form60, AppState &st, QWidget *parent = nullptr);
    ~GraphWindow() override;

    // The picture `Picture1`; the screen fitting gives it a new size, so
    // callers ask for it each time rather than keep it.
    DrawSurface &picture() override;
    void showGraphWindow() override;

    bool isBuilt() const { return built_; }
    void ensureBuilt();
    // Brings the widgets in line with the window's state: the axis captions,
    // the logo's picture, place and button caption.
    void showState();

    // The graph with what was drawn on it by hand; the logo is no part of it.
    const QImage &image();
    // Erases the graph and the hand-drawn lines; the logo stays.
    void clearPicture();
    // The logo picture from a file; false when the file holds no picture
    // this program can read.
    bool loadLogoPicture(const QString &path);
    // After the fitting scaled the window: the picture takes the plot's new
    // size and starts empty; the logo keeps its picture and its scaled place.
    void Stretch_Picture();

    // The window's handlers.
    void Form60_Picture1_MouseDown(QPointF at);
    void Form60_Picture1_MouseMove(QPointF at);
    void Form60_Picture1_MouseUp();
    void Form60_Picture2_MouseDown();
    void Form60_Picture2_MouseMove(QPointF at); // in the logo's own coordinates
    void Form60_Picture2_MouseUp();
    void Form60_Command1_Click(); // &Quit
    void Form60_Command2_Click(); // Print Graph
    void Form60_Command3_Click(); // &Save Graph in BMP Format
    void Form60_Command4_Click(); // Select Draw Line Color
    void Form60_Command5_Click(); // PrtSc as &JPG
    void Form60_Combo1_Click(int item);
    void Form60_Logo_Click();

    // The controls, once built.
    QWidget *canvas() const { return canvas_; }
    QLabel *logo() const { return logo_; }
    QLabel *label(const QString &name) const;
    QPushButton *button(const QString &name) const;
    QCheckBox *drawCheck() const;
    const WindowBuilder &widgets() const { return *widgets_; }

    bool mouseDrawing() const { return Mouse_Drawing; }
    bool logoDragging() const { return Logo_Dragging; }
    const QString &colorChoice() const { return Color_Choice; }

    void setVisible(bool visible) override;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void Form60_Form_Load();
    QSize pictureSize() const;
    void newPicture(QSize size);
    void placeLogo(QPointF topLeft);
    bool drawingOn() const;

    GraphWindowState &Form60_;
    AppState &st_;
    CellModel cells_;
    WindowBuilder *widgets_;
    std::unique_ptr<ImageSurface> picture_;
    QImage logoPicture_;
    bool built_ = false;
    QWidget *canvas_ = nullptr;
    QLabel *logo_ = nullptr;

    int Saved_Draw_Width = 1;
    QString Color_Choice;
    bool Mouse_Drawing = false;
    bool Logo_Dragging = false;
};

} // namespace zyt
