#include "detailwriter.h"

#include "hostdatabase.h"
#include "importvalidator.h"
#include "money.h"
#include "vbformat.h"

#include <QDate>

namespace {
constexpr int RucDocument = 6;

const QString InsertSubject =
    QStringLiteral("INSERT INTO TMPF947PCAB (tip_doc_per, num_doc_per, des_razon, des_apellido_p, "
                   "des_apellido_m, des_nombres) "
                   "SELECT ?, ?, ?, ?, ?, ? WHERE NOT EXISTS "
                   "(SELECT 1 FROM TMPF947PCAB WHERE tip_doc_per = ? AND num_doc_per = ?)");

// A receipt with vouchers (empty tip_cp) and a cash sale may share series and number: the type
// is part of the receipt's key in both look-ups.
const QString InsertReceipt = QStringLiteral(
    "INSERT INTO TMPF947PDET (tip_doc_per, num_doc_per, num_serie_cp, num_cp, tip_cp, fec_emision_cp, "
    "mto_base_p, por_tasa_p, mto_imp_p) "
    "SELECT ?, ?, ?, ?, ?, ?, ?, ?, ? WHERE NOT EXISTS "
    "(SELECT 1 FROM TMPF947PDET WHERE tip_doc_per = ? AND num_doc_per = ? AND num_serie_cp = ? AND num_cp = "
    "? "
    "AND tip_cp = ?)");

const QString InsertVoucher = QStringLiteral("INSERT INTO TMPF947PDETCP (num_doc_per, num_serie_cp, num_cp, "
                                             "tip_doc_detcp, num_serie_detcp, num_detcp, "
                                             "fec_emis_detcp, mto_detcp) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");

QDate dayMonthYear(const QString& date)
{
    return QDate::fromString(date, QStringLiteral("dd/MM/yyyy"));
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
    const QString blank = QStringLiteral(" ");
    if (ruc.startsWith(QLatin1String("20"))) {
        m_db.executeCached(InsertSubject, {RucDocument, ruc, f.at(1), blank, blank, blank, RucDocument, ruc});
    } else {
        const QString fullName = f.at(2) + QLatin1Char(' ') + f.at(3) + QLatin1Char(' ') + f.at(4);
        const QString razon = fullName.left(40);
        m_db.executeCached(InsertSubject,
                           {RucDocument, ruc, razon, f.at(2), f.at(3), f.at(4), RucDocument, ruc});
    }
}

bool DetailWriter::insertReceipt(const QStringList& f)
{
    const bool cashSale = m_kind == ImportKind::CashSales;
    const QString tipCp = cashSale ? f.at(9) : QString(QLatin1String(""));
    const QVariant tasa = cashSale ? QVariant(m_tasa.left(6)) : QVariant();
    return m_db.executeCached(InsertReceipt,
                              {RucDocument, f.at(0), f.at(5), f.at(6), tipCp, dayMonthYear(f.at(7)), f.at(8),
                               tasa, perception(f.at(8)), RucDocument, f.at(0), f.at(5), f.at(6), tipCp}) > 0;
}

bool DetailWriter::insertVoucher(const QStringList& f, const QString& typeAsRead)
{
    QString amount = f.at(13);
    // Credit notes are written as positive amounts and kept negative.
    if (Val(typeAsRead) == 7)
        amount = (-Money::parse(amount).value_or(Money())).toString();
    try {
        m_db.executeCached(InsertVoucher, {f.at(0), f.at(5), f.at(6), f.at(9), f.at(10), f.at(11),
                                           dayMonthYear(f.at(12)), amount});
    } catch (const DbError& e) {
        if (e.number() != DbError::DuplicateKey)
            throw;
        return false;
    }
    return true;
}

QString DetailWriter::perception(const QString& amount) const
{
    const Money base = Money::parse(amount).value_or(Money());
    const Money imp = base.timesDecimal(m_tasa).value_or(Money()).roundedHalfAway(2);
    return Format(imp, QStringLiteral("###########0.#0"));
}
