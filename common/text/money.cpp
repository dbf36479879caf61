#include "money.h"

#include "decimalnumber.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::int64_t MaxUnits = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t MinUnits = std::numeric_limits<std::int64_t>::min();

std::int64_t powerOfTen(int exponent)
{
    std::int64_t p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

// Quotient of value / divisor rounded to the nearest whole number; `halfEven` decides ties.
__int128 dividedRounded(__int128 value, __int128 divisor, bool halfEven)
{
    __int128 quotient = value / divisor;
    const __int128 remainder = value % divisor;
    const __int128 twice = 2 * (remainder < 0 ? -remainder : remainder);
    const bool tie = twice == divisor;
    if (twice > divisor || (tie && (!halfEven || quotient % 2 != 0)))
        quotient += value < 0 ? -1 : 1;
    return quotient;
}

// Amounts beyond the 64-bit range stop at its ends rather than wrapping to a wrong sign.
Money saturated(__int128 units)
{
    if (units > MaxUnits)
        return Money::fromUnits(MaxUnits);
    if (units < MinUnits)
        return Money::fromUnits(MinUnits);
    return Money::fromUnits(static_cast<std::int64_t>(units));
}

Money rounded(std::int64_t units, int decimals, bool halfEven)
{
    Q_ASSERT(decimals >= 0 && decimals <= 4);
    const std::int64_t step = powerOfTen(4 - qBound(0, decimals, 4));
    return saturated(dividedRounded(units, step, halfEven) * step);
}

} // namespace

Money Money::fromDouble(double value)
{
    if (std::isnan(value))
        return Money();
    if (std::isinf(value))
        return fromUnits(value > 0 ? MaxUnits : MinUnits);
    const DecimalNumber decimal = DecimalNumber::fromDouble(value);
    if (const auto units = decimal.scaled(4, DecimalNumber::Rounding::HalfToEven))
        return fromUnits(*units);
    return fromUnits(decimal.negative ? MinUnits : MaxUnits);
}

std::optional<Money> Money::parse(const QString& text)
{
    const std::optional<DecimalNumber> decimal = DecimalNumber::parsePlain(text);
    if (!decimal)
        return std::nullopt;
    const auto units = decimal->scaled(4, DecimalNumber::Rounding::HalfToEven);
    if (!units)
        return std::nullopt;
    return fromUnits(*units);
}

QString Money::toString() const
{
    return QString::fromLatin1(DecimalNumber::fromScaled(m_units, 4).toPlainText());
}

Money Money::roundedHalfAway(int decimals) const
{
    return rounded(m_units, decimals, false);
}

Money Money::roundedHalfEven(int decimals) const
{
    return rounded(m_units, decimals, true);
}

Money Money::times(const Money& other) const
{
    return saturated(dividedRounded(__int128(m_units) * other.m_units, Scale, true));
}

std::optional<Money> Money::timesDecimal(const QString& factor) const
{
    constexpr int FactorPlaces = 9;
    const std::optional<DecimalNumber> decimal = DecimalNumber::parsePlain(factor);
    if (!decimal)
        return std::nullopt;
    const auto scaledFactor = decimal->scaled(FactorPlaces, DecimalNumber::Rounding::HalfToEven);
    if (!scaledFactor)
        return std::nullopt;
    return saturated(dividedRounded(__int128(m_units) * *scaledFactor, powerOfTen(FactorPlaces), true));
}
