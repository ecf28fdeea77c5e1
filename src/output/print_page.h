#pragma once

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QSizeF>
#include <QString>

#include <array>
#include <limits>

namespace zyt {

class DrawSurface;

// The print layouts of the main window's `Option4`.
enum PrintLayoutOption : int { LayoutLeft = 0, LayoutCenter = 1, LayoutRight = 2 };

// What a page header prints, read at print time.
struct PageHeaderInfo {
    QString App_Title;
    // `Text94` company name, `Text95` street, `Text96` city, `Text97` phone,
    // fax and e-mail, `Text98` web site.
    std::array<QString, 5> company;
    int layout = LayoutCenter; // any other value: no layout chosen
    int Logo_On = 0;
    QImage logo; // the logo picture; a logo switched on without one is left out
    QDateTime printedAt;
    QLocale locale; // gives the day and month names
};

// "Printed: " with the day and month names, the day and year, and the time
// without leading zeros ("Printed: Tuesday December 8 2026 9:5:7").
QString printedText(const QDateTime &at, const QLocale &locale);

// The logo's extent on paper, in twips: its pixels at 15 twips each; empty
// when no logo prints.
QSizeF logoSize(const PageHeaderInfo &info);

// The printing state of one document: the column stops, the line a row is
// printed on and the last measured width, over the printer's page in twips.
//
// Nothing is lost at the foot of a page: a text line, a ruled line or the
// logo that would pass `pageHeight` starts a new page first, and a row about
// to start there moves to the new page whole. Output that fits is unchanged.
class PrinterPage {
public:
    explicit PrinterPage(DrawSurface &printer,
                         double pageHeight = std::numeric_limits<double>::infinity());

    DrawSurface &Printer;
    std::array<int, 100> Print_Layout{};
    int Print_Position = 0;
    double Text_Width = 0.0;

    // Prints `text` on the current line between `left` and `right`:
    // alignment 1 left, 2 centred, anything else right. A text at least as
    // wide as its span starts at `left` and may run past `right`. The
    // position moves to the start of the next line.
    void Printer_Text_At(const QString &text, int left, int right, int alignment);
    // Back to the row's line; 10 points bold, for a label.
    void Printer_Bold_On();
    // Back to the row's line; 11 points regular, for a value.
    void Printer_Bold_Off();

    // The program title, the company block, the logo of the "Left" and
    // "Right" layouts and the customer lines; fills Print_Layout. Leaves the
    // font at 12 points bold.
    void Print_Page_Header(const PageHeaderInfo &info);
    // The logo at the left of the current line, when one is on; the position
    // does not move. Lower than 13,800 twips down, it goes to a new page.
    void Print_Logo(const PageHeaderInfo &info);

    // Starts a row on the current line: Print_Position takes the current y.
    void startRow();
    // A ruled line from `from` to `to`, `below` under the current y. As on
    // the printer, the current position moves to the line's end.
    void rule(int from, int to, double below);
    void moveDown(double twips);
    void setFont(double points, bool bold);

    int pageCount() const { return pages_; }

private:
    void printAt(double x, const QString &text);
    // Starts a new page when `height` more would pass the page's foot.
    void makeRoom(double height);
    double lineHeight(double points, bool bold);

    double pageHeight_;
    int pages_ = 1;
};

} // namespace zyt
