#pragma once

namespace zyt {

class MessageBoxes;
class Beeper;
class ScreenMetrics;
class FileDialogs;
class ProgramFolder;
class FontDialogs;
class ColorDialogs;
class PrinterCatalog;
class Shell;
class SoundPlayer;

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
};

} // namespace zyt
