#include "fake_screen.h"
#include "main/main_window.h"
#include "main/program.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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
    for (auto _ : state) {
        zyt::Program program(p);
        program.st.numbers.setLocaleSeparators(u'.', u',');
        program.Form_Load(QString());
        program.mainWindow().show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        program.st.ui.Exiting = 1;
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(startUp)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
