#include "file_command.h"

#include "calc/formats.h"
#include "model/app_state.h"
#include "model/cell_model.h"
#include "platform/platform.h"
#include "record_boxes.h"
#include "record_lines.h"
#include "text_files.h"

namespace zyt {

// A comments box typed full, the rest of its file included, must stay
// inside the readers' limit.
static_assert(3 * qint64(MaxCommentLength) + 1024 * 1024 <= MaxFileSize);

namespace {

// The name a command works on: the one given, or the dialog's choice.
std::optional<QString> takeName(const FileKind &kind, FileDialogKind dialog,
                                const FileServices &services, const std::optional<QString> &path)
{
    if (path)
        return path;
    FileDialogRequest request{dialog, kind.filter, kind.filterIndex,
                              services.platform.programFolder(), kind.keepLastName};
    if (kind.filterMemory)
        request.filterIndex = services.files.*kind.filterMemory;
    Q_ASSERT(services.platform.dialogs);
    const std::optional<FileDialogChoice> chosen = services.platform.dialogs->showChoice(request);
    if (!chosen)
        return std::nullopt;
    if (kind.filterMemory)
        services.files.*kind.filterMemory = chosen->filterIndex;
    return chosen->path;
}

void showCount(const FileKind &kind, const FileServices &services, int count)
{
    services.platform.message(Format_Thousands(count, services.numbers) + kind.countText);
}

} // namespace

MsgRequest failureBox(const QString &text)
{
    return MsgRequest{text, MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt};
}

FileServices fileServices(AppState &st) { return FileServices{st.platform, st.files, st.numbers}; }

FileText fileText(const RecordWriter &records)
{
    return FileText{records.text(), records.Write_Count()};
}

FileReadStatus readFileLines(const QString &path, QStringList &lines)
{
    lines.clear();
    QByteArray bytes;
    const FileReadStatus status = readWholeFile(path, bytes);
    if (status == FileReadStatus::Ok)
        lines = splitLines(decodeFileText(bytes));
    return status;
}

bool readFile(const FileKind &kind, FileServices services, const std::optional<QString> &path,
              const LinesReader &reader)
{
    const recordBoxes::BoxBudget budget(services.platform, services.numbers);
    const std::optional<QString> name = takeName(kind, FileDialogKind::Open, services, path);
    if (!name) {
        services.platform.message(kind.failure);
        return false;
    }
    services.files.File_Name = *name;
    QStringList lines;
    if (readFileLines(*name, lines) != FileReadStatus::Ok) {
        services.platform.message(kind.failure);
        return false;
    }
    const ReadOutcome outcome = reader(lines, *name);
    if (!path && outcome.showCount && !kind.countText.isEmpty())
        showCount(kind, services, outcome.count);
    return outcome.read;
}

bool writeFile(const FileKind &kind, FileServices services, const std::optional<QString> &path,
               const TextWriter &writer)
{
    const std::optional<QString> name = takeName(kind, FileDialogKind::Save, services, path);
    if (!name) {
        services.platform.message(kind.failure);
        return false;
    }
    services.files.File_Name = *name;
    const std::optional<FileText> text = writer();
    // A file the readers would refuse as too large is never written: saved,
    // it would be lost on the next load (and an autosave so written would
    // give the next start the defaults).
    const QByteArray bytes = text ? encodeFileText(text->text) : QByteArray();
    if (!text || bytes.size() > MaxFileSize || !writeFileAtomically(*name, bytes)) {
        services.platform.message(kind.failure);
        return false;
    }
    if (!path && !kind.countText.isEmpty())
        showCount(kind, services, text->count);
    return true;
}

} // namespace zyt
