#include "formats.h"

#include "model/cell_model.h"
#include "model/number_style.h"
#include "platform/numbers.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace zyt {

QString formatNumber(double value, int minDecimals, int maxDecimals, bool grouping, QChar decimal,
                     QChar group)
{
    checkFinite(value);
    const bool negative = value < 0.0;
    const double magnitude = std::fabs(value);

    // 15 significant digits d0.d1...d14 times 10^exponent.
    char digits[16] = "000000000000000";
    int exponent = 0;
    if (magnitude != 0.0) {
        char buffer[40];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                          std::chars_format::scientific, 14);
        *result.ptr = '\0';
        digits[0] = buffer[0];
        std::memcpy(digits + 1, buffer + 2, 14);
        std::from_chars(buffer + 17 + (buffer[17] == '+' ? 1 : 0), result.ptr, exponent);
    }

    // The rounded value times 10^maxDecimals as a whole number: the first
    // `keep` digits, rounded up when the next digit is 5 or more.
    const int keep = exponent + maxDecimals + 1;
    std::string whole;
    bool roundUp = false;
    if (magnitude == 0.0 || keep < 0) {
        roundUp = false;
    } else if (keep == 0) {
        roundUp = digits[0] >= '5';
    } else if (keep < 15) {
        whole.assign(digits, size_t(keep));
        roundUp = digits[keep] >= '5';
    } else {
        whole.assign(digits, 15);
        whole.append(size_t(keep - 15), '0');
    }
    if (roundUp) {
        int i = int(whole.size()) - 1;
        while (i >= 0 && whole[size_t(i)] == '9')
            whole[size_t(i--)] = '0';
        if (i >= 0)
            ++whole[size_t(i)];
        else
            whole.insert(whole.begin(), '1');
    }
    if (whole.size() <= size_t(maxDecimals))
        whole.insert(0, size_t(maxDecimals) + 1 - whole.size(), '0');

    const size_t integerLength = whole.size() - size_t(maxDecimals);
    size_t fractionLength = size_t(maxDecimals);
    while (fractionLength > size_t(minDecimals) && whole[integerLength + fractionLength - 1] == '0')
        --fractionLength;

    // Built in place and copied into the string once.
    char16_t stackBuffer[64];
    std::u16string heapBuffer;
    const size_t needed = 2 + integerLength + integerLength / 3 + 1 + fractionLength;
    char16_t *out = stackBuffer;
    if (needed > sizeof stackBuffer / sizeof stackBuffer[0]) {
        heapBuffer.resize(needed);
        out = heapBuffer.data();
    }
    size_t n = 0;
    if (negative)
        out[n++] = u'-';
    for (size_t i = 0; i < integerLength; ++i) {
        if (grouping && i > 0 && (integerLength - i) % 3 == 0)
            out[n++] = group.unicode();
        out[n++] = char16_t(whole[i]);
    }
    if (fractionLength > 0) {
        out[n++] = decimal.unicode();
        for (size_t i = 0; i < fractionLength; ++i)
            out[n++] = char16_t(whole[integerLength + i]);
    }
    return QString(reinterpret_cast<const QChar *>(out), qsizetype(n));
}

namespace {

QString mask(double value, const NumberStyle &numbers, int minDecimals, int maxDecimals)
{
    return formatNumber(value, minDecimals, maxDecimals, false, numbers.localeDecimal,
                        numbers.localeGroup);
}

bool fixed(const NumberStyle &numbers) { return numbers.Box_Alignment == 1; }

} // namespace

QString Format_Thousands(double value, const NumberStyle &numbers)
{
    return formatNumber(value, 0, 0, true, numbers.localeDecimal, numbers.localeGroup);
}
QString Format_Int(double value, const NumberStyle &numbers) { return mask(value, numbers, 0, 0); }
QString Format_1_Dec(double value, const NumberStyle &numbers)
{
    return mask(value, numbers, 1, 1);
}
QString Format_2_Dec(double value, const NumberStyle &numbers)
{
    return mask(value, numbers, fixed(numbers) ? 2 : 1, 2);
}
QString Format_3_Dec(double value, const NumberStyle &numbers)
{
    return mask(value, numbers, fixed(numbers) ? 3 : 1, 3);
}
QString Format_4_Dec(double value, const NumberStyle &numbers)
{
    return mask(value, numbers, fixed(numbers) ? 4 : 1, 4);
}
QString Format_5_Dec(double value, const NumberStyle &numbers)
{
    return mask(value, numbers, 1, 5);
}
QString Format_6_Dec(double value, const NumberStyle &numbers)
{
    return mask(value, numbers, 1, 6);
}

QString Format_Short_Decimal(double value, const NumberStyle &numbers)
{
    const QString t = Format_6_Dec(value, numbers);
    const int p = int(t.indexOf(numbers.localeDecimal)) + 1;
    if (p > 8)
        return t.left(p - 1);
    if (t.size() > 8)
        return t.left(8);
    return t;
}

QString canonicalNumberText(double value, QChar decimal)
{
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[40];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString out;
    out.reserve(int(result.ptr - buffer));
    for (const char *c = buffer; c != result.ptr; ++c) {
        if (*c == '.')
            out += decimal;
        else if (*c == 'e')
            out += u'E';
        else
            out += QLatin1Char(*c);
    }
    return out;
}

namespace {

double swapAndParse(QStringView text, const NumberStyle &numbers)
{
    const QChar own = numbers.inputDecimal();
    const QChar foreign = numbers.Decimal_Comma != 0 ? u'.' : u',';
    const qsizetype p = text.indexOf(foreign);
    if (p < 0)
        return parseNumber(text, numbers.localeDecimal);
    QString swapped = text.toString();
    swapped[p] = own;
    return parseNumber(swapped, numbers.localeDecimal);
}

} // namespace

QString Fix_Decimal_Sep(QStringView text, const NumberStyle &numbers)
{
    return canonicalNumberText(swapAndParse(text, numbers), numbers.localeDecimal);
}

double fixDecimalSepValue(QStringView text, const NumberStyle &numbers)
{
    // Read back through the canonical text, as the callers always did: the
    // number is the one shown with 15 significant digits.
    return parseNumber(Fix_Decimal_Sep(text, numbers), numbers.localeDecimal);
}

namespace {

void swapFirstSeparator(CellModel &window, QChar from, QChar to)
{
    const CellLayout &layout = window.layout();
    for (int id = 0; id < layout.cellCount(); ++id) {
        const CellInfo &info = layout.info(id);
        if (!info.numeric || info.kind == CellKind::Blank || info.kind == CellKind::Marker)
            continue;
        const QString &text = window.text(id);
        const qsizetype p = text.indexOf(from);
        if (p < 0)
            continue;
        QString changed = text;
        changed[p] = to;
        if (tryParseNumber(changed, to))
            window.setText(id, changed);
    }
}

} // namespace

void Form_Dots_To_Commas(CellModel &window) { swapFirstSeparator(window, u'.', u','); }
void Form_Commas_To_Dots(CellModel &window) { swapFirstSeparator(window, u',', u'.'); }

} // namespace zyt
