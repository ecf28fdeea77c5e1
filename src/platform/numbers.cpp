#include "numbers.h"

#include "runtime_error.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace zyt {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

} // namespace

ParsedNumber scanNumber(QStringView text, QChar decimal)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;

    qsizetype pos = begin;
    bool negative = false;
    if (pos < end && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }

    // The significant digits are kept in plain ASCII for std::from_chars,
    // which reads them whatever the process locale is. A double is decided by
    // its first 768 significant digits; the digits beyond those only matter
    // for being zero or not, so a text of any length reads in one pass into a
    // buffer of fixed size.
    constexpr qsizetype KeptDigits = 780;
    char digits[KeptDigits + 1];
    qsizetype kept = 0;
    bool droppedNonZero = false;
    qsizetype mantissaDigits = 0;
    qsizetype integerDigits = 0; // digits before the separator, from the first significant one
    qsizetype leadingFractionZeros = 0; // zeros after the separator before the first significant
    qsizetype significantDigits = 0;
    qsizetype decimals = 0;
    std::uint64_t mantissa = 0;
    bool seenSeparator = false;
    bool seenNonZero = false;
    for (; pos < end; ++pos) {
        const QChar c = text[pos];
        if (isDigit(c)) {
            ++mantissaDigits;
            if (seenSeparator)
                ++decimals;
            if (c != u'0')
                seenNonZero = true;
            if (!seenNonZero) {
                if (seenSeparator)
                    ++leadingFractionZeros;
                continue;
            }
            if (!seenSeparator)
                ++integerDigits;
            if (++significantDigits <= 15)
                mantissa = mantissa * 10 + (c.unicode() - u'0');
            if (kept < KeptDigits)
                digits[kept++] = char(c.unicode());
            else if (c != u'0')
                droppedNonZero = true;
        } else if (c == decimal && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0)
        return {ParseStatus::NotANumber, 0.0};

    long exponent = 0;
    bool hasExponent = false;
    if (pos < end && (text[pos] == u'e' || text[pos] == u'E')) {
        ++pos;
        bool exponentNegative = false;
        if (pos < end && (text[pos] == u'-' || text[pos] == u'+')) {
            exponentNegative = text[pos] == u'-';
            ++pos;
        }
        int exponentDigits = 0;
        for (; pos < end && isDigit(text[pos]); ++pos, ++exponentDigits)
            exponent = std::min(exponent * 10 + (text[pos].unicode() - u'0'), 99999L);
        if (exponentDigits == 0)
            return {ParseStatus::NotANumber, 0.0};
        if (exponentNegative)
            exponent = -exponent;
        hasExponent = true;
    }
    if (pos != end)
        return {ParseStatus::NotANumber, 0.0};

    const double zero = negative ? -0.0 : 0.0;
    if (!seenNonZero)
        return {ParseStatus::Ok, zero};

    // The usual cell text: a few digits and no exponent. Both the digits as a
    // whole number and the power of ten are exact doubles, so one division
    // gives the correctly rounded value.
    static constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (!hasExponent && significantDigits <= 15 && decimals <= 22) {
        const double value = double(mantissa) / powersOfTen[decimals];
        return {ParseStatus::Ok, negative ? -value : value};
    }

    // The value is 0.DIGITS times ten to `magnitude`. Beyond a few hundred
    // either way it is out of range or zero, so it is held to that.
    const qsizetype point = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
    const long long magnitude =
        std::clamp<long long>(static_cast<long long>(point) + exponent, -999999, 999999);
    char buffer[KeptDigits + 32];
    qsizetype length = 0;
    buffer[length++] = '0';
    buffer[length++] = '.';
    std::copy(digits, digits + kept, buffer + length);
    length += kept;
    if (droppedNonZero)
        buffer[length++] = '1'; // rounds as the dropped digits would
    length += std::snprintf(buffer + length, 16, "e%lld", magnitude);

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(buffer, buffer + length, value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude > 0)
            return {ParseStatus::OutOfRange, 0.0};
        return {ParseStatus::Ok, zero};
    }
    if (ec != std::errc() || ptr != buffer + length)
        return {ParseStatus::NotANumber, 0.0};
    return {ParseStatus::Ok, negative ? -value : value};
}

std::optional<double> tryParseNumber(QStringView text, QChar decimal)
{
    const ParsedNumber n = scanNumber(text, decimal);
    if (n.status != ParseStatus::Ok)
        return std::nullopt;
    return n.value;
}

double parseNumber(QStringView text, QChar decimal)
{
    const ParsedNumber n = scanNumber(text, decimal);
    switch (n.status) {
    case ParseStatus::Ok:
        return n.value;
    case ParseStatus::OutOfRange:
        throw RuntimeError::overflow();
    case ParseStatus::NotANumber:
        break;
    }
    throw RuntimeError::typeMismatch();
}

double checkFinite(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    return value;
}

double checkedDivide(double dividend, double divisor)
{
    if (divisor == 0.0) {
        if (dividend == 0.0 || std::isnan(dividend))
            throw RuntimeError::overflow();
        throw RuntimeError::divisionByZero();
    }
    return checkFinite(dividend / divisor);
}

double checkedSqrt(double value)
{
    if (value < 0.0 || std::isnan(value))
        throw RuntimeError::overflow();
    return checkFinite(std::sqrt(value));
}

double checkedPow(double base, double exponent)
{
    return checkFinite(std::pow(checkFinite(base), checkFinite(exponent)));
}

namespace {

double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

} // namespace

int cint(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0)
        throw RuntimeError::overflow();
    return int(r);
}

std::int32_t clng(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    const double r = roundHalfEven(value);
    if (r < double(std::numeric_limits<std::int32_t>::min()) ||
        r > double(std::numeric_limits<std::int32_t>::max()))
        throw RuntimeError::overflow();
    return std::int32_t(r);
}

} // namespace zyt
