#include "app_state.h"

#include "model/main_model.h"
#include "platform/printers.h"

namespace zyt {

AppState::AppState()
{
    Field_Msgs[0] = QStringLiteral("This Field can not be Blank / Empty.");
    Field_Msgs[1] = QStringLiteral("Note: This Field can not be Blank / Empty and,\r\n"
                                   "Must have a Numerical Value other than Zero.");
}

void AppState::Set_Decimal_Separators(QChar decimal, QChar group)
{
    Locale_Decimal = decimal;
    Locale_Group = group;
    Decimal_Comma = decimal == u',' ? 1 : 0;
}

bool AppState::Metric() const { return Main && Main->checked(MainModel::Check2); }

int AppState::message(const QString &text, MsgButtons buttons, MsgIcon icon)
{
    return message(MsgRequest{text, buttons, icon, std::nullopt});
}

int AppState::message(const MsgRequest &request)
{
    Q_ASSERT(platform.messages);
    return platform.messages->show(request);
}

std::optional<QString> AppState::fileDialog(const FileDialogRequest &request)
{
    Q_ASSERT(platform.dialogs);
    return platform.dialogs->show(request);
}

QString AppState::programFolder()
{
    Q_ASSERT(platform.folder);
    return platform.folder->path();
}

QString AppState::currentPrinter() const
{
    if (!Printer.isEmpty())
        return Printer;
    if (platform.printers) {
        const QString system = platform.printers->defaultPrinterName();
        if (!system.isEmpty())
            return system;
    }
    return Pdf_File_Printer;
}

void AppState::beep()
{
    if (platform.beeper)
        platform.beeper->beep();
}

} // namespace zyt
