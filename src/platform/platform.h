#pragma once

namespace zyt {

class MessageBoxes;
class Beeper;
class ScreenMetrics;
class FileDialogs;
class ProgramFolder;

// The services the program needs of the desktop. Each points at either the
// real implementation or a scripted stand-in for tests; none is owned here.
struct Platform {
    MessageBoxes *messages = nullptr;
    Beeper *beeper = nullptr;
    ScreenMetrics *screen = nullptr;
    FileDialogs *dialogs = nullptr;
    ProgramFolder *folder = nullptr;
};

} // namespace zyt
