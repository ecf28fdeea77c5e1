#pragma once

#include <QString>
#include <QStringList>

namespace zyt {

// The printers the system offers.
class PrinterCatalog {
public:
    virtual ~PrinterCatalog() = default;
    // Whether printing can run here at all; when it cannot, the user has
    // been told why. The printer choice asks this once, first, and stops on
    // false.
    virtual bool canPrint() = 0;
    // Device names, in the system's order; empty when none is installed.
    virtual QStringList printerNames() = 0;
    // The system's default printer; empty when there is none.
    virtual QString defaultPrinterName() = 0;
};

// The printer entry that is no device: a printout chosen for it asks for the
// name of a PDF file when it starts. System printer names hold no blanks, so
// it cannot be taken for one.
inline const QString PdfFilePrinter = QStringLiteral("PDF File");

} // namespace zyt
