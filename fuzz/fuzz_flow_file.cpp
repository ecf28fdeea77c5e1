// Any bytes as an FLW, DFW, DeskTop Dyno or Dynomation flow file: the
// import must never crash, hang or throw, keep its lists and rows within
// their sizes, and end every outcome with its own boxes: a file without a
// flow block changes nothing, a failed read no row, and a success calculates
// the sheet once and sets the path line. The first byte picks the kind, the
// units and the decimal separator.

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "files/flow_file_import.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"

#include <QObject>

#include <set>

using namespace zyt;
using namespace zyt::fuzz;
using S = Flow_Test_Sheet;

namespace {

const char *const names[] = {"test.flw", "test.dfw", "test.dyn", "test.dym"};

// The cells the read itself writes.
std::set<int> readCells()
{
    const CellLayout &l = S::sheetLayout();
    return {l.id(S::Text102, 3), l.id(S::Text108, 7), l.id(S::Text104, 3), l.id(S::Text106, 6),
            l.id(S::Text108, 6)};
}

// ... and what placing the points adds.
std::set<int> importCells()
{
    const CellLayout &l = S::sheetLayout();
    std::set<int> out = readCells();
    for (int r = 16; r <= 30; ++r)
        for (S::Array a :
             {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207, S::Text210, S::Text211})
            out.insert(l.id(a, r));
    out.insert(l.id(S::Text39, S::Single));
    return out;
}

FuzzPlatform &fuzzPlatform()
{
    static FuzzPlatform platform;
    return platform;
}

// Writes are recorded only outside the calculation, which has cells of its
// own to write and boxes of its own to show.
bool calculating = false;
int calculations = 0;
qsizetype boxesBeforeCalculation = 0;
void calculate(Flow_Test_Sheet &sheet, bool metric, CalcState &calc, const NumberStyle &numbers,
               const Platform &platform)
{
    ++calculations;
    boxesBeforeCalculation = fuzzPlatform().texts.size();
    calculating = true;
    Calculate_Sheet(sheet, metric, calc, numbers, platform);
    calculating = false;
}

void run(QByteArrayView bytes, std::uint8_t options)
{
    FuzzPlatform &platform = fuzzPlatform();
    static AppState st;
    static const std::set<int> readWritable = readCells();
    static const std::set<int> importWritable = importCells();
    platform.reset(0);
    resetState(st, platform);
    if (options & 8)
        st.numbers.setLocaleSeparators(u',', u'.');
    MainModel main;
    main.setCell(MainModel::Check2, (options & 4) ? QStringLiteral("1") : QStringLiteral("0"));
    st.Main = &main;
    const QString name = QString::fromLatin1(names[options & 3]);
    const QStringList lines = splitLines(decodeFileText(bytes));

    // The read alone: lists within their places.
    {
        S scratch;
        const FlowFileRead read =
            readFlowFileLines(scratch, lines, flowFileKind(name), (options & 4) != 0, st.numbers);
        FUZZ_CHECK(read.Read_Count >= 0 && read.Read_Count <= lines.size());
        if (read.end == FlowReadEnd::Complete) {
            FUZZ_CHECK(read.block.inCount <= FlowPoints && read.block.exCount <= FlowPoints);
            for (int i = std::max(read.block.inCount, 0); i < FlowPoints; ++i)
                FUZZ_CHECK(read.block.inLift[size_t(i)] == 0.0 &&
                           read.block.inFlow[size_t(i)] == 0.0);
        }
    }

    S sheet;
    if (st.numbers.Decimal_Comma != 0)
        Form_Dots_To_Commas(sheet); // as start-up leaves every sheet
    const QString before = QStringLiteral("before.dat");
    sheet.setCell(S::Text39, S::Single, before);
    std::set<int> written;
    QObject::connect(&sheet, &CellModel::cellChanged, [&](int id) {
        if (!calculating)
            written.insert(id);
    });
    calculations = 0;
    boxesBeforeCalculation = -1;
    const bool ok = importFlowLines(sheet, lines, name, st, calculate);

    const QStringList &boxes = platform.texts;
    FUZZ_CHECK(!boxes.isEmpty());
    auto isCount = [](const QString &text) { return text.endsWith(u" Records Read"); };
    if (!ok) {
        FUZZ_CHECK(calculations == 0);
        FUZZ_CHECK(sheet.path() == before);
        for (int id : written)
            FUZZ_CHECK(readWritable.count(id) == 1);
        if (boxes[0] == u"NO Flow Infomation Found!!!") {
            FUZZ_CHECK(boxes.size() == 1 && written.empty());
            return;
        }
        FUZZ_CHECK(boxes.size() == 2);
        FUZZ_CHECK(boxes[0] == u"Problem Reading Flow File -- May Not have all needed Information");
        FUZZ_CHECK(isCount(boxes[1]));
        return;
    }
    FUZZ_CHECK(calculations == 1);
    FUZZ_CHECK(sheet.path() == name);
    for (int id : written)
        FUZZ_CHECK(importWritable.count(id) == 1);
    FUZZ_CHECK(boxesBeforeCalculation == 1 || boxesBeforeCalculation == 2);
    FUZZ_CHECK(isCount(boxes[0]));
    if (boxesBeforeCalculation == 2)
        FUZZ_CHECK(boxes[1] == u"NOT ALL Flow Infomation Could be Pocessed!!!");
    for (int r = 16; r <= 30; ++r) {
        FUZZ_CHECK(sheet.cell(S::Text207, r) == u"0");
        FUZZ_CHECK(sheet.cell(S::Text210, r) == u"0");
    }
    FUZZ_CHECK(sheet.cell(S::Text101, 16) == u"0");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the flow file import");
    }
    return 0;
}
