#include "print_flow_sheet.h"

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "output/print_job.h"
#include "output/print_page.h"
#include "platform/draw_surface.h"
#include "platform/print_service.h"
#include "platform/runtime_error.h"

namespace zyt {

namespace {

using S = Flow_Test_Sheet;

// The widest start of a path line, in twips.
constexpr double PathLineWidth = 12050.0;

// The text of a cell; a cell the sheet does not have prints as nothing.
QString cellText(const S &sheet, S::Array array, int index)
{
    const int id = sheet.layout().id(array, index);
    return id < 0 ? QString() : sheet.text(id);
}

// A cell that holds a number equal to zero; text that is no number is not
// zero, so the heading rows always print.
bool readsZero(const QString &text, const NumberStyle &numbers)
{
    try {
        return fixDecimalSepValue(text, numbers) == 0.0;
    } catch (const RuntimeError &) {
        return false;
    }
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

class SheetPrintout {
public:
    SheetPrintout(const S &sheet, PrinterPage &page, const NumberStyle &numbers)
        : sheet_(sheet), page_(page), numbers_(numbers), P(page.Print_Layout)
    {
    }

    void print(const PageHeaderInfo &header)
    {
        page_.Print_Page_Header(header);
        comments();
        dimensions();
        page_.setFont(10, false);
        page_.moveDown(100);
        page_.Printer_Text_At(QStringLiteral("NOTE: Mean Port Velocity should be in the 300-320 "
                                             "fps range around max valve lift"),
                              P[1], P[99], 1);
        page_.moveDown(100);
        liftRows(S::Text102, {S::Text101, S::Text208, S::Text102, S::Text109, S::Text111,
                              S::Text114, S::Text113, S::Text207});
        page_.startRow();
        label(QStringLiteral("Average"), 2);
        value(cell(S::Text102, 11), 3);
        label(cell(S::Text105, 11), 4);
        value(cell(S::Text106, 11), 5);
        label(QStringLiteral("Average"), 6);
        value(cell(S::Text113, 12), 7);
        page_.moveDown(100);
        liftRows(S::Text103,
                 {S::Text101, S::Text209, S::Text103, S::Text110, S::Text112, S::Text115});
        page_.startRow();
        label(cell(S::Text101, 11), 2);
        value(cell(S::Text103, 11), 3);
        label(cell(S::Text105, 11), 4);
        value(cell(S::Text107, 11), 5);
        path();
        if (header.layout == LayoutCenter)
            page_.Print_Logo(header);
    }

private:
    QString cell(S::Array array, int index) const { return cellText(sheet_, array, index); }

    // A label or value in the column from stop k to stop k + 1.
    void label(const QString &text, int k, int span = 1)
    {
        page_.Printer_Bold_On();
        page_.Printer_Text_At(text, P[size_t(k)], P[size_t(k + span)], 2);
    }
    void value(const QString &text, int k, int span = 1)
    {
        page_.Printer_Bold_Off();
        page_.Printer_Text_At(text, P[size_t(k)], P[size_t(k + span)], 2);
    }

    void comments()
    {
        const QString &text = sheet_.comments();
        if (trimBlanks(text).size() <= 1)
            return;
        page_.setFont(11, false);
        page_.moveDown(100);
        for (const QString &line : text.split(QStringLiteral("\r\n")))
            page_.Printer_Text_At(line, P[1], P[1], 1);
        page_.rule(50, P[99], 150);
    }

    void dimensions()
    {
        page_.setFont(10, false);
        page_.moveDown(100);
        page_.startRow();
        label(QStringLiteral("Test Bore Diameter"), 1, 2);
        value(cell(S::Text104, 0), 3);
        label(cell(S::Text101, 0), 4);
        partNumber(cell(S::Text102, 0));

        page_.startRow();
        const char *headings[] = {"Port Volume", "Port Area",   "Valve Dia", "Stem Dia",
                                  "Throat Dia",  "Throat Area", "# Valves",  "Seat Angle",
                                  "Port Length", "Port Area"};
        for (int k = 0; k < 10; ++k)
            label(QString::fromLatin1(headings[k]), k + 2);

        struct Side {
            const char *name;
            S::Array column;
            S::Array valves;
            S::Array area;
            int ratioRow;
        };
        for (const Side &side : {Side{"Intake", S::Text102, S::Text106, S::Text202, 2},
                                 Side{"Exhaust", S::Text104, S::Text108, S::Text204, 3}}) {
            page_.startRow();
            label(QString::fromLatin1(side.name), 1);
            const QString values[] = {cell(side.column, 1), cell(side.column, 2),
                                      cell(side.column, 3), cell(side.column, 4),
                                      cell(side.column, 6), cell(side.column, 7),
                                      cell(side.valves, 6), cell(side.area, 4),
                                      cell(side.column, 8), cell(S::Text110, side.ratioRow)};
            for (int k = 0; k < 10; ++k)
                value(values[k], k + 2);
        }

        page_.startRow();
        label(QStringLiteral("Exhaust Pipe Used?"), 1, 2);
        value(cell(S::Text102, 10), 3);
        label(QStringLiteral("Throat / Valve Ratio"), 4, 2);
        label(QStringLiteral("Intake"), 6);
        value(cell(S::Text113, 7), 7);
        label(QStringLiteral("Exhaust"), 8);
        value(cell(S::Text115, 7), 9);
        page_.rule(50, P[99], 50);
    }

    // A part number too wide for the rest of the row at 11 points is tried at
    // 10 and then 9; it is never cut.
    void partNumber(const QString &text)
    {
        page_.Printer_Bold_Off();
        const double room = P[12] - P[5];
        for (double points : {10.0, 9.0}) {
            if (page_.Printer.textWidth(text) <= room)
                break;
            page_.setFont(points, false);
        }
        page_.Printer_Text_At(text, P[5], P[6], 2);
    }

    // Rows 13 to 30: the column headings and every lift row that counts. A
    // lift row of lift zero (the first excepted) and a row whose flow in
    // `flow` is zero are left out.
    void liftRows(S::Array flow, std::initializer_list<S::Array> columns)
    {
        for (int r = 13; r <= S::LastLiftRow; ++r) {
            if (r > S::FirstLiftRow && readsZero(cell(S::Text101, r), numbers_))
                continue;
            if (readsZero(cell(flow, r), numbers_))
                continue;
            if (r < S::FirstLiftRow)
                page_.setFont(10, true);
            else
                page_.setFont(11, false);
            page_.startRow();
            int k = 1;
            for (S::Array column : columns) {
                page_.Printer.setCurrentY(page_.Print_Position);
                page_.Printer_Text_At(cell(column, r), P[size_t(k)], P[size_t(k + 1)], 2);
                ++k;
            }
        }
    }

    // The file's path, wrapped at any character onto lines narrower than the
    // page's text width; each line takes one character at least.
    void path()
    {
        QString rest = sheet_.path();
        if (rest.size() <= 1)
            return;
        page_.setFont(10, false);
        page_.moveDown(50);
        while (!rest.isEmpty()) {
            const qsizetype n = pathLineLength(rest);
            page_.Printer_Text_At(rest.left(n), P[1], P[1], 1);
            rest.remove(0, n);
        }
    }

    // The longest of the lengths n, n - 2, n - 4 ... whose start of `text`
    // is narrower than a path line, else one character. Widths grow with
    // the length, so the first that fits is found by halving.
    qsizetype pathLineLength(const QString &text) const
    {
        const qsizetype n = text.size();
        auto fits = [&](qsizetype j) {
            return page_.Printer.textWidth(text.left(n - 2 * j)) < PathLineWidth;
        };
        qsizetype low = 0;
        qsizetype high = (n - 1) / 2; // n - 2 high is 1 or 2
        if (fits(low))
            return n;
        if (!fits(high))
            return 1;
        while (high - low > 1) {
            const qsizetype mid = (low + high) / 2;
            if (fits(mid))
                high = mid;
            else
                low = mid;
        }
        return n - 2 * high;
    }

    const S &sheet_;
    PrinterPage &page_;
    const NumberStyle &numbers_;
    const std::array<int, 100> &P;
};

} // namespace

void printFlowSheetPage(const Flow_Test_Sheet &sheet, PrinterPage &page,
                        const PageHeaderInfo &header, const NumberStyle &numbers)
{
    SheetPrintout(sheet, page, numbers).print(header);
}

void Print_Flow_Sheet(Flow_Test_Sheet &sheet, AppState &st, const PrintInputs &inputs)
{
    if (!printingCanRun(st.platform))
        return;
    Calculate_Sheet(sheet, st.Metric(), st.calc, st.numbers, st.platform);
    const PageHeaderInfo header = pageHeaderFrom(st, inputs);
    runPrintJob(st.platform, st.print, QStringLiteral("Flow Sheet"), PrintLayoutWidth,
                [&](PrintJob &job) {
                    PrinterPage page(job.page(), job.pageHeight());
                    printFlowSheetPage(sheet, page, header, st.numbers);
                });
}

} // namespace zyt
