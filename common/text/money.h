#pragma once

#include <QString>
#include <compare>
#include <cstdint>
#include <optional>

/// An exact amount with four decimals, as the system's currency values are held.
/// Sums are exact; rounding only happens where a caller asks for it.
class Money {
public:
    static constexpr std::int64_t Scale = 10000;

    constexpr Money() = default;
    static constexpr Money fromUnits(std::int64_t tenThousandths) { Money m; m.m_units = tenThousandths; return m; }
    static Money fromInt(std::int64_t whole) { return fromUnits(whole * Scale); }
    /// Converts a double to the nearest four-decimal value, ties to even (read through its 15
    /// significant digits, so 0.00005 is a tie). Beyond the range it stops at the nearest end.
    static Money fromDouble(double value);
    /// Reads a plain decimal text ("-1234.5", "  .50", "7"); no grouping, no exponent.
    /// More than four decimals round to the nearest, ties to even. Empty or malformed: nullopt.
    static std::optional<Money> parse(const QString& text);

    std::int64_t units() const { return m_units; }
    double toDouble() const { return double(m_units) / Scale; }
    /// Plain decimal text without trailing zeros: "1234.5", "-0.25", "0".
    QString toString() const;

    /// Rounds to `decimals` places (0 to 4), halves away from zero.
    Money roundedHalfAway(int decimals) const;
    /// Rounds to `decimals` places (0 to 4), halves to even.
    Money roundedHalfEven(int decimals) const;
    /// Product of two amounts (an amount by a rate), exact to four decimals, ties to even.
    /// Beyond the range it stops at the nearest end.
    Money times(const Money& other) const;

    /// Product of the amount and a plain decimal factor of up to nine decimals ("0.009901"),
    /// exact, then to four decimals with ties to even; nullopt when the factor is not such a
    /// number. Rates keep their six decimals this way, which a Money factor could not hold.
    std::optional<Money> timesDecimal(const QString& factor) const;

    Money operator-() const { return fromUnits(-m_units); }
    Money operator+(const Money& o) const { return fromUnits(m_units + o.m_units); }
    Money operator-(const Money& o) const { return fromUnits(m_units - o.m_units); }
    Money& operator+=(const Money& o) { m_units += o.m_units; return *this; }
    Money& operator-=(const Money& o) { m_units -= o.m_units; return *this; }
    auto operator<=>(const Money&) const = default;
    bool isZero() const { return m_units == 0; }
    bool isNegative() const { return m_units < 0; }
    Money abs() const { return fromUnits(m_units < 0 ? -m_units : m_units); }

private:
    std::int64_t m_units = 0;
};
