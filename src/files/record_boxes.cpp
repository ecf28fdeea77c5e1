#include "record_boxes.h"

#include "calc/formats.h"
#include "file_command.h"
#include "model/number_style.h"
#include "platform/platform.h"
#include "text_files.h"

#include <utility>

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

BoxBudget::BoxBudget(Platform &platform, const NumberStyle &numbers)
    : platform_(platform), numbers_(numbers)
{
    if (!platform.messages || dynamic_cast<BoxBudget *>(platform.messages))
        return;
    boxes_ = platform.messages;
    platform.messages = this;
}

BoxBudget::~BoxBudget()
{
    if (!boxes_)
        return;
    platform_.messages = boxes_;
    if (last_) {
        boxes_->show(*last_);
    } else if (skipped_ > 0) {
        const QString text = skipped_ == 1 ? QStringLiteral("1 more Message was Skipped.")
                                           : Format_Thousands(skipped_, numbers_) +
                                                 QStringLiteral(" more Messages were Skipped.");
        boxes_->show(MsgRequest{text, MsgButtons::Ok, MsgIcon::Exclamation, std::nullopt});
    }
}

int BoxBudget::show(const MsgRequest &request)
{
    if (request.buttons == MsgButtons::YesNo) {
        if (last_) {
            ++shown_;
            boxes_->show(*std::exchange(last_, std::nullopt));
        }
        ++shown_;
        return boxes_->show(request);
    }
    if (shown_ < Limit - 1) {
        ++shown_;
        return boxes_->show(request);
    }
    if (shown_ == Limit - 1 && !last_ && skipped_ == 0 && request.buttons == MsgButtons::Ok) {
        last_ = request;
        return AnswerOk;
    }
    skipped_ += last_ ? 2 : 1;
    last_.reset();
    return AnswerOk;
}

} // namespace zyt::recordBoxes
