#pragma once

#include "output/print_page.h"

#include <QDateTime>
#include <QImage>
#include <QLocale>
#include <QString>

#include <functional>

namespace zyt {

struct AppState;
struct GraphSettings;
struct Platform;
struct PrintState;
class PrintJob;

// What a printout takes besides the cells: the logo picture and the moment
// it is printed.
struct PrintInputs {
    QImage logo;
    QDateTime printedAt;
    QLocale locale = QLocale::system();
};

// The picture in the file at `path`, decided by its content; a null image
// for anything but a plain file of at most MaxFileSize bytes holding a
// picture. Reading a pipe or a device could wait for ever.
QImage readPicture(const QString &path);

// The inputs as they stand now: the picture of the logo file when the logo
// is on (by its name in the program's folder), and the time of the
// platform's clock.
PrintInputs currentPrintInputs(const GraphSettings &graph, const Platform &platform);

// The header as the main window's cells say at this moment: the program
// title, the company fields and the print layout.
PageHeaderInfo pageHeaderFrom(const AppState &st, const PrintInputs &inputs);

// The layout's width: every column stop and ruled line lies within it.
inline constexpr double PrintLayoutWidth = 12200.0;

// Asked once at the start of every print command, before anything else:
// whether printing can run here. When it cannot, the print service has told
// the user why, and the command stops there.
bool printingCanRun(const Platform &platform);

// One printout on the current printer, once printingCanRun() said yes:
// starts the document (the PDF file entry first asks for the file's name),
// lets `body` print on it and ends it. A printer that cannot start or fails,
// or a file name not given, shows "Problem - Printing Failed" and the
// program goes on. True when printed.
bool runPrintJob(const Platform &platform, const PrintState &print, const QString &documentName,
                 double width, const std::function<void(PrintJob &job)> &body);

} // namespace zyt
