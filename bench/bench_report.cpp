#include "bench_fixture.h"
#include "files/record_lines.h"
#include "model/report_model.h"
#include "report/report_commands.h"
#include "report/report_config.h"

namespace {

using S = zyt::Flow_Test_Sheet;

// Five sample sheets, every test and field chosen, the main window's block
// in.
struct Bench : zyt::bench::BenchState {
    Bench()
    {
        for (S *sheet : sheets.list)
            sheet->setCell(S::Text38, S::Single, QStringLiteral("Ported by hand\r\nsecond"));
        sheets.calculate(st);
    }
    zyt::bench::FiveSheets sheets;
    zyt::ReportModel report;
};

// The text alone, from calculated sheets.
void buildReportText(benchmark::State &state)
{
    Bench b;
    zyt::ReportSources sources;
    sources.main = &b.main;
    for (size_t k = 0; k < 5; ++k)
        sources.sheets[k] = b.sheets.list[k];
    const zyt::ReportSelection all;
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::buildReportText(all, sources));
}

// "&Create Text Report" as the user starts it: five calculations, the text
// and showing it.
void createTextReport(benchmark::State &state)
{
    Bench b;
    for (auto _ : state) {
        zyt::Create_Text_Report(b.report, b.main, b.sheets.list, b.st);
        b.report.closeReport();
    }
}

void readReportConfig(benchmark::State &state)
{
    Bench b;
    const QStringList lines = QString(zyt::writeReportConfigRecords(b.report, b.st.numbers).text())
                                  .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    int count = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            zyt::readReportConfigLines(b.report, lines, b.st.numbers, b.st.platform, count));
}

} // namespace

BENCHMARK(buildReportText)->Unit(benchmark::kMicrosecond);
BENCHMARK(createTextReport)->Unit(benchmark::kMicrosecond);
BENCHMARK(readReportConfig)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
