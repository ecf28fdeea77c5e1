#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace zyt {

struct NumberStyle;
class CellModel;

// Writes `value` with at least `minDecimals` and at most `maxDecimals`
// decimals, rounded at the last one. The value is first taken to 15
// significant digits and that decimal text is rounded half away from zero,
// so 0.7545 gives 0.755 although the double lies just below it. A negative
// value keeps its sign even when it rounds to zero. A non-finite value is
// run-time error 6.
QString formatNumber(double value, int minDecimals, int maxDecimals, bool grouping, QChar decimal,
                     QChar group);

// The fixed masks every number on screen, in files and in reports goes
// through. The 2-, 3- and 4-decimal masks give fixed decimals while the cells
// are right-aligned.
QString Format_Thousands(double value, const NumberStyle &numbers); // "#,##0"
QString Format_Int(double value, const NumberStyle &numbers);       // "0"
QString Format_1_Dec(double value, const NumberStyle &numbers);     // "0.0"
QString Format_2_Dec(double value, const NumberStyle &numbers);     // "0.0#" or "0.00"
QString Format_3_Dec(double value, const NumberStyle &numbers);     // "0.0##" or "0.000"
QString Format_4_Dec(double value, const NumberStyle &numbers);     // "0.0###" or "0.0000"
QString Format_5_Dec(double value, const NumberStyle &numbers);     // "0.0####"
QString Format_6_Dec(double value, const NumberStyle &numbers);     // "0.0#####"
// "0.0#####", then cut to 8 characters; a longer whole part is kept whole
// without its decimals.
QString Format_Short_Decimal(double value, const NumberStyle &numbers);

// The number a cell or file text holds once its first separator of the
// other kind has been turned into the own one (a comma under a decimal
// point, and the other way round). Raises error 13 when the text holds no
// number.
double fixDecimalSepValue(QStringView text, const NumberStyle &numbers);
// The same number as canonical text: shortest form, the locale's decimal
// character, up to 15 significant digits (2.50 gives 2.5, 007 gives 7).
QString Fix_Decimal_Sep(QStringView text, const NumberStyle &numbers);
// The shortest text of a number as the program writes it by default.
QString canonicalNumberText(double value, QChar decimal);

// Turn the first decimal point of every number cell of a window into a comma
// (and the other way round). Only cells that hold a number once changed are
// written: labels, names, paths and comments stay as they are.
void Form_Dots_To_Commas(CellModel &window);
void Form_Commas_To_Dots(CellModel &window);

} // namespace zyt
