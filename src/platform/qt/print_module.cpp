// The printing module: Qt Print Support, loaded when a command first asks
// for the printers or prints.

#include "qt_print_service.h"

extern "C" Q_DECL_EXPORT zyt::PrintService *zytNewPrintService() { return new zyt::QtPrintService; }

extern "C" Q_DECL_EXPORT zyt::PrinterCatalog *zytNewPrinterCatalog()
{
    return new zyt::QtPrinterCatalog;
}
