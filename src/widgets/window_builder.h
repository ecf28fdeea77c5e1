#pragma once

#include "model/cell_rules.h"
#include "model/window_design.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringView>

#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QRadioButton;
class QMainWindow;
class QWidget;

namespace zyt {

struct AppState;
class CellLineEdit;
class CellModel;
class CellViews;
class HoverHelpLine;

// Makes a window's widgets from its design, once, and runs the window's
// handlers when they are clicked. The window says beforehand what each
// control and menu entry does, by name; the design says where everything is
// and how it looks. Check boxes and options bound to a cell show the cell
// and set it, before their handler runs. The design must outlive the
// window: the widgets' connections refer to its entries.
class WindowBuilder : public QObject {
    Q_OBJECT

public:
    WindowBuilder(QMainWindow &window, const WindowDesign &design, CellModel &model, AppState &st);

    // What a click on the control or menu entry of that name runs. A
    // control array's handler gets the element's index, a combo box's the
    // index of the item chosen.
    void on(const QString &name, std::function<void()> handler);
    void onIndexed(const QString &name, std::function<void(int)> handler);
    // The editing rules of the cells, by array and index, and what each
    // extra rule runs when the focus leaves its cell.
    void setCellRules(std::function<CellRules(int array, int index)> rules);
    void onExtraRule(ExtraRule rule, std::function<void(CellLineEdit &)> check);
    // The named control is made by `make` instead of the builder.
    void makeWith(const QString &name, std::function<QWidget *(QWidget *parent)> make);

    // Makes the widgets; a second call does nothing.
    void build();
    bool isBuilt() const { return built_; }
    // The controls on the frame, and on frames on it, wait for buildFrame:
    // a part of the window that is not shown at first costs nothing until
    // it is. To be said before build.
    void deferFrame(const QString &frame);
    // Makes the controls of a deferred frame; a second call does nothing.
    void buildFrame(const QString &frame);

    // A control, or a cell by its array name and index; nullptr when there
    // is none or before the build.
    QWidget *widget(QStringView name, int index = -1) const;
    template <typename T> T *widget(QStringView name, int index = -1) const
    {
        return qobject_cast<T *>(widget(name, index));
    }
    QAction *action(QStringView name) const { return actions_.value(name.toString()); }
    QWidget *cellWidget(int id) const;
    QWidget *background() const { return background_; }
    HoverHelpLine *helpLine() const { return help_; }

    // Names with a handler that no control or menu entry of the design has.
    QStringList handlersWithoutControl() const;

private:
    void addMenus(QWidget *bar, const std::vector<MenuDesign> &entries);
    QWidget *make(const ControlDesign &c);
    QWidget *makeCell(int array, int index, QWidget *parent, const QRect &geometry);
    void makeGrid(const CellGridDesign &grid);
    void bindCheckBox(QCheckBox *check, const ControlDesign &c);
    void bindOption(QRadioButton *radio, const ControlDesign &c);
    // Makes the controls, skipping those on frames still deferred.
    void makeControls();
    // The cells keep their text clear of the marks made from `from` on.
    void clearMarks(size_t from, size_t fromCell);
    // Hover help for what was made from `from` on in made_ and madeCells_.
    void attachHover(size_t from, size_t fromCell);
    void chainTabs();
    bool isDeferred(const QString &parent) const;
    void run(const QString &name, int index) const;
    QWidget *parentOf(const QString &frame) const;

    QMainWindow &window_;
    const WindowDesign &design_;
    CellModel &model_;
    AppState &st_;
    bool built_ = false;
    QHash<QString, std::function<void(int)>> handlers_;
    QHash<QString, std::function<QWidget *(QWidget *)>> makers_;
    std::function<CellRules(int, int)> rules_;
    QHash<int, std::function<void(CellLineEdit &)>> extraRules_;
    QWidget *background_ = nullptr;
    CellViews *views_ = nullptr;
    HoverHelpLine *help_ = nullptr;
    QHash<QString, QWidget *> widgets_;
    QHash<QString, QAction *> actions_;
    QHash<QString, QButtonGroup *> groups_;
    std::vector<std::pair<const ControlDesign *, QWidget *>> made_;
    std::vector<int> madeCells_;    // ids, in the order made
    QSet<QString> deferred_;        // frames whose controls wait
    QSet<QString> builtFrames_;     // deferred frames made since
    std::vector<bool> madeControl_; // by place in the design
};

} // namespace zyt
