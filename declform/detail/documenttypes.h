#pragma once

#include <QString>
#include <QStringList>

class HostDatabase;

// The payment-voucher types of PARAM table 233 as the detail windows list them: each item is
// the two-character code, three blanks and the first 40 characters of the type's record, so
// the item starts with its code and ends with its description.

/// The types offered in a list; the credit note only when asked for (a cash sale cannot be one).
QStringList voucherTypeItems(HostDatabase& db, bool withCreditNote);
/// The code an item starts with.
QString typeCodeOf(const QString& item);
/// The description an item ends with.
QString typeDescriptionOf(const QString& item);
