// The entry point of the benchmarks that show windows or paint: the
// application object first, in the program's own look, then the benchmarks,
// or the one first show a child process was started for.

#include "fresh_process.h"
#include "platform/qt/font_warm_up.h"
#include "widgets/program_style.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    // As the program's main() starts.
    zyt::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setStyle(zyt::programStyle());
    const zyt::FontConfigWarmUp::ApplicationScope fontsWhileApplication = fonts.applicationMade();
    fonts.wait();
    if (zyt::bench::runFirstShowChild(argc, argv))
        return 0;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
