#pragma once

#include "file_dialogs.h"
#include "message_boxes.h"

#include <QString>

#include <optional>

namespace zyt {

class Beeper;
class ScreenMetrics;
class FontDialogs;
class ColorDialogs;
class PrinterCatalog;
class Shell;
class SoundPlayer;
class Clock;
class PointerPosition;
class ScreenGrabber;
class ImageWriter;
class PrintService;
class WaitPointer;

// The services the program needs of the desktop. Each points at either the
// real implementation or a scripted stand-in for tests; none is owned here.
struct Platform {
    MessageBoxes *messages = nullptr;
    Beeper *beeper = nullptr;
    ScreenMetrics *screen = nullptr;
    FileDialogs *dialogs = nullptr;
    ProgramFolder *folder = nullptr;
    FontDialogs *fonts = nullptr;
    ColorDialogs *colors = nullptr;
    PrinterCatalog *printers = nullptr;
    Shell *shell = nullptr;
    SoundPlayer *sounds = nullptr;
    Clock *clock = nullptr;
    PointerPosition *pointer = nullptr;
    ScreenGrabber *grabber = nullptr;
    ImageWriter *images = nullptr;
    PrintService *print = nullptr;
    WaitPointer *wait = nullptr;

    // The services every part of the program asks for; the message boxes,
    // the file dialogs and the folder must be set.
    int message(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                MsgIcon icon = MsgIcon::None) const;
    int message(const MsgRequest &request) const;
    // Does nothing without a beeper.
    void beep() const;
    // The chosen path, or nothing when the user cancelled.
    std::optional<QString> fileDialog(const FileDialogRequest &request) const;
    QString programFolder() const;
};

} // namespace zyt
