#pragma once

#include <QHash>
#include <QString>

#include <array>

class QWidget;

namespace zyt {

inline constexpr const char *Crlf = "\r\n";

// What every window shares: the title, the exit under way, the help texts
// and the warnings of the focus checks.
struct UiState {
    UiState();

    QString App_Title;
    int Exiting = 0;

    // Hover-help texts by name ("Help_Calculate", ...), filled at start-up.
    QHash<QString, QString> Help_Texts;

    std::array<QString, 2> Field_Msgs;

    // Set while a mouse button is held on an edited cell, so a click keeps
    // the caret where it was put instead of selecting the whole text.
    int Skip_Focus_Select = 0;

    // "Main" while the main window captures itself.
    QString Capture_Caller;
    // The main window, which a capture of any other window hides meanwhile.
    QWidget *mainWindow = nullptr;
};

} // namespace zyt
