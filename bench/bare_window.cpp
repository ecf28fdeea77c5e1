// The bare Qt window the program's start-up is measured against: a process
// that links Qt Widgets only and shows an empty main window of the size it
// is given (the program's main window's), in Qt's Fusion look, as the
// program's own look is based on it. "plain" adds a menu and a line of text.
//
//   bench_bare_window <width> <height> [plain]

#include "first_paint_report.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    window.resize(argc > 2 ? std::atoi(argv[1]) : 1200, argc > 2 ? std::atoi(argv[2]) : 830);
    if (argc > 3 && QByteArray(argv[3]) == "plain") {
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Flow Test 1")));
    }
    zyt::bench::FirstPaintReport report(window);
    window.show();
    return QApplication::exec();
}
