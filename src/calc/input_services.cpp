#include "input_services.h"

#include "model/number_style.h"
#include "model/ui_state.h"
#include "platform/numbers.h"
#include "platform/platform.h"

namespace zyt {

namespace {

bool isDigitKey(int key) { return key >= '0' && key <= '9'; }
bool isControlKey(int key) { return key >= 8 && key <= 13; }

int refuse(const Platform &platform)
{
    platform.beep();
    return 0;
}

int decimalFilter(QStringView text, int key, const NumberStyle &numbers, const Platform &platform,
                  bool signedValue)
{
    const int own = numbers.Decimal_Comma != 0 ? Key_Comma : Key_Point;
    if (!isDigitKey(key) && !isControlKey(key) && key != own && !(signedValue && key == Key_Minus))
        return refuse(platform);
    // One separator and one minus sign per text, wherever they stand.
    if (key == own && text.contains(QChar(own)))
        return refuse(platform);
    if (key == Key_Minus && text.contains(u'-'))
        return refuse(platform);
    return key;
}

QString withoutSignsAndSeparators(const QString &text)
{
    QString s = text;
    s.remove(u'-');
    s.remove(u'.');
    s.remove(u',');
    return s;
}

void warn(TextBox &box, const Platform &platform, const QString &text)
{
    // The focus goes back first, so the user is in the cell when the box
    // closes.
    box.setFocus();
    platform.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

int Key_Integer(int key, const Platform &platform)
{
    if (!isDigitKey(key) && !isControlKey(key))
        return refuse(platform);
    return key;
}

int Key_Decimal(QStringView text, int key, const NumberStyle &numbers, const Platform &platform)
{
    return decimalFilter(text, key, numbers, platform, false);
}

int Key_Signed_Decimal(QStringView text, int key, const NumberStyle &numbers,
                       const Platform &platform)
{
    return decimalFilter(text, key, numbers, platform, true);
}

void Select_All_Text(TextBox &box, const UiState &ui)
{
    if (ui.Skip_Focus_Select != 0)
        return;
    const QString text = box.text();
    if (!text.isEmpty())
        box.setSelection(0, int(text.size()));
}

bool Check_Not_Empty(TextBox &box, const UiState &ui, const Platform &platform)
{
    if (!withoutSignsAndSeparators(box.text()).isEmpty())
        return true;
    warn(box, platform, ui.Field_Msgs[0]);
    return false;
}

bool Check_Not_Zero(TextBox &box, const UiState &ui, const NumberStyle &numbers,
                    const Platform &platform)
{
    const QString s = withoutSignsAndSeparators(box.text());
    if (!s.isEmpty()) {
        const auto value = tryParseNumber(s, numbers.localeDecimal);
        if (value && *value != 0.0)
            return true;
    }
    warn(box, platform, ui.Field_Msgs[1]);
    return false;
}

} // namespace zyt
