#include "company_file.h"

#include "calc/formats.h"
#include "files/file_command.h"
#include "files/record_boxes.h"
#include "files/record_lines.h"
#include "files/text_files.h"
#include "model/app_state.h"
#include "model/main_model.h"

namespace zyt {

namespace {

using M = MainModel;

struct Key {
    QLatin1StringView key; // ends with its blank; matched exactly
    M::Array field;
};

// In the order they are tried and written.
const Key keys[] = {
    {QLatin1StringView("Company Name = "), M::Text94},
    {QLatin1StringView("Company Address = "), M::Text95},
    {QLatin1StringView("Company City = "), M::Text96},
    {QLatin1StringView("Company Phone = "), M::Text97},
    {QLatin1StringView("Company WebSite = "), M::Text98},
};

// The two dialogs name the file kind differently; neither command shows a
// count.
const FileKind LoadKind{
    QStringLiteral("Text Files (All Files (*.*)|*.*|Company Name Data Files (*.dcn)|*.dcn"),
    2,
    failureBox(QStringLiteral("Company Name Data File has Not been Loaded")),
    {}};
const FileKind SaveKind{
    QStringLiteral("Text Files (All Files (*.*)|*.*|Customer Data Files (*.dcn)|*.dcn"),
    2,
    failureBox(QStringLiteral("Company Information Data File has NOT been Saved")),
    {}};

} // namespace

void readCompanyLines(MainModel &Main, const QStringList &lines, const NumberStyle &numbers,
                      const Platform &platform)
{
    int Read_Count = 0;
    recordBoxes::BadRecordTally bad;
    for (const QString &line : lines) {
        ++Read_Count;
        const Key *match = nullptr;
        for (const Key &k : keys) {
            if (line.startsWith(k.key, Qt::CaseSensitive)) {
                match = &k;
                break;
            }
        }
        if (match) {
            Main.setCell(match->field, line.mid(match->key.size()));
            continue;
        }
        if (bad.show())
            platform.message(QStringLiteral("Bad or Invalid Record Read #") +
                                 Format_Int(Read_Count, numbers) + QStringLiteral(" ->>> ") +
                                 displayLine(line),
                             MsgButtons::Ok, MsgIcon::Exclamation);
    }
    bad.showSkipped(platform, numbers, std::nullopt);
}

RecordWriter writeCompanyRecords(const MainModel &Main)
{
    RecordWriter w;
    for (const Key &k : keys) {
        QString line = k.key + Main.cell(k.field);
        for (QChar &c : line)
            if (c == u'\r' || c == u'\n')
                c = u' ';
        w.Write_Record_Line(line);
    }
    return w;
}

void Load_Co_Name_Click(MainModel &Main, AppState &st)
{
    readFile(LoadKind, fileServices(st), std::nullopt,
             [&](const QStringList &lines, const QString &) {
                 readCompanyLines(Main, lines, st.numbers, st.platform);
                 return ReadOutcome{};
             });
}

void Save_Co_Name_Click(const MainModel &Main, AppState &st)
{
    writeFile(SaveKind, fileServices(st), std::nullopt,
              [&] { return fileText(writeCompanyRecords(Main)); });
}

} // namespace zyt
