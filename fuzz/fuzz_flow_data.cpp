// Any bytes as a flow data file: the reader must never crash, hang, throw,
// or write a cell the file may not fill; what it read must survive a save
// and a load unchanged.

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "files/flow_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/flow_test_sheet.h"

#include <QObject>

#include <set>
#include <utility>

using namespace zyt;
using namespace zyt::fuzz;
using S = Flow_Test_Sheet;

namespace {

// The cells a flow data file may write: the accepted records, the second
// lift column, the comments and the three cleared rows.
const std::set<int> &writable()
{
    static const std::set<int> ids = [] {
        const CellLayout &l = S::sheetLayout();
        std::set<int> out;
        auto add = [&](S::Array a, int i) { out.insert(l.id(a, i)); };
        for (int r = 16; r <= 30; ++r)
            for (S::Array a : {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207,
                               S::Text210, S::Text211})
                add(a, r);
        for (int i : {0, 1, 3, 4, 6, 8, 10})
            add(S::Text102, i);
        for (int i : {0, 1, 3, 4, 6, 8})
            add(S::Text104, i);
        for (int i : {0, 1, 2, 3, 4, 6})
            add(S::Text106, i);
        for (int i : {0, 1, 2, 3, 6, 7, 8})
            add(S::Text108, i);
        for (int i : {5, 6, 8})
            add(S::Text110, i);
        add(S::Text112, 6);
        for (S::Array a : {S::Text202, S::Text204})
            for (int i : {4, 5})
                add(a, i);
        out.insert(l.id(S::Text38, S::Single));
        return out;
    }();
    return ids;
}

bool knownBox(const QString &text)
{
    for (const char *prefix :
         {"Record not Handled -->", "Invalid Input Record # - ", "Error Loading Flow Data File",
          "Caution - ", "Problem Calculating", "Error Number "})
        if (text.startsWith(QLatin1StringView(prefix)))
            return true;
    return text.endsWith(u" Skipped without a Message.");
}

void run(QByteArrayView bytes, std::uint8_t answers)
{
    static FuzzPlatform platform;
    static AppState st;
    platform.reset(answers);
    resetState(st, platform);

    S sheet;
    std::set<int> written;
    QObject::connect(&sheet, &CellModel::cellChanged, [&](int id) { written.insert(id); });
    const QStringList lines = splitLines(decodeFileText(bytes));
    int Read_Count = 0;
    const ReadEnd end = readFlowDataLines(sheet, lines, st.numbers, st.platform, Read_Count);

    FUZZ_CHECK(Read_Count >= 0 && Read_Count <= lines.size());
    FUZZ_CHECK(end == ReadEnd::Stopped || Read_Count == lines.size());
    for (int id : written)
        FUZZ_CHECK(writable().count(id) == 1);
    // The second lift column only ever follows the first.
    for (int r = 16; r <= 30; ++r)
        FUZZ_CHECK(written.count(sheet.id(S::Text108, r)) == 0 ||
                   sheet.cell(S::Text108, r) == sheet.cell(S::Text101, r));
    // No flood: ten bad records' boxes, then a count or the stop's two.
    FUZZ_CHECK(platform.texts.size() <= 12);
    for (const QString &text : platform.texts)
        FUZZ_CHECK(knownBox(text));
    if (end == ReadEnd::Stopped) {
        FUZZ_CHECK(platform.texts.back().startsWith(u"Error Loading Flow Data File"));
        return;
    }

    // The closing steps of a load, on whatever the file held.
    Form_Commas_To_Dots(sheet);
    Calculate_Sheet(sheet, st.Metric(), st.calc, st.numbers, st.platform);
    for (const QString &text : platform.texts)
        FUZZ_CHECK(knownBox(text));

    // Saved and read back, the sheet's input cells come back as written.
    const RecordWriter w = writeFlowDataRecords(sheet);
    FUZZ_CHECK(w.Write_Count() == 124);
    platform.reset(0);
    S back;
    int count = 0;
    FUZZ_CHECK(readFlowDataLines(back, splitLines(decodeFileText(w.bytes())), st.numbers,
                                 st.platform, count) == ReadEnd::Completed);
    FUZZ_CHECK(platform.texts.isEmpty());
    for (int id : writable()) {
        const CellLayout &l = S::sheetLayout();
        const int a = l.arrayOf(id);
        if (a == S::Text38)
            FUZZ_CHECK(back.text(id) == asWrittenComments(sheet.text(id)));
        else if (a == S::Text108 && l.indexOf(id) >= 16)
            FUZZ_CHECK(back.text(id) == back.cell(S::Text101, l.indexOf(id)));
        else if (a == S::Text106 && l.indexOf(id) == 4)
            continue; // read, but not written
        else if (a == S::Text102)
            FUZZ_CHECK(back.text(id) == asWrittenValue(sheet.text(id)));
        else
            FUZZ_CHECK(back.text(id) == lowerChars(asWrittenValue(sheet.text(id))));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the flow data reader");
    }
    return 0;
}
