#pragma once

#include <QChar>
#include <QStringView>

#include <compare>
#include <cstdint>
#include <optional>

namespace zyt {

enum class ParseStatus { Ok, NotANumber, OutOfRange };

struct ParsedNumber {
    ParseStatus status = ParseStatus::NotANumber;
    double value = 0.0;
};

// Reads number text strictly: blanks around it, an optional leading sign,
// digits with at most one `decimal` character, an optional exponent. Anything
// else (group separators, a trailing minus, letters, an empty text) is not a
// number. A value beyond the double range is out of range; one too small to
// hold becomes 0.
ParsedNumber scanNumber(QStringView text, QChar decimal);

// The number in `text`, or nothing when it holds none (out of range included).
std::optional<double> tryParseNumber(QStringView text, QChar decimal);

// The number in `text`; raises error 13 when there is none and 6 when it is
// beyond the double range.
double parseNumber(QStringView text, QChar decimal);

// Arithmetic that raises the users' run-time errors instead of producing
// infinities or NaN: x / 0 is error 11, 0 / 0 and every non-finite result
// error 6.
double checkFinite(double value);
double checkedDivide(double dividend, double divisor);
double checkedSqrt(double value);
double checkedPow(double base, double exponent);

// A double whose every operation is checked as above, so formulas can be
// written as they read.
class Checked {
public:
    constexpr Checked(double value) : value_(value) {} // NOLINT: implicit by design
    constexpr double value() const { return value_; }

    friend Checked operator+(Checked a, Checked b) { return checkFinite(a.value_ + b.value_); }
    friend Checked operator-(Checked a, Checked b) { return checkFinite(a.value_ - b.value_); }
    friend Checked operator*(Checked a, Checked b) { return checkFinite(a.value_ * b.value_); }
    friend Checked operator/(Checked a, Checked b) { return checkedDivide(a.value_, b.value_); }
    Checked operator-() const { return Checked(-value_); }
    friend auto operator<=>(Checked a, Checked b) { return a.value_ <=> b.value_; }
    friend bool operator==(Checked a, Checked b) { return a.value_ == b.value_; }

private:
    double value_;
};

inline Checked sqrt(Checked value) { return checkedSqrt(value.value()); }
inline Checked pow(Checked base, Checked exponent)
{
    return checkedPow(base.value(), exponent.value());
}

// Whole-number conversions of a cell value: halves go to the even number;
// a result outside the 16-bit (cint) or 32-bit (clng) range is error 6.
int cint(double value);
std::int32_t clng(double value);

} // namespace zyt
