#pragma once

#include "platform/message_boxes.h"
#include "platform/platform.h"

#include <QChar>
#include <QString>

#include <array>

namespace zyt {

// The program-wide values every window and routine shares. One instance lives
// for the whole run; tests make their own.
struct AppState {
    AppState();

    Platform platform;

    QString App_Title;
    int Exiting = 0;

    // Decimal input follows Decimal_Comma; formatted output always uses the
    // locale's own characters.
    int Decimal_Comma = 0;
    QChar Locale_Decimal = u'.';
    QChar Locale_Group = u',';

    // 0 left, 1 right, 2 centre; right alignment gives fixed decimals.
    int Box_Alignment = 0;

    // Set while a mouse button is held on an edited cell, so a click keeps
    // the caret where it was put instead of selecting the whole text.
    int Skip_Focus_Select = 0;

    std::array<QString, 2> Field_Msgs;

    // Takes the separators of the locale and settles Decimal_Comma from them.
    void Set_Decimal_Separators(QChar decimal, QChar group);

    // The own decimal character of the input side.
    QChar inputDecimal() const { return Decimal_Comma != 0 ? u',' : u'.'; }

    int message(const QString &text, MsgButtons buttons = MsgButtons::Ok,
                MsgIcon icon = MsgIcon::None);
    int message(const MsgRequest &request);
    void beep();
};

inline constexpr const char *Crlf = "\r\n";

} // namespace zyt
