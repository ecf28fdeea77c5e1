#include "main_model.h"

#include "colours.h"

namespace zyt {

namespace {

using namespace colours;

using M = MainModel;

// Whether a value cell is typed or computed as the window starts; its labels
// take the same colours.
enum class Role { Entry, Computed };

struct Column {
    M::Array array;
    const char *upper[3]; // labels of rows 0 to 2
    Role upperRole;
    const char *upperValue; // row 3
    const char *lower[3];   // labels of rows 5 to 7
    Role lowerRole;
    const char *lowerValue; // row 8
};

constexpr Role E = Role::Entry;
constexpr Role C = Role::Computed;

constexpr Column columns[] = {
    {M::Text101, {"", "Enter", "Mach #"}, C, "0.5475", {"", "Enter CR", "Here"}, E, "10.5"},
    {M::Text102,
     {"", "Peak VE", "Port Vel Ft/Sec"},
     C,
     "616",
     {"Mean", "Piston speed", "Ft/Min"},
     C,
     "4691"},
    {M::Text103, {"", "Mean", "Port Area"}, E, "2.75", {"CFM @", "Peak", "Lift"}, E, "322"},
    {M::Text104, {"", "Bore", "Inches"}, E, "4.125", {"Best", "Torque", "Output"}, C, "581"},
    {M::Text105,
     {"", "Stroke", "Inches"},
     E,
     "4",
     {"Cyl. Head", "Port Area", "HP limitation"},
     C,
     "685"},
    {M::Text106,
     {"", "Piston", "Area"},
     C,
     "13.36",
     {"Cyl. Head", "Airflow", "HP limitation"},
     C,
     "740"},
    {M::Text107, {"", "Engine", "CID"}, C, "427.7", {"Torque", "per", "Cubic Inch"}, C, "1.359"},
    {M::Text108, {"", "Cylinder", "CID"}, C, "53.46", {"Torque", "per", "Liter"}, C, "82.9"},
    {M::Text109, {"", "Peak HP", "RPM"}, C, "7037", {"HP", "per", "Cube"}, C, "1.6"},
    {M::Text110, {"", "Shift", "RPM"}, C, "7530", {"HP", "per", "Liter"}, C, "97.6"},
    {M::Text111, {"Number", "of", "Cylinder"}, E, "8", {"", "", ""}, C, ""},
};

// The port calculators of row 9: labels and values side by side.
struct Row9 {
    M::Array array;
    bool value;
    const char *text;
};

constexpr Row9 row9[] = {
    {M::Text101, false, "Port cc's"},   {M::Text102, true, "203"},
    {M::Text103, false, "Port Length"}, {M::Text104, true, "5.1"},
    {M::Text105, false, "Port Area"},   {M::Text106, true, "2.43"},
};

CellInfo label(const char *text, Role role)
{
    CellInfo s;
    s.kind = CellKind::Label;
    s.defaultText = QString::fromLatin1(text);
    if (role == Role::Computed) {
        s.foreColor = Red;
        s.backColor = Yellow;
    }
    return s;
}

CellInfo value(const char *text, Role role)
{
    CellInfo s;
    s.defaultText = QString::fromLatin1(text);
    s.numeric = true;
    if (role == Role::Computed) {
        s.kind = CellKind::Result;
        s.foreColor = Red;
        s.backColor = Yellow;
    } else {
        s.kind = CellKind::Input;
        s.readOnly = false;
        s.tabStop = true;
        s.foreColor = Black;
    }
    return s;
}

CellInfo freeText(const char *text, std::uint32_t fore = Black, std::uint32_t back = White)
{
    CellInfo s = editableCell(CellKind::Input, text);
    s.foreColor = fore;
    s.backColor = back;
    return s;
}

CellInfo check(const char *text, std::uint32_t back = White)
{
    CellInfo s = editableCell(CellKind::Check, text);
    s.backColor = back;
    return s;
}

// The markers beside the estimator cells: blue marks an entry, red a cell
// with more help under the mouse; the two white ones turn blue when their
// cell becomes typed. 8, 9, 12 and 13 stand beside the legends. There is no
// marker 10.
struct Marker {
    int index;
    std::uint32_t color;
};

constexpr Marker markers[] = {
    {0, White}, {1, Blue}, {2, Blue}, {3, Blue}, {4, Blue}, {5, Blue}, {6, Blue},
    {7, White}, {8, Blue}, {9, Blue}, {11, Red}, {12, Red}, {13, Red},
};

CellInfo marker(std::uint32_t color)
{
    CellInfo s;
    s.kind = CellKind::Marker;
    s.backColor = color;
    return s;
}

CellLayout buildLayout()
{
    CellLayout layout;
    const char *names[] = {"Text101", "Text102", "Text103", "Text104", "Text105", "Text106",
                           "Text107", "Text108", "Text109", "Text110", "Text111"};
    for (int a = M::Text101; a <= M::Text111; ++a) {
        [[maybe_unused]] const int array =
            layout.addArray(QString::fromLatin1(names[a]), 0, a <= M::Text106 ? 9 : 8);
        Q_ASSERT(array == a);
    }
    [[maybe_unused]] const int text1 = layout.addArray(QStringLiteral("Text1"), 0, 4);
    Q_ASSERT(text1 == M::Text1);
    for (const char *name : {"Text94", "Text95", "Text96", "Text97", "Text98", "Text33", "Text38",
                             "Check1", "Check2", "Check3", "Option4"})
        layout.addSingle(QString::fromLatin1(name));
    [[maybe_unused]] const int label2 = layout.addArray(QStringLiteral("Label2"), 0, 13);
    Q_ASSERT(label2 == M::Label2);
    Q_ASSERT(layout.arrayCount() == M::Label2 + 1);

    for (const Column &c : columns) {
        for (int row = 0; row < 3; ++row)
            layout.addCell(c.array, row, label(c.upper[row], c.upperRole));
        layout.addCell(c.array, 3, value(c.upperValue, c.upperRole));
        layout.addCell(c.array, 4, CellInfo{}); // spacer
        for (int row = 0; row < 3; ++row)
            layout.addCell(c.array, 5 + row, label(c.lower[row], c.lowerRole));
        layout.addCell(c.array, 8, value(c.lowerValue, c.lowerRole));
    }
    for (const Row9 &c : row9)
        layout.addCell(c.array, 9,
                       c.value ? value(c.text, Role::Entry) : label(c.text, Role::Entry));

    // Only the exact text "0" or nothing counts as no cylinder count; two
    // digits at most.
    layout.info(layout.id(M::Text111, 3)).maxLength = 2;

    for (int k = 0; k <= 4; ++k)
        layout.addCell(M::Text1, k, freeText("No"));
    for (M::Array a : {M::Text94, M::Text95, M::Text96, M::Text97, M::Text98})
        layout.addCell(a, M::Single, freeText(""));
    CellInfo name = freeText("Name of Test being Calculated", Red, LightOrange);
    name.tabStop = false;
    layout.addCell(M::Text33, M::Single, name);
    CellInfo comments = freeText("C O M M E N T S", Black, LightCyan);
    comments.multiline = true;
    comments.maxLength = MaxCommentLength;
    layout.addCell(M::Text38, M::Single, comments);

    layout.addCell(M::Check1, M::Single, check("0", LightGreen));
    layout.addCell(M::Check2, M::Single, check("0"));
    layout.addCell(M::Check3, M::Single, check("0", LightGreen));
    layout.addCell(M::Option4, M::Single, check("1")); // "Center"
    for (const Marker &m : markers)
        layout.addCell(M::Label2, m.index, marker(m.color));
    return layout;
}

} // namespace

MainModel::MainModel(QObject *parent) : CellModel(mainLayout(), QStringLiteral("Main"), parent) {}

const CellLayout &MainModel::mainLayout()
{
    static const CellLayout layout = buildLayout();
    return layout;
}

} // namespace zyt
