#pragma once

#include <QString>

namespace zyt {

// What the routines of the lower layers ask of the windows above them: the
// main data file runs the main window's "Metric" switch and estimator and
// loads the logo into the graph window, the graph options clear the graph
// picture, and the screen fitting has the picture follow its window. The
// program implements it; tests put in their own.
class ProgramHooks {
public:
    virtual ~ProgramHooks() = default;

    // Converts the main window and the sheets to the units Check2 shows.
    virtual void Check2_Click() = 0;
    // The estimator's calculation; traps its own errors.
    virtual void Command51_Click() = 0;
    // Loads the logo picture into the graph window; false when the file
    // holds no picture.
    virtual bool loadLogoPicture(const QString &path) = 0;
    // Clears what is drawn on the graph picture, annotations included.
    virtual void clearGraphPicture() = 0;
    // Runs when the fitting has scaled the graph window.
    virtual void Stretch_Picture() = 0;
};

} // namespace zyt
