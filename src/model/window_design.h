#pragma once

#include <QAnyStringView>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace zyt {

struct UiState;

// What a window's help line does as the mouse comes over a control: shows
// the control's text, hides the line, or leaves it as it is.
enum class Hover : std::uint8_t { Keep, Show, Hide };

struct HoverHelp {
    Hover action = Hover::Keep;
    QString help; // the name in Help_Texts of the text to show
};

// A cell of the window's model: array and index as the model's layout
// numbers them; no cell when array is negative.
struct CellRef {
    int array = -1;
    int index = -1;
};

enum class ControlKind : std::uint8_t {
    Button,
    WrappedButton, // a button whose caption wraps over several lines
    Label,
    CheckBox,
    OptionButton, // the options of one cell are one group
    Frame,        // a panel other controls lie on, its caption at its top
    ComboBox,
    Picture,
    TextBox,  // a multi-line display box the user cannot type into
    Cell,     // one cell of the window's model
    CellGrid, // a block of the model's cells in columns and rows
    HelpLine, // the window's one-line hover help, `Label7`
};

// How a control looks where it differs from the desktop's plain control.
struct ControlLook {
    std::optional<std::uint32_t> backColor; // 0xRRGGBB; filled with it
    std::optional<std::uint32_t> foreColor;
    QString fontName;      // empty: the window's font
    double fontSize = 0.0; // points; 0: the window's size
    bool bold = false;     // of a frame: its caption
    bool wordWrap = false;
    Qt::Alignment alignment; // none: the control's own
    bool box = false;        // a line drawn round it
    bool fill = false;       // its background painted even without a colour of its own
    bool hidden = false;
    // A small coloured mark at the right end of a cell, or just beyond it:
    // the cell keeps its text clear of it.
    bool mark = false;
};

// One control. A control array's elements share the name and carry their
// index; the widget is then named "name_index".
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    QString name; // as the window's code knows it (`Command51`, `Check2`)
    int index = -1;
    QString caption;
    QRect geometry; // in its parent's coordinates
    QString parent; // the frame it lies on; empty: the window's background
    QString help;   // with Hover::Show: the name of its hover text
    Hover hover = Hover::Keep;
    CellRef cell;      // a cell, or the cell a check box or option shows
    int grid = -1;     // a cell grid: its place in WindowDesign::grids
    QStringList items; // a combo box's list
    ControlLook look;

    // Chained settings for the tables.
    ControlDesign &in(QAnyStringView frame)
    {
        parent = frame.toString();
        return *this;
    }
    ControlDesign &shows(QAnyStringView helpName)
    {
        hover = Hover::Show;
        help = helpName.toString();
        return *this;
    }
    // Over a frame: moves over its bare background hide the line.
    ControlDesign &hidesHelp()
    {
        hover = Hover::Hide;
        return *this;
    }
    ControlDesign &bound(CellRef ref)
    {
        cell = ref;
        return *this;
    }
    ControlDesign &colored(std::uint32_t back)
    {
        look.backColor = back;
        look.fill = true;
        return *this;
    }
    ControlDesign &filled()
    {
        look.fill = true;
        return *this;
    }
    ControlDesign &boxed()
    {
        look.box = true;
        return *this;
    }
    ControlDesign &bold()
    {
        look.bold = true;
        return *this;
    }
    ControlDesign &wrapped()
    {
        look.wordWrap = true;
        return *this;
    }
    ControlDesign &aligned(Qt::Alignment alignment)
    {
        look.alignment = alignment;
        return *this;
    }
    ControlDesign &font(QAnyStringView family, double size)
    {
        look.fontName = family.toString();
        look.fontSize = size;
        return *this;
    }
    ControlDesign &hidden()
    {
        look.hidden = true;
        return *this;
    }
    ControlDesign &marking()
    {
        look.mark = true;
        return *this;
    }
    ControlDesign &withItems(const QStringList &list)
    {
        items = list;
        return *this;
    }
};

ControlDesign button(QAnyStringView name, QAnyStringView caption, const QRect &geometry);
ControlDesign button(QAnyStringView name, int index, QAnyStringView caption, const QRect &geometry);
ControlDesign wrappedButton(QAnyStringView name, QAnyStringView caption, const QRect &geometry);
ControlDesign label(QAnyStringView name, QAnyStringView caption, const QRect &geometry);
ControlDesign label(QAnyStringView name, int index, QAnyStringView caption, const QRect &geometry);
// A check box showing its cell ("1" checked, "0" not), or a free one.
ControlDesign checkBox(QAnyStringView name, QAnyStringView caption, const QRect &geometry);
ControlDesign checkBox(QAnyStringView name, int index, QAnyStringView caption,
                       const QRect &geometry);
// Option `index` of a group; bound to a cell, the cell holds the index of
// the chosen option.
ControlDesign optionButton(QAnyStringView name, int index, QAnyStringView caption,
                           const QRect &geometry);
ControlDesign frame(QAnyStringView name, QAnyStringView caption, const QRect &geometry);
ControlDesign comboBox(QAnyStringView name, const QRect &geometry);
ControlDesign picture(QAnyStringView name, const QRect &geometry);
ControlDesign textBox(QAnyStringView name, const QRect &geometry);
ControlDesign cell(int array, int index, const QRect &geometry);
ControlDesign cellGrid(int grid);
ControlDesign helpLine(const QRect &geometry);

// A column of a cell grid: the model's array shown at x, `width` wide.
struct GridColumn {
    int array = -1;
    int x = 0;
    int width = 0;
};

// Cells of several arrays side by side, rows one above the other; blank
// cells are left out, except that a blank with a colour of its own shows as
// a plain block of it.
struct CellGridDesign {
    QString parent; // the frame it lies on; empty: the window's background
    std::vector<GridColumn> columns;
    int firstRow = 0;
    std::vector<int> rowTops; // of rows firstRow, firstRow + 1, ...
    int rowHeight = 0;
    // A cell that stands in another column of the grid than its array's.
    struct Moved {
        CellRef cell;
        int column = 0;
    };
    std::vector<Moved> moved;
};

// Tops of rows first to last, `pitch` apart, row 0 at `top`.
std::vector<int> evenRows(int first, int last, int top, int pitch);

// None, those that take no typing and have no rule, or all.
enum class PaintedCells : std::uint8_t { None, ReadOnly, All };

// An entry of the menu bar or of a menu.
struct MenuDesign {
    enum class Kind : std::uint8_t { Command, Menu, Separator };
    Kind kind = Kind::Command;
    QString name;
    QString caption;                 // & marks the access key
    std::vector<MenuDesign> entries; // a menu's
    bool enabled = true;
    bool checkable = false;
    bool checked = false;

    MenuDesign &disabled()
    {
        enabled = false;
        return *this;
    }
    MenuDesign &checkMark(bool on)
    {
        checkable = true;
        checked = on;
        return *this;
    }
};

MenuDesign command(QAnyStringView name, QAnyStringView caption);
MenuDesign menu(QAnyStringView name, QAnyStringView caption, std::vector<MenuDesign> entries);
MenuDesign separator(QAnyStringView name);

// The hover help of the cells of one array: of the cell at `index`, or of
// every cell of the array when index is AnyIndex.
struct CellHoverRule {
    static constexpr int AnyIndex = -2;
    CellRef cell;
    Hover action = Hover::Keep;
    QString help;
};

struct HoverText {
    QString name;
    QString text;
};

// A whole window: its menus, its controls in the order they are made (a
// later one lies over an earlier one), the hover help of its cells and its
// hover texts.
struct WindowDesign {
    QString name;        // the window's object name; empty: the window names itself
    QSize size;          // of the area below the menu bar
    double fontSize = 0; // points; 0: the desktop's
    bool fillBackground = false;
    // Which one-line cells are drawn without an editor of their own until
    // they get the focus or a click: many cheap widgets in place of line
    // editors.
    PaintedCells paintedCells = PaintedCells::None;
    std::vector<MenuDesign> menuBar;
    std::vector<ControlDesign> controls;
    std::vector<CellGridDesign> grids;
    std::vector<CellHoverRule> cellHover; // the first rule that fits holds
    std::vector<HoverText> hoverTexts;
};

// The hover help of a cell, by the design's cell rules.
HoverHelp cellHover(const WindowDesign &design, int array, int index);

// Puts a window's hover texts into Help_Texts.
void addHoverTexts(UiState &ui, const WindowDesign &design);

} // namespace zyt
