#include "qt_print_service.h"

#include "painter_surface.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>

namespace zyt {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr int PdfResolution = 600;

// The printer's page in twips. When the printable area is narrower than the
// document, the painter scales everything down by the same factor; texts are
// still measured in unscaled twips, so the layout stays as designed.
class PrinterSurface final : public PainterSurface {
public:
    PrinterSurface(QPrinter &printer, double scale)
        : PainterSurface(&printer, TwipsPerInch), scale_(scale)
    {
    }
    ~PrinterSurface() override { end(); }

    // False when the printer cannot start a document.
    bool begin()
    {
        QPainter &p = painter();
        if (!p.isActive())
            return false;
        if (scale_ < 1.0)
            p.scale(scale_, scale_);
        return true;
    }

private:
    double scale_;
};

class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(std::unique_ptr<QPrinter> printer, double contentWidth)
        : printer_(std::move(printer))
    {
        const double width = printer_->width() * TwipsPerInch / printer_->logicalDpiX();
        const double height = printer_->height() * TwipsPerInch / printer_->logicalDpiY();
        const double scale = contentWidth > width && width > 0.0 ? width / contentWidth : 1.0;
        pageHeight_ = height / scale;
        surface_ = std::make_unique<PrinterSurface>(*printer_, scale);
    }
    ~QtPrintJob() override
    {
        if (!finished_)
            printer_->abort();
        surface_.reset();
    }

    bool begin() { return surface_->begin(); }
    DrawSurface &page() override { return *surface_; }
    double pageHeight() const override { return pageHeight_; }
    bool finish() override
    {
        finished_ = true;
        surface_->end();
        const QPrinter::PrinterState state = printer_->printerState();
        return state != QPrinter::Error && state != QPrinter::Aborted;
    }

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrinterSurface> surface_;
    double pageHeight_ = 0.0;
    bool finished_ = false;
};

} // namespace

QtPrintService::QtPrintService()
    : pdfLayout_(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0))
{
}

std::unique_ptr<PrintJob> QtPrintService::start(const PrintRequest &request)
{
    std::unique_ptr<QPrinter> printer;
    if (!request.pdfFile.isEmpty()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(PdfResolution);
        printer->setOutputFileName(request.pdfFile);
        printer->setPageLayout(pdfLayout_);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(request.printer);
        if (info.isNull())
            return nullptr;
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid())
            return nullptr;
    }
    printer->setFullPage(false);
    printer->setDocName(request.documentName);
    auto job = std::make_unique<QtPrintJob>(std::move(printer), request.width);
    if (!job->begin())
        return nullptr;
    return job;
}

QStringList QtPrinterCatalog::printerNames() { return QPrinterInfo::availablePrinterNames(); }

QString QtPrinterCatalog::defaultPrinterName() { return QPrinterInfo::defaultPrinterName(); }

} // namespace zyt
