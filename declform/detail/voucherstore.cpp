#include "voucherstore.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "storetexts.h"
#include "vbformat.h"

namespace {

const QString VoucherCondition =
    QStringLiteral(" WHERE num_doc_per = ? AND num_serie_cp = ? AND num_cp = ? AND tip_doc_detcp = ? AND "
                   "num_serie_detcp = ? AND num_detcp = ?");

QVariantList keyOf(const ReceiptKey& receipt, const QString& type, const QString& series,
                   const QString& number)
{
    return {receipt.ruc, receipt.series, receipt.number, type, series, number};
}

} // namespace

QString storedVoucherAmount(const QString& type, const QString& amount)
{
    const QString pattern = QStringLiteral("############.#0");
    if (type != CreditNoteType)
        return Format(amount, pattern);
    return Format(-numericValue(amount).value_or(Money()), pattern);
}

QString voucherAmountShown(const QString& stored)
{
    const Money amount = numericValue(stored).value_or(Money());
    if (amount > Money())
        return Format(stored, QStringLiteral("###,###,###,##0.#0"));
    return Format(amount.abs(), QStringLiteral("(##,###,###,##0.#0)"));
}

QString voucherAmountForEditing(const QString& type, const QString& stored)
{
    if (type != CreditNoteType)
        return stored;
    const QString shown = Format(stored, QStringLiteral("###########0.#0"));
    return numericValue(shown).value_or(Money()).abs().toString();
}

SaveOutcome addVoucher(HostDatabase& db, const VoucherEntry& voucher)
{
    Transaction transaction(db);
    if (db.exists(QStringLiteral("SELECT 1 FROM TMPF947PDETCP") + VoucherCondition,
                  keyOf(voucher.receipt, voucher.type, voucher.series, voucher.number)))
        return SaveOutcome::AlreadyExists;
    insertRow(db, QStringLiteral("TMPF947PDETCP"),
              {{QStringLiteral("num_doc_per"), voucher.receipt.ruc},
               {QStringLiteral("num_serie_cp"), voucher.receipt.series},
               {QStringLiteral("num_cp"), voucher.receipt.number},
               {QStringLiteral("tip_doc_detcp"), voucher.type},
               {QStringLiteral("num_serie_detcp"), voucher.series},
               {QStringLiteral("num_detcp"), voucher.number},
               {QStringLiteral("fec_emis_detcp"), storedDate(voucher.date)},
               {QStringLiteral("mto_detcp"), storedVoucherAmount(voucher.type, voucher.amount)}});
    transaction.commit();
    return SaveOutcome::Saved;
}

void rewriteVoucher(HostDatabase& db, const VoucherEntry& voucher)
{
    db.execute(QStringLiteral("UPDATE TMPF947PDETCP SET fec_emis_detcp = ?, mto_detcp = ?") +
                   VoucherCondition,
               QVariantList{storedDate(voucher.date), storedVoucherAmount(voucher.type, voucher.amount)} +
                   keyOf(voucher.receipt, voucher.type, voucher.series, voucher.number));
}

void deleteVoucher(HostDatabase& db, const ReceiptKey& receipt, const QString& type, const QString& series,
                   const QString& number)
{
    db.execute(QStringLiteral("DELETE FROM TMPF947PDETCP") + VoucherCondition,
               keyOf(receipt, type, series, number));
}
