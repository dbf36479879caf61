#include "sending.h"

#include "integrity.h"
#include "tabledefs.h"
#include "vbformat.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace integrator {

namespace {

const QString Form = QStringLiteral("0947");

struct Move {
    const char* from;
    const char* to;
};

// Saved tables and their history copies; the module tables first, the header last, so the
// order of the deletions never leaves detail without its header.
const Move moves[] = {
    {"F947PDETCP", "HF947PDETCP"},
    {"F947PDETVC", "HF947PDETVC"},
    {"F947PDET", "HF947PDET"},
    {"F947PCAB", "HF947PCAB"},
    {"DET", "HDET"},
    {"CAB", "HCAB"},
};

const QString KeyCondition =
    QStringLiteral(" WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?");

QVariantMap rowValues(const QSqlQuery& query)
{
    QVariantMap values;
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        values.insert(record.fieldName(i), query.value(i));
    return values;
}

} // namespace

QString submissionCommandLine(const Declaration& declaration, const QString& control)
{
    return QStringLiteral("06") + declaration.ruc.leftJustified(15, QLatin1Char(' '), true) + Form +
           declaration.periodo.leftJustified(6, QLatin1Char(' '), true) + SubmissionTag +
           control.rightJustified(8, QLatin1Char('0'), true);
}

bool isSaved(HostDatabase& db, const Declaration& declaration)
{
    return db.exists(QStringLiteral("SELECT 1 FROM CAB") + KeyCondition,
                     {declaration.ruc, declaration.periodo, Form});
}

QString notSavedText(const Declaration& declaration)
{
    return QStringLiteral("No existe la declaración grabada del RUC %1, período %2.")
        .arg(declaration.ruc, declaration.periodo);
}

QString nextControlNumber(HostDatabase& db)
{
    const long long last =
        db.scalar(QStringLiteral("SELECT max(CAST(control AS INTEGER)) FROM HCAB")).toLongLong();
    return Format(qMax(last, 10000000LL) + 1, QStringLiteral("00000000"));
}

QString nextCorrel(HostDatabase& db, const Declaration& declaration)
{
    const long long last =
        db.scalar(QStringLiteral("SELECT max(CAST(correl AS INTEGER)) FROM HCAB") + KeyCondition,
                  {declaration.ruc, declaration.periodo, Form})
            .toLongLong();
    return Format(last + 1, QStringLiteral("000"));
}

QString moveToHistory(HostDatabase& db, const Declaration& declaration, const QString& control,
                      const QDate& sent)
{
    const QVariantList key = {declaration.ruc, declaration.periodo, Form};
    Transaction transaction(db, Transaction::Immediate);
    if (!isSaved(db, declaration))
        throw SendError(notSavedText(declaration));
    const QString correl = nextCorrel(db, declaration);
    for (const Move& move : moves) {
        const QString from = QLatin1String(move.from), to = QLatin1String(move.to);
        QSqlQuery rows = db.run(QStringLiteral("SELECT * FROM ") + from + KeyCondition, key);
        QList<QVariantMap> copies;
        while (rows.next())
            copies.append(rowValues(rows));
        rows.finish();
        for (QVariantMap& row : copies) {
            row.insert(QStringLiteral("correl"), correl);
            if (to == QLatin1String("HCAB")) {
                row.insert(QStringLiteral("control"), control);
                row.insert(QStringLiteral("fec_env"), sent);
                row.insert(QStringLiteral("norden"), QString());
                row.insert(QStringLiteral("estado"), 1);
            }
            insertRow(db, to, row);
        }
        db.execute(QStringLiteral("DELETE FROM ") + from + KeyCondition, key);
    }
    transaction.commit();
    return correl;
}

} // namespace integrator
