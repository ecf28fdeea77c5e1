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

    // The text is copied into plain ASCII with a point as separator, which is
    // what std::from_chars reads whatever the process locale is.
    char buffer[400];
    qsizetype length = 0;
    qsizetype pos = begin;
    bool negative = false;
    if (pos < end && (text[pos] == u'-' || text[pos] == u'+')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    int mantissaDigits = 0;
    int integerDigits = 0; // significant digits before the separator
    int significantDigits = 0;
    int decimals = 0;
    std::uint64_t mantissa = 0;
    bool seenSeparator = false;
    bool seenNonZero = false;
    for (; pos < end; ++pos) {
        const QChar c = text[pos];
        if (isDigit(c)) {
            ++mantissaDigits;
            if (c != u'0')
                seenNonZero = true;
            if (!seenSeparator && seenNonZero)
                ++integerDigits;
            if (seenNonZero && ++significantDigits <= 15)
                mantissa = mantissa * 10 + (c.unicode() - u'0');
            if (seenSeparator)
                ++decimals;
        } else if (c == decimal && !seenSeparator) {
            seenSeparator = true;
        } else {
            break;
        }
        if (length >= qsizetype(sizeof buffer) - 16)
            return {ParseStatus::NotANumber, 0.0}; // absurdly long: no cell holds that
        buffer[length++] = isDigit(c) ? char(c.unicode()) : '.';
    }
    if (mantissaDigits == 0)
        return {ParseStatus::NotANumber, 0.0};

    long exponent = 0;
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
        length += std::snprintf(buffer + length, 16, "e%ld", exponent);
    }
    if (pos != end)
        return {ParseStatus::NotANumber, 0.0};

    // The usual cell text: a few digits and no exponent. Both the digits as a
    // whole number and the power of ten are exact doubles, so one division
    // gives the correctly rounded value.
    static constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                             1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                             1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exponent == 0 && significantDigits <= 15 && decimals <= 22) {
        const double value = double(mantissa) / powersOfTen[decimals];
        return {ParseStatus::Ok, negative ? -value : value};
    }

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(buffer, buffer + length, value);
    if (ec == std::errc::result_out_of_range) {
        // Tell a huge value from a tiny one by its decimal magnitude.
        if (seenNonZero && integerDigits + exponent > 0)
            return {ParseStatus::OutOfRange, 0.0};
        value = 0.0;
    } else if (ec != std::errc() || ptr != buffer + length) {
        return {ParseStatus::NotANumber, 0.0};
    }
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
