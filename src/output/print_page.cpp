#include "print_page.h"

#include "platform/draw_surface.h"

#include <algorithm>
#include <cmath>

namespace zyt {

namespace {

constexpr double TwipsPerLogoPixel = 15.0;
constexpr double LogoNewPageBelow = 13800.0;
// The company block lies inside the form lines by 150 twips on each side.
constexpr int BlockLeft = 150;
constexpr int BlockRight = 12075 - 150;

int roundTwips(double y) { return int(std::nearbyint(y)); }

} // namespace

QString printedText(const QDateTime &at, const QLocale &locale)
{
    const QDate date = at.date();
    const QTime time = at.time();
    return QStringLiteral("Printed: %1 %2 %3 %4 %5:%6:%7")
        .arg(locale.dayName(date.dayOfWeek(), QLocale::LongFormat),
             locale.monthName(date.month(), QLocale::LongFormat))
        .arg(date.day())
        .arg(date.year())
        .arg(time.hour())
        .arg(time.minute())
        .arg(time.second());
}

QSizeF logoSize(const PageHeaderInfo &info)
{
    if (info.Logo_On != 1 || info.logo.isNull())
        return QSizeF();
    return QSizeF(info.logo.width() * TwipsPerLogoPixel, info.logo.height() * TwipsPerLogoPixel);
}

PrinterPage::PrinterPage(DrawSurface &printer, double pageHeight)
    : Printer(printer), pageHeight_(pageHeight)
{
}

void PrinterPage::makeRoom(double height)
{
    const double y = Printer.currentY();
    if (y <= 0.0 || y + height <= pageHeight_)
        return;
    Printer.newPage();
    ++pages_;
    // A row whose line was the one that did not fit goes on at the top.
    Print_Position = std::max(0, Print_Position - roundTwips(y));
}

void PrinterPage::printAt(double x, const QString &text)
{
    const double height = Printer.textHeight(text);
    makeRoom(height);
    if (text.isEmpty()) {
        Printer.setCurrentX(0.0);
        Printer.setCurrentY(Printer.currentY() + height);
        return;
    }
    Printer.setCurrentX(x);
    Printer.print(text);
}

void PrinterPage::Printer_Text_At(const QString &text, int left, int right, int alignment)
{
    Text_Width = Printer.textWidth(text);
    const double span = right - left;
    double x = left;
    if (Text_Width < span && alignment != 1)
        x = alignment == 2 ? left + (span - Text_Width) / 2.0 : left + span - Text_Width;
    printAt(x, text);
}

void PrinterPage::setFont(double points, bool bold)
{
    Printer.setFontSize(points);
    Printer.setFontBold(bold);
}

void PrinterPage::Printer_Bold_On()
{
    Printer.setCurrentY(Print_Position);
    setFont(10, true);
}

void PrinterPage::Printer_Bold_Off()
{
    Printer.setCurrentY(Print_Position);
    setFont(11, false);
}

double PrinterPage::lineHeight(double points, bool bold)
{
    const double size = Printer.fontSize();
    const bool wasBold = Printer.fontBold();
    setFont(points, bold);
    const double height = Printer.textHeight(QStringLiteral("X"));
    setFont(size, wasBold);
    return height;
}

void PrinterPage::startRow()
{
    // Room for the tallest cell a row holds: an 11-point value, or the
    // font set now when it is larger.
    const double tallest = std::max(Printer.textHeight(QStringLiteral("X")), lineHeight(11, false));
    makeRoom(tallest);
    Print_Position = roundTwips(Printer.currentY());
}

void PrinterPage::rule(int from, int to, double below)
{
    makeRoom(below);
    const double y = Printer.currentY() + below;
    Printer.line(QPointF(from, y), QPointF(to, y), Printer.foreColor());
}

void PrinterPage::moveDown(double twips) { Printer.setCurrentY(Printer.currentY() + twips); }

void PrinterPage::Print_Page_Header(const PageHeaderInfo &info)
{
    Print_Layout.fill(0);
    Print_Layout[1] = 100;
    for (int k = 2; k <= 12; ++k)
        Print_Layout[size_t(k)] = 1200 + 1100 * (k - 2);
    Print_Layout[97] = 125;
    Print_Layout[98] = 12075;
    Print_Layout[99] = 12150;
    const int formLeft = Print_Layout[97];
    const int formRight = Print_Layout[98];
    const int ruleRight = Print_Layout[99];

    Printer.setCurrentX(0.0);
    Printer.setCurrentY(150.0);
    Printer.setFontName(QStringLiteral("Arial"));
    setFont(13, false);
    Printer_Text_At(info.App_Title, 0, ruleRight, 2);
    const int normalWidth = Printer.drawWidth();
    Printer.setDrawWidth(20);
    rule(50, ruleRight, 50);
    Printer.setDrawWidth(normalWidth);

    // The company block's alignment and the logo beside it. "Right" marks
    // the logo's foot as "Left" does, so the customer line clears the logo.
    const double y0 = Printer.currentY();
    const QSizeF logo = logoSize(info);
    double mark = 0.0;
    int alignment = 0;
    auto paintLogo = [&](double x) {
        if (logo.isEmpty())
            return;
        Printer.drawPicture(info.logo, QRectF(QPointF(x, y0 + 150.0), logo));
        mark = y0 + 150.0 + logo.height();
    };
    switch (info.layout) {
    case LayoutLeft:
        alignment = 1;
        paintLogo(BlockRight - logo.width());
        break;
    case LayoutCenter:
        alignment = 2;
        break;
    case LayoutRight:
        alignment = 3;
        paintLogo(BlockLeft);
        break;
    default:
        break;
    }

    setFont(16, true);
    moveDown(100);
    for (size_t k = 0; k < info.company.size(); ++k) {
        if (info.company[k].size() > 1)
            Printer_Text_At(info.company[k], BlockLeft, BlockRight, alignment);
        if (k == 0)
            setFont(13, false);
    }
    if (Printer.currentY() < mark)
        Printer.setCurrentY(mark);
    moveDown(75);
    Print_Position = roundTwips(Printer.currentY());

    setFont(12, true);
    Printer_Text_At(QStringLiteral("Customer Name: ____________________________"), formLeft,
                    formRight, 1);
    Printer.setCurrentY(Print_Position);
    Printer_Text_At(printedText(info.printedAt, info.locale), formLeft, formRight, 3);
    moveDown(100);
    Printer_Text_At(QStringLiteral("Order / Invoice #: ____________________________"), formLeft,
                    formRight, 1);
    rule(50, ruleRight, 150);
}

void PrinterPage::Print_Logo(const PageHeaderInfo &info)
{
    const QSizeF logo = logoSize(info);
    if (logo.isEmpty())
        return;
    const double y = Printer.currentY();
    if (y > LogoNewPageBelow || (y > 0.0 && y + logo.height() > pageHeight_)) {
        Printer.newPage();
        ++pages_;
    }
    Printer.drawPicture(info.logo, QRectF(QPointF(0.0, Printer.currentY()), logo));
}

} // namespace zyt
