#include "flow_data_file.h"

#include "calc/calculate_sheet.h"
#include "calc/formats.h"
#include "file_command.h"
#include "folder_names.h"
#include "model/app_state.h"
#include "model/flow_test_sheet.h"
#include "record_boxes.h"
#include "record_lines.h"
#include "text_files.h"

#include <initializer_list>

namespace zyt {

namespace {

using S = Flow_Test_Sheet;
namespace boxes = recordBoxes;

const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Flow Data Files (*.dat)|*.dat");
constexpr int FilterIndex = 3;

const FileKind LoadKind{Filter, FilterIndex,
                        failureBox(QStringLiteral("Flow Data File has Not been Loaded")),
                        QStringLiteral(" Records Read")};
const FileKind SaveKind{Filter, FilterIndex,
                        failureBox(QStringLiteral("Flow Data File has NOT been Saved")),
                        QStringLiteral(" Records Written")};
const QString ErrorLoading = QStringLiteral(
    "Error Loading Flow Data File --- If you have Not edited the file Please Contact us!");

// Which element indexes a key takes.
enum class Takes {
    LiftRows,     // 16 and above
    IntakePanel,  // Text106: 0 to 4, 6 and the lift rows
    ExhaustPanel, // Text108: 0 to 3 and 6 to 8
    Listed,       // only the listed ones
};

struct Key {
    QLatin1StringView key;
    S::Array array;
    Takes takes;
    std::initializer_list<int> listed;
};

// In the order they are tried; each key is eight characters.
const Key keys[] = {
    {QLatin1StringView("text101_"), S::Text101, Takes::LiftRows, {}},
    {QLatin1StringView("text102_"), S::Text102, Takes::Listed, {0, 1, 3, 4, 6, 8, 10}},
    {QLatin1StringView("text104_"), S::Text104, Takes::Listed, {0, 1, 3, 4, 6, 8}},
    {QLatin1StringView("text106_"), S::Text106, Takes::IntakePanel, {}},
    {QLatin1StringView("text107_"), S::Text107, Takes::LiftRows, {}},
    {QLatin1StringView("text108_"), S::Text108, Takes::ExhaustPanel, {}},
    {QLatin1StringView("text110_"), S::Text110, Takes::Listed, {5, 6, 8}},
    {QLatin1StringView("text112_"), S::Text112, Takes::Listed, {6}},
    {QLatin1StringView("text202_"), S::Text202, Takes::Listed, {4, 5}},
    {QLatin1StringView("text204_"), S::Text204, Takes::Listed, {4, 5}},
    {QLatin1StringView("text207_"), S::Text207, Takes::LiftRows, {}},
    {QLatin1StringView("text210_"), S::Text210, Takes::LiftRows, {}},
    {QLatin1StringView("text211_"), S::Text211, Takes::LiftRows, {}},
};
constexpr qsizetype KeyLength = 8;

enum class Verdict { Store, NotHandled, CannotStore };

// An index past the sheet's rows, or below 0 where a key takes the panel's
// low indexes, has no cell to go to; any other index the key does not take
// is a record the reader does not know.
Verdict judge(const Key &k, double index)
{
    const bool row = index >= S::FirstLiftRow && index <= S::LastLiftRow;
    switch (k.takes) {
    case Takes::LiftRows:
        if (row)
            return Verdict::Store;
        return index > S::LastLiftRow ? Verdict::CannotStore : Verdict::NotHandled;
    case Takes::IntakePanel:
        if (row || (index >= 0 && index <= 4) || index == 6)
            return Verdict::Store;
        return index < 0 || index > S::LastLiftRow ? Verdict::CannotStore : Verdict::NotHandled;
    case Takes::ExhaustPanel:
        if ((index >= 0 && index <= 3) || (index >= 6 && index <= 8))
            return Verdict::Store;
        return index < 0 ? Verdict::CannotStore : Verdict::NotHandled;
    case Takes::Listed:
        for (int i : k.listed)
            if (index == i)
                return Verdict::Store;
        return Verdict::NotHandled;
    }
    return Verdict::NotHandled;
}

bool stop(const Platform &platform)
{
    boxes::failure(platform, ErrorLoading);
    return true;
}

} // namespace

ReadEnd readFlowDataLines(Flow_Test_Sheet &sheet, const QStringList &lines,
                          const NumberStyle &numbers, const Platform &platform, int &Read_Count)
{
    Read_Count = 0;
    // A file with fewer rows leaves the last three empty rather than
    // showing the previous test's figures there.
    for (S::Array a : {S::Text101, S::Text106, S::Text107, S::Text108})
        for (int row = 28; row <= 30; ++row)
            sheet.setCell(a, row, QStringLiteral("0"));

    bool In_Comments = false;
    QString comments;
    boxes::BadRecordTally bad;
    for (const QString &line : lines) {
        ++Read_Count;
        if (In_Comments) {
            // Every line after the comments record is comment text, one
            // that begins like a comments record too.
            comments += QLatin1StringView("\r\n");
            comments += line;
            continue;
        }
        const RecordLine r(line);
        if (r.startsWith(QLatin1StringView("comments ="))) {
            In_Comments = true;
            comments = r.value();
            continue;
        }
        const Key *key = nullptr;
        for (const Key &k : keys) {
            if (r.startsWith(k.key)) {
                key = &k;
                break;
            }
        }
        Verdict verdict = Verdict::NotHandled;
        int index = 0;
        if (key) {
            const RecordLine::Index i = r.index(KeyLength, numbers.localeDecimal);
            if (i.status != RecordLine::IndexStatus::Ok) {
                verdict = Verdict::CannotStore;
            } else {
                verdict = judge(*key, i.value);
                index = verdict == Verdict::Store ? int(i.value) : 0;
            }
        }
        switch (verdict) {
        case Verdict::Store:
            // The part number keeps its letters; numbers are read in lower
            // case.
            sheet.setCell(key->array, index, key->array == S::Text102 ? r.value() : r.lowerValue());
            if (key->array == S::Text101)
                sheet.setCell(S::Text108, index, sheet.cell(S::Text101, index));
            break;
        case Verdict::NotHandled:
            if (bad.show() && !boxes::recordNotHandled(platform, boxes::VornTitle, line) &&
                stop(platform))
                return ReadEnd::Stopped;
            break;
        case Verdict::CannotStore:
            platform.message(MsgRequest{boxes::invalidRecord(numbers, Read_Count, line),
                                        MsgButtons::OkCancel, MsgIcon::None, boxes::VornTitle});
            stop(platform);
            return ReadEnd::Stopped;
        }
    }
    bad.showSkipped(platform, numbers, boxes::VornTitle);
    // The comments go into their box once, whole: a box shown refills
    // itself on every change, so line by line would cost the square of the
    // comment's length.
    if (In_Comments)
        sheet.setCell(S::Text38, S::Single, comments);
    return ReadEnd::Completed;
}

RecordWriter writeFlowDataRecords(const Flow_Test_Sheet &sheet)
{
    RecordWriter w;
    const CellLayout &layout = sheet.layout();
    auto put = [&](S::Array a, int index) {
        w.record(layout.arrayName(a) + u'_' + QString::number(index), sheet.cell(a, index));
    };
    auto rows = [&](S::Array a) {
        for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row)
            put(a, row);
    };
    auto listed = [&](S::Array a, std::initializer_list<int> indexes) {
        for (int i : indexes)
            put(a, i);
    };
    rows(S::Text101);
    listed(S::Text102, {0, 1, 3, 4, 6, 8, 10});
    listed(S::Text104, {0, 1, 3, 4, 6, 8});
    listed(S::Text106, {0, 1, 2, 3, 6});
    listed(S::Text112, {6});
    rows(S::Text106);
    rows(S::Text107);
    listed(S::Text108, {0, 1, 2, 3, 6, 7, 8});
    listed(S::Text110, {5, 6, 8});
    listed(S::Text202, {4, 5});
    listed(S::Text204, {4, 5});
    for (int row = S::FirstLiftRow; row <= S::LastLiftRow; ++row) {
        put(S::Text207, row);
        put(S::Text210, row);
        put(S::Text211, row);
    }
    w.comments(sheet.comments());
    return w;
}

bool Load_Flow_Data_File(Flow_Test_Sheet &sheet, const QString &name, AppState &st)
{
    const auto apply = [&](const QStringList &lines, const QString &) {
        int Read_Count = 0;
        if (readFlowDataLines(sheet, lines, st.numbers, st.platform, Read_Count) ==
            ReadEnd::Stopped)
            return ReadOutcome{true, Read_Count, false};
        if (st.numbers.Decimal_Comma != 0)
            Form_Dots_To_Commas(sheet);
        else
            Form_Commas_To_Dots(sheet);
        Calculate_Sheet(sheet, st.Metric(), st.calc, st.numbers, st.platform);
        return ReadOutcome{true, Read_Count, true};
    };
    std::optional<QString> path;
    if (!name.isEmpty()) {
        if (!preloadNameAccepted(name, st.platform))
            return false;
        path = fileInFolder(st.platform.programFolder(), name);
    }
    return readFile(LoadKind, fileServices(st), path, apply);
}

bool preloadNameAccepted(const QString &name, const Platform &platform)
{
    if (fileInFolder(platform.programFolder(), name))
        return true;
    platform.message(LoadKind.failure);
    return false;
}

bool Save_Flow_Data_File(const Flow_Test_Sheet &sheet, AppState &st)
{
    return writeFile(SaveKind, fileServices(st), std::nullopt,
                     [&] { return fileText(writeFlowDataRecords(sheet)); });
}

} // namespace zyt
