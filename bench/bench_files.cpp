#include "bench_fixture.h"
#include "files/flow_data_file.h"
#include "files/main_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "model/compare_model.h"
#include "model/graph_window_state.h"
#include "test_hooks.h"

#include <QDir>

namespace {

using S = zyt::Flow_Test_Sheet;

// Program state with boxes and dialogs answered at once, in a program folder
// of its own holding five flow data files and a main data file that
// preloads them.
struct Bench : zyt::bench::BenchState {
    Bench()
    {
        for (auto &s : sheets)
            s = std::make_unique<S>();
        S sample;
        sample.setCell(S::Text38, S::Single, QStringLiteral("Bench test\r\nsecond line"));
        const QByteArray dat = zyt::writeFlowDataRecords(sample).bytes();
        for (int k = 1; k <= 5; ++k)
            zyt::writeFileAtomically(path(QStringLiteral("test%1.dat").arg(k)), dat);
        for (int k = 0; k < 5; ++k)
            main.setCell(zyt::MainModel::Text1, k, QStringLiteral("test%1.dat").arg(k + 1));
        zyt::Models w = windows();
        zyt::writeFileAtomically(path(QStringLiteral("bench.dta")),
                                 zyt::writeMainDataRecords(w, st.graph, st.numbers).bytes());
    }

    QString path(const QString &name) { return QDir(platform.path()).filePath(name); }

    zyt::Models windows()
    {
        return zyt::Models{
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            form50,
            form60};
    }

    std::array<std::unique_ptr<S>, 5> sheets;
    zyt::CompareModel form50;
    zyt::GraphWindowState form60;
    zyt::test::TestHooks hooks;
};

// Reading, recalculating and converting one sheet, as a preload does.
void loadFlowDataFile(benchmark::State &state)
{
    Bench b;
    S sheet;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            zyt::Load_Flow_Data_File(sheet, QStringLiteral("test1.dat"), b.st));
}

// Through the dialog, with the count box, as the sheet's command does.
void saveFlowDataFile(benchmark::State &state)
{
    Bench b;
    S sheet;
    b.platform.chooseAlways(b.path(QStringLiteral("saved.dat")));
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::Save_Flow_Data_File(sheet, b.st));
}

void loadMainDataFileWithFivePreloads(benchmark::State &state)
{
    Bench b;
    zyt::Models w = b.windows();
    const QString path = b.path(QStringLiteral("bench.dta"));
    for (auto _ : state) {
        b.st.files.File_Name = path;
        benchmark::DoNotOptimize(zyt::Load_Main_Data_File(w, b.st, b.hooks));
    }
}

void saveAutosaveFile(benchmark::State &state)
{
    Bench b;
    zyt::Models w = b.windows();
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::saveAutosaveFile(w, b.st, b.hooks));
}

} // namespace

BENCHMARK(loadFlowDataFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveFlowDataFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadMainDataFileWithFivePreloads)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveAutosaveFile)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
