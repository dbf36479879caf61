#pragma once

#include "detailrows.h"

#include <QList>
#include <QString>

class HostDatabase;

// The perception receipts of the declaration being edited (working table TMPF947PDET) and
// the payment vouchers listed behind them (TMPF947PDETCP).

/// What the receipt window stores for a receipt.
struct ReceiptEntry {
    QString ruc;
    QString series;
    QString number;
    QString tipCp;      ///< voucher type of a cash sale; empty for a receipt with vouchers
    QString date;       ///< "dd/mm/yyyy"
    QString amount;     ///< as typed or shown, "1,234.50"
    QString perception; ///< as shown, "24.69"
    QString rate;       ///< the declaration's perception rate, "0.009901"
};

/// True when the subject has a receipt of that series, number and type.
bool receiptExists(HostDatabase& db, const QString& ruc, const QString& series, const QString& number,
                   const QString& tipCp);
/// Adds a new receipt unless one with its key is already there.
SaveOutcome addReceipt(HostDatabase& db, const ReceiptEntry& receipt);
/// Rewrites the date, the two amounts and the rate of a receipt; its key stays.
void rewriteReceipt(HostDatabase& db, const ReceiptEntry& receipt);
/// Removes a receipt and, unless it is a cash sale, the vouchers listed behind it.
void deleteReceipt(HostDatabase& db, const QString& ruc, const QString& series, const QString& number,
                   const QString& tipCp);
/// Removes only the receipt's own row.
void deleteReceiptRow(HostDatabase& db, const QString& ruc, const QString& series, const QString& number,
                      const QString& tipCp);
/// Removes the vouchers listed behind a receipt.
void deleteReceiptVouchers(HostDatabase& db, const ReceiptKey& receipt);

/// The vouchers behind a receipt, with the first 30 characters of their type's description.
QList<VoucherRow> receiptVouchers(HostDatabase& db, const ReceiptKey& receipt);
/// True when the receipt has vouchers and every one of them is a credit note.
bool onlyCreditNotes(HostDatabase& db, const ReceiptKey& receipt);
