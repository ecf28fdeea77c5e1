// Any bytes as a parameter (.gui) file: the reader must never crash, hang or
// throw; it may change only the boxes' fonts and alignment and the graph's
// font colour, never to a size or an alignment no box can take, and only
// the sheets' calculation may write a cell; what it read must survive a save
// and a second read unchanged.

#include "calc/calculate_sheet.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "fuzz_support.h"
#include "main/fonts_alignment.h"
#include "main/gui_file.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "model/models.h"
#include "platform/choice_dialogs.h"

#include <QObject>

#include <array>
#include <memory>
#include <set>
#include <vector>

using namespace zyt;
using namespace zyt::fuzz;
using S = Flow_Test_Sheet;

namespace {

// The reader lower-cases a face name, so a lower-case default keeps a
// round trip of a box never given a font exact.
struct Fonts final : FontDialogs {
    std::optional<FontChoice> showFontDialog() override { return std::nullopt; }
    QString defaultFontName() override { return QStringLiteral("fuzz sans"); }
};

bool knownBox(const QString &text)
{
    for (const char *prefix : {"Invalid Input Record # - ", "Error Reading Parameter File"})
        if (text.startsWith(QLatin1StringView(prefix)))
            return true;
    return text.endsWith(u" Skipped without a Message.");
}

bool isStop(const QString &text) { return text.startsWith(u"Error Reading Parameter File"); }

// The windows the reader reaches. Two sheets stand for the five (a missing
// one is skipped) and keep the target quick; the writer needs only the first.
struct Windows {
    MainModel main;
    std::array<std::unique_ptr<S>, 5> sheets;
    CompareModel compare;
    GraphWindowState graph;
    std::set<int> sheetWrites;
    int otherWrites = 0;

    explicit Windows(int sheetCount)
    {
        for (int k = 0; k < sheetCount; ++k) {
            sheets[size_t(k)] = std::make_unique<S>(QStringLiteral("Form%1").arg(k + 1));
            QObject::connect(sheets[size_t(k)].get(), &CellModel::cellChanged,
                             [this](int id) { sheetWrites.insert(id); });
        }
        for (CellModel *m : {static_cast<CellModel *>(&main), static_cast<CellModel *>(&compare)})
            QObject::connect(m, &CellModel::cellChanged, [this](int) { ++otherWrites; });
    }
    Models view()
    {
        return Models{
            main,
            {sheets[0].get(), sheets[1].get(), sheets[2].get(), sheets[3].get(), sheets[4].get()},
            compare,
            graph};
    }
    std::vector<CellModel *> all()
    {
        std::vector<CellModel *> out{&main, &compare};
        for (auto &s : sheets)
            if (s)
                out.push_back(s.get());
        return out;
    }
};

// The cells a calculation writes on a sheet as start-up leaves it: the only
// sheet cells a .gui file can cause to change (through the alignment).
const std::set<int> &calculated(AppState &st)
{
    static const std::set<int> ids = [&] {
        S sheet;
        std::set<int> out;
        QObject::connect(&sheet, &CellModel::cellChanged, [&](int id) { out.insert(id); });
        Calculate_Sheet(sheet, false, st.calc, st.numbers, st.platform);
        return out;
    }();
    return ids;
}

bool sameBesidesFontAndAlignment(CellLook a, const CellLook &b)
{
    a.fontName = b.fontName;
    a.fontSize = b.fontSize;
    a.fontBold = b.fontBold;
    a.fontItalic = b.fontItalic;
    a.alignment = b.alignment;
    return a == b;
}

void run(QByteArrayView bytes, std::uint8_t answers)
{
    static Fonts fonts;
    static FuzzPlatform platform;
    static AppState st;
    platform.platform.fonts = &fonts;
    resetState(st, platform);
    const std::set<int> &mayCalculate = calculated(st);
    platform.reset(answers);

    Windows w(2);
    st.Main = &w.main;

    Models view = w.view();
    const QStringList lines = splitLines(decodeFileText(bytes));
    const int Read_Count = readGuiLines(view, lines, st);

    FUZZ_CHECK(Read_Count >= 0 && Read_Count <= lines.size());
    FUZZ_CHECK(w.otherWrites == 0);
    for (int id : w.sheetWrites)
        FUZZ_CHECK(mayCalculate.count(id) == 1);
    FUZZ_CHECK(st.numbers.Box_Alignment >= 0 && st.numbers.Box_Alignment <= 2);
    FUZZ_CHECK(st.looks.Font_Size.isEmpty() || fontSizeValue(st.looks.Font_Size, st.numbers));
    FUZZ_CHECK(w.graph.Picture1_ForeColor >= 0 && w.graph.Picture1_ForeColor <= 0xFFFFFF);
    // Windows as start-up leaves them hold the looks before the reading.
    static Windows pristine(2);
    const std::vector<CellModel *> models = w.all();
    const std::vector<CellModel *> before = pristine.all();
    for (size_t m = 0; m < models.size(); ++m) {
        const CellModel &model = *models[m];
        for (int id = 0; id < model.layout().cellCount(); ++id) {
            const CellLook &was = before[m]->look(id);
            const CellLook &now = model.look(id);
            FUZZ_CHECK(sameBesidesFontAndAlignment(now, was));
            FUZZ_CHECK(now.fontSize == was.fontSize || (now.fontSize >= 1 && now.fontSize <= 200));
            FUZZ_CHECK(now.alignment >= 0 && now.alignment <= 2);
            const QString &name = model.layout().arrayName(model.layout().arrayOf(id));
            // Comments keep their alignment, the compare graph's captions
            // their whole look.
            if (name == u"Text38")
                FUZZ_CHECK(now.alignment == was.alignment);
            if (&model == &w.compare && (name == u"Text71" || name == u"Text72"))
                FUZZ_CHECK(now == was);
        }
    }

    // Every box is the reader's, at most one per line read, and the stop
    // box, when it shows, is the last and only one of its kind.
    int stops = 0;
    for (const QString &text : platform.texts) {
        FUZZ_CHECK(knownBox(text));
        stops += isStop(text);
    }
    FUZZ_CHECK(platform.texts.size() <= Read_Count + stops);
    FUZZ_CHECK(platform.texts.size() <= 12); // ten bad records, then a count or the stop's two
    FUZZ_CHECK(stops <= 1);
    FUZZ_CHECK(stops == 0 || isStop(platform.texts.back()));
    FUZZ_CHECK(stops == 1 || Read_Count == lines.size());

    // Written and read into windows as start-up leaves them, the settings
    // come back: the second file is the first.
    const RecordWriter first = writeGuiRecords(view, st.numbers, st.platform);
    FUZZ_CHECK(first.Write_Count() == 19);
    platform.reset(0);
    resetState(st, platform);
    Windows b(1);
    st.Main = &b.main;
    Models backView = b.view();
    FUZZ_CHECK(readGuiLines(backView, splitLines(decodeFileText(first.bytes())), st) == 19);
    FUZZ_CHECK(platform.texts.isEmpty());
    FUZZ_CHECK(writeGuiRecords(backView, st.numbers, st.platform).text() == first.text());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(fileBytes(data, size), size > 0 ? data[0] : 0);
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the parameter file reader");
    }
    return 0;
}
