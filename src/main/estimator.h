#pragma once

#include "model/main_model.h"

namespace zyt {

struct NumberStyle;
struct Platform;

// The engine estimator of the main window. Every quantity is the text of
// its cell; each step reads the texts the earlier steps wrote, rounded as
// shown, and writes its result through its number format.

// The "Calculate" button, also run by the main data reader after a load and
// by its writer before a save. Runs the calculation of the units "Metric"
// shows. A cell it cannot use (no number, a zero divisor, a compression
// ratio of 1) stops it at that step with the critical error box; the cells
// after it keep their texts. Never throws.
void Command51_Click(MainModel &main, const NumberStyle &numbers, const Platform &platform);

// The two calculations; they raise the run-time error of the step that
// fails, after writing the cells of the steps before it.
void Calc_Engine_US(MainModel &main, const NumberStyle &numbers);
void Calc_Engine_Metric(MainModel &main, const NumberStyle &numbers);

// The port calculators: volume (cc) from area and length, length from volume
// and area, area from volume and length, in the units "Metric" shows. An
// input that cannot be used leaves the result cell as it was, without a
// word.
void Command7_Click(MainModel &main, const NumberStyle &numbers);
void Command8_Click(MainModel &main, const NumberStyle &numbers);
void Command9_Click(MainModel &main, const NumberStyle &numbers);

// The "User" boxes: set, the Mach number (Check1) or the peak-power speed
// (Check3) becomes a typed cell, clear a computed one; with Check3 the mean
// port area goes the other way. Only looks change, never texts.
void Check1_Click(MainModel &main);
void Check3_Click(MainModel &main);
// Has the looks of the "User" boxes' cells follow the boxes' values however
// they change, by the user or by a reader, as the boxes' clicks did.
void keepUserBoxLooks(MainModel &main);

} // namespace zyt
