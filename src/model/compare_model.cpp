#include "compare_model.h"

#include "ui_state.h"

#include <QtGlobal>

namespace zyt {

namespace {

using C = CompareModel;

CellInfo optionGroup(const char *chosen)
{
    CellInfo s;
    s.kind = CellKind::Check;
    s.readOnly = false;
    s.tabStop = true;
    s.defaultText = QString::fromLatin1(chosen);
    return s;
}

CellInfo entry(int tabOrder)
{
    CellInfo s;
    s.kind = CellKind::Input;
    s.readOnly = false;
    s.tabStop = true;
    s.numeric = true;
    s.defaultText = QStringLiteral("-"); // not used
    s.tabOrder = tabOrder;
    return s;
}

CellInfo captionLine(const char *text, int tabOrder)
{
    CellInfo s;
    s.kind = CellKind::Input;
    s.readOnly = false;
    s.tabStop = true;
    s.defaultText = QString::fromLatin1(text);
    s.tabOrder = tabOrder;
    s.alignment = 0;
    return s;
}

// Every table cell is computed: read-only, outside the tab chain, empty
// until the first "&Calculate".
CellInfo tableCell()
{
    CellInfo s;
    s.kind = CellKind::Result;
    s.numeric = true;
    return s;
}

int addSingle(CellLayout &layout, const char *name, const CellInfo &info)
{
    const int array = layout.addSingle(QString::fromLatin1(name));
    layout.addCell(array, CellLayout::Single, info);
    return array;
}

void expect(int array, C::Array name)
{
    Q_ASSERT(array == name);
    Q_UNUSED(array);
    Q_UNUSED(name);
}

int readOption(const CompareModel &Form50, C::Array group, int count)
{
    bool ok = false;
    const int k = Form50.cell(group).toInt(&ok);
    return ok && k >= 0 && k < count ? k : -1;
}

int readTest(const CompareModel &Form50, C::Array group)
{
    // The first four elements name their test; anything else is the fifth.
    const int k = readOption(Form50, group, 4);
    return k < 0 ? 4 : k;
}

struct Type {
    const char *caption;
    const char *help; // nullptr: the line stays as it is
};

const Type types[CompareTypeCount] = {
    {"CFM @ 28\"", "CFM Air Flow @ 28 Inches of Water."},
    {"CFM Per Sq/Inch", "Flow per Square Inch / mm of Valve Area."},
    {"Mean Port Velocity", nullptr},
    {"Port Energy", nullptr},
    {"Port Energy Density", nullptr},
    {"Effective Velocity",
     "This will show the \"Effective Velocity\" which will use the User supplied valve seat "
     "angle and width as part of this calculation."},
    {"Swirl", nullptr},
    {"SAE CD", "This will produce the same curve as the CFM per SQ Inch / mm. Only it is "
               "unitless and will look the same in Standard mode as it will in Metric."},
    {"Effective SAE CD", "This will show the \"Effective SAE CD\" using the User supplied valve "
                         "seat angle and width as part of this calculation."},
    {"% Flow", "This will show the \"% Change in Flow\""},
    {"% CFM Per Sq/Inch", "This will show the \"% Change in CFM Per Sq/Inch\""},
    {"% SAE CD", "This will show the \"% Change in SAE CD\""},
    {"% Mean Port Velocity", "This will show the \"% Change in Mean Port Velocity\""},
    {"% Effective SAE CD", "This will show the \"% Change in Effective SAE CD\""},
    {"% Effective Velocity", "This will show the \"% Change in Effective Velocity\""},
    {"% Swirl", "This will show the \"% Change in Swirl\""},
    {"% Port Engery", "This will show the \"% Change in Port Energy\""},
    {"% Port Engery Density", "This will show the \"% Change in Port Energy Density\""},
};

QString typeHelp(int type)
{
    QString help = QString::fromLatin1(types[type].help);
    if (isPercentType(type))
        help += QStringLiteral(" from a lift point in the FROM Test to a lift point in the TO "
                               "Test.") +
                QLatin1StringView(Crlf) + QLatin1StringView(Crlf) +
                QStringLiteral("NOTE: This will not work if both the FROM and TO tests are the "
                               "same.");
    return help;
}

std::vector<CompareControl> buildControls()
{
    using K = CompareControlKind;
    std::vector<CompareControl> list;
    auto add = [&list](const char *name, int index, K kind, QString caption) -> CompareControl & {
        CompareControl c;
        c.name = QString::fromLatin1(name);
        c.index = index;
        c.kind = kind;
        c.caption = std::move(caption);
        list.push_back(std::move(c));
        return list.back();
    };
    auto shows = [](CompareControl &c, QString help) {
        c.hover = CompareHover::Show;
        c.help = std::move(help);
    };
    auto latin = [](const char *text) { return QString::fromLatin1(text); };

    // The From and To tests.
    struct Group {
        const char *frame;
        const char *caption;
        const char *options;
        C::Array cell;
    };
    const Group tests[] = {{"Frame4", "Compare Flow", "Option1", C::Option1},
                           {"Frame5", "To Flow", "Option2", C::Option2}};
    for (const Group &g : tests) {
        add(g.frame, -1, K::Frame, latin(g.caption));
        for (int k = 0; k < 5; ++k) {
            CompareControl &c =
                add(g.options, k, K::Option, QStringLiteral("Test ") + QString::number(k + 1));
            c.frame = latin(g.frame);
            c.cell = g.cell;
        }
    }

    // Moving over the type frame hides the help of the option left last.
    add("Frame6", -1, K::Frame, QStringLiteral("Type of Comparison / Graph")).hover =
        CompareHover::Hide;
    for (int type = 0; type < CompareTypeCount; ++type) {
        CompareControl &c = add("Option3", type, K::Option, latin(types[type].caption));
        c.frame = QStringLiteral("Frame6");
        c.cell = C::Option3;
        if (types[type].help)
            shows(c, typeHelp(type));
    }

    add("Frame7", -1, K::Frame, QStringLiteral("Valve Lift or L/D Ratio"));
    const Type axes[] = {
        {"Valve Lift", "Graph Intake and Exhaust Using Valve Lift as the X_Axis."},
        {"Intake L/D Ratio", "Graph Intake Using Intake L/D Ratio as the X_Axis."},
        {"Exhaust L/D Ratio", "Graph Exhaust Using Exhaust L/D Ratio as the X_Axis."},
    };
    for (int k = 0; k < 3; ++k) {
        CompareControl &c = add("Option4", k, K::Option, latin(axes[k].caption));
        c.frame = QStringLiteral("Frame7");
        c.cell = C::Option4;
        shows(c, latin(axes[k].help));
    }

    const QString populate =
        QStringLiteral("Populate Cells from the Indicated \"From\" and \"To\" Flow Tests and User "
                       "indicated \"Type\"");
    shows(add("Command1", -1, K::Button, QStringLiteral("&Calculate")),
          populate + QStringLiteral(" of Comparison."));
    shows(add("Command2", -1, K::Button, QStringLiteral("&Graph")),
          populate + QStringLiteral(" and then Graph them."));
    shows(add("Graph_Plus", -1, K::Button, QStringLiteral("Graph &Plus")),
          populate + QStringLiteral(" and then Graph them on the PRESENT GRAPH.") + latin(Crlf) +
              latin(Crlf) +
              QStringLiteral("NOTE: This can be used a MAX of 3 times on any Graph."));
    shows(add("Command3", -1, K::Button, QStringLiteral("Print Calcs")),
          QStringLiteral("Print Report Showing Calculations"));
    shows(add("Command5", -1, K::Button, QStringLiteral("PrtSc as &JPG")),
          QStringLiteral("Help_PrtSc"));
    shows(add("subend", -1, K::Button, QStringLiteral("&Quit")),
          QStringLiteral("Quit / Close the Flow Test compare Screen"));

    const QString autoLines =
        QStringLiteral("The Program Default is to have 10 Horizontal Lines on the X-Axis. When "
                       "Checked this will cause the Program Calculate how many Horizontal Lines "
                       "to use on the X-Axis. Depending on Max lift this could be every 0.025\", "
                       "every 0.050\" or every 0.100\".") +
        latin(Crlf) + latin(Crlf) + QStringLiteral("Notes: This also working in Metric mode.") +
        latin(Crlf) + QStringLiteral("This only work for Valve Lift and not for L/D Ratio Graphs.");
    const struct {
        const char *name;
        const char *caption;
        QString help;
    } boxes[] = {
        {"Check1", "Show a Line on the Graph @ .25 Valve Diameter",
         QStringLiteral("When Checked a Line will be drawn @ .25 Valve Diameter for both the "
                        "Intake and Exhasut for both Flow Tests.")},
        {"Check2", "Have the Program Automatically Adjust the # of lines for the X-Axis.",
         autoLines},
        {"Check3", "Show Data Points on Graph.",
         QStringLiteral("When Checked this will cause the Program to Mark Each Data Point on the "
                        "Graph.")},
        {"Check4", "Show Big",
         QStringLiteral("When Checked this will cause the Program to Calculate the Low Y_Axis on "
                        "the Graph instead of Using Zero for Effective Velocity, and Swirl.")},
    };
    for (int k = 0; k < 4; ++k) {
        CompareControl &c = add(boxes[k].name, -1, K::Check, latin(boxes[k].caption));
        c.cell = C::Check1 + k;
        shows(c, boxes[k].help);
    }

    const QString usedFor =
        QStringLiteral("If This Field has anything other than a \"-\" that Value will be Used ");
    const Type entries[] = {
        {"Y Axis Low", "for the Y_Axis Low Value for all % Change Graphs."},
        {"Y Axis High", "for the Y_Axis High Value for all Graphs."},
        {"Valve Lift 1", "to Draw a Horizontal line on the Graph @ that Valve Lift Point."},
        {"Valve Lift 2", "to Draw a Horizontal line on the Graph @ that Valve Lift Point."},
    };
    const char *labelNames[] = {"Label1", "Label2", "Label3", "Label4"};
    const char *entryNames[] = {"Text1", "Text2", "Text3", "Text4"};
    for (int k = 0; k < 4; ++k) {
        add(labelNames[k], -1, K::Label, latin(entries[k].caption));
        CompareControl &c = add(entryNames[k], -1, K::Entry, QString());
        c.cell = C::Text1 + k;
        shows(c, usedFor + latin(entries[k].help));
    }

    add("Text71", -1, K::Caption, QString()).cell = C::Text71;
    add("Text72", -1, K::Caption, QString()).cell = C::Text72;

    const char *columns[] = {"Text101", "Text102", "Text103", "Text104", "Text105",
                             "Text106", "Text107", "Text108", "Text109", "Text110"};
    for (int k = 0; k < 10; ++k)
        add(columns[k], -1, K::Table, QString()).cell = C::Text101 + k;

    add("Label7", -1, K::HelpLine, QString());
    add("Line1", -1, K::Separator, QString());
    add("Form50", -1, K::Window, QString()).hover = CompareHover::Hide;
    return list;
}

CellLayout buildLayout()
{
    CellLayout layout;
    const char *boxes[] = {"Check1", "Check2", "Check3", "Check4"};
    const char *ticked[] = {"1", "0", "0", "0"};
    for (int a = C::Check1; a <= C::Check4; ++a) {
        CellInfo s;
        s.kind = CellKind::Check;
        s.readOnly = false;
        s.tabStop = true;
        s.defaultText = QString::fromLatin1(ticked[a]);
        expect(addSingle(layout, boxes[a], s), C::Array(a));
    }
    // From "Test 1", to "Test 2", "CFM @ 28"", against valve lift.
    expect(addSingle(layout, "Option1", optionGroup("0")), C::Option1);
    expect(addSingle(layout, "Option2", optionGroup("1")), C::Option2);
    expect(addSingle(layout, "Option3", optionGroup("0")), C::Option3);
    expect(addSingle(layout, "Option4", optionGroup("0")), C::Option4);
    expect(addSingle(layout, "Text1", entry(0)), C::Text1);
    expect(addSingle(layout, "Text2", entry(1)), C::Text2);
    expect(addSingle(layout, "Text3", entry(2)), C::Text3);
    expect(addSingle(layout, "Text4", entry(3)), C::Text4);
    expect(addSingle(layout, "Text71",
                     captionLine("User Supplied Text for Graph Caption Line 1 -- ADD HERE", 4)),
           C::Text71);
    expect(addSingle(layout, "Text72",
                     captionLine("User Supplied Text for Graph Caption Line 2 -- ADD HERE", 5)),
           C::Text72);
    const char *columns[] = {"Text101", "Text102", "Text103", "Text104", "Text105",
                             "Text106", "Text107", "Text108", "Text109", "Text110"};
    for (int k = 0; k < 10; ++k) {
        const int array =
            layout.addArray(QString::fromLatin1(columns[k]), C::FirstTableRow, C::LastTableRow);
        expect(array, C::Array(C::Text101 + k));
        for (int row = C::FirstTableRow; row <= C::LastTableRow; ++row)
            layout.addCell(array, row, tableCell());
    }
    // The labels are no text boxes: every walk of the window's boxes passes
    // them by.
    expect(addSingle(layout, "From_Test_Label", CellInfo{}), C::From_Test_Label);
    expect(addSingle(layout, "To_Test_Label", CellInfo{}), C::To_Test_Label);
    return layout;
}

} // namespace

CompareModel::CompareModel(QObject *parent)
    : CellModel(compareLayout(), QStringLiteral("Form50"), parent)
{
}

CompareModel::CompareModel(const CellLayout &layout, QObject *parent)
    : CellModel(layout, QStringLiteral("Form50"), parent)
{
    Q_ASSERT(layout.arrayCount() > Check4 && layout.arrayName(Check1) == u"Check1" &&
             layout.arrayName(Check4) == u"Check4");
}

const CellLayout &CompareModel::compareLayout()
{
    static const CellLayout layout = buildLayout();
    return layout;
}

int comparisonType(const CompareModel &Form50)
{
    return readOption(Form50, C::Option3, CompareTypeCount);
}

int xColumn(const CompareModel &Form50) { return readOption(Form50, C::Option4, 3); }

int fromTest(const CompareModel &Form50) { return readTest(Form50, C::Option1); }

int toTest(const CompareModel &Form50) { return readTest(Form50, C::Option2); }

int graphOption(const CompareModel &Form50, CompareModel::Array box)
{
    Q_ASSERT(box >= C::Check1 && box <= C::Check4);
    return Form50.cell(box) == u"1" ? 1 : 0;
}

CellRules compareCellRules(CompareModel::Array array)
{
    CellRules r;
    if (array < C::Text1 || array > C::Text4)
        return r;
    r.edited = true;
    r.selectOnFocus = true;
    // The Y axis may go below zero; a valve lift may not.
    r.filter = array <= C::Text2 ? KeyFilter::Signed : KeyFilter::Decimal;
    r.check = FocusCheck::DashWhenEmpty;
    return r;
}

const std::vector<CompareControl> &compareControls()
{
    static const std::vector<CompareControl> list = buildControls();
    return list;
}

const CompareControl *findCompareControl(QStringView name, int index)
{
    for (const CompareControl &c : compareControls())
        if (c.index == index && c.name == name)
            return &c;
    return nullptr;
}

} // namespace zyt
