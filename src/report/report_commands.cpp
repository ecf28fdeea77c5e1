#include "report_commands.h"

#include "calc/calculate_sheet.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "model/report_model.h"

namespace zyt {

namespace {

using R = ReportModel;

// No count: the report is no record file.
const FileKind ReportFile{
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Printer Files (*.prt)|*.prt"),
    3,
    failureBox(QStringLiteral("Problem - File Not Saved")),
    {}};

} // namespace

ReportSelection reportSelection(const ReportModel &report)
{
    ReportSelection s;
    s.mainBlock = report.checked(R::Check3, 0);
    for (int k = 0; k < R::TestCount; ++k)
        s.tests[size_t(k)] = report.checked(R::Check1, k);
    for (int k = 0; k < R::FieldCount; ++k)
        s.fields[size_t(k)] = report.checked(R::Check2, k);
    s.mainAlignment = report.option(R::Option1);
    s.dataAlignment = report.option(R::Option2);
    return s;
}

void Create_Text_Report(ReportModel &report, const MainModel &main, const SheetList &sheets,
                        AppState &st)
{
    const ReportSelection selection = reportSelection(report);
    ReportSources sources;
    sources.main = &main;
    for (size_t k = 0; k < sheets.size(); ++k) {
        Flow_Test_Sheet *sheet = sheets[k];
        if (!sheet || !selection.tests[k])
            continue;
        // The section shows current results.
        Calculate_Sheet(*sheet, st.Metric(), st.calc, st.numbers, st.platform);
        sources.sheets[k] = sheet;
    }
    sources.metric = st.Metric();
    sources.numbers = st.numbers;
    report.showReport(buildReportText(selection, sources));
}

ReportKey reportKeyAction(QStringView keyText)
{
    if (keyText.isEmpty())
        return ReportKey::Keep;
    return keyText == u"." ? ReportKey::SaveAndClose : ReportKey::Close;
}

bool Text38_KeyPress(ReportModel &report, QStringView keyText, AppState &st)
{
    const ReportKey action = reportKeyAction(keyText);
    if (action == ReportKey::Keep)
        return false;
    if (action == ReportKey::SaveAndClose)
        Save_Report_File(report.reportText(), fileServices(st));
    report.closeReport();
    return true;
}

bool Save_Report_File(const QString &report, FileServices services)
{
    return writeFile(ReportFile, services, std::nullopt, [&] {
        return FileText{report + QLatin1StringView("\r\n"), 0};
    });
}

} // namespace zyt
