// Any bytes as a PTPFA file: the import must never crash, hang or throw,
// write a cell outside its own, or end a failure without its error box; a
// success calculates the sheet once and sets the path line. The first byte
// picks the name (.pti or other), the units and the decimal separator.

#include "files/ptpfa_import.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/flow_test_sheet.h"
#include "model/main_model.h"

#include <QObject>

#include <set>

using namespace zyt;
using namespace zyt::fuzz;
using S = Flow_Test_Sheet;
using M = MainModel;

namespace {

std::set<int> sheetCells()
{
    const CellLayout &l = S::sheetLayout();
    std::set<int> out = ImportRun::liftRowCells();
    auto add = [&](S::Array a, int i) { out.insert(l.id(a, i)); };
    for (int i : {1, 3, 4, 6, 8, 10})
        add(S::Text102, i);
    for (int i : {0, 1, 3, 4, 6, 8})
        add(S::Text104, i);
    for (auto [a, i] : {std::pair{S::Text106, 2},
                        {S::Text106, 3},
                        {S::Text108, 2},
                        {S::Text108, 3},
                        {S::Text108, 7},
                        {S::Text110, 5},
                        {S::Text202, 4},
                        {S::Text204, 4},
                        {S::Text39, S::Single}})
        add(a, i);
    return out;
}

std::set<int> mainCells()
{
    const CellLayout &l = M::mainLayout();
    return {l.id(M::Text104, 3), l.id(M::Text105, 3), l.id(M::Text111, 3), l.id(M::Text101, 8)};
}

void run(QByteArrayView bytes, std::uint8_t options)
{
    static FuzzPlatform platform;
    static const std::set<int> sheetWritable = sheetCells();
    static const std::set<int> mainWritable = mainCells();
    platform.reset(0);
    ImportRun r(platform, (options & 2) != 0, (options & 4) != 0);
    // Of the main window's cells only the estimator's four may change.
    QObject::connect(&r.main, &CellModel::cellChanged,
                     [&](int id) { FUZZ_CHECK(mainWritable.count(id) == 1); });
    const QString name = (options & 1) ? QStringLiteral("test.pti") : QStringLiteral("test.txt");
    const bool ok = importPtpfaLines(r.sheet, r.main, splitLines(decodeFileText(bytes)), name, r.st,
                                     ImportRun::calculate);

    for (int id : r.written)
        FUZZ_CHECK(sheetWritable.count(id) == 1);
    if (ok) {
        FUZZ_CHECK(r.calculations == 1);
        FUZZ_CHECK(r.sheet.path() == name);
        return;
    }
    FUZZ_CHECK(r.calculations == 0);
    FUZZ_CHECK(r.sheet.path() == ImportRun::before);
    FUZZ_CHECK(platform.texts.size() == 1);
    // The failure line alone, or after the run-time error that caused it.
    const QString failure = QStringLiteral("Some or All of the Data from PTPFA File ") + name +
                            QStringLiteral(" has Not been Loaded");
    const QString &text = platform.texts[0];
    FUZZ_CHECK(text == failure || (text.startsWith(u"Error Number ") &&
                                   text.endsWith(QStringLiteral("\r\n\r\n") + failure)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the PTPFA import");
    }
    return 0;
}
