#include "report_config.h"

#include "calc/formats.h"
#include "files/file_command.h"
#include "files/record_boxes.h"
#include "files/record_lines.h"
#include "model/app_state.h"
#include "model/report_model.h"
#include "platform/numbers.h"

#include <cmath>

namespace zyt {

namespace {

using R = ReportModel;
namespace boxes = recordBoxes;

const QString Filter = QStringLiteral(
    "Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Configuration Files (*.cfg)|*.cfg");
constexpr int FilterIndex = 3;

const FileKind LoadKind{Filter, FilterIndex,
                        failureBox(QStringLiteral("Configuration File has Not been Loaded")),
                        QStringLiteral(" Records Read")};
const FileKind SaveKind{Filter, FilterIndex,
                        failureBox(QStringLiteral("Configuration File has NOT been Saved")),
                        QStringLiteral(" Records Written")};
const QString ErrorLoading = QStringLiteral("Error Loading Configuration Data File --- If you "
                                            "have Not edited the file Please Contact us!");

struct BoxKey {
    QLatin1StringView key;
    R::Array box;
};
// Tried in this order; each key is seven characters.
const BoxKey boxKeys[] = {
    {QLatin1StringView("check1_"), R::Check1},
    {QLatin1StringView("check2_"), R::Check2},
    {QLatin1StringView("check3_"), R::Check3},
};
const BoxKey optionKeys[] = {
    {QLatin1StringView("option1"), R::Option1},
    {QLatin1StringView("option2"), R::Option2},
};
constexpr qsizetype KeyLength = 7;

enum class Verdict { Applied, NotHandled, CannotApply };

Verdict apply(ReportModel &report, const RecordLine &r, const NumberStyle &numbers)
{
    for (const BoxKey &k : boxKeys) {
        if (!r.startsWith(k.key))
            continue;
        const RecordLine::Index i = r.index(KeyLength, numbers.localeDecimal);
        if (i.status != RecordLine::IndexStatus::Ok || i.value < 0 || i.value > R::lastIndex(k.box))
            return Verdict::CannotApply;
        report.setChecked(k.box, int(i.value), r.lowerValue() == u"yes");
        return Verdict::Applied;
    }
    for (const BoxKey &k : optionKeys) {
        if (!r.startsWith(k.key))
            continue;
        const std::optional<double> n = tryParseNumber(r.lowerValue(), numbers.localeDecimal);
        if (!n)
            return Verdict::CannotApply;
        const double index = std::floor(*n);
        if (index < 0 || index >= R::OptionCount)
            return Verdict::CannotApply;
        report.setOption(k.box, int(index));
        return Verdict::Applied;
    }
    return Verdict::NotHandled;
}

} // namespace

void Write_Indexed_Record(RecordWriter &writer, QStringView name, double number,
                          const NumberStyle &numbers)
{
    writer.record(name, Format_Int(number, numbers));
}

RecordWriter writeReportConfigRecords(const ReportModel &report, const NumberStyle &numbers)
{
    RecordWriter w;
    for (const BoxKey &k : optionKeys) {
        const int chosen = report.option(k.box);
        if (chosen >= 0)
            Write_Indexed_Record(w, report.layout().arrayName(k.box), chosen, numbers);
    }
    for (R::Array box : {R::Check3, R::Check1, R::Check2}) {
        const QString &name = report.layout().arrayName(box);
        for (int index = 0; index <= R::lastIndex(box); ++index)
            w.record(name + u'_' + Format_Int(index, numbers),
                     report.checked(box, index) ? QStringLiteral("Yes") : QStringLiteral("No"));
    }
    return w;
}

ReadEnd readReportConfigLines(ReportModel &report, const QStringList &lines,
                              const NumberStyle &numbers, const Platform &platform, int &Read_Count)
{
    Read_Count = 0;
    boxes::BadRecordTally bad;
    for (const QString &line : lines) {
        ++Read_Count;
        switch (apply(report, RecordLine(line), numbers)) {
        case Verdict::Applied:
            break;
        case Verdict::NotHandled:
            if (bad.show() && !boxes::recordNotHandled(platform, boxes::VornTitle, line)) {
                boxes::failure(platform, ErrorLoading);
                return ReadEnd::Stopped;
            }
            break;
        case Verdict::CannotApply:
            platform.message(MsgRequest{boxes::invalidRecord(numbers, Read_Count, line),
                                        MsgButtons::OkCancel, MsgIcon::None, boxes::VornTitle});
            boxes::failure(platform, ErrorLoading);
            return ReadEnd::Stopped;
        }
    }
    bad.showSkipped(platform, numbers, boxes::VornTitle);
    return ReadEnd::Completed;
}

bool Save_Report_Config(const ReportModel &report, AppState &st)
{
    return writeFile(SaveKind, fileServices(st), std::nullopt,
                     [&] { return fileText(writeReportConfigRecords(report, st.numbers)); });
}

bool Load_Report_Config(ReportModel &report, AppState &st)
{
    // A load that a bad record stopped counts as not read and shows no count.
    const auto apply = [&](const QStringList &lines, const QString &) {
        int Read_Count = 0;
        const bool completed = readReportConfigLines(report, lines, st.numbers, st.platform,
                                                     Read_Count) == ReadEnd::Completed;
        return ReadOutcome{completed, Read_Count, completed};
    };
    return readFile(LoadKind, fileServices(st), std::nullopt, apply);
}

} // namespace zyt
