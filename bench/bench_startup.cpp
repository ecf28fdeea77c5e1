#include "fake_screen.h"
#include "main/main_window.h"
#include "main/program.h"
#include "platform/qt/qt_platform.h"
#include "program_starts.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"
#include "widgets/program_style.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
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

// The process's resident memory in KiB.
long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// Shows the window and waits for its first paint.
void showPainted(QWidget &window)
{
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
}

// The process of a start-up measured from outside: a bare Qt window of the
// main window's size, one with a menu bar and a line of text, or the
// program's own start-up as main() runs it, in a folder of its own. It says "shown" and its memory
// once its window shows, and ends.
int startUpChild(const QString &kind, const QString &folder, int &argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setStyle(zyt::programStyle());
    if (kind == u"bare" || kind == u"plain") {
        QMainWindow window;
        window.resize(1200, 830);
        if (kind == u"plain") {
            // The least a window of the program has: a menu and a line of text.
            window.menuBar()->addMenu(QStringLiteral("&File"));
            window.setCentralWidget(new QLabel(QStringLiteral("Flow Test 1")));
        }
        showPainted(window);
        std::printf("shown %ld\n", residentKib());
        std::fflush(stdout);
        return 0;
    }
    zyt::Program *program = nullptr;
    zyt::QtPlatform real([&program] { return program ? program->st.ui.App_Title : QString(); });
    zyt::test::ScriptedPlatform scripted; // its program folder only
    scripted.setProgramFolder(folder);
    zyt::Platform p = real.platform();
    p.folder = scripted.platform().folder;
    zyt::Program started(p);
    program = &started;
    const QLocale locale = QLocale::system();
    started.st.numbers.setLocaleSeparators(locale.decimalPoint().front(),
                                           locale.groupSeparator().front());
    started.Form_Load(QString());
    showPainted(started.mainWindow());
    std::printf("shown %ld\n", residentKib());
    std::fflush(stdout);
    started.st.ui.Exiting = 1;
    return 0;
}

struct Started {
    double ms = 0;
    long kib = 0;
};

Started startProcess(const QString &kind, const QString &folder)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--start-up-child=") + kind, folder});
    // The clock stops as the child says its window is shown: how long it
    // then takes to end is no part of a start-up.
    while (!child.canReadLine() && child.waitForReadyRead(30000)) {
    }
    Started s;
    s.ms = double(clock.nsecsElapsed()) / 1e6;
    child.waitForFinished(30000);
    const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
    if (words.size() == 2 && words[0] == "shown")
        s.kib = words[1].toLong();
    return s;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// The program's start-up against a bare Qt window's in the same run, each
// a process of its own from its start to its window shown, with the memory
// each then holds. Counters: the medians and the program's ratios.
void startUpAgainstBareWindow(benchmark::State &state)
{
    QTemporaryDir folder;
    std::vector<double> bareMs, plainMs, programMs, bareKib, programKib;
    for (auto _ : state) {
        const Started bare = startProcess(QStringLiteral("bare"), folder.path());
        const Started plain = startProcess(QStringLiteral("plain"), folder.path());
        const Started program = startProcess(QStringLiteral("program"), folder.path());
        bareMs.push_back(bare.ms);
        plainMs.push_back(plain.ms);
        programMs.push_back(program.ms);
        bareKib.push_back(double(bare.kib));
        programKib.push_back(double(program.kib));
    }
    const double program = median(programMs);
    state.counters["bare_ms"] = median(bareMs);
    state.counters["plain_ms"] = median(plainMs);
    state.counters["program_ms"] = program;
    state.counters["time_ratio"] = program / std::max(1e-9, median(bareMs));
    state.counters["plain_ratio"] = program / std::max(1e-9, median(plainMs));
    state.counters["bare_MiB"] = median(bareKib) / 1024.0;
    state.counters["program_MiB"] = median(programKib) / 1024.0;
    state.counters["memory_ratio"] = median(programKib) / std::max(1.0, median(bareKib));
}

} // namespace

BENCHMARK(startUp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(startUpAgainstBareWindow)->Iterations(7)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    const QString childFlag = QStringLiteral("--start-up-child=");
    if (argc == 3 && QString::fromLocal8Bit(argv[1]).startsWith(childFlag)) {
        int childArgc = 1;
        return startUpChild(QString::fromLocal8Bit(argv[1]).mid(childFlag.size()),
                            QString::fromLocal8Bit(argv[2]), childArgc, argv);
    }
    QApplication app(argc, argv);
    QApplication::setStyle(zyt::programStyle());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
