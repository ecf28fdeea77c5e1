#include "help_menu.h"

#include "calc/app_state.h"
#include "platform/shell.h"

namespace zyt {

QString Mail_Link(const QString &to, const QString &subject, const QString &body, const QString &cc,
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
               const QString &bcc, AppState &st)
{
    Q_ASSERT(st.platform.shell);
    st.platform.shell->openLink(Mail_Link(to, subject, body, cc, bcc), QString());
}

void Open_Link(const QString &target, AppState &st)
{
    if (target.isEmpty())
        return;
    Q_ASSERT(st.platform.shell);
    if (!st.platform.shell->openLink(target, st.programFolder()))
        st.message(MsgRequest{QStringLiteral("Error Jumping to: ") + target, MsgButtons::Ok,
                              MsgIcon::Exclamation, QStringLiteral("Warning")});
}

void Play_Wav_File(AppState &st)
{
    const std::optional<QString> chosen = st.fileDialog(FileDialogRequest{
        FileDialogKind::Open, QStringLiteral("WAV Files (*.wav)|*.wav|All Files (*.*)|*.*"), 1,
        st.programFolder()});
    if (!chosen) {
        st.message(QStringLiteral("Problem with your \"WAV\" File"), MsgButtons::Ok,
                   MsgIcon::Exclamation);
        return;
    }
    st.File_Name = *chosen;
    Q_ASSERT(st.platform.sounds);
    st.platform.sounds->playSound(*chosen);
}

void Report_Problem_Click(AppState &st)
{
    const QString Text_Buf =
        QStringLiteral("Before Sending this Email.\r\rPlease State what your Problem is.\r\r"
                       "PLEASE ATTACH a print screen of What error message you got and a brief "
                       "description of what you were doing.\r");
    Send_Mail(Support_Mail_To, QStringLiteral("VORN / ZYT - Customer Support - Problem Report"),
              Text_Buf, QString(), QString(), st);
}

void Information_Request_Click(AppState &st)
{
    const QString Text_Buf =
        QStringLiteral("Before Sending this Email.\r\rPlease State What Information is Needed\r");
    Send_Mail(Support_Mail_To,
              QStringLiteral("VORN / ZYT - Customer Support - Information Request"), Text_Buf,
              QString(), QString(), st);
}

void About_Click(AppState &st)
{
    st.message(st.App_Title + QStringLiteral(" -- ") + Release_Date + QLatin1StringView(Crlf) +
                   Maker_Notice,
               MsgButtons::Ok, MsgIcon::Information);
}

void Command10_Click(AppState &st) { Open_Link(Peltrix_Web_Address, st); }

void Command49_Click(AppState &st) { Play_Wav_File(st); }

void Fill_Settings_Help_Texts(AppState &st)
{
    QHash<QString, QString> &h = st.Help_Texts;
    h.insert(QStringLiteral("Help_Play_Wav"),
             QStringLiteral("Select and Play a \"WAV\" sound file."));
    h.insert(QStringLiteral("Help_Layout_Left"),
             QStringLiteral("When Printing a Flow Sheet this Prints Your Company Information "
                            "Flush Left and Your Company Logo Flush Right."));
    h.insert(QStringLiteral("Help_Layout_Center"),
             QStringLiteral("When Printing a Flow Sheet this Prints Your Company Information "
                            "Centered and Your Company Logo at the bottom of the page. This lets "
                            "you use a Larger Logo. Before Version 4.0.0 this was the default / "
                            "only setting."));
    h.insert(QStringLiteral("Help_Layout_Right"),
             QStringLiteral("When Printing a Flow Sheet this Prints Your Company Information "
                            "Flush Right and Your Company Logo Flush Left."));
    h.insert(QStringLiteral("Help_Mean_Port_Speed"),
             QStringLiteral("The \"Mean Port Speed\" is Calculated for 'Peak HP RPM'."));
    h.insert(QStringLiteral("Help_Mean_Port_Area"),
             QStringLiteral("The \"Mean Port Area\" should be obtained from the Flow Test screen "
                            "where it is Calculated from your input."));
}

Hover_Help Main_Hover_Help(QStringView control, int index)
{
    auto show = [](const char *help) { return Hover_Help{Hover::Show, QString::fromLatin1(help)}; };
    const Hover_Help hide{Hover::Hide, QString()};
    if (control == u"Command49")
        return show("Help_Play_Wav");
    if (control == u"Option4") {
        switch (index) {
        case 0:
            return show("Help_Layout_Left");
        case 1:
            return show("Help_Layout_Center");
        case 2:
            return show("Help_Layout_Right");
        default:
            return Hover_Help{};
        }
    }
    if (control == u"Text101")
        return index == 0 ? Hover_Help{} : hide;
    if (control == u"Text102")
        return index == 8 ? show("Help_Mean_Port_Speed") : hide;
    if (control == u"Text103")
        return index == 3 ? show("Help_Mean_Port_Area") : hide;
    if (control == u"Text104")
        return hide;
    return Hover_Help{};
}

} // namespace zyt
