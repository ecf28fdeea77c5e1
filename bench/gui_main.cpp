// The entry point of the benchmarks that show windows or paint: the
// application object first, in the program's own look, then the benchmarks.

#include "widgets/program_style.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(zyt::programStyle());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
