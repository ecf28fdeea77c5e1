#include "window_design.h"

#include "ui_state.h"

namespace zyt {

namespace {

ControlDesign control(ControlKind kind, QAnyStringView name, int index, QAnyStringView caption,
                      const QRect &geometry)
{
    ControlDesign c;
    c.kind = kind;
    c.name = name.toString();
    c.index = index;
    c.caption = caption.toString();
    c.geometry = geometry;
    return c;
}

} // namespace

ControlDesign button(QAnyStringView name, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::Button, name, -1, caption, geometry);
}

ControlDesign button(QAnyStringView name, int index, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::Button, name, index, caption, geometry);
}

ControlDesign wrappedButton(QAnyStringView name, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::WrappedButton, name, -1, caption, geometry);
}

ControlDesign label(QAnyStringView name, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::Label, name, -1, caption, geometry);
}

ControlDesign label(QAnyStringView name, int index, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::Label, name, index, caption, geometry);
}

ControlDesign checkBox(QAnyStringView name, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::CheckBox, name, -1, caption, geometry);
}

ControlDesign checkBox(QAnyStringView name, int index, QAnyStringView caption,
                       const QRect &geometry)
{
    return control(ControlKind::CheckBox, name, index, caption, geometry);
}

ControlDesign optionButton(QAnyStringView name, int index, QAnyStringView caption,
                           const QRect &geometry)
{
    return control(ControlKind::OptionButton, name, index, caption, geometry);
}

ControlDesign frame(QAnyStringView name, QAnyStringView caption, const QRect &geometry)
{
    return control(ControlKind::Frame, name, -1, caption, geometry);
}

ControlDesign comboBox(QAnyStringView name, const QRect &geometry)
{
    return control(ControlKind::ComboBox, name, -1, {}, geometry);
}

ControlDesign picture(QAnyStringView name, const QRect &geometry)
{
    return control(ControlKind::Picture, name, -1, {}, geometry);
}

ControlDesign textBox(QAnyStringView name, const QRect &geometry)
{
    return control(ControlKind::TextBox, name, -1, {}, geometry);
}

ControlDesign cell(int array, int index, const QRect &geometry)
{
    ControlDesign c = control(ControlKind::Cell, {}, -1, {}, geometry);
    c.cell = CellRef{array, index};
    return c;
}

ControlDesign cellGrid(int grid)
{
    ControlDesign c;
    c.kind = ControlKind::CellGrid;
    c.grid = grid;
    return c;
}

ControlDesign helpLine(const QRect &geometry)
{
    return control(ControlKind::HelpLine, u"Label7", -1, {}, geometry);
}

std::vector<int> evenRows(int first, int last, int top, int pitch)
{
    std::vector<int> tops;
    for (int row = first; row <= last; ++row)
        tops.push_back(top + row * pitch);
    return tops;
}

MenuDesign command(QAnyStringView name, QAnyStringView caption)
{
    MenuDesign m;
    m.name = name.toString();
    m.caption = caption.toString();
    return m;
}

MenuDesign menu(QAnyStringView name, QAnyStringView caption, std::vector<MenuDesign> entries)
{
    MenuDesign m;
    m.kind = MenuDesign::Kind::Menu;
    m.name = name.toString();
    m.caption = caption.toString();
    m.entries = std::move(entries);
    return m;
}

MenuDesign separator(QAnyStringView name)
{
    MenuDesign m;
    m.kind = MenuDesign::Kind::Separator;
    m.name = name.toString();
    return m;
}

HoverHelp cellHover(const WindowDesign &design, int array, int index)
{
    for (const CellHoverRule &rule : design.cellHover) {
        if (rule.cell.array == array &&
            (rule.cell.index == index || rule.cell.index == CellHoverRule::AnyIndex))
            return HoverHelp{rule.action, rule.help};
    }
    return HoverHelp{};
}

void addHoverTexts(UiState &ui, const WindowDesign &design)
{
    for (const HoverText &t : design.hoverTexts)
        ui.Help_Texts.insert(t.name, t.text);
}

} // namespace zyt
