#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "output/print_flow_sheet.h"
#include "output/print_job.h"
#include "platform/qt/qt_print_service.h"
#include "scripted_platform.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// "Print Flow Sheet for Customer" on the sample sheet, into a PDF file: the
// recalculation, the page and the file written.
void flowSheetToPdf(benchmark::State &state)
{
    zyt::test::ScriptedPlatform platform;
    QTemporaryDir dir;
    platform.chooseAlways(dir.filePath(QStringLiteral("sheet.pdf")));
    zyt::QtPrintService service;
    zyt::AppState st;
    st.platform = platform.platform();
    st.platform.print = &service;
    st.print.Printer = zyt::PdfFilePrinter;
    zyt::MainModel main;
    main.setCell(zyt::MainModel::Text94, QStringLiteral("Quarnel Airpath Studio"));
    st.Main = &main;
    st.ui.App_Title = QStringLiteral("Vorn / ZYT -- Version: 4.8.0");
    zyt::Flow_Test_Sheet sheet;
    sheet.setCell(zyt::Flow_Test_Sheet::Text39, zyt::Flow_Test_Sheet::Single,
                  QStringLiteral("C:\\Flow Tests\\Cylinder Heads\\E7TE Ported.dat"));
    const zyt::PrintInputs inputs{QImage(), QDateTime(QDate(2026, 12, 8), QTime(9, 5, 7)),
                                  QLocale(QLocale::English, QLocale::UnitedStates)};
    for (auto _ : state)
        zyt::Print_Flow_Sheet(sheet, st, inputs);
    if (!platform.shown.isEmpty())
        state.SkipWithError("the printout failed");
}
BENCHMARK(flowSheetToPdf)->Unit(benchmark::kMillisecond);

} // namespace
