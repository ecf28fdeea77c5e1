#include "qt_print_service.h"

#include "painter_surface.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

namespace zyt {

namespace {

constexpr double TwipsPerInch = 1440.0;
constexpr int PdfResolution = 600;

// The printer's page in twips. When the printable area is narrower than the
// document, the painter scales everything down by the same factor; texts are
// still measured in unscaled twips, so the layout stays as designed.
class PrinterSurface final : public PainterSurface {
public:
    PrinterSurface(QPagedPaintDevice &device, double scale)
        : PainterSurface(&device, TwipsPerInch), scale_(scale)
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

// A document under way on a system printer or into a PDF file. The PDF file
// is written through a save file, which takes the file's place only once
// the document is complete: a printout that fails or is cut short, by a
// failure or a kill, leaves the file that was there as it was and nothing
// beside it. A name that is a link has the link's target replaced, as every
// other file the program writes.
class QtPrintJob final : public PrintJob {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer))
    {
        device_ = printer_.get();
    }
    QtPrintJob(std::unique_ptr<QSaveFile> file, std::unique_ptr<QPdfWriter> pdf)
        : file_(std::move(file)), pdf_(std::move(pdf))
    {
        device_ = pdf_.get();
    }
    ~QtPrintJob() override
    {
        if (!finished_) {
            if (printer_)
                printer_->abort();
            else
                file_->cancelWriting();
        }
        surface_.reset();
    }

    // False when the device cannot start a document.
    bool begin(double contentWidth)
    {
        const double width = device_->width() * TwipsPerInch / device_->logicalDpiX();
        const double height = device_->height() * TwipsPerInch / device_->logicalDpiY();
        const double scale = contentWidth > width && width > 0.0 ? width / contentWidth : 1.0;
        pageHeight_ = height / scale;
        surface_ = std::make_unique<PrinterSurface>(*device_, scale);
        return surface_->begin();
    }
    DrawSurface &page() override { return *surface_; }
    double pageHeight() const override { return pageHeight_; }
    bool finish() override
    {
        finished_ = true;
        surface_->end();
        if (printer_) {
            const QPrinter::PrinterState state = printer_->printerState();
            return state != QPrinter::Error && state != QPrinter::Aborted;
        }
        // What waits in the buffer is written here, where a full disk shows;
        // the save file would not notice it while committing.
        if (!file_->flush() || file_->error() != QFileDevice::NoError) {
            file_->cancelWriting();
            return false;
        }
        return file_->commit();
    }

private:
    std::unique_ptr<QPrinter> printer_;
    // The PDF file, which outlives its writer.
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> pdf_;
    QPagedPaintDevice *device_ = nullptr;
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
    std::unique_ptr<QtPrintJob> job;
    if (!request.pdfFile.isEmpty()) {
        auto file = std::make_unique<QSaveFile>(request.pdfFile);
        if (!file->open(QIODevice::WriteOnly))
            return nullptr;
        auto pdf = std::make_unique<QPdfWriter>(file.get());
        pdf->setResolution(PdfResolution);
        pdf->setPageLayout(pdfLayout_);
        pdf->setTitle(request.documentName);
        job = std::make_unique<QtPrintJob>(std::move(file), std::move(pdf));
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(request.printer);
        if (info.isNull())
            return nullptr;
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        if (!printer->isValid())
            return nullptr;
        printer->setFullPage(false);
        printer->setDocName(request.documentName);
        job = std::make_unique<QtPrintJob>(std::move(printer));
    }
    if (!job->begin(request.width))
        return nullptr;
    return job;
}

QStringList QtPrinterCatalog::printerNames() { return QPrinterInfo::availablePrinterNames(); }

QString QtPrinterCatalog::defaultPrinterName() { return QPrinterInfo::defaultPrinterName(); }

} // namespace zyt
