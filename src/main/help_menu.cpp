#include "help_menu.h"

#include "model/file_state.h"
#include "model/ui_state.h"
#include "platform/platform.h"
#include "platform/shell.h"

namespace zyt {

QString mailLink(const QString &to, const QString &subject, const QString &body, const QString &cc,
                 const QString &bcc)
{
    QString link = QStringLiteral("mailto:") + to;
    if (!subject.isEmpty())
        link += QStringLiteral("?subject=") + subject;
    if (!cc.isEmpty())
        link += QStringLiteral("&cc=") + cc;
    if (!bcc.isEmpty())
        link += QStringLiteral("&bcc=") + bcc;
    if (!body.isEmpty())
        link += QStringLiteral("&body=") + body;
    link.replace(u'\r', QStringLiteral("%0A"));
    return link;
}

void Send_Mail(const QString &to, const QString &subject, const QString &body, const QString &cc,
               const QString &bcc, const Platform &platform)
{
    Q_ASSERT(platform.shell);
    platform.shell->openLink(mailLink(to, subject, body, cc, bcc), QString());
}

void Open_Link(const QString &target, const Platform &platform)
{
    if (target.isEmpty())
        return;
    Q_ASSERT(platform.shell);
    if (!platform.shell->openLink(target, platform.programFolder()))
        platform.message(MsgRequest{QStringLiteral("Error Jumping to: ") + target, MsgButtons::Ok,
                                    MsgIcon::Exclamation, QStringLiteral("Warning")});
}

void Play_Wav_File(FileState &files, const Platform &platform)
{
    const std::optional<QString> chosen = platform.fileDialog(FileDialogRequest{
        FileDialogKind::Open, QStringLiteral("WAV Files (*.wav)|*.wav|All Files (*.*)|*.*"), 1,
        platform.programFolder()});
    if (!chosen) {
        platform.message(QStringLiteral("Problem with your \"WAV\" File"), MsgButtons::Ok,
                         MsgIcon::Exclamation);
        return;
    }
    files.File_Name = *chosen;
    Q_ASSERT(platform.sounds);
    platform.sounds->playSound(*chosen);
}

void Report_Problem_Click(const Platform &platform)
{
    const QString Text_Buf =
        QStringLiteral("Before Sending this Email.\r\rPlease State what your Problem is.\r\r"
                       "PLEASE ATTACH a print screen of What error message you got and a brief "
                       "description of what you were doing.\r");
    Send_Mail(SupportMailTo, QStringLiteral("VORN / ZYT - Customer Support - Problem Report"),
              Text_Buf, QString(), QString(), platform);
}

void Information_Request_Click(const Platform &platform)
{
    const QString Text_Buf =
        QStringLiteral("Before Sending this Email.\r\rPlease State What Information is Needed\r");
    Send_Mail(SupportMailTo, QStringLiteral("VORN / ZYT - Customer Support - Information Request"),
              Text_Buf, QString(), QString(), platform);
}

void About_Click(const UiState &ui, const Platform &platform)
{
    platform.message(ui.App_Title + QStringLiteral(" -- ") + ReleaseDate + QLatin1StringView(Crlf) +
                         MakerNotice,
                     MsgButtons::Ok, MsgIcon::Information);
}

void Command10_Click(const Platform &platform) { Open_Link(PeltrixWebAddress, platform); }

void Command49_Click(FileState &files, const Platform &platform) { Play_Wav_File(files, platform); }

} // namespace zyt
