#include "record_boxes.h"

#include "calc/app_state.h"
#include "calc/formats.h"
#include "text_files.h"

namespace zyt::record_boxes {

void failure(AppState &st, const QString &text)
{
    st.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

bool recordNotHandled(AppState &st, const QString &title, QStringView line)
{
    const MsgRequest box{QStringLiteral("Record not Handled -->") + displayLine(line),
                         MsgButtons::OkCancel, MsgIcon::None, title};
    return st.message(box) != AnswerCancel;
}

QString invalidRecord(const AppState &st, int lineCount, QStringView line)
{
    return QStringLiteral("Invalid Input Record # - ") + Format_Thousands(lineCount, st) +
           QStringLiteral("   Data --> ") + displayLine(line);
}

} // namespace zyt::record_boxes
