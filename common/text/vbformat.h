#pragma once

#include "money.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The number and date formatting the system's rules are written against. "." is always the
// decimal point and "," the grouping separator, whatever the machine's locale.

/// True when the text reads as a number: blanks around it, a sign before or after, grouping
/// commas, one decimal point, parentheses for a negative ("(1,234)" is -1234).
bool IsNumeric(const QString& text);
/// The number a numeric text holds (see IsNumeric), exact to four decimals; nullopt otherwise.
std::optional<Money> numericValue(const QString& text);
/// The same as a double, for the rules that work in doubles; nullopt when not numeric.
std::optional<double> numericDouble(const QString& text);

/// Leading number of a text; the rest is ignored ("12abc" -> 12, "" -> 0, "1,234" -> 1).
double Val(const QString& text);

/// Number-to-text: plain decimal form with a leading blank for a non-negative number (" 3051").
QString Str(double value);
QString Str(long long value);

/// Formats a numeric text with a number pattern; any other text comes back unchanged.
QString Format(const QString& value, const QString& pattern);
QString Format(double value, const QString& pattern);
QString Format(long long value, const QString& pattern);
QString Format(int value, const QString& pattern);
QString Format(const Money& value, const QString& pattern);
/// Date and time patterns: dd, mm (month, or minutes after hh), yyyy, yy, hh, nn, ss.
QString Format(const QDate& value, const QString& pattern);
QString Format(const QDateTime& value, const QString& pattern);
