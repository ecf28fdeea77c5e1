// Any bytes as a PTPFA file: the import must never crash, hang or throw,
// write a cell outside its own, or end a failure without its error box; a
// success calculates the sheet once and sets the path line. The first byte
// picks the name (.pti or other), the units and the decimal separator.

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
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
    std::set<int> out;
    auto add = [&](S::Array a, int i) { out.insert(l.id(a, i)); };
    for (int r = 16; r <= 30; ++r)
        for (S::Array a :
             {S::Text101, S::Text106, S::Text107, S::Text108, S::Text207, S::Text210, S::Text211})
            add(a, r);
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

// Writes are recorded only outside the calculation, which has cells of its
// own to write.
bool calculating = false;
int calculations = 0;
void calculate(Flow_Test_Sheet &sheet, bool metric, CalcState &calc, const NumberStyle &numbers,
               const Platform &platform)
{
    ++calculations;
    calculating = true;
    Calculate_Sheet(sheet, metric, calc, numbers, platform);
    calculating = false;
}

void run(QByteArrayView bytes, std::uint8_t options)
{
    static FuzzPlatform platform;
    static AppState st;
    static const std::set<int> sheetWritable = sheetCells();
    static const std::set<int> mainWritable = mainCells();
    platform.reset(0);
    resetState(st, platform);
    if (options & 4)
        st.numbers.setLocaleSeparators(u',', u'.');
    M main;
    main.setCell(M::Check2, (options & 2) ? QStringLiteral("1") : QStringLiteral("0"));
    st.Main = &main;

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
    QObject::connect(&main, &CellModel::cellChanged, [&](int id) {
        if (!calculating)
            FUZZ_CHECK(mainWritable.count(id) == 1);
    });
    const QString name = (options & 1) ? QStringLiteral("test.pti") : QStringLiteral("test.txt");
    calculations = 0;
    const bool ok =
        importPtpfaLines(sheet, main, splitLines(decodeFileText(bytes)), name, st, calculate);

    for (int id : written)
        FUZZ_CHECK(sheetWritable.count(id) == 1);
    if (ok) {
        FUZZ_CHECK(calculations == 1);
        FUZZ_CHECK(sheet.path() == name);
        return;
    }
    FUZZ_CHECK(calculations == 0);
    FUZZ_CHECK(sheet.path() == before);
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
