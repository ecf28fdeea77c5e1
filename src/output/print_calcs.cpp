#include "print_calcs.h"

#include "model/app_state.h"
#include "model/compare_table_view.h"
#include "output/print_job.h"
#include "output/print_page.h"
#include "platform/draw_surface.h"
#include "platform/print_service.h"

#include <cmath>

namespace zyt {

namespace {

constexpr int FirstRow = 10;
constexpr int LastRow = 30;
constexpr int LastHeadingRow = 15;

class CalcsPrintout {
public:
    CalcsPrintout(const CompareTableView &table, PrinterPage &page)
        : table_(table), page_(page), e(page.Print_Layout)
    {
    }

    void print(const PageHeaderInfo &header)
    {
        page_.Print_Page_Header(header);
        page_.moveDown(100);
        for (int row = FirstRow; row <= LastRow; ++row) {
            if (row <= LastHeadingRow)
                page_.setFont(10, true);
            else
                page_.setFont(11, false);
            page_.startRow();
            for (int k = 1; k <= 10; ++k) {
                const int array = 100 + k;
                if (row == FirstRow && array == 102) {
                    fromTitle();
                    continue;
                }
                if (row == FirstRow && array == 104) {
                    toTitle();
                    continue;
                }
                at(table_.cellText(array, row), k, k + 1);
            }
        }
        if (header.layout == LayoutCenter)
            page_.Print_Logo(header);
    }

private:
    // Centred between stops a and b on the row's line.
    void at(const QString &text, int a, int b)
    {
        page_.Printer.setCurrentY(page_.Print_Position);
        page_.Printer_Text_At(text, e[size_t(a)], e[size_t(b)], 2);
    }

    bool fits(int a, int b) const { return page_.Text_Width <= e[size_t(b)] - e[size_t(a)]; }
    void measure(const QString &text) { page_.Text_Width = page_.Printer.textWidth(text); }

    // The From test's title: between stops 2 and 4 when it fits there, else
    // from stop 1 to 4, else to 5, if need be without its leading "Test " and in a
    // smaller size; a title too long even so prints whole from stop 1 and
    // sends the To title to the next line.
    void fromTitle()
    {
        const QString title = table_.cellText(102, FirstRow);
        QString shown = title;
        measure(shown);
        if (fits(2, 4)) {
            at(shown, 2, 4);
            return;
        }
        if (fits(1, 4)) {
            at(shown, 1, 4);
            return;
        }
        if (!fits(1, 5)) {
            shown = shown.mid(5);
            measure(shown);
            for (double points : {9.0, 8.0}) {
                if (fits(1, 5))
                    break;
                page_.Printer.setFontSize(points);
                measure(shown);
            }
            if (!fits(1, 5)) {
                page_.Printer.setFontSize(10);
                at(title, 1, 5);
                mode_ = TitleMode::OwnLine;
            }
        }
        if (mode_ == TitleMode::Narrow) {
            at(shown, 1, 5);
            mode_ = TitleMode::Wide;
        }
        page_.Printer.setFontSize(10);
    }

    void toTitle()
    {
        const QString title = table_.cellText(104, FirstRow);
        switch (mode_) {
        case TitleMode::Wide:
            at(title, 5, 6);
            break;
        case TitleMode::OwnLine:
            page_.Print_Position = int(std::nearbyint(page_.Printer.currentY()));
            at(title, 2, 4);
            break;
        case TitleMode::Narrow:
            at(title, 4, 6);
            break;
        }
    }

    // Where the From title went: in its columns, across stops 1 to 5, or
    // whole on the row with the To title on the next line.
    enum class TitleMode { Narrow, Wide, OwnLine };

    const CompareTableView &table_;
    PrinterPage &page_;
    const std::array<int, 100> &e;
    TitleMode mode_ = TitleMode::Narrow;
};

} // namespace

void printCalcsPage(const CompareTableView &table, PrinterPage &page, const PageHeaderInfo &header)
{
    CalcsPrintout(table, page).print(header);
}

void Command3_Click(const CompareTableView &Form50, CompareWindowHooks &hooks, AppState &st,
                    const PrintInputs &inputs)
{
    if (!printingCanRun(st.platform) || !hooks.calculate())
        return;
    const PageHeaderInfo header = pageHeaderFrom(st, inputs);
    runPrintJob(st.platform, st.print, QStringLiteral("Flow Test Compare"), PrintLayoutWidth,
                [&](PrintJob &job) {
                    PrinterPage page(job.page(), job.pageHeight());
                    printCalcsPage(Form50, page, header);
                });
}

} // namespace zyt
