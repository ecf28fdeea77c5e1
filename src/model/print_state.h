#pragma once

#include <QString>

namespace zyt {

class PrinterCatalog;

// The printer every printout goes to.
struct PrintState {
    // The printer chosen for this run, by device name or PdfFilePrinter;
    // empty until the user chooses one.
    QString Printer;
    QString Printer_Name; // the entry picked in the printer list

    // The printer every printout goes to: the one chosen, else the system's
    // default printer, else the PDF file.
    QString currentPrinter(PrinterCatalog *printers) const;
};

} // namespace zyt
