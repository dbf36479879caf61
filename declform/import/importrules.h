#pragma once

#include <QDate>
#include <QString>

// The rules of the import checks that need nothing but the text: blanks, amounts, dates and
// the series allowed on a date of issue.

/// Strips leading and trailing blanks (spaces) only.
QString trimBlanks(const QString& text);
/// Left-pads with "0" to `width`; a longer text is left as it is.
QString padZeros(const QString& text, int width);
bool isAsciiDigit(QChar c);
bool isAsciiLetter(QChar c);

/// The codes one amount field answers with.
struct AmountCodes {
    const char* empty;
    const char* zero;
    const char* nonNumeric;
    const char* severalPoints;
    const char* integerDigits;
    const char* tooLong;
};
inline constexpr AmountCodes ReceiptAmountCodes{"0996", "0884", "0885", "0886", "0887", "0878"};
inline constexpr AmountCodes VoucherAmountCodes{"0984", "0988", "0987", "0986", "0985", "0877"};
/// Code of an amount written with a sign.
inline const QString NegativeAmountCode = QStringLiteral("0983");

/// Checks an amount written with "." as decimal point and nothing else but digits: at most
/// 12 digits before the point, 15 characters in all with a point, 12 without. `code` is left
/// with the code of the last failing step (the zero code when none failed).
bool amountRule(const QString& value, const AmountCodes& codes, QString& code);

/// The date written "dd/mm/yyyy" with two-digit day and month and a four-digit year; an
/// invalid date for any other text.
QDate importDate(const QString& text);
/// A date in the form above between 01/01/1850 and 01/01/2500.
bool isImportDate(const QString& text);
/// "yyyymmdd" of a date written "dd/mm/yyyy".
QString dateKey(const QString& date);

/// Whether a perception receipt's series may carry that date of issue (date key "yyyymmdd").
bool receiptSeriesAllowed(const QString& series, const QString& dateKey);
/// Whether a payment voucher's series may carry that date of issue for that voucher type.
bool voucherSeriesAllowed(const QString& series, const QString& type, const QString& dateKey);
