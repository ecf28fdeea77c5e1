#pragma once

#include <QString>

#include <memory>

namespace zyt {

class DrawSurface;
class FileDialogs;

// One printed document under way. Its page is a drawing surface in twips
// (1440 to the inch) from the printable area's top-left corner, y down; a
// new page of the surface starts a new sheet of paper.
class PrintJob {
public:
    virtual ~PrintJob() = default;

    virtual DrawSurface &page() = 0;
    // How far down the page may be written, in the page's units. A printer
    // whose printable area is narrower than the document's width scales the
    // page down, so its page is that much longer in the page's units.
    virtual double pageHeight() const = 0;
    // Ends the document and hands it to the printer; false when the printer
    // reported a failure. A job dropped without finishing is cancelled.
    virtual bool finish() = 0;
};

// Where a document goes: a system printer by its device name, or a PDF
// file.
struct PrintRequest {
    QString printer;
    QString pdfFile; // set: the document is written into this file
    QString documentName;
    // What the content needs across, in twips; a narrower printable area
    // scales the whole page down uniformly to fit.
    double width = 12200.0;
};

// The printers of the system as a place to print on.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Whether printing can run here at all; when it cannot, the user has
    // been told why. Every print command asks this once, first, and stops
    // on false.
    virtual bool canPrint() = 0;
    // A started document, or nothing when the printer cannot start one.
    virtual std::unique_ptr<PrintJob> start(const PrintRequest &request) = 0;
};

// Starts a document on `printer`, the program's current printer. For the
// PDF file entry the user names the file first in a save dialog that starts
// in `folder`. Nothing when the user cancels or the printer cannot start.
std::unique_ptr<PrintJob> startPrintJob(PrintService &service, FileDialogs &dialogs,
                                        const QString &printer, const QString &folder,
                                        PrintRequest request);

} // namespace zyt
