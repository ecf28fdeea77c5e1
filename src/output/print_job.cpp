#include "print_job.h"

#include "files/folder_names.h"
#include "files/text_files.h"
#include "model/app_state.h"
#include "model/main_model.h"
#include "platform/capture.h"
#include "platform/platform.h"
#include "platform/print_service.h"

#include <QCoreApplication>

namespace zyt {

QImage readPicture(const QString &path)
{
    QByteArray bytes;
    if (readWholeFile(path, bytes) != FileReadStatus::Ok)
        return QImage();
    return QImage::fromData(bytes);
}

PrintInputs currentPrintInputs(const GraphSettings &graph, const Platform &platform)
{
    PrintInputs inputs;
    if (graph.Logo_On == 1 && !graph.Logo_File.isEmpty()) {
        // A name the folder rule refuses prints no logo: never the file it
        // would have named.
        const std::optional<QString> path = fileInFolder(platform.programFolder(), graph.Logo_File);
        if (path)
            inputs.logo = readPicture(*path);
    }
    inputs.printedAt = platform.clock ? platform.clock->now() : QDateTime::currentDateTime();
    return inputs;
}

PageHeaderInfo pageHeaderFrom(const AppState &st, const PrintInputs &inputs)
{
    PageHeaderInfo info;
    info.App_Title = st.ui.App_Title;
    if (st.Main) {
        const MainModel::Array fields[] = {MainModel::Text94, MainModel::Text95, MainModel::Text96,
                                           MainModel::Text97, MainModel::Text98};
        for (size_t k = 0; k < info.company.size(); ++k)
            info.company[k] = st.Main->cell(fields[k]);
    }
    // The main window without cells starts on "Center".
    const QString layout = st.Main ? st.Main->cell(MainModel::Option4) : QStringLiteral("1");
    bool ok = false;
    const int option = layout.toInt(&ok);
    info.layout = ok ? option : -1;
    info.Logo_On = st.graph.Logo_On;
    info.logo = inputs.logo;
    info.printedAt = inputs.printedAt;
    info.locale = inputs.locale;
    return info;
}

bool printingCanRun(const Platform &platform)
{
    // Without a print service the printout itself says it failed.
    return !platform.print || platform.print->canPrint();
}

bool runPrintJob(const Platform &platform, const PrintState &print, const QString &documentName,
                 double width, const std::function<void(PrintJob &job)> &body)
{
    std::unique_ptr<PrintJob> job;
    if (platform.print && platform.dialogs) {
        PrintRequest request;
        request.documentName = documentName;
        request.width = width;
        job = startPrintJob(*platform.print, *platform.dialogs,
                            print.currentPrinter(platform.printers), platform.programFolder(),
                            request);
    }
    bool printed = false;
    if (job) {
        body(*job);
        printed = job->finish();
    }
    job.reset();
    if (!printed)
        platform.message(QStringLiteral("Problem - Printing Failed"), MsgButtons::Ok,
                         MsgIcon::Exclamation);
    // The windows catch up on what waited while the document was printed.
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
    return printed;
}

} // namespace zyt
