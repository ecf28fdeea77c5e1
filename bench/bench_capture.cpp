#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "output/save_form_as_jpg.h"
#include "platform/qt/qt_capture.h"
#include "scripted_platform.h"
#include "sheet/sheet_window.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One capture of a shown sheet window, pointer drawn, written at quality 100.
void captureSheet(benchmark::State &state)
{
    QTemporaryDir folder;
    zyt::test::ScriptedPlatform platform;
    zyt::QtScreenGrabber grabber;
    zyt::QtImageWriter writer;
    platform.setProgramFolder(folder.path());
    platform.setNow(QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)));
    platform.grabWith(&grabber);
    platform.writeWith(&writer);
    platform.answerAllWith(zyt::AnswerOk);
    zyt::AppState st;
    st.platform = platform.platform();
    zyt::fillSheetHelpTexts(st.ui);
    zyt::Flow_Test_Sheet sheet;
    zyt::SheetWindow window(sheet, st);
    window.show();
    QCoreApplication::processEvents();
    platform.setPointer(window.frameGeometry().center());
    for (auto _ : state)
        zyt::Save_Form_As_JPG(window, QStringLiteral("Vorn"), 100, true, st);
    if (!platform.shown.isEmpty())
        state.SkipWithError("the capture failed");
}

} // namespace

BENCHMARK(captureSheet)->Unit(benchmark::kMillisecond);
