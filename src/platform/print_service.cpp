#include "print_service.h"

#include "file_dialogs.h"
#include "printers.h"

namespace zyt {

std::unique_ptr<PrintJob> startPrintJob(PrintService &service, FileDialogs &dialogs,
                                        const QString &printer, const QString &folder,
                                        PrintRequest request)
{
    request.printer = printer;
    request.pdfFile.clear();
    if (printer == PdfFilePrinter) {
        FileDialogRequest ask;
        ask.kind = FileDialogKind::Save;
        ask.filter = QStringLiteral("PDF Files (*.pdf)|*.pdf|All Files (*.*)|*.*");
        ask.filterIndex = 1;
        ask.initialFolder = folder;
        // Viewers and mail programs know a PDF file by its extension.
        ask.defaultSuffix = QStringLiteral("pdf");
        const std::optional<QString> file = dialogs.show(ask);
        if (!file || file->isEmpty())
            return nullptr;
        request.pdfFile = *file;
    }
    return service.start(request);
}

} // namespace zyt
