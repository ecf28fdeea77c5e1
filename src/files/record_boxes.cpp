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

} // namespace zyt::recordBoxes
