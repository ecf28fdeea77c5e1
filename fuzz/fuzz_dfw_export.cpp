// Any cell texts exported as a .dfw file: the export must never crash or
// throw, change a cell, or leave a half-written file: a failure shows its box
// and keeps the old file; a success writes exactly the file's text, and
// importing it again gives back the points it holds, calculating once and
// setting the path line. The first byte picks the Engine Analyzer answer,
// the units and the decimal separator; the other lines are cell texts.

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "files/dfw_export.h"
#include "files/flow_file_import.h"
#include "files/outside_files.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <vector>

using namespace zyt;
using namespace zyt::fuzz;
using S = Flow_Test_Sheet;
namespace units = outsideUnits;

namespace {

// The cells the input fills, in order.
std::vector<std::pair<S::Array, int>> inputCells()
{
    std::vector<std::pair<S::Array, int>> out{{S::Text102, 3}, {S::Text104, 3}, {S::Text106, 6},
                                              {S::Text108, 6}, {S::Text102, 1}, {S::Text104, 1},
                                              {S::Text102, 8}, {S::Text104, 8}};
    for (int r = 16; r <= 30; ++r)
        for (S::Array a : {S::Text101, S::Text102, S::Text103})
            out.emplace_back(a, r);
    return out;
}

QStringList snapshot(const S &sheet)
{
    QStringList all;
    for (int id = 0; id < sheet.layout().cellCount(); ++id)
        all << sheet.text(id);
    return all;
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int calculations = 0;
void countCalculation(Flow_Test_Sheet &, bool, CalcState &, const NumberStyle &, const Platform &)
{
    ++calculations;
}

// The point the file holds for a cell value, as the import keeps it.
bool near(double read, double expected)
{
    return std::fabs(read - expected) <= 1e-4 + 1e-12 * std::fabs(expected);
}

void run(QByteArrayView bytes, std::uint8_t options)
{
    static FuzzPlatform platform;
    static AppState st;
    static const auto cells = inputCells();
    platform.reset(options & 1); // the first box is the Engine Analyzer question
    resetState(st, platform);
    const bool metric = (options & 2) != 0;
    if (options & 4)
        st.numbers.setLocaleSeparators(u',', u'.');
    MainModel main;
    main.setCell(MainModel::Check2, metric ? QStringLiteral("1") : QStringLiteral("0"));
    st.Main = &main;

    S sheet;
    const QStringList texts = decodeFileText(bytes).split(u'\n');
    for (size_t i = 0; i < cells.size() && i < size_t(texts.size()); ++i)
        sheet.setCell(cells[i].first, cells[i].second, texts[qsizetype(i)]);
    const QStringList before = snapshot(sheet);

    const QString path = QDir(platform.path()).filePath(QStringLiteral("out.dfw"));
    const QByteArray old = "an earlier file\r\n";
    FUZZ_CHECK(writeFileAtomically(path, old));
    platform.chosen = path;
    const bool ok = Export_DFW_File(sheet, st);
    platform.chosen.reset();

    FUZZ_CHECK(snapshot(sheet) == before);
    const QStringList &boxes = platform.texts;
    FUZZ_CHECK(!boxes.isEmpty() && boxes[0].startsWith(u"Will This Flow File be Used"));
    const bool analyzer = (options & 1) == 0;
    if (!ok) {
        FUZZ_CHECK(boxes.size() == 2 && boxes[1] == u"Problem - DFW File was Not Saved");
        FUZZ_CHECK(readFile(path) == old);
        return;
    }
    const DFW_Flow_File file = writeDfwText(sheet, analyzer, metric, st.numbers);
    FUZZ_CHECK(readFile(path) == encodeFileText(file.text));
    const bool warns = !analyzer && (file.inCount > 10 || file.exCount > 10);
    FUZZ_CHECK(boxes.size() == (warns ? 2 : 1));
    FUZZ_CHECK(file.inCount >= 0 && file.inCount <= 15 && file.exCount >= 0 && file.exCount <= 15);

    // The points the export chose, in the file's units.
    std::vector<double> lifts[2];
    std::vector<double> flows[2];
    for (int r = 16; r <= 30; ++r) {
        const double lift = fixDecimalSepValue(sheet.cell(S::Text101, r), st.numbers);
        for (int side = 0; side < 2; ++side) {
            const double flow =
                fixDecimalSepValue(sheet.cell(side == 0 ? S::Text102 : S::Text103, r), st.numbers);
            if (lift != 0.0 && flow != 0.0) {
                lifts[side].push_back(units::liftInches(lift, metric));
                flows[side].push_back(units::flowCfm(flow, metric));
            }
        }
    }
    FUZZ_CHECK(int(lifts[0].size()) == file.inCount && int(lifts[1].size()) == file.exCount);

    // Read back as a .dfw file: the same points, unless a lift is too large
    // for thousandths of an inch or a diameter for millimetres.
    bool fits = true;
    for (const auto &side : lifts)
        for (double lift : side)
            fits = fits && std::isfinite(lift * 1000.0);
    for (S::Array a : {S::Text102, S::Text104}) {
        const double d =
            units::lengthInches(parseNumber(sheet.cell(a, 3), st.numbers.localeDecimal), metric);
        fits = fits && std::isfinite(d * units::MmPerInch);
    }
    const QStringList lines = splitLines(decodeFileText(readFile(path)));
    S scratch;
    const FlowFileRead read =
        readFlowFileLines(scratch, lines, FlowFileKind::Dfw, metric, st.numbers);
    if (!fits)
        return;
    FUZZ_CHECK(read.end == FlowReadEnd::Complete);
    FUZZ_CHECK(read.block.inCount == file.inCount && read.block.exCount == file.exCount);
    const FlowPointList *readLifts[2] = {&read.block.inLift, &read.block.exLift};
    const FlowPointList *readFlows[2] = {&read.block.inFlow, &read.block.exFlow};
    for (int side = 0; side < 2; ++side) {
        for (size_t i = 0; i < lifts[side].size(); ++i) {
            FUZZ_CHECK(near((*readLifts[side])[i], lifts[side][i]));
            FUZZ_CHECK(near((*readFlows[side])[i], flows[side][i]));
        }
    }

    platform.reset(0);
    S back;
    calculations = 0;
    FUZZ_CHECK(importFlowLines(back, lines, path, st, countCalculation));
    FUZZ_CHECK(calculations == 1 && back.path() == path);
    FUZZ_CHECK(platform.texts[0] ==
               Format_Thousands(read.Read_Count, st.numbers) + QStringLiteral(" Records Read"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the export or its re-import");
    }
    return 0;
}
