#pragma once

#include <QString>

namespace zyt {

// What the file commands share.
struct FileState {
    // The path of the last file dialog, or the one a caller preset so that a
    // reader or writer asks no dialog.
    QString File_Name;
    int Import_Filter_Index = 1; // entry of the flow import dialog chosen last
    // An autosave file start-up could not read and could not move aside: the
    // exit's save must not replace it.
    QString unreadAutosave;
};

} // namespace zyt
