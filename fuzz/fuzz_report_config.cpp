// Any bytes as a report configuration (.cfg) file: the reader must never
// crash, hang or throw, write any cell but the report window's check boxes
// and options, or leave one with a value it cannot have; what it read must
// come back from a save unchanged.

#include "files/flow_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/report_model.h"
#include "report/report_config.h"

#include <QObject>

#include <set>

using namespace zyt;
using namespace zyt::fuzz;
using R = ReportModel;

namespace {

constexpr R::Array checkBoxes[] = {R::Check1, R::Check2, R::Check3};
constexpr R::Array optionGroups[] = {R::Option1, R::Option2};

const std::set<int> &writable()
{
    static const std::set<int> ids = [] {
        const CellLayout &l = R::reportLayout();
        std::set<int> out;
        for (R::Array box : checkBoxes)
            for (int i = 0; i <= R::lastIndex(box); ++i)
                out.insert(l.id(box, i));
        for (R::Array group : optionGroups)
            out.insert(l.id(group, R::Single));
        return out;
    }();
    return ids;
}

bool knownBox(const QString &text)
{
    for (const char *prefix : {"Record not Handled -->", "Invalid Input Record # - ",
                               "Error Loading Configuration Data File"})
        if (text.startsWith(QLatin1StringView(prefix)))
            return true;
    return text.endsWith(u" Skipped without a Message.");
}

bool isStop(const QString &text)
{
    return text.startsWith(u"Error Loading Configuration Data File");
}

void run(QByteArrayView bytes, std::uint8_t answers)
{
    static FuzzPlatform platform;
    static AppState st;
    platform.reset(answers);
    resetState(st, platform);

    R report;
    std::set<int> written;
    QObject::connect(&report, &CellModel::cellChanged, [&](int id) { written.insert(id); });
    const QStringList lines = splitLines(decodeFileText(bytes));
    int Read_Count = 0;
    const ReadEnd end = readReportConfigLines(report, lines, st.numbers, st.platform, Read_Count);

    FUZZ_CHECK(Read_Count >= 0 && Read_Count <= lines.size());
    FUZZ_CHECK(end == ReadEnd::Stopped || Read_Count == lines.size());
    for (int id : written) {
        FUZZ_CHECK(writable().count(id) == 1);
        const QString &value = report.text(id);
        const int array = R::reportLayout().arrayOf(id);
        if (array == R::Option1 || array == R::Option2)
            FUZZ_CHECK(value == u"0" || value == u"1" || value == u"2");
        else
            FUZZ_CHECK(value == u"0" || value == u"1");
    }

    // Every box is the reader's, at most one question per line read; the
    // stop box shows once, last, exactly when the reading stopped.
    int stops = 0;
    for (const QString &text : platform.texts) {
        FUZZ_CHECK(knownBox(text));
        stops += isStop(text);
    }
    FUZZ_CHECK(stops == (end == ReadEnd::Stopped ? 1 : 0));
    FUZZ_CHECK(stops == 0 || isStop(platform.texts.back()));
    FUZZ_CHECK(platform.texts.size() <= Read_Count + stops);
    FUZZ_CHECK(platform.texts.size() <= 12); // ten bad records, then a count or the stop's two

    // Saved and read back into a window as it opens, every choice returns.
    const RecordWriter records = writeReportConfigRecords(report, st.numbers);
    int options = 0;
    for (R::Array group : optionGroups)
        options += report.option(group) >= 0;
    FUZZ_CHECK(records.Write_Count() == 36 + options);
    platform.reset(0);
    R back;
    int count = 0;
    FUZZ_CHECK(readReportConfigLines(back, splitLines(decodeFileText(records.bytes())), st.numbers,
                                     st.platform, count) == ReadEnd::Completed);
    FUZZ_CHECK(count == records.Write_Count());
    FUZZ_CHECK(platform.texts.isEmpty());
    for (R::Array group : optionGroups)
        FUZZ_CHECK(back.option(group) == report.option(group));
    for (R::Array box : checkBoxes)
        for (int i = 0; i <= R::lastIndex(box); ++i)
            FUZZ_CHECK(back.checked(box, i) == report.checked(box, i));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the report configuration reader");
    }
    return 0;
}
