// The printing module: Qt Print Support, loaded when a command first asks
// for the printers or prints.

#include "program_modules.h"
#include "qt_print_service.h"

#include <QObject>

namespace zyt {

class PrintPlugin final : public QObject, public PrintModule {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ZYT_PRINT_MODULE_IID)
    Q_INTERFACES(zyt::PrintModule)

public:
    std::unique_ptr<PrintService> newPrintService() override
    {
        return std::make_unique<QtPrintService>();
    }
    std::unique_ptr<PrinterCatalog> newPrinterCatalog() override
    {
        return std::make_unique<QtPrinterCatalog>();
    }
};

} // namespace zyt

#include "print_module.moc"
