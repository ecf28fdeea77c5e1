// Any bytes as a company information (.dcn) file: the reader must never
// crash, hang or throw, write any cell but the five company fields, or show
// more than ten bad-record boxes and the count of the others; each field holds
// the text of the last line with its key, or keeps its own; what it read
// must come back from a save unchanged.

#include "files/record_lines.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "main/company_file.h"
#include "model/main_model.h"

#include <QObject>

#include <algorithm>
#include <array>
#include <set>

using namespace zyt;
using namespace zyt::fuzz;
using M = MainModel;

namespace {

struct Field {
    QLatin1StringView key;
    M::Array cell;
};

const std::array<Field, 5> fields{{
    {QLatin1StringView("Company Name = "), M::Text94},
    {QLatin1StringView("Company Address = "), M::Text95},
    {QLatin1StringView("Company City = "), M::Text96},
    {QLatin1StringView("Company Phone = "), M::Text97},
    {QLatin1StringView("Company WebSite = "), M::Text98},
}};

const QString kept = QStringLiteral("kept");

void run(QByteArrayView bytes, std::uint8_t answers)
{
    static FuzzPlatform platform;
    static AppState st;
    platform.reset(answers);
    resetState(st, platform);

    M main;
    std::set<int> allowed;
    for (const Field &f : fields) {
        main.setCell(f.cell, kept);
        allowed.insert(main.layout().id(f.cell, M::Single));
    }
    std::set<int> written;
    QObject::connect(&main, &CellModel::cellChanged, [&](int id) { written.insert(id); });
    const QStringList lines = splitLines(decodeFileText(bytes));
    readCompanyLines(main, lines, st.numbers, st.platform);

    for (int id : written)
        FUZZ_CHECK(allowed.count(id) == 1);

    // The keys count with their letter case; a later line wins.
    std::array<QString, 5> expected;
    expected.fill(kept);
    int bad = 0;
    int firstBad = 0;
    int count = 0;
    for (const QString &line : lines) {
        ++count;
        bool matched = false;
        for (size_t k = 0; k < fields.size() && !matched; ++k) {
            if (line.startsWith(fields[k].key)) {
                expected[k] = line.mid(fields[k].key.size());
                matched = true;
            }
        }
        if (!matched && bad++ == 0)
            firstBad = count;
    }
    for (size_t k = 0; k < fields.size(); ++k)
        FUZZ_CHECK(main.cell(fields[k].cell) == expected[k]);

    // No flood: the first ten bad records' boxes, then one box for the rest.
    FUZZ_CHECK(platform.texts.size() == qsizetype(std::min(bad, 10) + (bad > 10 ? 1 : 0)));
    if (bad > 0)
        FUZZ_CHECK(platform.texts.front().startsWith(
            QStringLiteral("Bad or Invalid Record Read #") + QString::number(firstBad) +
            QStringLiteral(" ->>> ")));
    if (bad > 10)
        FUZZ_CHECK(platform.texts.back().endsWith(u" Skipped without a Message."));

    // Saved and loaded again, every field comes back as written.
    const RecordWriter records = writeCompanyRecords(main);
    FUZZ_CHECK(records.Write_Count() == 5);
    platform.reset(0);
    M back;
    readCompanyLines(back, splitLines(decodeFileText(records.bytes())), st.numbers, st.platform);
    FUZZ_CHECK(platform.texts.isEmpty());
    for (const Field &f : fields)
        FUZZ_CHECK(back.cell(f.cell) == asWrittenValue(main.cell(f.cell)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the company file reader");
    }
    return 0;
}
