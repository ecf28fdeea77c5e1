#include "report_text.h"

#include "calc/formats.h"
#include "calc/port_energy.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "model/report_model.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

constexpr QLatin1StringView LineEnd("\r\n");

void appendBlanks(QString &line, qsizetype count)
{
    if (count > 0)
        line.append(QString(count, u' '));
}

// Ends the line being built and starts the next one empty.
void endLine(QString &report, QString &line)
{
    report += line;
    report += LineEnd;
    line.clear();
}

// The main window's block: its test name, the estimator grid and its
// comments.
void mainBlock(QString &report, const MainModel &main, int alignment)
{
    using M = MainModel;
    struct Column {
        M::Array array;
        int width;
    };
    static constexpr Column columns[] = {
        {M::Text101, 10}, {M::Text102, 17}, {M::Text103, 10}, {M::Text104, 10},
        {M::Text105, 15}, {M::Text106, 15}, {M::Text107, 12}, {M::Text108, 10},
        {M::Text109, 9},  {M::Text110, 8},  {M::Text111, 9},
    };
    QString line;
    appendBlanks(line, 14);
    line += main.cell(M::Text33);
    endLine(report, line);
    report += LineEnd;
    for (int row = 0; row <= 8; ++row) {
        for (const Column &c : columns)
            padByOption(line, alignment, c.width, main.cell(c.array, row));
        endLine(report, line);
    }
    report += LineEnd;
    const QString &comments = main.cell(M::Text38);
    if (!comments.isEmpty()) {
        report += comments;
        report += LineEnd;
    }
}

// The panel of a sheet as it stands; the alignment options do not apply.
void dimensionBlock(QString &report, const S &sheet)
{
    QString line;
    for (int r = 0; r <= 11; ++r) {
        auto pair = [&](S::Array label, S::Array value, int valueWidth) {
            Pad_Right(line, 15, sheet.cell(label, r));
            line += u' ';
            Pad_Left(line, valueWidth, sheet.cell(value, r));
        };
        pair(S::Text101, S::Text102, 10);
        pair(S::Text103, S::Text104, 10);
        pair(S::Text105, S::Text106, 10);
        pair(S::Text107, S::Text108, 8);
        Pad_Right(line, 8, sheet.cell(S::Text109, r));
        for (S::Array a : {S::Text110, S::Text111, S::Text112, S::Text113}) {
            line += u' ';
            Pad_Left(line, 8, sheet.cell(a, r));
        }
        endLine(report, line);
    }
    // The valve seat panel of page 2.
    for (int r = 3; r <= 5; ++r) {
        Pad_Left(line, 11, sheet.cell(S::Text201, r));
        Pad_Right(line, 8, sheet.cell(S::Text202, r));
        line += QLatin1StringView("  ");
        Pad_Left(line, 11, sheet.cell(S::Text203, r));
        Pad_Right(line, 8, sheet.cell(S::Text204, r));
        line += u' ';
        endLine(report, line);
    }
    report += LineEnd;
}

// Rows 17 to 30 whose lift is the number zero are no lift points; text
// that is no number is shown, like an empty lift.
bool liftRowWritten(const S &sheet, int row, QChar decimal)
{
    if (row <= S::FirstLiftRow)
        return true;
    const std::optional<double> lift = tryParseNumber(sheet.cell(S::Text101, row), decimal);
    return !lift || *lift != 0.0;
}

bool onExhaust(ReportFieldKind kind)
{
    return kind == ReportFieldKind::EnergyExhaust || kind == ReportFieldKind::DensityExhaust;
}

bool isDensity(ReportFieldKind kind)
{
    return kind == ReportFieldKind::DensityIntake || kind == ReportFieldKind::DensityExhaust;
}

// The heading words of a computed column, rows 12 to 15.
QString computedHeading(ReportFieldKind kind, int row)
{
    switch (row) {
    case 13:
        return QStringLiteral("Port");
    case 14:
        return isDensity(kind) ? QStringLiteral("Density") : QStringLiteral("Energy");
    case 15:
        return onExhaust(kind) ? QStringLiteral("Ex.") : QStringLiteral("In.");
    default:
        return QStringLiteral(" ");
    }
}

void liftTable(QString &report, const S &sheet, const ReportSelection &selection,
               const ReportSources &sources)
{
    const auto fields = reportFields();
    QString line;
    for (int row = 12; row <= S::LastLiftRow; ++row) {
        if (!liftRowWritten(sheet, row, sources.numbers.localeDecimal))
            continue;
        for (size_t k = 0; k < fields.size(); ++k) {
            if (!selection.fields[k])
                continue;
            const ReportField &f = fields[k];
            switch (f.kind) {
            case ReportFieldKind::Comments:
                break;
            case ReportFieldKind::Column:
                // Page 2's columns have no row 12.
                if (sheet.id(S::Array(f.column), row) >= 0)
                    padByOption(line, selection.dataAlignment, f.width,
                                sheet.cell(S::Array(f.column), row));
                break;
            case ReportFieldKind::EnergyIntake:
            case ReportFieldKind::EnergyExhaust:
            case ReportFieldKind::DensityIntake:
            case ReportFieldKind::DensityExhaust:
                padByOption(line, selection.dataAlignment, f.width,
                            row < S::FirstLiftRow ? computedHeading(f.kind, row)
                                                  : portEnergyCell(sheet, row, onExhaust(f.kind),
                                                                   isDensity(f.kind), sources));
                break;
            }
        }
        endLine(report, line);
    }
}

} // namespace

void Pad_Left(QString &line, int width, QStringView text)
{
    line += text;
    if (text.size() <= width)
        appendBlanks(line, width - text.size());
}

void Pad_Right(QString &line, int width, QStringView text)
{
    if (text.size() < width)
        appendBlanks(line, width - text.size());
    line += text;
}

void Pad_Center(QString &line, int width, QStringView text)
{
    if (text.size() > width) {
        line += text;
        return;
    }
    const qsizetype left = (width - text.size()) / 2;
    appendBlanks(line, left);
    line += text;
    appendBlanks(line, width - left - text.size());
}

void padByOption(QString &line, int option, int width, QStringView text)
{
    if (option == 0)
        Pad_Left(line, width, text);
    else if (option == 1)
        Pad_Center(line, width, text);
    else
        Pad_Right(line, width, text);
}

QString portEnergyCell(const Flow_Test_Sheet &sheet, int row, bool exhaust, bool density,
                       const ReportSources &sources)
{
    const S::Array velocityColumn = exhaust ? S::Text115 : S::Text114;
    const S::Array panel = exhaust ? S::Text104 : S::Text102;
    const QString &velocityText = sheet.cell(velocityColumn, row);
    const QString blank = QStringLiteral(" ");
    if (velocityText == u"0")
        return blank;
    try {
        return Format_3_Dec(
            portEnergy(sheet, panel, velocityText, density, sources.metric, sources.numbers),
            sources.numbers);
    } catch (const RuntimeError &) {
        return blank;
    }
}

void Report_Flow_Test(QString &report, const Flow_Test_Sheet &sheet,
                      const ReportSelection &selection, const ReportSources &sources)
{
    if (!sheet.path().isEmpty()) {
        report += sheet.path();
        report += LineEnd;
        report += LineEnd;
    }
    dimensionBlock(report, sheet);
    liftTable(report, sheet, selection, sources);
    if (selection.fields[14] && !sheet.comments().isEmpty()) {
        report += sheet.comments();
        report += LineEnd;
    }
}

QString buildReportText(const ReportSelection &selection, const ReportSources &sources)
{
    QString report;
    report.reserve(16 * 1024);
    report += QLatin1StringView(
        "Pressing the . key will cause this Page to be Written to a Disk File.\r\n\r\n"
        "              Please Press anyother key to exit this window.\r\n\r\n");
    if (selection.mainBlock && sources.main)
        mainBlock(report, *sources.main, selection.mainAlignment);
    for (size_t k = 0; k < sources.sheets.size(); ++k) {
        if (!selection.tests[k] || !sources.sheets[k])
            continue;
        // The first title follows one empty line, the later ones two.
        report += LineEnd;
        if (k > 0)
            report += LineEnd;
        report += QLatin1StringView("                 Flow Test ");
        report += QString::number(k + 1);
        report += QLatin1StringView(" Data\r\n\r\n");
        Report_Flow_Test(report, *sources.sheets[k], selection, sources);
    }
    return report;
}

} // namespace zyt
