#include "fake_screen.h"
#include "fresh_process.h"
#include "main/main_window.h"
#include "main/program.h"
#include "platform/qt/font_warm_up.h"
#include "platform/qt/qt_platform.h"
#include "program_starts.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "widgets/program_style.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

// From nothing to the main window shown, in a program folder with or
// without an autosave file from an earlier run (that one preloads five
// sheets).
void startUp(benchmark::State &state)
{
    const bool withAutosave = state.range(0) != 0;
    QTemporaryDir folder;
    zyt::test::FakeScreen screen(1920, 1080, 96);
    zyt::test::ScriptedPlatform platform;
    platform.answerAllWith(zyt::AnswerOk);
    platform.setProgramFolder(folder.path());
    zyt::Platform p = platform.platform();
    p.screen = &screen;
    if (withAutosave) {
        zyt::Program earlier(p);
        earlier.Form_Load(QString());
        platform.chooseAlways(folder.filePath(QStringLiteral("flow.dat")));
        earlier.sheetWindow(0).Save_Data_Click();
        for (int k = 0; k < 5; ++k)
            earlier.main.setCell(zyt::MainModel::Text1, k, QStringLiteral("flow.dat"));
        earlier.Exit_Click();
    }
    zyt::bench::timeProgramStarts(state, p);
}

// From nothing to the main window made, loaded and painted, the first show
// of a fresh process, on the real services in a program folder of its own.
zyt::FontConfigWarmUp *fontsRead = nullptr; // main()'s

double mainWindowFirstShow()
{
    QTemporaryDir folder;
    zyt::Program *program = nullptr;
    zyt::QtPlatform real([&program] { return program ? program->st.ui.App_Title : QString(); });
    zyt::test::ScriptedPlatform scripted; // its program folder only
    scripted.setProgramFolder(folder.path());
    zyt::Platform p = real.platform();
    p.folder = scripted.platform().folder;
    QElapsedTimer clock;
    clock.start();
    // The program waits for the fonts before its main window; that wait is
    // part of its start.
    zyt::Program started(p, [] { fontsRead->wait(); });
    program = &started;
    const QLocale locale = QLocale::system();
    started.st.numbers.setLocaleSeparators(locale.decimalPoint().front(),
                                           locale.groupSeparator().front());
    started.Form_Load(QString());
    zyt::bench::showPainted(started.mainWindow());
    const double ms = double(clock.nsecsElapsed()) / 1e6;
    started.st.ui.Exiting = 1;
    return ms;
}

struct Started {
    double ms = 0;
    long kib = 0;
    int width = 0;
    int height = 0;
    double cpuMs = 0; // the processor time it took, which a busy machine inflates less
};

// A start-up measured from outside, from the process started to its line
// "shown <KiB> <width> <height> <CPU ms>" at its window's first paint.
Started startProcess(const QString &program, const QStringList &arguments)
{
    QProcess child;
    child.setProcessEnvironment(zyt::bench::childEnvironment());
    QElapsedTimer clock;
    clock.start();
    child.start(program, arguments);
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    Started s;
    s.ms = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() == 5 && words[0] == "shown") {
        s.kib = words[1].toLong();
        s.width = words[2].toInt();
        s.height = words[3].toInt();
        s.cpuMs = words[4].toDouble();
    }
    return s;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// The program's own start-up (the program built to end at its main window's
// first paint, run from a folder of its own) against a bare Qt window of the
// same size in an executable that links Qt Widgets only, and one with a menu
// and a line of text. Each is a process of its own from its start to its
// window's first paint; the memory is what each then holds. Counters: the
// medians and the program's ratios.
void startUpAgainstBareWindow(benchmark::State &state)
{
    const QDir here(QCoreApplication::applicationDirPath());
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("zyt"));
    if (!QFile::copy(here.filePath(QStringLiteral("bench_startup_program")), program)) {
        state.SkipWithError("bench_startup_program is missing");
        return;
    }
    const QString bareWindow = here.filePath(QStringLiteral("bench_bare_window"));
    std::vector<double> bareMs, plainMs, programMs, bareKib, programKib, bareCpu, programCpu;
    for (auto _ : state) {
        const Started started = startProcess(program, {});
        const QStringList size{QString::number(started.width), QString::number(started.height)};
        const Started bare = startProcess(bareWindow, size);
        const Started plain = startProcess(bareWindow, size + QStringList{QStringLiteral("plain")});
        if (started.kib == 0 || bare.kib == 0 || plain.kib == 0) {
            state.SkipWithError("a start-up process reported no first paint");
            return;
        }
        bareMs.push_back(bare.ms);
        plainMs.push_back(plain.ms);
        programMs.push_back(started.ms);
        bareKib.push_back(double(bare.kib));
        programKib.push_back(double(started.kib));
        bareCpu.push_back(bare.cpuMs);
        programCpu.push_back(started.cpuMs);
    }
    const double programMedian = median(programMs);
    state.counters["bare_ms"] = median(bareMs);
    state.counters["plain_ms"] = median(plainMs);
    state.counters["program_ms"] = programMedian;
    state.counters["time_ratio"] = programMedian / std::max(1e-9, median(bareMs));
    state.counters["plain_ratio"] = programMedian / std::max(1e-9, median(plainMs));
    state.counters["bare_cpu_ms"] = median(bareCpu);
    state.counters["program_cpu_ms"] = median(programCpu);
    state.counters["cpu_ratio"] = median(programCpu) / std::max(1e-9, median(bareCpu));
    state.counters["bare_MiB"] = median(bareKib) / 1024.0;
    state.counters["program_MiB"] = median(programKib) / 1024.0;
    state.counters["memory_ratio"] = median(programKib) / std::max(1.0, median(bareKib));
}

} // namespace

BENCHMARK(startUp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(startUpAgainstBareWindow)->Iterations(15)->Unit(benchmark::kMillisecond)->UseRealTime();

ZYT_FIRST_SHOW("mainWindowFirstShowInAFreshProcess", mainWindowFirstShow);

int main(int argc, char **argv)
{
    // As the program's main() starts.
    zyt::FontConfigWarmUp fonts;
    fontsRead = &fonts;
    QApplication app(argc, argv);
    QApplication::setStyle(zyt::programStyle());
    const zyt::FontConfigWarmUp::ApplicationScope fontsWhileApplication = fonts.applicationMade();
    if (zyt::bench::runFirstShowChild(argc, argv))
        return 0;
    // The benchmarks run without the thread beside them.
    fonts.wait();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
