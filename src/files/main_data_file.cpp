#include "main_data_file.h"

#include "autosave_folder.h"
#include "calc/formats.h"
#include "file_command.h"
#include "folder_names.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "model/program_hooks.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "record_boxes.h"
#include "record_lines.h"
#include "text_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <initializer_list>

namespace zyt {

namespace {

using M = MainModel;
using C = CompareModel;
namespace boxes = recordBoxes;

const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|Main Data Files (*.dta)|*.dta");
constexpr int FilterIndex = 3;

// Neither command shows a count.
const FileKind LoadKind{
    Filter, FilterIndex, failureBox(QStringLiteral("MAIN Data File has Not been Loaded")), {}};
const FileKind SaveKind{
    Filter, FilterIndex, failureBox(QStringLiteral("MAIN Data File has NOT been Saved")), {}};

// A caller presets File_Name to read or write that file without a dialog.
std::optional<QString> presetName(const AppState &st)
{
    if (st.files.File_Name.isEmpty())
        return std::nullopt;
    return st.files.File_Name;
}

// The run-time errors a record can raise besides those of the numbers.
RuntimeError badArgument()
{
    return RuntimeError(5, QStringLiteral("Invalid procedure call or argument"));
}
RuntimeError noSuchElement()
{
    return RuntimeError(340, QStringLiteral("Control array element does not exist"));
}
RuntimeError badProperty() { return RuntimeError(380, QStringLiteral("Invalid property value")); }
RuntimeError fileNotFound() { return RuntimeError(53, QStringLiteral("File not found")); }
RuntimeError badPicture() { return RuntimeError(481, QStringLiteral("Invalid picture")); }
RuntimeError outsideFolder() { return RuntimeError(75, QStringLiteral("Path/File access error")); }

struct EstimatorKey {
    QLatin1StringView key;
    M::Array array;
    std::initializer_list<int> indexes;
};

const EstimatorKey estimatorKeys[] = {
    {QLatin1StringView("text101_"), M::Text101, {3, 8}},
    {QLatin1StringView("text102_"), M::Text102, {9}},
    {QLatin1StringView("text103_"), M::Text103, {3, 8}},
    {QLatin1StringView("text104_"), M::Text104, {3, 9}},
    {QLatin1StringView("text105_"), M::Text105, {3}},
    {QLatin1StringView("text106_"), M::Text106, {9}},
    {QLatin1StringView("text109_"), M::Text109, {3}},
    {QLatin1StringView("text111_"), M::Text111, {3}},
};

// The estimator cells in the order the file holds them.
struct Stored {
    M::Array array;
    int index;
};
constexpr Stored storedCells[] = {
    {M::Text101, 3}, {M::Text101, 8}, {M::Text102, 9}, {M::Text103, 3},
    {M::Text103, 8}, {M::Text104, 3}, {M::Text104, 9}, {M::Text105, 3},
    {M::Text106, 9}, {M::Text109, 3}, {M::Text111, 3},
};

struct CheckKey {
    QLatin1StringView key;
    M::Array box;
};
const CheckKey checkKeys[] = {
    {QLatin1StringView("check1"), M::Check1},
    {QLatin1StringView("check2"), M::Check2},
    {QLatin1StringView("check3"), M::Check3},
};

// The preloads of Form1 to Form5 and the compare window's Check1 to Check4.
const QLatin1StringView flowKeys[] = {
    QLatin1StringView("flow1"), QLatin1StringView("flow2"), QLatin1StringView("flow3"),
    QLatin1StringView("flow4"), QLatin1StringView("flow5"),
};
const QLatin1StringView graphOptionKeys[] = {
    QLatin1StringView("form50check1"),
    QLatin1StringView("form50check2"),
    QLatin1StringView("form50check3"),
    QLatin1StringView("form50check4"),
};

struct TextKey {
    QLatin1StringView key;
    M::Array array;
};
const TextKey companyKeys[] = {
    {QLatin1StringView("comp_name"), M::Text94}, {QLatin1StringView("comp_street"), M::Text95},
    {QLatin1StringView("comp_city"), M::Text96}, {QLatin1StringView("comp_phone"), M::Text97},
    {QLatin1StringView("comp_web"), M::Text98},
};

class Reader {
public:
    Reader(Models &w, AppState &st, ProgramHooks &hooks) : w_(w), st_(st), hooks_(hooks) {}

    ReadEnd read(const QStringList &lines)
    {
        int count = 0;
        bool In_Comments = false;
        QString comments;
        for (const QString &line : lines) {
            ++count;
            if (In_Comments) {
                comments += QLatin1StringView("\r\n");
                comments += line;
                continue;
            }
            const RecordLine r(line);
            if (r.startsWith(QLatin1StringView("comments ="))) {
                // Empty comments in the file are empty comments: the text
                // the window had must not stay in front of the file's lines.
                In_Comments = true;
                comments = r.value();
                continue;
            }
            bool handled = false;
            try {
                handled = apply(r);
            } catch (const RuntimeError &e) {
                // One record that cannot be applied (a logo file moved away,
                // say) must not cost the rest of the saved state: report it
                // and read on.
                if (bad_.show())
                    cannotApply(e, count, line);
                continue;
            }
            if (handled || !bad_.show())
                continue;
            if (!boxes::recordNotHandled(st_.platform, boxes::MainTitle, line)) {
                boxes::failure(st_.platform,
                               QStringLiteral("Error Loading Main Data File --- If you have "
                                              "Not edited the file Please Contact us!"));
                return ReadEnd::Stopped;
            }
        }
        bad_.showSkipped(st_.platform, st_.numbers, boxes::MainTitle);
        // Set once, whole: the box refills itself on every change.
        if (In_Comments)
            w_.main.setCell(M::Text38, comments);
        return ReadEnd::Completed;
    }

private:
    // False when the record is none the file may hold.
    bool apply(const RecordLine &r)
    {
        for (const EstimatorKey &k : estimatorKeys) {
            if (!r.startsWith(k.key))
                continue;
            const RecordLine::Index i = r.index(k.key.size(), st_.numbers.localeDecimal);
            if (i.status == RecordLine::IndexStatus::NoEquals)
                throw badArgument();
            if (i.status == RecordLine::IndexStatus::NotANumber)
                throw RuntimeError::typeMismatch();
            for (int accepted : k.indexes) {
                if (i.value == accepted) {
                    w_.main.setCell(k.array, accepted, r.lowerValue());
                    return true;
                }
            }
            return false;
        }
        // The keys below carry no index; without an "=" the line is none of
        // them.
        if (!r.hasEquals())
            return false;
        for (const CheckKey &k : checkKeys) {
            if (r.startsWith(k.key)) {
                setCheck(k.box, yes(r));
                return true;
            }
        }
        for (int k = 0; k < 5; ++k) {
            if (r.startsWith(flowKeys[k])) {
                preload(k, r.value());
                return true;
            }
        }
        if (r.startsWith(QLatin1StringView("option4 = "))) {
            const int index = cint(number(r.lowerValue()));
            if (index < 0 || index > 2)
                throw noSuchElement();
            w_.main.setCell(M::Option4, QString::number(index));
            return true;
        }
        for (const TextKey &k : companyKeys) {
            if (r.startsWith(k.key)) {
                w_.main.setCell(k.array, r.value());
                return true;
            }
        }
        if (r.startsWith(QLatin1StringView("logo_sw"))) {
            st_.graph.Logo_On = cint(number(r.value()));
            return true;
        }
        if (r.startsWith(QLatin1StringView("logo_name"))) {
            if (st_.graph.Logo_On == 1)
                logo(r.value());
            return true;
        }
        if (r.startsWith(QLatin1StringView("logo_top"))) {
            w_.graph.Picture2_Top = number(r.lowerValue());
            return true;
        }
        if (r.startsWith(QLatin1StringView("logo_left"))) {
            w_.graph.Picture2_Left = number(r.lowerValue());
            return true;
        }
        for (int k = 0; k < 4; ++k) {
            if (r.startsWith(graphOptionKeys[k])) {
                graphOption(C::Array(k), yes(r));
                return true;
            }
        }
        if (r.startsWith(QLatin1StringView("grid_sw"))) {
            st_.graph.Grid_On = cint(number(r.lowerValue()));
            return true;
        }
        if (r.startsWith(QLatin1StringView("grid_color"))) {
            st_.graph.Grid_Line_Color = clng(number(r.lowerValue()));
            return true;
        }
        if (r.startsWith(QLatin1StringView("grid_drawstyle"))) {
            const int style = cint(number(r.lowerValue()));
            if (style < 0 || style > 6) // the line styles a picture has
                throw badProperty();
            w_.graph.Picture1_DrawStyle = style;
            return true;
        }
        return false;
    }

    static bool yes(const RecordLine &r) { return r.lowerValue() == u"yes"; }

    // A number written with either decimal separator: the file may come
    // from a computer that used the other one.
    double number(const QString &text) const { return fixDecimalSepValue(text, st_.numbers); }

    void setCheck(M::Array box, bool checked)
    {
        const QString value = checked ? QStringLiteral("1") : QStringLiteral("0");
        if (w_.main.cell(box) == value)
            return;
        w_.main.setCell(box, value);
        // The units switch runs as the box changes, so the sheets are in the
        // restored units before the preloads fill them.
        if (box == M::Check2)
            hooks_.Check2_Click();
    }

    void preload(int k, const QString &name)
    {
        if (name.size() <= 4)
            return;
        // A name leading out of the program's folder is neither read nor
        // kept (the next save would write it back).
        if (!preloadNameAccepted(name, st_.platform))
            return;
        w_.main.setCell(M::Text1, k, name);
        if (Flow_Test_Sheet *sheet = w_.sheets[size_t(k)])
            Load_Flow_Data_File(*sheet, name, st_);
    }

    void logo(const QString &name)
    {
        // A name leading out of the program's folder is neither opened nor
        // kept.
        std::optional<QString> path;
        if (!name.isEmpty()) {
            path = fileInFolder(st_.platform.programFolder(), name);
            if (!path)
                throw outsideFolder();
        }
        st_.graph.Logo_File = name;
        if (name.size() <= 6)
            return;
        if (!QFileInfo(*path).isFile())
            throw fileNotFound();
        if (!hooks_.loadLogoPicture(*path))
            throw badPicture();
        w_.graph.Picture2_Visible = true;
        w_.graph.Logo_Caption = QStringLiteral("Logo -- Is ON");
    }

    void graphOption(C::Array box, bool checked)
    {
        const int value = checked ? 1 : 0;
        w_.compare.setCell(box, QString::number(value));
        // What the box's own click does.
        int *flags[] = {&st_.graph.Quarter_D_Line, &st_.graph.Auto_X_Lines, &st_.graph.Mark_Points,
                        &st_.graph.Calc_Low_Y};
        *flags[box] = value;
    }

    void cannotApply(const RuntimeError &e, int count, const QString &line)
    {
        const QString text =
            QStringLiteral("Error Number %1 -- ").arg(e.number()) + e.description() +
            QStringLiteral("\r\n\r\n") + boxes::invalidRecord(st_.numbers, count, line) +
            QStringLiteral("\r\n\r\nThis Record has been Skipped --- If you have Not edited the "
                           "file Please Contact Customer Support!");
        st_.platform.message(
            MsgRequest{text, MsgButtons::Ok, MsgIcon::Exclamation, boxes::VornTitle});
    }

    Models &w_;
    AppState &st_;
    ProgramHooks &hooks_;
    boxes::BadRecordTally bad_;
};

} // namespace

ReadEnd readMainDataLines(Models &models, const QStringList &lines, AppState &st,
                          ProgramHooks &hooks)
{
    return Reader(models, st, hooks).read(lines);
}

RecordWriter writeMainDataRecords(const Models &models, const GraphSettings &graph,
                                  const NumberStyle &numbers)
{
    const MainModel &main = models.main;
    RecordWriter w;
    auto yesNo = [&](const QString &key, bool yes) {
        w.Write_Record_Line(key + (yes ? QStringLiteral(" = Yes") : QStringLiteral(" = No")));
    };
    yesNo(QStringLiteral("Check1"), main.checked(M::Check1));
    yesNo(QStringLiteral("Check2"), main.checked(M::Check2));
    yesNo(QStringLiteral("Check3"), main.checked(M::Check3));
    for (int k = 0; k < 5; ++k)
        w.record(QStringLiteral("Flow%1").arg(k + 1), main.cell(M::Text1, k));
    const QString layout = main.cell(M::Option4);
    if (layout == u"0" || layout == u"1" || layout == u"2")
        w.record(u"Option4", layout);
    w.record(u"Comp_Name", main.cell(M::Text94));
    w.record(u"Comp_Street", main.cell(M::Text95));
    w.record(u"Comp_City", main.cell(M::Text96));
    w.record(u"Comp_Phone", main.cell(M::Text97));
    w.record(u"Comp_Web", main.cell(M::Text98));
    w.record(u"Logo_SW", QString::number(graph.Logo_On));
    w.record(u"Logo_Name", graph.Logo_File);
    w.record(u"Logo_Top", canonicalNumberText(models.graph.Picture2_Top, numbers.localeDecimal));
    w.record(u"Logo_Left", canonicalNumberText(models.graph.Picture2_Left, numbers.localeDecimal));
    yesNo(QStringLiteral("Form50Check1"), graph.Quarter_D_Line == 1);
    yesNo(QStringLiteral("Form50Check2"), graph.Auto_X_Lines == 1);
    yesNo(QStringLiteral("Form50Check3"), graph.Mark_Points == 1);
    yesNo(QStringLiteral("Form50Check4"), graph.Calc_Low_Y == 1);
    w.record(u"Grid_SW", QString::number(graph.Grid_On));
    w.record(u"Grid_Color", QString::number(graph.Grid_Line_Color));
    w.record(u"Grid_DrawStyle", QString::number(models.graph.Picture1_DrawStyle));
    for (const Stored &c : storedCells)
        w.record(main.layout().arrayName(c.array) + u'_' + QString::number(c.index),
                 main.cell(c.array, c.index));
    w.comments(main.cell(M::Text38));
    return w;
}

namespace {

// The lines of a main data file into the windows, then, unless a bad record
// stopped the reading, the closing separator walk and the estimator.
ReadEnd applyMainData(Models &models, const QStringList &lines, AppState &st, ProgramHooks &hooks)
{
    if (readMainDataLines(models, lines, st, hooks) == ReadEnd::Stopped)
        return ReadEnd::Stopped;
    if (st.numbers.Decimal_Comma != 0)
        Form_Dots_To_Commas(models.main);
    else
        Form_Commas_To_Dots(models.main);
    hooks.Command51_Click();
    return ReadEnd::Completed;
}

// Start-up could not read the autosave file the exit replaces: the last
// session is in it, so it is moved aside before it can be, and the user is
// told where it went.
void keepUnreadAutosave(const QString &path, AppState &st)
{
    const std::optional<QString> kept = moveAutosaveAside(path);
    if (!kept)
        st.files.unreadAutosave = path;
    const QString text =
        kept ? QStringLiteral("The Autosave File could Not be Read. It has been Kept as ") +
                   QFileInfo(*kept).fileName() +
                   QStringLiteral(" in the Program's Folder; a New one is Written at Exit.")
             : QStringLiteral("The Autosave File could Not be Read and is Left as it is: the "
                              "Settings of this Session will NOT be Saved at Exit.");
    st.platform.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

bool Load_Main_Data_File(Models &models, AppState &st, ProgramHooks &hooks)
{
    const auto apply = [&](const QStringList &lines, const QString &) {
        applyMainData(models, lines, st, hooks);
        return ReadOutcome{};
    };
    return readFile(LoadKind, fileServices(st), presetName(st), apply);
}

bool Save_Main_Data_File(Models &models, AppState &st, ProgramHooks &hooks)
{
    return writeFile(SaveKind, fileServices(st), presetName(st), [&] {
        // The estimator's results are written from its entries as they stand.
        hooks.Command51_Click();
        return fileText(writeMainDataRecords(models, st.graph, st.numbers));
    });
}

QString autosaveFilePath(const Platform &platform)
{
    return QDir(platform.programFolder()).filePath(QString::fromLatin1(Autosave_File));
}

void Load_Autosave_File(Models &models, AppState &st, ProgramHooks &hooks)
{
    // A write cut short by a kill left its temporary file; a minute's age
    // keeps clear of another copy of the program saving right now.
    removeAutosaveLeftovers(st.platform.programFolder(), QDateTime::currentDateTime().addSecs(-60));
    const QString path = autosaveFileToRead(st.platform);
    st.files.File_Name = path;
    QStringList lines;
    const FileReadStatus status = readFileLines(path, lines);
    // A first start has no autosave file; that is no error to tell.
    if (status == FileReadStatus::Missing)
        return;
    const bool read = status == FileReadStatus::Ok &&
                      applyMainData(models, lines, st, hooks) == ReadEnd::Completed;
    // One in the executable's folder, read while the program's folder had
    // none, is never written over.
    if (!read && path == autosaveFilePath(st.platform))
        keepUnreadAutosave(path, st);
}

bool saveAutosaveFile(Models &models, AppState &st, ProgramHooks &hooks)
{
    // Written in one step: the old autosave file stays whole until the new
    // one is complete.
    st.files.File_Name = autosaveFilePath(st.platform);
    if (!st.files.unreadAutosave.isEmpty()) {
        // The file start-up could not read goes aside now, or stays as it is.
        if (!moveAutosaveAside(st.files.unreadAutosave)) {
            st.platform.message(SaveKind.failure);
            return false;
        }
        st.files.unreadAutosave.clear();
    }
    return Save_Main_Data_File(models, st, hooks);
}

} // namespace zyt
