#pragma once

#include "detailrows.h"

#include <QString>

class HostDatabase;

// The payment vouchers behind a perception receipt (working table TMPF947PDETCP). A credit
// note is stored with a negative amount.

/// What the voucher window stores for a voucher.
struct VoucherEntry {
    ReceiptKey receipt;
    QString type;
    QString series;
    QString number;
    QString date;   ///< "dd/mm/yyyy"
    QString amount; ///< as typed or shown, always positive
};

/// The amount as stored: two decimals, negative for a credit note.
QString storedVoucherAmount(const QString& type, const QString& amount);
/// A stored amount as the voucher list shows it: a credit note's in parentheses, "(100.00)".
QString voucherAmountShown(const QString& stored);
/// A stored amount as the voucher window shows it again: a credit note's without its sign.
QString voucherAmountForEditing(const QString& type, const QString& stored);

/// Adds a new voucher unless the receipt already lists one with its type, series and number.
SaveOutcome addVoucher(HostDatabase& db, const VoucherEntry& voucher);
/// Rewrites the date and amount of a voucher; its key stays.
void rewriteVoucher(HostDatabase& db, const VoucherEntry& voucher);
/// Removes one voucher of a receipt.
void deleteVoucher(HostDatabase& db, const ReceiptKey& receipt, const QString& type, const QString& series,
                   const QString& number);
