#pragma once

#include <QByteArray>
#include <QStringView>
#include <cstdint>
#include <optional>

/// A number held as its decimal digits, so that rounding and formatting work on the value a
/// person reads (2.675) rather than on its binary approximation (2.67499999...).
struct DecimalNumber {
    enum class Rounding { HalfAwayFromZero, HalfToEven };

    bool negative = false;
    QByteArray integerDigits;  ///< No leading zeros; empty when the integer part is zero.
    QByteArray fractionDigits; ///< No trailing zeros.

    /// Digits with `integerCount` of them before the point (it may be negative or exceed the
    /// number of digits); leading and trailing zeros are dropped, a zero is never negative.
    static DecimalNumber fromDigits(bool negative, const QByteArray& digits, int integerCount);
    /// A finite double read through 15 significant digits, as the system's arithmetic reads it.
    static DecimalNumber fromDouble(double value);
    static DecimalNumber fromInteger(long long value);
    /// A plain decimal text: an optional sign, digits and at most one point ("-1234.5",
    /// " .50 "); nullopt for anything else.
    static std::optional<DecimalNumber> parsePlain(QStringView text);
    /// `units` of 10^-scale.
    static DecimalNumber fromScaled(std::int64_t units, int scale);

    bool isZero() const { return integerDigits.isEmpty() && fractionDigits.isEmpty(); }
    DecimalNumber rounded(int places, Rounding mode) const;
    /// The value rounded to `places` decimals, in units of 10^-places; nullopt beyond 64 bits.
    std::optional<std::int64_t> scaled(int places, Rounding mode) const;
    /// "-1234.5", "0.25", "0".
    QByteArray toPlainText() const;
    double toDouble() const;
};
