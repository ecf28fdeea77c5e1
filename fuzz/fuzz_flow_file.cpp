// Any bytes as an FLW, DFW, DeskTop Dyno or Dynomation flow file: the
// import must never crash, hang or throw, keep its lists and rows within
// their sizes, and end every outcome with its own boxes: a file without a
// flow block changes nothing, a failed read no row, and a success calculates
// the sheet once and sets the path line. The first byte picks the kind, the
// units and the decimal separator.

#include "files/flow_file_import.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"

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
    std::set<int> out = readCells();
    out.merge(ImportRun::liftRowCells());
    out.insert(S::sheetLayout().id(S::Text39, S::Single));
    return out;
}

void run(QByteArrayView bytes, std::uint8_t options)
{
    static FuzzPlatform platform;
    static const std::set<int> readWritable = readCells();
    static const std::set<int> importWritable = importCells();
    platform.reset(0);
    ImportRun r(platform, (options & 4) != 0, (options & 8) != 0);
    const QString name = QString::fromLatin1(names[options & 3]);
    const QStringList lines = splitLines(decodeFileText(bytes));

    // The read alone: lists within their places.
    {
        S scratch;
        const FlowFileRead read =
            readFlowFileLines(scratch, lines, flowFileKind(name), (options & 4) != 0, r.st.numbers);
        FUZZ_CHECK(read.Read_Count >= 0 && read.Read_Count <= lines.size());
        if (read.end == FlowReadEnd::Complete) {
            FUZZ_CHECK(read.block.inCount <= FlowPoints && read.block.exCount <= FlowPoints);
            for (int i = std::max(read.block.inCount, 0); i < FlowPoints; ++i)
                FUZZ_CHECK(read.block.inLift[size_t(i)] == 0.0 &&
                           read.block.inFlow[size_t(i)] == 0.0);
        }
    }

    const bool ok = importFlowLines(r.sheet, lines, name, r.st, ImportRun::calculate);

    const QStringList &boxes = platform.texts;
    FUZZ_CHECK(!boxes.isEmpty());
    auto isCount = [](const QString &text) { return text.endsWith(u" Records Read"); };
    if (!ok) {
        FUZZ_CHECK(r.calculations == 0);
        FUZZ_CHECK(r.sheet.path() == ImportRun::before);
        for (int id : r.written)
            FUZZ_CHECK(readWritable.count(id) == 1);
        if (boxes[0] == u"NO Flow Infomation Found!!!") {
            FUZZ_CHECK(boxes.size() == 1 && r.written.empty());
            return;
        }
        FUZZ_CHECK(boxes.size() == 2);
        FUZZ_CHECK(boxes[0] == u"Problem Reading Flow File -- May Not have all needed Information");
        FUZZ_CHECK(isCount(boxes[1]));
        return;
    }
    FUZZ_CHECK(r.calculations == 1);
    FUZZ_CHECK(r.sheet.path() == name);
    for (int id : r.written)
        FUZZ_CHECK(importWritable.count(id) == 1);
    FUZZ_CHECK(r.boxesBeforeCalculation == 1 || r.boxesBeforeCalculation == 2);
    FUZZ_CHECK(isCount(boxes[0]));
    if (r.boxesBeforeCalculation == 2)
        FUZZ_CHECK(boxes[1] == u"NOT ALL Flow Infomation Could be Pocessed!!!");
    for (int row = 16; row <= 30; ++row) {
        FUZZ_CHECK(r.sheet.cell(S::Text207, row) == u"0");
        FUZZ_CHECK(r.sheet.cell(S::Text210, row) == u"0");
    }
    FUZZ_CHECK(r.sheet.cell(S::Text101, 16) == u"0");
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
