#include "qt_print_service.h"

#include "painter_surface.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <algorithm>
#include <cstdio>

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

// A PDF file is printed into a temporary file beside it, which takes the
// file's place only once the document is complete: a printout that fails or
// is cut short leaves the file that was there as it was.
std::unique_ptr<QTemporaryFile> partialFileFor(const QString &target)
{
    const QFileInfo info(target);
    auto partial =
        std::make_unique<QTemporaryFile>(info.absoluteFilePath() + QStringLiteral(".XXXXXX.part"));
    if (!partial->open())
        return nullptr;
    partial->close();
    partial->setPermissions(info.exists() ? info.permissions()
                                          : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return partial;
}

class QtPrintJob final : public PrintJob {
public:
    QtPrintJob(std::unique_ptr<QPrinter> printer, double contentWidth,
               std::unique_ptr<QTemporaryFile> partial = nullptr, const QString &target = {})
        : partial_(std::move(partial)), target_(target), printer_(std::move(printer))
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
        if (state == QPrinter::Error || state == QPrinter::Aborted)
            return false;
        if (!partial_)
            return true;
        // One step, replacing the old file (POSIX rename).
        if (std::rename(QFile::encodeName(partial_->fileName()).constData(),
                        QFile::encodeName(target_).constData()) != 0)
            return false;
        partial_->setAutoRemove(false);
        return true;
    }

private:
    // Removed, unless it became the file, after the printer let go of it.
    std::unique_ptr<QTemporaryFile> partial_;
    QString target_;
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
    std::unique_ptr<QTemporaryFile> partial;
    if (!request.pdfFile.isEmpty()) {
        partial = partialFileFor(request.pdfFile);
        if (!partial)
            return nullptr;
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setResolution(PdfResolution);
        printer->setOutputFileName(partial->fileName());
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
    auto job = std::make_unique<QtPrintJob>(std::move(printer), request.width, std::move(partial),
                                            request.pdfFile);
    if (!job->begin())
        return nullptr;
    return job;
}

QStringList QtPrinterCatalog::printerNames() { return QPrinterInfo::availablePrinterNames(); }

QString QtPrinterCatalog::defaultPrinterName() { return QPrinterInfo::defaultPrinterName(); }

} // namespace zyt
