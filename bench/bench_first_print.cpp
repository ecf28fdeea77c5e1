// The first printout of a fresh process, from the command to its first page:
// the printing module is loaded from the program's folder on the way.

#include "fresh_process.h"
#include "model/app_state.h"
#include "output/print_graph.h"
#include "platform/print_service.h"
#include "platform/qt/loaded_modules.h"
#include "scripted_platform.h"

#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>

namespace {

// Notes when the document has started on the printing it hands on to.
class StartWatch final : public zyt::PrintService {
public:
    explicit StartWatch(zyt::PrintService &printing) : printing_(printing) {}
    bool canPrint() override { return printing_.canPrint(); }
    std::unique_ptr<zyt::PrintJob> start(const zyt::PrintRequest &request) override
    {
        std::unique_ptr<zyt::PrintJob> job = printing_.start(request);
        startedMs = double(clock.nsecsElapsed()) / 1e6;
        return job;
    }

    QElapsedTimer clock;
    double startedMs = 0.0;

private:
    zyt::PrintService &printing_;
};

// The graph's "Print" into a PDF file.
double firstPdfPrint()
{
    zyt::test::ScriptedPlatform platform;
    QTemporaryDir dir;
    platform.chooseAlways(dir.filePath(QStringLiteral("graph.pdf")));
    zyt::LoadedPrinting printing(platform, QStringLiteral(ZYT_MODULE_DIR));
    StartWatch watch(printing);
    zyt::AppState st;
    st.platform = platform.platform();
    st.platform.print = &watch;
    st.platform.printers = &printing;
    st.print.Printer = zyt::PdfFilePrinter;
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    watch.clock.start();
    zyt::Form60_Command2_Click(picture, st, 15.0);
    return platform.shown.isEmpty() ? watch.startedMs : 0.0;
}

} // namespace

ZYT_FIRST_SHOW("firstPdfPrintInAFreshProcess", firstPdfPrint);
