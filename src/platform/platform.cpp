#include "platform.h"

#include "wait_pointer.h"

namespace zyt {

int Platform::message(const QString &text, MsgButtons buttons, MsgIcon icon) const
{
    return message(MsgRequest{text, buttons, icon, std::nullopt});
}

int Platform::message(const MsgRequest &request) const
{
    Q_ASSERT(messages);
    return messages->show(request);
}

void Platform::beep() const
{
    if (beeper)
        beeper->beep();
}

std::optional<QString> Platform::fileDialog(const FileDialogRequest &request) const
{
    Q_ASSERT(dialogs);
    return dialogs->show(request);
}

QString Platform::programFolder() const
{
    Q_ASSERT(folder);
    return folder->path();
}

WaitPointerShown::WaitPointerShown(const Platform &platform) : wait_(platform.wait)
{
    if (wait_)
        wait_->begin();
}

WaitPointerShown::~WaitPointerShown()
{
    if (wait_)
        wait_->end();
}

} // namespace zyt
