#pragma once

#include "documentrules.h"

#include <QString>

class HostUtilities;

// How the series, number and amount fields of the receipt and voucher windows take keys and
// how their text is reformatted when the field is entered or left. Keys are character codes
// as typed (8 is Backspace); an answer of 0 refuses the key.

inline constexpr int KeyBackspace = 8;

/// Series that may hold letters: receipts with vouchers or of types 01, 03 and 08; vouchers of
/// types 01, 03, 07 and 08. Any other series takes digits only.
bool seriesTakesLetters(DocumentKind kind, const QString& type, bool cashSale);
/// The key a series field takes instead of the typed one (the integrator's transformation
/// first, then the series rules); `fieldText` is the text before the key.
int seriesKey(int typedKey, const QString& fieldText, bool letters, const HostUtilities& host);
/// A series is filled on the left with zeros to 4 characters when it holds no letter; a
/// receipt's series only when it is not blank.
QString seriesOnLeave(DocumentKind kind, const QString& text, const HostUtilities& host);

/// Characters a number may have: 15 for type 99, 8 otherwise.
int numberLength(const QString& type);
/// The key a number field accepts.
int numberKey(int key, const HostUtilities& host);
/// A number is filled on the left with zeros: a receipt's to 8 characters, a voucher's to the
/// length of its type. A longer number (a cash sale of type 99) is kept as typed.
QString numberOnLeave(DocumentKind kind, const QString& text, const QString& type, const HostUtilities& host);

/// A key typed in an amount field and the field's length limit once it is typed.
struct AmountKey {
    int key = 0;
    int maxLength = 0;
};
/// Digits and one point; at most 12 digits before the point (11 for a credit note, whose
/// amount is stored with a minus sign).
AmountKey amountKey(int key, const QString& fieldText, bool creditNote, const HostUtilities& host);
/// The amount as it is edited ("1234.50") and the field's length meanwhile.
QString amountForEditing(const QString& text, bool creditNote);
int amountEditingLength(bool creditNote);
/// The amount as it is shown once the field is left ("1,234.50"), and the length then.
QString amountForDisplay(const QString& text);
inline constexpr int AmountDisplayLength = 18;

/// The perception of an amount charged at a rate, as the receipt window shows it: the amount
/// to two decimals times the rate, to four decimals (ties to even), shown with two decimals
/// (halves away from zero). An empty amount gives a single blank.
QString perceptionText(const QString& amountText, const QString& rate);
