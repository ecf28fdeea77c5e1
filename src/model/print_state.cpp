#include "print_state.h"

#include "platform/printers.h"

namespace zyt {

QString PrintState::currentPrinter(PrinterCatalog *printers) const
{
    if (!Printer.isEmpty())
        return Printer;
    if (printers) {
        const QString system = printers->defaultPrinterName();
        if (!system.isEmpty())
            return system;
    }
    return PdfFilePrinter;
}

} // namespace zyt
