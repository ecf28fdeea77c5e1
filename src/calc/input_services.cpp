#include "input_services.h"

#include "app_state.h"
#include "platform/numbers.h"

namespace zyt {

namespace {

bool isDigitKey(int key) { return key >= '0' && key <= '9'; }
bool isControlKey(int key) { return key >= 8 && key <= 13; }

int refuse(AppState &st)
{
    st.beep();
    return 0;
}

int decimalFilter(QStringView text, int key, AppState &st, bool signedValue)
{
    const int own = st.Decimal_Comma != 0 ? Key_Comma : Key_Point;
    if (!isDigitKey(key) && !isControlKey(key) && key != own && !(signedValue && key == Key_Minus))
        return refuse(st);
    // One separator and one minus sign per text, wherever they stand.
    if (key == own && text.contains(QChar(own)))
        return refuse(st);
    if (key == Key_Minus && text.contains(u'-'))
        return refuse(st);
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

void warn(TextBox &box, AppState &st, const QString &text)
{
    // The focus goes back first, so the user is in the cell when the box
    // closes.
    box.setFocus();
    st.message(text, MsgButtons::Ok, MsgIcon::Exclamation);
}

} // namespace

int Key_Integer(int key, AppState &st)
{
    if (!isDigitKey(key) && !isControlKey(key))
        return refuse(st);
    return key;
}

int Key_Decimal(QStringView text, int key, AppState &st)
{
    return decimalFilter(text, key, st, false);
}

int Key_Signed_Decimal(QStringView text, int key, AppState &st)
{
    return decimalFilter(text, key, st, true);
}

void Select_All_Text(TextBox &box, const AppState &st)
{
    if (st.Skip_Focus_Select != 0)
        return;
    const QString text = box.text();
    if (!text.isEmpty())
        box.setSelection(0, int(text.size()));
}

bool Check_Not_Empty(TextBox &box, AppState &st)
{
    if (!withoutSignsAndSeparators(box.text()).isEmpty())
        return true;
    warn(box, st, st.Field_Msgs[0]);
    return false;
}

bool Check_Not_Zero(TextBox &box, AppState &st)
{
    const QString s = withoutSignsAndSeparators(box.text());
    if (!s.isEmpty()) {
        const auto value = tryParseNumber(s, st.Locale_Decimal);
        if (value && *value != 0.0)
            return true;
    }
    warn(box, st, st.Field_Msgs[1]);
    return false;
}

} // namespace zyt
