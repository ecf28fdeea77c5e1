#include "gui_file.h"

#include "calc/formats.h"
#include "files/file_command.h"
#include "files/record_boxes.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "fonts_alignment.h"
#include "model/app_state.h"
#include "model/compare_model.h"
#include "model/flow_test_sheet.h"
#include "model/graph_window_state.h"
#include "model/main_model.h"
#include "model/models.h"
#include "platform/choice_dialogs.h"
#include "platform/numbers.h"
#include "platform/runtime_error.h"
#include "platform/wait_pointer.h"

namespace zyt {

namespace {

using M = MainModel;
using S = Flow_Test_Sheet;

const QString Filter =
    QStringLiteral("Text Files (*.txt)|*.txt|All Files (*.*)|*.*|GUI Files (*.gui)|*.gui");
constexpr int FilterIndex = 3;

const QString FirstLine =
    QStringLiteral("; Please Do not Edit or Change the Order of any of these Lines");
const FileKind ReadKind{Filter, FilterIndex,
                        failureBox(QStringLiteral("Parameter File has Not been Read")),
                        QStringLiteral(" Records Read")};
const FileKind WriteKind{Filter, FilterIndex,
                         failureBox(QStringLiteral("GUI File has NOT been Saved")),
                         QStringLiteral(" Records Written")};
const QString ErrorReading =
    QStringLiteral("Error Reading Parameter File --- If you have Not edited it, email US");

enum class Field { Name, Size, Bold, Italic, Alignment, Color };
enum class Group { None, MainAll, MainEntry, FlowAll, FlowEntry };

struct Key {
    QLatin1StringView prefix; // compared in lower case, all of it
    qsizetype valueFrom;      // 1 = first character of the line
    Field field;
    Group group;
};

// In the order they are tried.
const Key keys[] = {
    {QLatin1StringView("all box main font name ="), 26, Field::Name, Group::MainAll},
    {QLatin1StringView("all box main font size ="), 26, Field::Size, Group::MainAll},
    {QLatin1StringView("all box main font bold ="), 26, Field::Bold, Group::MainAll},
    {QLatin1StringView("all box main font italic ="), 28, Field::Italic, Group::MainAll},
    {QLatin1StringView("entry box main font name ="), 28, Field::Name, Group::MainEntry},
    {QLatin1StringView("entry box main font size ="), 28, Field::Size, Group::MainEntry},
    {QLatin1StringView("entry box main font bold ="), 28, Field::Bold, Group::MainEntry},
    {QLatin1StringView("entry box main font italic ="), 30, Field::Italic, Group::MainEntry},
    {QLatin1StringView("all box flow font name ="), 26, Field::Name, Group::FlowAll},
    {QLatin1StringView("all box flow font size ="), 26, Field::Size, Group::FlowAll},
    {QLatin1StringView("all box flow font bold ="), 26, Field::Bold, Group::FlowAll},
    {QLatin1StringView("all box flow font italic ="), 28, Field::Italic, Group::FlowAll},
    {QLatin1StringView("entry box flow font name ="), 28, Field::Name, Group::FlowEntry},
    {QLatin1StringView("entry box flow font size ="), 28, Field::Size, Group::FlowEntry},
    {QLatin1StringView("entry box flow font bold ="), 28, Field::Bold, Group::FlowEntry},
    {QLatin1StringView("entry box flow font italic ="), 30, Field::Italic, Group::FlowEntry},
    {QLatin1StringView("box alignment ="), 17, Field::Alignment, Group::None},
    {QLatin1StringView("graph font color ="), 19, Field::Color, Group::None},
};

RuntimeError badProperty() { return RuntimeError(380, QStringLiteral("Invalid property value")); }

// A Boolean as the file may write it: a number (not zero is true) or the
// words true and false.
bool toBoolean(const QString &value, const NumberStyle &numbers)
{
    const QString word = value.trimmed();
    if (word == u"true")
        return true;
    if (word == u"false")
        return false;
    return fixDecimalSepValue(value, numbers) != 0.0;
}

enum class Outcome { Applied, BadRecord };

class Reader {
public:
    Reader(Models &w, AppState &st) : w_(w), st_(st) {}

    int read(const QStringList &lines)
    {
        int Read_Count = 0;
        for (const QString &line : lines) {
            ++Read_Count;
            try {
                if (apply(RecordLine(line)) == Outcome::Applied)
                    continue;
            } catch (const RuntimeError &) {
                // A value that is no number, or a colour the graph cannot
                // take, ends the reading; what was applied before stays.
                invalidRecord(Read_Count, line);
                recordBoxes::failure(st_.platform, ErrorReading);
                return Read_Count;
            }
            if (bad_.show() && invalidRecord(Read_Count, line) == AnswerCancel) {
                recordBoxes::failure(st_.platform, ErrorReading);
                return Read_Count;
            }
        }
        bad_.showSkipped(st_.platform, st_.numbers, std::nullopt);
        return Read_Count;
    }

private:
    int invalidRecord(int count, const QString &line)
    {
        return st_.platform.message(recordBoxes::invalidRecord(st_.numbers, count, line),
                                    MsgButtons::OkCancel);
    }

    Outcome apply(const RecordLine &r)
    {
        for (const Key &k : keys) {
            if (r.startsWith(k.prefix))
                return apply(k, r.lower().mid(k.valueFrom - 1));
        }
        if (r.lower().startsWith(u';'))
            return Outcome::Applied;
        return Outcome::BadRecord;
    }

    Outcome apply(const Key &k, const QString &value)
    {
        switch (k.field) {
        case Field::Name:
            st_.looks.Font_Name = value;
            return Outcome::Applied;
        case Field::Size:
            // No box takes a size of nothing or of hundreds of points.
            if (!fontSizeValue(value, st_.numbers))
                return Outcome::BadRecord;
            st_.looks.Font_Size = value;
            return Outcome::Applied;
        case Field::Bold:
            st_.looks.Font_Bold = cint(fixDecimalSepValue(value, st_.numbers));
            return Outcome::Applied;
        case Field::Italic:
            st_.looks.Font_Italic = toBoolean(value, st_.numbers) ? -1 : 0;
            applyGroup(k.group);
            return Outcome::Applied;
        case Field::Alignment: {
            const int alignment = cint(fixDecimalSepValue(value, st_.numbers));
            if (alignment < 0 || alignment > 2)
                return Outcome::BadRecord;
            st_.numbers.Box_Alignment = alignment;
            const int shown = w_.main.look(w_.main.layout().id(M::Text101, 7)).alignment;
            if (st_.numbers.Box_Alignment != shown) {
                Align_All_Forms(w_, st_.numbers);
                if (st_.numbers.Box_Alignment == 1)
                    calculateAllSheets(w_, st_);
            }
            return Outcome::Applied;
        }
        case Field::Color: {
            const std::int32_t color = clng(fixDecimalSepValue(value, st_.numbers));
            if (color < 0 || color > 0xFFFFFF)
                throw badProperty();
            w_.graph.Picture1_ForeColor = color;
            return Outcome::Applied;
        }
        }
        return Outcome::BadRecord;
    }

    void applyGroup(Group group)
    {
        switch (group) {
        case Group::MainAll:
            Apply_Font_Main(w_.main, st_.looks, st_.numbers);
            break;
        case Group::MainEntry:
            Apply_Entry_Font_Main(w_.main, st_.looks, st_.numbers);
            break;
        case Group::FlowAll:
            Apply_Font_Sheets(w_, st_.looks, st_.numbers);
            break;
        case Group::FlowEntry:
            Apply_Entry_Font_Sheets(w_, st_.looks, st_.numbers);
            break;
        case Group::None:
            break;
        }
    }

    Models &w_;
    AppState &st_;
    recordBoxes::BadRecordTally bad_;
};

void writeFont(RecordWriter &w, const QString &group, const CellLook &look,
               const NumberStyle &numbers, const Platform &platform)
{
    Q_ASSERT(platform.fonts);
    // A cell never given a font shows the window's own.
    const QString name =
        look.fontName.isEmpty() ? platform.fonts->defaultFontName() : look.fontName;
    const double size = look.fontSize > 0.0 ? look.fontSize : WindowFontSize;
    w.record(group + QStringLiteral(" Font Name"), name);
    w.record(group + QStringLiteral(" Font Size"), Format_Int(size, numbers));
    w.record(group + QStringLiteral(" Font Bold"), Format_Int(look.fontBold ? -1 : 0, numbers));
    w.record(group + QStringLiteral(" Font Italic"), Format_Int(look.fontItalic ? -1 : 0, numbers));
}

} // namespace

int readGuiLines(Models &models, const QStringList &lines, AppState &st)
{
    return Reader(models, st).read(lines);
}

RecordWriter writeGuiRecords(const Models &models, const NumberStyle &numbers,
                             const Platform &platform)
{
    RecordWriter w;
    w.Write_Record_Line(FirstLine);
    const M &main = models.main;
    const CellLook &mainLabel = main.look(main.layout().id(M::Text101, 7));
    const CellLook &mainEntry = main.look(main.layout().id(M::Text101, 8));
    writeFont(w, QStringLiteral("All Box Main"), mainLabel, numbers, platform);
    writeFont(w, QStringLiteral("Entry Box Main"), mainEntry, numbers, platform);
    // The first sheet stands for the flow screens.
    const S &form1 = *models.sheets[0];
    writeFont(w, QStringLiteral("All Box Flow"), form1.look(form1.id(S::Text101, 1)), numbers,
              platform);
    writeFont(w, QStringLiteral("Entry Box Flow"), form1.look(form1.id(S::Text102, 1)), numbers,
              platform);
    w.record(u"Box Alignment", Format_Int(mainEntry.alignment, numbers));
    w.record(u"Graph Font Color", Format_Int(models.graph.Picture1_ForeColor, numbers));
    return w;
}

void Read_GUI_Click(Models &models, AppState &st)
{
    const WaitPointerShown wait(st.platform);
    // The count shows even after a bad record stopped the reading.
    readFile(ReadKind, fileServices(st), std::nullopt,
             [&](const QStringList &lines, const QString &) {
                 return ReadOutcome{true, readGuiLines(models, lines, st), true};
             });
}

void Write_GUI_Click(Models &models, AppState &st)
{
    const WaitPointerShown wait(st.platform);
    writeFile(WriteKind, fileServices(st), std::nullopt,
              [&] { return fileText(writeGuiRecords(models, st.numbers, st.platform)); });
}

} // namespace zyt
