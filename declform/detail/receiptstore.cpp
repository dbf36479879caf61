#include "receiptstore.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "storetexts.h"
#include "vbformat.h"

namespace {

const QString ReceiptCondition = QStringLiteral(
    " WHERE tip_doc_per = 6 AND num_doc_per = ? AND num_serie_cp = ? AND num_cp = ? AND tip_cp = ?");
const QString VoucherCondition = QStringLiteral(" WHERE num_doc_per = ? AND num_serie_cp = ? AND num_cp = ?");

QVariant storedAmount(const QString& amount)
{
    return amountOrNull(amount).isNull() ? QVariant()
                                         : QVariant(Format(amount, QStringLiteral("############.#0")));
}

QVariant storedPerception(const QString& perception)
{
    return amountOrNull(perception).isNull()
               ? QVariant()
               : QVariant(Format(perception, QStringLiteral("###########0.#0")));
}

QVariantList keyOf(const ReceiptKey& receipt)
{
    return {receipt.ruc, receipt.series, receipt.number};
}

} // namespace

bool receiptExists(HostDatabase& db, const QString& ruc, const QString& series, const QString& number,
                   const QString& tipCp)
{
    return db.exists(QStringLiteral("SELECT 1 FROM TMPF947PDET") + ReceiptCondition,
                     {ruc, series, number, keyText(tipCp)});
}

SaveOutcome addReceipt(HostDatabase& db, const ReceiptEntry& receipt)
{
    Transaction transaction(db);
    if (receiptExists(db, receipt.ruc, receipt.series, receipt.number, receipt.tipCp))
        return SaveOutcome::AlreadyExists;
    insertRow(db, QStringLiteral("TMPF947PDET"),
              {{QStringLiteral("tip_doc_per"), RucDocumentType},
               {QStringLiteral("num_doc_per"), receipt.ruc},
               {QStringLiteral("num_serie_cp"), receipt.series},
               {QStringLiteral("num_cp"), receipt.number},
               {QStringLiteral("tip_cp"), keyText(receipt.tipCp.trimmed())},
               {QStringLiteral("fec_emision_cp"), storedDate(receipt.date)},
               {QStringLiteral("mto_base_p"), storedAmount(receipt.amount)},
               {QStringLiteral("por_tasa_p"), receipt.rate.left(6)},
               {QStringLiteral("mto_imp_p"), storedPerception(receipt.perception)}});
    transaction.commit();
    return SaveOutcome::Saved;
}

void rewriteReceipt(HostDatabase& db, const ReceiptEntry& receipt)
{
    db.execute(QStringLiteral("UPDATE TMPF947PDET SET fec_emision_cp = ?, mto_base_p = ?, mto_imp_p = ?, "
                              "por_tasa_p = ?") +
                   ReceiptCondition,
               {storedDate(receipt.date), storedAmount(receipt.amount), storedPerception(receipt.perception),
                receipt.rate.left(6), receipt.ruc, receipt.series, receipt.number, keyText(receipt.tipCp)});
}

void deleteReceipt(HostDatabase& db, const QString& ruc, const QString& series, const QString& number,
                   const QString& tipCp)
{
    Transaction transaction(db);
    // A cash sale has no vouchers; vouchers of the same series and number belong to the
    // receipt with vouchers that shares them.
    if (tipCp.trimmed().isEmpty())
        deleteReceiptVouchers(db, {ruc, series, number});
    deleteReceiptRow(db, ruc, series, number, tipCp);
    transaction.commit();
}

void deleteReceiptRow(HostDatabase& db, const QString& ruc, const QString& series, const QString& number,
                      const QString& tipCp)
{
    db.execute(QStringLiteral("DELETE FROM TMPF947PDET") + ReceiptCondition,
               {ruc, series, number, keyText(tipCp)});
}

void deleteReceiptVouchers(HostDatabase& db, const ReceiptKey& receipt)
{
    db.execute(QStringLiteral("DELETE FROM TMPF947PDETCP") + VoucherCondition, keyOf(receipt));
}

QList<VoucherRow> receiptVouchers(HostDatabase& db, const ReceiptKey& receipt)
{
    // Types are matched by their numeric value, as the codes were compared when typed by hand.
    QSqlQuery query =
        db.run(QStringLiteral(
                   "SELECT substr(b.Funcion, 1, 30), a.num_serie_detcp, a.num_detcp, a.fec_emis_detcp, "
                   "a.tip_doc_detcp, a.mto_detcp FROM TMPF947PDETCP a, PARAM b "
                   "WHERE a.num_doc_per = ? AND a.num_serie_cp = ? AND a.num_cp = ? AND b.Numero = '233' AND "
                   "CAST(b.Argumento AS INTEGER) = CAST(a.tip_doc_detcp AS INTEGER) "
                   "ORDER BY a.tip_doc_detcp, a.num_serie_detcp, a.num_detcp"),
               keyOf(receipt));
    QList<VoucherRow> rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                     shownDate(query.value(3)), query.value(4).toString(), query.value(5).toString()});
    return rows;
}

bool onlyCreditNotes(HostDatabase& db, const ReceiptKey& receipt)
{
    QSqlQuery query =
        db.run(QStringLiteral("SELECT tip_doc_detcp FROM TMPF947PDETCP") + VoucherCondition, keyOf(receipt));
    bool any = false;
    while (query.next()) {
        if (query.value(0).toString() != CreditNoteType)
            return false;
        any = true;
    }
    return any;
}
