#pragma once

#include <benchmark/benchmark.h>

#include <functional>

class QProcessEnvironment;
class QWidget;

namespace zyt::bench {

// First shows measured each in a process of its own: the benchmark starts
// its own executable again as a child that runs one first show and reports
// its time, so nothing of an earlier show (fonts, glyphs, style, code paged
// in) is warm. The child's time runs from the window's making to its first
// paint.

// The milliseconds of one first show, run in the child.
using FirstShow = std::function<double()>;

// Registers `show` under `name` and a benchmark of that name timing it in
// fresh processes, median over the runs.
int registerFirstShow(const char *name, FirstShow show);

// In a child started for a first show: runs it, prints its time and returns
// true; false in any other process. Call it once the application object
// exists.
bool runFirstShowChild(int argc, char **argv);

// The environment of a child process: on the offscreen platform its screen
// is a desktop's, 1920 by 1080 at 96 dots per inch, where the program's
// windows fit whole, rather than the platform's 800 by 800.
QProcessEnvironment childEnvironment();

// Shows `window` and returns once its first paint is done.
void showPainted(QWidget &window);

} // namespace zyt::bench

#define ZYT_FIRST_SHOW_CAT2(a, b) a##b
#define ZYT_FIRST_SHOW_CAT(a, b) ZYT_FIRST_SHOW_CAT2(a, b)
// ZYT_FIRST_SHOW(name, function returning milliseconds)
#define ZYT_FIRST_SHOW(name, show)                                                                 \
    static const int ZYT_FIRST_SHOW_CAT(firstShowRegistered_, __LINE__) =                          \
        zyt::bench::registerFirstShow(name, show)
