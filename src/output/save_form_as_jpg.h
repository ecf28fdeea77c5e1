#pragma once

#include <QString>

class QDateTime;
class QImage;
class QLocale;
class QPoint;
class QWidget;

namespace zyt {

struct AppState;
struct Platform;
struct UiState;

// The capture file's name: the prefix, the weekday, month, day and year in
// the locale's language, then hour, minute and second, all joined by "_"
// without leading zeros, as in "Vorn_Tuesday_December_8_2026_9_5_7.jpg".
QString captureFileName(const QString &prefix, const QDateTime &when, const QLocale &locale);

// Draws the program's arrow pointer with its tip at `tip` (the picture's
// logical pixels).
void drawPointerArrow(QImage &picture, const QPoint &tip);

// Saves what the screen shows of the window, frame included, as a JPEG file
// of `quality` (0 to 100) in the program's folder, named by captureFileName
// from one clock reading; the mouse pointer is drawn in when `drawPointer`
// is set and it lies on the window. The main window (`ui.mainWindow`, if
// any) is hidden meanwhile, so that it cannot lie over the picture, unless
// `Capture_Caller` is "Main", and it is shown after every capture. An
// existing file of the name is replaced. A failure shows "Cannot save the
// image. GDI+ Error:" with its status number and writes nothing. Returns
// the file's path.
QString Save_Form_As_JPG(QWidget &window, const QString &prefix, int quality, bool drawPointer,
                         const Platform &platform, const UiState &ui);

// The same for a capture command of one of the program's windows; the path
// goes into `File_Name`.
void Save_Form_As_JPG(QWidget &window, const QString &prefix, int quality, bool drawPointer,
                      AppState &st);

} // namespace zyt
