#include "bench_fixture.h"
#include "files/dfw_export.h"
#include "files/flow_file_import.h"
#include "files/ptpfa_import.h"
#include "files/text_files.h"

#include <QDir>

namespace {

using S = zyt::Flow_Test_Sheet;

// Boxes and dialogs answered at once, in a program folder of its own.
struct Bench : zyt::bench::BenchState {
    QString write(const QString &name, const QString &text)
    {
        const QString path = QDir(platform.path()).filePath(name);
        zyt::writeFileAtomically(path, zyt::encodeFileText(text));
        platform.chooseAlways(path);
        return path;
    }
};

// A .pti file of 16 points: the bench's own at lift 0 and 15 measured.
QString ptpfaFile()
{
    QStringList lines(271 + 16 * 13 * 2 + 20);
    lines[2] = QStringLiteral("16");
    lines[34] = QStringLiteral("2.02");
    lines[63] = QStringLiteral("28");
    for (int k = 0; k < 15; ++k) {
        const int anchor = 271 + k * 13;
        lines[anchor] = QString::number(k * 0.05);
        lines[anchor + 2] = QStringLiteral("27.5");
        lines[anchor + 6] = QString::number(2.5 + k * 20);
        lines[anchor + 8] = QString::number(1000 + k);
        const int exhaust = 271 + 16 * 13 + 9 + k * 13;
        lines[exhaust - 4] = QStringLiteral("27");
        lines[exhaust] = QString::number(1.5 + k * 15);
    }
    return lines.join(QStringLiteral("\r\n"));
}

// A .dfw file of 15 points a side.
QString dfwFile()
{
    QStringList lines{"5.00", "title", "0", "15", "15", "1 2.02", "1 28"};
    auto points = [&](double step) {
        for (int k = 1; k <= 15; ++k)
            lines << QStringLiteral("1 ") + QString::number(k * 0.05);
        for (int k = 1; k <= 15; ++k)
            lines << QStringLiteral("1 ") + QString::number(k * step);
    };
    points(20);
    lines << QStringLiteral("1 1.6") << QStringLiteral("1 28");
    points(15);
    lines << QStringLiteral("1") << QStringLiteral("1") << QStringLiteral("***")
          << QStringLiteral("***");
    return lines.join(QStringLiteral("\r\n"));
}

void importPtpfaFile(benchmark::State &state)
{
    Bench b;
    b.write(QStringLiteral("bench.pti"), ptpfaFile());
    S sheet;
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::Import_PTPFA_File(sheet, b.main, b.st));
}

void importFlowFile(benchmark::State &state)
{
    Bench b;
    b.write(QStringLiteral("bench.dfw"), dfwFile());
    S sheet;
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::Import_Flow_File(sheet, b.st));
}

void exportDfwFile(benchmark::State &state)
{
    Bench b;
    b.platform.chooseAlways(QDir(b.platform.path()).filePath(QStringLiteral("out.dfw")));
    S sheet;
    zyt::Calculate_Sheet(sheet, false, b.st.calc, b.st.numbers, b.st.platform);
    for (auto _ : state)
        benchmark::DoNotOptimize(zyt::Export_DFW_File(sheet, b.st));
}

} // namespace

BENCHMARK(importPtpfaFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(importFlowFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(exportDfwFile)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
