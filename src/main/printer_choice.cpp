#include "printer_choice.h"

#include "model/print_state.h"
#include "platform/platform.h"
#include "platform/printers.h"

namespace zyt {

namespace {

QStringList entries(const Platform &platform)
{
    Q_ASSERT(platform.printers);
    QStringList names = platform.printers->printerNames();
    names << PdfFilePrinter;
    return names;
}

} // namespace

std::optional<PrinterList> Load_Printer_Info_Click(PrintState &print, const Platform &platform)
{
    Q_ASSERT(platform.printers);
    if (!platform.printers->canPrint())
        return std::nullopt;
    PrinterList list{entries(platform), print.currentPrinter(platform.printers)};
    print.Printer_Name = list.Printer_Name;
    return list;
}

void Combo1_Click(const QString &text, PrintState &print) { print.Printer_Name = text; }

void Got_Printer_Click(PrintState &print, const Platform &platform)
{
    for (const QString &name : entries(platform)) {
        if (name == print.Printer_Name) {
            print.Printer = name;
            return;
        }
    }
}

} // namespace zyt
