#include "compare/graph_command.h"
#include "fake_compare_table.h"
#include "platform/qt/painter_surface.h"
#include "platform/recording_surface.h"

#include <benchmark/benchmark.h>

namespace {

// The two sample tests compared by flow: four curves of 1,499 lines, the
// quarter-diameter lines, grid, axes, captions and legend.
struct GraphRun : zyt::test::GraphFixture {
    GraphRun()
    {
        zyt::test::fillSampleFlows(table);
        table.checks[1] = true;
        platform.answerAllWith(zyt::AnswerOk);
        picture.setDrawWidth(2);
        picture.setFontSize(12);
    }

    zyt::ImageSurface picture{QSize(600, 645)};
};

// "&Graph" on the picture of the graph window, the finished image included.
void graph(benchmark::State &state)
{
    GraphRun run;
    for (auto _ : state) {
        run.graph(run.picture);
        benchmark::DoNotOptimize(run.picture.image().constBits());
    }
}

// One "Graph &Plus" pass over a graph.
void graphPlus(benchmark::State &state)
{
    GraphRun run;
    run.graph(run.picture);
    for (auto _ : state) {
        run.st.plot.Graph_Plus_Count = 0;
        run.graphPlus(run.picture);
        benchmark::DoNotOptimize(run.picture.image().constBits());
    }
}

// The same graph only recorded: the share of the graph's own work.
void graphRecorded(benchmark::State &state)
{
    GraphRun run;
    zyt::RecordingSurface recording;
    for (auto _ : state) {
        recording.ops.clear();
        run.graph(recording);
        benchmark::DoNotOptimize(recording.ops.size());
    }
}

} // namespace

BENCHMARK(graph)->Unit(benchmark::kMillisecond);
BENCHMARK(graphPlus)->Unit(benchmark::kMillisecond);
BENCHMARK(graphRecorded)->Unit(benchmark::kMillisecond);
