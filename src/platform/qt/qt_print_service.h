#pragma once

#include "platform/print_service.h"
#include "platform/printers.h"

#include <QPageLayout>

namespace zyt {

// Printing through Qt's print support: a system printer at its own
// resolution, or a PDF file laid out like a 600 dots-per-inch printer. The
// program loads it as a module (loaded_modules.h).
class QtPrintService final : public PrintService {
public:
    QtPrintService();
    bool canPrint() override { return true; }
    std::unique_ptr<PrintJob> start(const PrintRequest &request) override;

    // The paper of PDF files; US Letter without margins unless set, which
    // holds the whole 12,200-twip layout unscaled.
    void setPdfPageLayout(const QPageLayout &layout) { pdfLayout_ = layout; }

private:
    QPageLayout pdfLayout_;
};

// The printers the print system (CUPS) knows.
class QtPrinterCatalog final : public PrinterCatalog {
public:
    bool canPrint() override { return true; }
    QStringList printerNames() override;
    QString defaultPrinterName() override;
};

} // namespace zyt
