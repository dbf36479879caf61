#include "detailwriter.h"

#include "hostdatabase.h"
#include "importrules.h"
#include "importvalidator.h"
#include "money.h"
#include "vbformat.h"

#include <QDate>

namespace {
constexpr int RucDocument = 6;

const QString InsertSubject = QStringLiteral(
    "INSERT INTO TMPF947PCAB (tip_doc_per, num_doc_per, des_razon, des_apellido_p, des_apellido_m, "
    "des_nombres) VALUES (?, ?, ?, ?, ?, ?)");

const QString InsertReceipt = QStringLiteral(
    "INSERT INTO TMPF947PDET (tip_doc_per, num_doc_per, num_serie_cp, num_cp, tip_cp, fec_emision_cp, "
    "mto_base_p, por_tasa_p, mto_imp_p) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");

const QString InsertVoucher = QStringLiteral("INSERT INTO TMPF947PDETCP (num_doc_per, num_serie_cp, num_cp, "
                                             "tip_doc_detcp, num_serie_detcp, num_detcp, "
                                             "fec_emis_detcp, mto_detcp) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");

/// Inserts a row unless its key is already there; false then.
bool insertNew(HostDatabase& db, const QString& sql, const QVariantList& values)
{
    try {
        db.executeCached(sql, values);
    } catch (const DbError& e) {
        if (e.number() != DbError::DuplicateKey)
            throw;
        return false;
    }
    return true;
}
} // namespace

DetailWriter::DetailWriter(HostDatabase& db, ImportKind kind, QString tasaPercepcion)
    : m_db(db), m_kind(kind), m_tasa(std::move(tasaPercepcion))
{
}

QString DetailWriter::commit(const LineCheck& line)
{
    if (!m_batch)
        m_batch.emplace(m_db);
    const QStringList& f = line.values;
    insertSubject(f);
    QString refusal;
    if (m_kind == ImportKind::Receipts) {
        insertReceipt(f);
        if (!insertVoucher(f, line.typeAsRead))
            refusal = QStringLiteral("0228");
    } else if (!insertReceipt(f)) {
        refusal = QStringLiteral("0871");
    }
    if (++m_batchLines >= BatchLines)
        finish();
    return refusal;
}

void DetailWriter::finish()
{
    if (m_batch)
        m_batch->commit();
    m_batch.reset();
    m_batchLines = 0;
}

void DetailWriter::insertSubject(const QStringList& f)
{
    const QString& ruc = f.at(0);
    if (m_subjects.contains(ruc))
        return;
    m_subjects.insert(ruc);
    const QString blank = QStringLiteral(" ");
    if (ruc.startsWith(QLatin1String("20"))) {
        insertNew(m_db, InsertSubject, {RucDocument, ruc, f.at(1), blank, blank, blank});
    } else {
        const QString fullName = f.at(2) + QLatin1Char(' ') + f.at(3) + QLatin1Char(' ') + f.at(4);
        const QString razon = fullName.left(40);
        insertNew(m_db, InsertSubject, {RucDocument, ruc, razon, f.at(2), f.at(3), f.at(4)});
    }
}

bool DetailWriter::insertReceipt(const QStringList& f)
{
    const bool cashSale = m_kind == ImportKind::CashSales;
    // A receipt with vouchers (empty type) and a cash sale may share series and number: the type
    // is part of the receipt's key, so one never hides the other.
    const QString tipCp = cashSale ? f.at(9) : QStringLiteral("");
    const QString key =
        f.at(0) + QLatin1Char('|') + f.at(5) + QLatin1Char('|') + f.at(6) + QLatin1Char('|') + tipCp;
    if (m_receipts.contains(key))
        return false;
    m_receipts.insert(key);
    const QVariant tasa = cashSale ? QVariant(m_tasa.left(6)) : QVariant();
    return insertNew(m_db, InsertReceipt,
                     {RucDocument, f.at(0), f.at(5), f.at(6), tipCp, importDate(f.at(7)), f.at(8), tasa,
                      perception(f.at(8))});
}

bool DetailWriter::insertVoucher(const QStringList& f, const QString& typeAsRead)
{
    QString amount = f.at(13);
    // Credit notes are written as positive amounts and kept negative.
    if (Val(typeAsRead) == 7)
        amount = (-Money::parse(amount).value_or(Money())).toString();
    return insertNew(m_db, InsertVoucher,
                     {f.at(0), f.at(5), f.at(6), f.at(9), f.at(10), f.at(11), importDate(f.at(12)), amount});
}

QString DetailWriter::perception(const QString& amount) const
{
    const Money base = Money::parse(amount).value_or(Money());
    const Money imp = base.timesDecimal(m_tasa).value_or(Money()).roundedHalfAway(2);
    return Format(imp, QStringLiteral("###########0.#0"));
}
