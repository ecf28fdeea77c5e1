#include "record_boxes.h"

#include "calc/formats.h"
#include "file_command.h"
#include "model/number_style.h"
#include "platform/platform.h"
#include "text_files.h"

namespace zyt::recordBoxes {

void failure(const Platform &platform, const QString &text) { platform.message(failureBox(text)); }

bool recordNotHandled(const Platform &platform, const QString &title, QStringView line)
{
    const MsgRequest box{QStringLiteral("Record not Handled -->") + displayLine(line),
                         MsgButtons::OkCancel, MsgIcon::None, title};
    return platform.message(box) != AnswerCancel;
}

QString invalidRecord(const NumberStyle &numbers, int lineCount, QStringView line)
{
    return QStringLiteral("Invalid Input Record # - ") + Format_Thousands(lineCount, numbers) +
           QStringLiteral("   Data --> ") + displayLine(line);
}

void BadRecordTally::showSkipped(const Platform &platform, const NumberStyle &numbers,
                                 const std::optional<QString> &title) const
{
    const int more = count_ - Shown;
    if (more <= 0)
        return;
    const QString text =
        more == 1 ? QStringLiteral("1 more Bad Record was Skipped without a Message.")
                  : Format_Thousands(more, numbers) +
                        QStringLiteral(" more Bad Records were Skipped without a Message.");
    platform.message(MsgRequest{text, MsgButtons::Ok, MsgIcon::Exclamation, title});
}

} // namespace zyt::recordBoxes
