// Any bytes as a main data file: the reader must never crash, hang, throw,
// or leave a check box, the layout option or a graph setting with a value
// it cannot have; what it read must come back from a save unchanged.

#include "calc/formats.h"
#include "files/main_data_file.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "model/program_hooks.h"

#include <QObject>

#include <array>
#include <memory>
#include <set>

using namespace zyt;
using namespace zyt::fuzz;
using M = MainModel;
using C = CompareModel;

namespace {

const std::set<int> &writable()
{
    static const std::set<int> ids = [] {
        const CellLayout &l = M::mainLayout();
        std::set<int> out;
        auto add = [&](M::Array a, int i) { out.insert(l.id(a, i)); };
        for (auto [a, i] : {std::pair{M::Text101, 3},
                            {M::Text101, 8},
                            {M::Text102, 9},
                            {M::Text103, 3},
                            {M::Text103, 8},
                            {M::Text104, 3},
                            {M::Text104, 9},
                            {M::Text105, 3},
                            {M::Text106, 9},
                            {M::Text109, 3},
                            {M::Text111, 3}})
            add(a, i);
        for (int k = 0; k < 5; ++k)
            add(M::Text1, k);
        for (M::Array a : {M::Text94, M::Text95, M::Text96, M::Text97, M::Text98, M::Text38,
                           M::Check1, M::Check2, M::Check3, M::Option4})
            add(a, M::Single);
        return out;
    }();
    return ids;
}

bool knownBox(const QString &text)
{
    for (const char *prefix :
         {"Record not Handled -->", "Error Number ", "Error Loading Main Data File",
          "Flow Data File has Not been Loaded", "Invalid Input Record # - ",
          "Error Loading Flow Data File", "Caution - ", "Problem Calculating"})
        if (text.startsWith(QLatin1StringView(prefix)))
            return true;
    return text.endsWith(u" Skipped without a Message.");
}

bool isCheck(const QString &value) { return value == u"0" || value == u"1"; }

struct Windows {
    M main;
    std::array<std::unique_ptr<Flow_Test_Sheet>, 5> sheets;
    C form50;
    GraphWindowState form60;

    explicit Windows(bool withSheets)
    {
        if (withSheets)
            for (auto &s : sheets)
                s = std::make_unique<Flow_Test_Sheet>();
    }
    Models view()
    {
        return Models{
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            form50,
            form60};
    }
};

// Counts the "Metric" switches the reader asks for; every logo file loads.
struct Hooks final : ProgramHooks {
    int switches = 0;
    void Check2_Click() override { ++switches; }
    void Command51_Click() override {}
    bool loadLogoPicture(const QString &) override { return true; }
    void clearGraphPicture() override {}
    void Stretch_Picture() override {}
};

void run(QByteArrayView bytes, std::uint8_t answers)
{
    static FuzzPlatform platform;
    static AppState st;
    platform.reset(answers);
    resetState(st, platform);
    Hooks hooks;

    Windows w(true);
    st.Main = &w.main;
    std::set<int> written;
    int check2Changes = 0;
    const int check2 = w.main.layout().id(M::Check2, M::Single);
    QObject::connect(&w.main, &CellModel::cellChanged, [&](int id) {
        written.insert(id);
        check2Changes += id == check2;
    });
    Models view = w.view();
    const QStringList lines = splitLines(decodeFileText(bytes));
    const ReadEnd end = readMainDataLines(view, lines, st, hooks);

    for (int id : written)
        FUZZ_CHECK(writable().count(id) == 1);
    FUZZ_CHECK(hooks.switches == check2Changes);
    for (M::Array box : {M::Check1, M::Check2, M::Check3})
        FUZZ_CHECK(isCheck(w.main.cell(box)));
    FUZZ_CHECK(w.main.cell(M::Option4) == u"0" || w.main.cell(M::Option4) == u"1" ||
               w.main.cell(M::Option4) == u"2");
    for (int k = 0; k < 5; ++k)
        FUZZ_CHECK(w.main.cell(M::Text1, k) == u"No" || w.main.cell(M::Text1, k).size() > 4);
    const int flags[] = {st.graph.Quarter_D_Line, st.graph.Auto_X_Lines, st.graph.Mark_Points,
                         st.graph.Calc_Low_Y};
    for (int k = 0; k < 4; ++k) {
        FUZZ_CHECK(isCheck(w.form50.cell(C::Array(k))));
        FUZZ_CHECK(w.form50.cell(C::Array(k)) == QString::number(flags[k]));
    }
    FUZZ_CHECK(w.form60.Picture1_DrawStyle >= 0 && w.form60.Picture1_DrawStyle <= 6);
    for (const QString &text : platform.texts)
        FUZZ_CHECK(knownBox(text));
    if (end == ReadEnd::Stopped) {
        FUZZ_CHECK(platform.texts.back().startsWith(u"Error Loading Main Data File"));
        return;
    }
    Form_Commas_To_Dots(w.main);

    // Written and read back (without preloading again), every stored value
    // comes back; the writer never writes a record the reader refuses.
    const RecordWriter records = writeMainDataRecords(view, st.graph, st.numbers);
    FUZZ_CHECK(records.Write_Count() == 37);
    const AppState saved = st;
    platform.reset(0);
    resetState(st, platform);
    Windows b(false);
    st.Main = &b.main;
    Models backView = b.view();
    FUZZ_CHECK(readMainDataLines(backView, splitLines(decodeFileText(records.bytes())), st,
                                 hooks) == ReadEnd::Completed);
    for (const QString &text : platform.texts) // only a logo file can be missing
        FUZZ_CHECK(text.startsWith(u"Error Number 53 -- File not found"));
    for (int id : writable()) {
        const int a = M::mainLayout().arrayOf(id);
        const QString &was = w.main.text(id);
        const QString &now = b.main.text(id);
        if (a == M::Text38)
            FUZZ_CHECK(now == asWrittenComments(was));
        else if (a <= M::Text111)
            FUZZ_CHECK(now == lowerChars(asWrittenValue(was)));
        else
            FUZZ_CHECK(now == asWrittenValue(was));
    }
    FUZZ_CHECK(st.graph.Logo_On == saved.graph.Logo_On);
    FUZZ_CHECK(st.graph.Logo_On != 1 ||
               st.graph.Logo_File == asWrittenValue(saved.graph.Logo_File));
    FUZZ_CHECK(st.graph.Grid_On == saved.graph.Grid_On);
    FUZZ_CHECK(st.graph.Grid_Line_Color == saved.graph.Grid_Line_Color);
    FUZZ_CHECK(b.form60.Picture1_DrawStyle == w.form60.Picture1_DrawStyle);
    FUZZ_CHECK(b.form60.Picture2_Top == w.form60.Picture2_Top);
    FUZZ_CHECK(b.form60.Picture2_Left == w.form60.Picture2_Left);
    for (int k = 0; k < 4; ++k)
        FUZZ_CHECK(b.form50.cell(C::Array(k)) == w.form50.cell(C::Array(k)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the main data reader");
    }
    return 0;
}
