#pragma once

#include <QChar>

namespace zyt {

// How numbers are read and written: the number masks, the separator
// services and the key filters need this alone.
struct NumberStyle {
    // Decimal input follows Decimal_Comma; formatted output always uses the
    // locale's own characters.
    int Decimal_Comma = 0;
    QChar localeDecimal = u'.';
    QChar localeGroup = u',';

    // 0 left, 1 right, 2 centre; right alignment gives fixed decimals.
    int Box_Alignment = 0;

    // Takes the separators of the locale and settles Decimal_Comma from them.
    void setLocaleSeparators(QChar decimal, QChar group)
    {
        localeDecimal = decimal;
        localeGroup = group;
        Decimal_Comma = decimal == u',' ? 1 : 0;
    }

    // The own decimal character of the input side.
    QChar inputDecimal() const { return Decimal_Comma != 0 ? u',' : u'.'; }
};

} // namespace zyt
