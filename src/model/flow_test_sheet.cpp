#include "flow_test_sheet.h"

#include "colours.h"

#include <QtGlobal>

namespace zyt {

namespace {

using namespace colours;

using S = Flow_Test_Sheet;

// How a panel cell looks and behaves.
enum class P {
    Label,       // black on white
    ResultLabel, // label of a result value: yellow
    RedLabel,    // caption of the test pressure
    DarkLabel,   // white on black, beside the flow ratios
    Input,       // red number entry
    FreeInput,   // red free-text entry
    BlackInput,  // the engine bore: black number entry
    LockedInput, // number entry that the sheet does not let the user type
    Result,      // yellow
    OpenResult,  // result that takes typing but is skipped by Tab
    DarkResult,  // white on black
    DarkBlank,   // nothing, coloured like the ratios
};

struct PanelCell {
    S::Array array;
    int index;
    P look;
    const char *text;
};

// Rows 0 to 12: every cell not listed is blank.
constexpr PanelCell panel[] = {
    // Row 0
    {S::Text101, 0, P::Label, "Part #"},
    {S::Text102, 0, P::FreeInput, "E7TE"},
    {S::Text103, 0, P::Label, "Bore Dia"},
    {S::Text104, 0, P::Input, "4.11"},
    {S::Text105, 0, P::Label, "In corner top"},
    {S::Text106, 0, P::Input, "0.4"},
    {S::Text107, 0, P::Label, "Ex corner top"},
    {S::Text108, 0, P::Input, "0.4"},
    // Row 1
    {S::Text101, 1, P::Label, "Port Vol In"},
    {S::Text102, 1, P::Input, "203"},
    {S::Text103, 1, P::Label, "Port Vol Ex"},
    {S::Text104, 1, P::Input, "75"},
    {S::Text105, 1, P::Label, "In corner bot"},
    {S::Text106, 1, P::Input, "0.4"},
    {S::Text107, 1, P::Label, "Ex corner bot"},
    {S::Text108, 1, P::Input, "0.4"},
    // Row 2
    {S::Text101, 2, P::ResultLabel, "Mean area"},
    {S::Text102, 2, P::Result, "2.306"},
    {S::Text103, 2, P::ResultLabel, "Mean area"},
    {S::Text104, 2, P::Result, "1.589"},
    {S::Text105, 2, P::Label, "In Width"},
    {S::Text106, 2, P::Input, "1.215"},
    {S::Text107, 2, P::Label, "In Height"},
    {S::Text108, 2, P::Input, "2.17"},
    {S::Text109, 2, P::ResultLabel, "Area"},
    {S::Text110, 2, P::Result, "2.602"},
    {S::Text111, 2, P::Result, ""},
    {S::Text112, 2, P::Result, ""},
    // Row 3
    {S::Text101, 3, P::Label, "In. Valve"},
    {S::Text102, 3, P::Input, "2.02"},
    {S::Text103, 3, P::Label, "Ex. Valve"},
    {S::Text104, 3, P::Input, "1.6"},
    {S::Text105, 3, P::Label, "Ex. Width"},
    {S::Text106, 3, P::Input, "1.37"},
    {S::Text107, 3, P::Label, "Ex Height"},
    {S::Text108, 3, P::Input, "1.34"},
    {S::Text109, 3, P::ResultLabel, "Area"},
    {S::Text110, 3, P::Result, "1.801"},
    {S::Text111, 3, P::Result, ""},
    {S::Text112, 3, P::Result, ""},
    {S::Text201, 3, P::Label, "In. Valve"},
    {S::Text203, 3, P::Label, "Ex. Valve"},
    // Row 4
    {S::Text101, 4, P::Label, "Stem Dia"},
    {S::Text102, 4, P::Input, "0.342"},
    {S::Text103, 4, P::Label, "Stem Dia"},
    {S::Text104, 4, P::Input, "0.342"},
    {S::Text105, 4, P::ResultLabel, "Area Ratio"},
    {S::Text106, 4, P::ResultLabel, "Intake"},
    {S::Text107, 4, P::Result, "0.812"},
    {S::Text201, 4, P::Label, "Seat Angle"},
    {S::Text202, 4, P::Input, "52"},
    {S::Text203, 4, P::Label, "Seat Angle"},
    {S::Text204, 4, P::Input, "42"},
    // Row 5
    {S::Text101, 5, P::ResultLabel, "Valve Area"},
    {S::Text102, 5, P::Result, "3.205"},
    {S::Text103, 5, P::ResultLabel, "Valve Area"},
    {S::Text104, 5, P::Result, "2.011"},
    {S::Text105, 5, P::ResultLabel, "Area Ratio"},
    {S::Text106, 5, P::ResultLabel, "Exhaust"},
    {S::Text107, 5, P::Result, "0.896"},
    {S::Text109, 5, P::Label, "CR"},
    {S::Text110, 5, P::Input, "9.0"},
    {S::Text201, 5, P::Label, "Seat Width"},
    {S::Text202, 5, P::Input, "0.045"},
    {S::Text203, 5, P::Label, "Seat Width"},
    {S::Text204, 5, P::Input, "0.065"},
    // Row 6
    {S::Text101, 6, P::Label, "Throat dia In"},
    {S::Text102, 6, P::Input, "1.55"},
    {S::Text103, 6, P::Label, "Throat dia Ex"},
    {S::Text104, 6, P::Input, "1.28"},
    {S::Text105, 6, P::Label, "# Int Valves"},
    {S::Text106, 6, P::Input, "1"},
    {S::Text107, 6, P::Label, "# Exh Valves"},
    {S::Text108, 6, P::Input, "1"},
    {S::Text109, 6, P::Label, "Max Lift"},
    {S::Text110, 6, P::Input, "700"},
    {S::Text111, 6, P::Label, "Eng Bore"},
    {S::Text112, 6, P::BlackInput, "4.00"},
    // Row 7
    {S::Text101, 7, P::ResultLabel, "Throat area In."},
    {S::Text102, 7, P::OpenResult, "1.89"},
    {S::Text103, 7, P::ResultLabel, "Throat area Ex"},
    {S::Text104, 7, P::Result, "1.29"},
    {S::Text106, 7, P::RedLabel, "Test"},
    {S::Text107, 7, P::RedLabel, "Pressure"},
    {S::Text108, 7, P::Input, "28"},
    {S::Text111, 7, P::ResultLabel, "Ratio Throat"},
    {S::Text112, 7, P::ResultLabel, "Valve Int"},
    {S::Text113, 7, P::Result, ""},
    {S::Text114, 7, P::ResultLabel, "Valve Exh"},
    {S::Text115, 7, P::Result, ""},
    // Row 8
    {S::Text101, 8, P::Label, "In. Cntr Length"},
    {S::Text102, 8, P::Input, "5.37"},
    {S::Text103, 8, P::Label, "Ex Cntr Length"},
    {S::Text104, 8, P::Input, "2.88"},
    {S::Text106, 8, P::Label, "Correct"},
    {S::Text107, 8, P::Label, "To:-------"},
    {S::Text108, 8, P::LockedInput, "28"},
    {S::Text109, 8, P::ResultLabel, "Correx"},
    {S::Text110, 8, P::Result, "1"},
    {S::Text111, 8, P::ResultLabel, "Ratio Valve"},
    {S::Text112, 8, P::ResultLabel, "Bore Int"},
    {S::Text113, 8, P::Result, ""},
    {S::Text114, 8, P::ResultLabel, "Bore Exh"},
    {S::Text115, 8, P::Result, ""},
    // Row 9: the exhaust 0.25D lift stands in Text103
    {S::Text101, 9, P::ResultLabel, "0.25D In./Ex"},
    {S::Text102, 9, P::Result, "505"},
    {S::Text103, 9, P::Result, "400"},
    // Row 10
    {S::Text101, 10, P::Label, "Ex. Pipe Used?"},
    {S::Text102, 10, P::FreeInput, "No"},
    {S::Text111, 10, P::DarkLabel, "Required"},
    {S::Text112, 10, P::DarkLabel, "In/Ex Rat"},
    {S::Text113, 10, P::DarkResult, ""},
    // Row 11: the average exhaust flow stands in Text103
    {S::Text101, 11, P::ResultLabel, "Avg CFM"},
    {S::Text102, 11, P::Result, ""},
    {S::Text103, 11, P::Result, ""},
    {S::Text105, 11, P::ResultLabel, "Total CFM"},
    {S::Text106, 11, P::Result, ""},
    {S::Text107, 11, P::Result, ""},
    {S::Text111, 11, P::DarkLabel, "Existing"},
    {S::Text112, 11, P::DarkLabel, "In/Ex Rat"},
    {S::Text113, 11, P::DarkResult, ""},
    // Row 12: unit words of the column headers are written below
    {S::Text112, 12, P::DarkBlank, ""},
    {S::Text113, 12, P::DarkResult, ""},
};

// What a lift-row column holds.
enum class C {
    Input,   // typed per row
    Copy,    // the second lift column
    Intake,  // intake result
    Exhaust, // exhaust result
    Ratio,   // the flow ratio column
};

struct Column {
    S::Array array;
    C role;
    const char *unit;    // row 12, nullptr when the column has none there
    const char *head[3]; // rows 13, 14, 15
};

constexpr Column columns[] = {
    {S::Text101, C::Input, nullptr, {"Actual", "Valve", "Lift Inch"}},
    {S::Text102, C::Intake, nullptr, {"CFM", "Corrected", "Intake"}},
    {S::Text103, C::Exhaust, nullptr, {"CFM", "Corrected", "Exhaust"}},
    {S::Text104, C::Intake, nullptr, {"Effective", "Lift Inch", "In."}},
    {S::Text105, C::Exhaust, nullptr, {"Effective", "Lift Inch", "Ex"}},
    {S::Text106, C::Input, "CFM", {"Observed", "Flow", "Intake"}},
    {S::Text107, C::Input, "CFM", {"Observed", "Flow", "Exhaust"}},
    {S::Text108, C::Copy, nullptr, {"Actual", "Valve", "Lift Inch"}},
    {S::Text109, C::Intake, nullptr, {"CFM", "Sq In", "In."}},
    {S::Text110, C::Exhaust, nullptr, {"CFM", "Sq In", "Ex."}},
    {S::Text111, C::Intake, nullptr, {"SAE", "CD", "In"}},
    {S::Text112, C::Exhaust, nullptr, {"SAE", "CD", "Ex"}},
    {S::Text113, C::Ratio, nullptr, {"In/Ex", "Flow", "Ratio"}},
    {S::Text114, C::Intake, "fps", {"Mean", "Port", "Vel In."}},
    {S::Text115, C::Exhaust, "fps", {"Mean", "Port", "Vel Ex."}},
    {S::Text201, C::Intake, nullptr, {"Effective", "Valve", "Area In."}},
    {S::Text202, C::Exhaust, nullptr, {"Effective", "Valve", "Area Ex."}},
    {S::Text203, C::Intake, nullptr, {"Effective", "Valve", "Vel In."}},
    {S::Text204, C::Exhaust, nullptr, {"Effective", "Valve", "Vel Ex."}},
    {S::text205, C::Intake, nullptr, {"Effective", "SAE", "CD In."}},
    {S::Text206, C::Exhaust, nullptr, {"Effective", "SAE", "CD Ex."}},
    {S::Text207, C::Input, nullptr, {"", "Swirl", ""}},
    {S::Text208, C::Intake, nullptr, {"L / D", "Ratio", "Intake"}},
    {S::Text209, C::Exhaust, nullptr, {"L / D", "Ratio", "Exhaust"}},
    {S::Text210, C::Input, nullptr, {"Floating", "Depression", "Intake"}},
    {S::Text211, C::Input, nullptr, {"Floating", "Depression", "Exhaust"}},
};

// The sample test every sheet holds at start, rows 16 to 30.
constexpr int Rows = 15;
constexpr const char *sampleLift[Rows] = {"0",   "50",  "100", "150", "200", "250", "300", "350",
                                          "400", "500", "600", "700", "800", "900", "1000"};
constexpr const char *sampleIntake[Rows] = {"0",   "35.8",  "73",    "110", "145",
                                            "169", "193.5", "211.5", "230", "257.4",
                                            "268", "277",   "282",   "284", "285"};
constexpr const char *sampleExhaust[Rows] = {"0",     "24.6",  "52",  "77",  "109",
                                             "136.6", "147.7", "161", "179", "187.9",
                                             "188.6", "198.6", "207", "215", "222"};
constexpr const char *sampleSwirl[Rows] = {"0",    "1250", "1600", "1750", "1525",
                                           "1250", "1325", "1000", "1000", "1000",
                                           "1050", "1250", "1400", "1250", "1100"};

CellInfo panelInfo(const PanelCell &c)
{
    CellInfo s;
    s.defaultText = QString::fromLatin1(c.text);
    switch (c.look) {
    case P::Label:
        s.kind = CellKind::Label;
        break;
    case P::ResultLabel:
        s.kind = CellKind::Label;
        s.backColor = Yellow;
        break;
    case P::RedLabel:
        s.kind = CellKind::Label;
        s.foreColor = Red;
        break;
    case P::DarkLabel:
        s.kind = CellKind::Label;
        s.foreColor = White;
        s.backColor = Black;
        break;
    case P::Input:
    case P::FreeInput:
    case P::BlackInput:
    case P::LockedInput:
        s.kind = CellKind::Input;
        s.readOnly = c.look == P::LockedInput;
        s.tabStop = true;
        s.numeric = c.look != P::FreeInput;
        s.foreColor = c.look == P::BlackInput ? Black : Red;
        break;
    case P::Result:
    case P::OpenResult:
        s.kind = CellKind::Result;
        s.readOnly = c.look == P::Result;
        s.numeric = true;
        s.backColor = Yellow;
        break;
    case P::DarkResult:
        s.kind = CellKind::Result;
        s.numeric = true;
        s.foreColor = White;
        s.backColor = Black;
        break;
    case P::DarkBlank:
        s.foreColor = White;
        s.backColor = Black;
        break;
    }
    return s;
}

CellInfo headerInfo(const Column &c, const char *text)
{
    CellInfo s;
    s.kind = CellKind::Header;
    s.defaultText = QString::fromLatin1(text);
    switch (c.role) {
    case C::Input:
        s.foreColor = Red;
        break;
    case C::Copy:
        s.backColor = LightGreen;
        break;
    case C::Intake:
        s.backColor = LightCyan;
        break;
    case C::Exhaust:
        s.backColor = LightOrange;
        break;
    case C::Ratio:
        s.foreColor = White;
        s.backColor = Black;
        break;
    }
    return s;
}

CellInfo rowInfo(const Column &c, int row)
{
    CellInfo s;
    s.numeric = true;
    s.defaultText = QStringLiteral("0");
    const int k = row - S::FirstLiftRow;
    switch (c.role) {
    case C::Input:
        s.kind = CellKind::Input;
        s.readOnly = false;
        s.tabStop = true;
        s.foreColor = Red;
        if (c.array == S::Text101)
            s.defaultText = QString::fromLatin1(sampleLift[k]);
        else if (c.array == S::Text106)
            s.defaultText = QString::fromLatin1(sampleIntake[k]);
        else if (c.array == S::Text107)
            s.defaultText = QString::fromLatin1(sampleExhaust[k]);
        else if (c.array == S::Text207)
            s.defaultText = QString::fromLatin1(sampleSwirl[k]);
        break;
    case C::Copy:
        s.kind = CellKind::Input;
        s.backColor = LightGreen;
        s.defaultText = QString::fromLatin1(sampleLift[k]);
        break;
    case C::Intake:
    case C::Exhaust:
        s.kind = CellKind::Result;
        s.backColor = Yellow;
        break;
    case C::Ratio:
        s.kind = CellKind::Result;
        s.foreColor = White;
        s.backColor = Black;
        break;
    }
    return s;
}

// The order Tab walks: the panel column by column, the lift rows row by row
// (lift, observed intake, observed exhaust), then page 2. The two results
// Tab still visits come after their runs of rows: between two rows they
// would take the value typed for the next row's first cell.
struct TabStop {
    S::Array array;
    int index;
};

void setTabOrder(CellLayout &layout)
{
    std::vector<TabStop> chain;
    for (int i : {0, 1, 3, 4, 6, 8, 10})
        chain.push_back({S::Text102, i});
    for (int i : {0, 1, 3, 4, 6, 8})
        chain.push_back({S::Text104, i});
    for (int i : {0, 1, 2, 3, 6})
        chain.push_back({S::Text106, i});
    for (int i : {0, 1, 2, 3, 6, 7, 8})
        chain.push_back({S::Text108, i});
    chain.push_back({S::Text110, 5});
    chain.push_back({S::Text110, 6});
    chain.push_back({S::Text112, 6});
    for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row) {
        chain.push_back({S::Text101, row});
        chain.push_back({S::Text106, row});
        chain.push_back({S::Text107, row});
    }
    chain.push_back({S::Text103, 27});
    for (S::Array a : {S::Text202, S::Text204})
        for (int i : {4, 5})
            chain.push_back({a, i});
    for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row) {
        chain.push_back({S::Text207, row});
        chain.push_back({S::Text210, row});
        chain.push_back({S::Text211, row});
    }
    chain.push_back({S::Text204, 19});
    int order = 0;
    for (const TabStop &t : chain) {
        CellInfo &s = layout.info(layout.id(t.array, t.index));
        s.tabStop = true;
        s.tabOrder = order++;
    }
    for (int id = 0; id < layout.cellCount(); ++id)
        Q_ASSERT(!layout.info(id).tabStop || layout.info(id).tabOrder >= 0);
}

CellLayout buildLayout()
{
    CellLayout layout;
    const char *names[] = {"Text101", "Text102", "Text103", "Text104", "Text105", "Text106",
                           "Text107", "Text108", "Text109", "Text110", "Text111", "Text112",
                           "Text113", "Text114", "Text115", "Text201", "Text202", "Text203",
                           "Text204", "text205", "Text206", "Text207", "Text208", "Text209",
                           "Text210", "Text211"};
    for (int a = S::Text101; a <= S::Text211; ++a) {
        const int first = a <= S::Text115 ? 0 : (a <= S::Text204 ? 3 : 13);
        [[maybe_unused]] const int array =
            layout.addArray(QString::fromLatin1(names[a]), first, S::LastLiftRow);
        Q_ASSERT(array == a);
    }
    layout.addSingle(QStringLiteral("Text38"));
    layout.addSingle(QStringLiteral("Text39"));

    // Every present cell starts blank; the tables below give the rest.
    for (int a = S::Text101; a <= S::Text211; ++a) {
        if (a <= S::Text115) {
            for (int i = 0; i <= 12; ++i)
                layout.addCell(a, i, CellInfo{});
        } else if (a <= S::Text204) {
            for (int i = 3; i <= 5; ++i)
                layout.addCell(a, i, CellInfo{});
        }
    }
    for (const PanelCell &c : panel)
        layout.addCell(c.array, c.index, panelInfo(c));
    for (const Column &c : columns) {
        if (c.unit)
            layout.addCell(c.array, 12, headerInfo(c, c.unit));
        for (int h = 0; h < 3; ++h)
            layout.addCell(c.array, 13 + h, headerInfo(c, c.head[h]));
        for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row)
            layout.addCell(c.array, row, rowInfo(c, row));
    }

    CellInfo comments;
    comments.kind = CellKind::Input;
    comments.readOnly = false;
    comments.multiline = true;
    comments.maxLength = MaxCommentLength;
    comments.alignment = 0;
    layout.addCell(S::Text38, CellLayout::Single, comments);
    CellInfo path;
    path.kind = CellKind::Input;
    path.alignment = 0;
    layout.addCell(S::Text39, CellLayout::Single, path);

    // The valve counts take one digit.
    layout.info(layout.id(S::Text106, 6)).maxLength = 1;
    layout.info(layout.id(S::Text108, 6)).maxLength = 1;

    setTabOrder(layout);
    return layout;
}

} // namespace

Flow_Test_Sheet::Flow_Test_Sheet(QString windowName, QObject *parent)
    : CellModel(sheetLayout(), std::move(windowName), parent)
{
}

const CellLayout &Flow_Test_Sheet::sheetLayout()
{
    static const CellLayout layout = buildLayout();
    return layout;
}

} // namespace zyt
