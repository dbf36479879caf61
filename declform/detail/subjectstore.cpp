#include "subjectstore.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "storetexts.h"
#include "vbformat.h"

namespace {

// The stored total charged keeps two decimals while its text is short enough for the column.
QString storedTotalBase(const QString& text)
{
    return text.size() < 16 ? Format(text, QStringLiteral("############.#0"))
                            : Format(text, QStringLiteral("##############0"));
}

QString storedTotalPerception(const QString& text)
{
    return Format(text, QStringLiteral("###########0.#0"));
}

QVariantMap subjectValues(const SubjectEntry& subject)
{
    const bool company = isCompany(subject.ruc);
    return {{QStringLiteral("des_razon"),
             company ? subject.nombres : personRazon(subject.apePat, subject.apeMat, subject.nombres)},
            {QStringLiteral("des_apellido_p"), company ? EmptyText : keyText(subject.apePat)},
            {QStringLiteral("des_apellido_m"), company ? EmptyText : keyText(subject.apeMat)},
            {QStringLiteral("des_nombres"), company ? EmptyText : keyText(subject.nombres)},
            {QStringLiteral("ctd_docs"), subject.receipts},
            {QStringLiteral("mto_base_p"), storedTotalBase(subject.totalBase)},
            {QStringLiteral("mto_imp_p"), storedTotalPerception(subject.totalPerception)}};
}

void insertSubject(HostDatabase& db, const SubjectEntry& subject)
{
    QVariantMap values = subjectValues(subject);
    values.insert(QStringLiteral("tip_doc_per"), RucDocumentType);
    values.insert(QStringLiteral("num_doc_per"), subject.ruc);
    insertRow(db, QStringLiteral("TMPF947PCAB"), values);
}

std::optional<Money> sum(const std::optional<Money>& total, const QVariant& value)
{
    const std::optional<Money> amount = numericValue(value.toString());
    if (!amount)
        return total;
    return total.value_or(Money()) + *amount;
}

} // namespace

bool isCompany(const QString& ruc)
{
    return ruc.startsWith(QLatin1String("20"));
}

QString personRazon(const QString& apePat, const QString& apeMat, const QString& nombres)
{
    const QString joined = apePat + u' ' + apeMat + u' ' + nombres;
    return joined.left(40);
}

bool subjectExists(HostDatabase& db, const QString& ruc)
{
    return db.exists(QStringLiteral("SELECT 1 FROM TMPF947PCAB WHERE tip_doc_per = 6 AND num_doc_per = ?"),
                     {ruc});
}

SaveOutcome addSubject(HostDatabase& db, const SubjectEntry& subject)
{
    Transaction transaction(db);
    if (subjectExists(db, subject.ruc))
        return SaveOutcome::AlreadyExists;
    insertSubject(db, subject);
    transaction.commit();
    return SaveOutcome::Saved;
}

void rewriteSubject(HostDatabase& db, const SubjectEntry& subject)
{
    const QVariantMap values = subjectValues(subject);
    const int touched = db.execute(
        QStringLiteral("UPDATE TMPF947PCAB SET des_razon = ?, des_apellido_p = ?, des_apellido_m = ?, "
                       "des_nombres = ?, ctd_docs = ?, mto_base_p = ?, mto_imp_p = ? "
                       "WHERE tip_doc_per = 6 AND num_doc_per = ?"),
        {values.value(QStringLiteral("des_razon")), values.value(QStringLiteral("des_apellido_p")),
         values.value(QStringLiteral("des_apellido_m")), values.value(QStringLiteral("des_nombres")),
         values.value(QStringLiteral("ctd_docs")), values.value(QStringLiteral("mto_base_p")),
         values.value(QStringLiteral("mto_imp_p")), subject.ruc});
    if (touched == 0)
        insertSubject(db, subject);
}

void rewriteSubjectTotals(HostDatabase& db, const SubjectEntry& subject)
{
    db.execute(QStringLiteral("UPDATE TMPF947PCAB SET ctd_docs = ?, mto_base_p = ?, mto_imp_p = ? "
                              "WHERE tip_doc_per = 6 AND num_doc_per = ?"),
               {subject.receipts, storedTotalBase(subject.totalBase),
                storedTotalPerception(subject.totalPerception), subject.ruc});
}

void deleteSubject(HostDatabase& db, const QString& ruc)
{
    db.execute(QStringLiteral("DELETE FROM TMPF947PCAB WHERE tip_doc_per = 6 AND num_doc_per = ?"), {ruc});
}

void discardSubjectDetail(HostDatabase& db, const QString& ruc)
{
    Transaction transaction(db);
    db.execute(QStringLiteral("DELETE FROM TMPF947PDETCP WHERE num_doc_per = ?"), {ruc});
    db.execute(QStringLiteral("DELETE FROM TMPF947PDET WHERE tip_doc_per = 6 AND num_doc_per = ?"), {ruc});
    transaction.commit();
}

QList<ReceiptRow> subjectReceipts(HostDatabase& db, const QString& ruc)
{
    // The description of a cash sale's type comes from its PARAM 233 row.
    QSqlQuery query =
        db.run(QStringLiteral(
                   "SELECT d.num_serie_cp, d.num_cp, d.fec_emision_cp, d.mto_base_p, d.mto_imp_p, d.tip_cp, "
                   "(SELECT substr(p.Funcion, 1, 50) FROM PARAM p WHERE p.Numero = '233' AND "
                   "p.Argumento = d.tip_cp AND substr(p.Funcion, 64, 1) = '1') "
                   "FROM TMPF947PDET d WHERE d.num_doc_per = ? ORDER BY d.num_serie_cp, d.num_cp, d.tip_cp"),
               {ruc});
    QList<ReceiptRow> rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString(), shownDate(query.value(2)),
                     query.value(3).toString(), query.value(4).toString(), query.value(5).toString(),
                     query.value(6).toString()});
    return rows;
}

SubjectTotals subjectTotals(HostDatabase& db, const QString& ruc)
{
    QSqlQuery query =
        db.run(QStringLiteral("SELECT mto_base_p, mto_imp_p FROM TMPF947PDET WHERE num_doc_per = ?"), {ruc});
    SubjectTotals totals;
    while (query.next()) {
        totals.base = sum(totals.base, query.value(0));
        totals.perception = sum(totals.perception, query.value(1));
    }
    return totals;
}

QString totalText(const std::optional<Money>& total, const QString& pattern)
{
    if (!total)
        return {};
    return Format(total->isNegative() ? Money() : *total, pattern);
}
