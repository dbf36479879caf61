#include "workingtables.h"

#include "hostdatabase.h"
#include "integrity.h"
#include "vbformat.h"

#include <QSqlRecord>

namespace {

const QString DeclarantCondition =
    QStringLiteral(" WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?");

/// The rows of a stored declaration in one of its tables: the module table, or for a sent one
/// the history table of its sending. The history vouchers carry no document type in their key.
QSqlQuery storedRows(HostDatabase& db, const StoredDeclaration& d, const QString& table,
                     bool withDocType = true, const QString& extra = {})
{
    const DeclarationKey& k = d.key;
    QVariantList values{k.ruc, k.periodo, k.formulario};
    QString sql;
    if (d.enviada) {
        sql = QStringLiteral("SELECT * FROM H") + table +
              (withDocType ? DeclarantCondition
                           : QStringLiteral(" WHERE doc_id_d = ? AND periodo = ? AND formulario = ?")) +
              QStringLiteral(" AND correl = ?");
        values.append(d.correl);
    } else {
        sql = QStringLiteral("SELECT * FROM ") + table + DeclarantCondition;
    }
    return db.run(sql + extra, values);
}

/// Copies the named columns of the current source row into a new row of a working table.
void copyRow(HostDatabase& db, const QString& table, const QSqlQuery& source, const QStringList& columns,
             QVariantMap row = {})
{
    for (const QString& column : columns)
        row.insert(column, source.value(column));
    insertRow(db, table, row);
}

void clearWorkingTables(HostDatabase& db)
{
    Transaction transaction(db);
    for (const char* table : {"TMPF947PCAB", "TMPF947PDET", "TMPF947PDETCP"})
        db.execute(QStringLiteral("DELETE FROM ") + QLatin1String(table));
    transaction.commit();
}

void copyDeclaration(HostDatabase& db, const StoredDeclaration& d)
{
    Transaction transaction(db, Transaction::Immediate);
    db.execute(QStringLiteral("DELETE FROM TMPF947PCAB"));
    QSqlQuery subjects = storedRows(db, d, QStringLiteral("F947PCAB"));
    while (subjects.next()) {
        QVariantMap row{{QStringLiteral("tip_doc_per"), subjects.value(QStringLiteral("tip_doc_per"))}};
        QStringList columns = {QStringLiteral("num_doc_per"), QStringLiteral("ctd_docs"),
                               QStringLiteral("mto_base_p"), QStringLiteral("mto_imp_p")};
        if (subjects.value(QStringLiteral("num_doc_per")).toString().startsWith(QLatin1String("20"))) {
            columns.append(QStringLiteral("des_razon"));
        } else {
            columns.append({QStringLiteral("des_apellido_p"), QStringLiteral("des_apellido_m"),
                            QStringLiteral("des_nombres")});
            const QString name = subjects.value(QStringLiteral("des_apellido_p")).toString() +
                                 QLatin1Char(' ') +
                                 subjects.value(QStringLiteral("des_apellido_m")).toString() +
                                 QLatin1Char(' ') + subjects.value(QStringLiteral("des_nombres")).toString();
            row.insert(QStringLiteral("des_razon"), name.left(40));
        }
        copyRow(db, QStringLiteral("TMPF947PCAB"), subjects, columns, row);
    }

    const QStringList receiptColumns = {QStringLiteral("tip_doc_per"),    QStringLiteral("num_doc_per"),
                                        QStringLiteral("num_serie_cp"),   QStringLiteral("num_cp"),
                                        QStringLiteral("fec_emision_cp"), QStringLiteral("mto_base_p"),
                                        QStringLiteral("mto_imp_p")};
    db.execute(QStringLiteral("DELETE FROM TMPF947PDET"));
    // Ordinary receipts take the rate of the declaration again when it is saved.
    QSqlQuery receipts =
        storedRows(db, d, QStringLiteral("F947PDET"), true, QStringLiteral(" AND tip_doc_per = 6"));
    while (receipts.next())
        copyRow(db, QStringLiteral("TMPF947PDET"), receipts, receiptColumns,
                {{QStringLiteral("tip_cp"), QStringLiteral("")}});
    QSqlQuery cashSales = storedRows(db, d, QStringLiteral("F947PDETVC"));
    while (cashSales.next())
        copyRow(db, QStringLiteral("TMPF947PDET"), cashSales,
                receiptColumns + QStringList{QStringLiteral("tip_cp"), QStringLiteral("por_tasa_p")});

    db.execute(QStringLiteral("DELETE FROM TMPF947PDETCP"));
    QSqlQuery vouchers = storedRows(db, d, QStringLiteral("F947PDETCP"), false);
    while (vouchers.next())
        copyRow(db, QStringLiteral("TMPF947PDETCP"), vouchers,
                {QStringLiteral("num_doc_per"), QStringLiteral("num_serie_cp"), QStringLiteral("num_cp"),
                 QStringLiteral("tip_doc_detcp"), QStringLiteral("num_serie_detcp"),
                 QStringLiteral("num_detcp"), QStringLiteral("fec_emis_detcp"), QStringLiteral("mto_detcp")});
    transaction.commit();
}

QString wholeUnits(const QString& amount)
{
    return Format(amount, QStringLiteral("###,###,###,###,###"));
}

} // namespace

void cargaTablasTrabajo(HostDatabase& db, const StoredDeclaration& declaration)
{
    try {
        copyDeclaration(db, declaration);
    } catch (const DbError&) {
        // Rows of another declaration must not stay behind to be saved under this one.
        try {
            clearWorkingTables(db);
        } catch (const DbError&) {
        }
        throw;
    }
}

QList<SubjectRow> listaSujetos(HostDatabase& db)
{
    QSqlQuery rows =
        db.run(QStringLiteral("SELECT num_doc_per, des_razon, mto_base_p, mto_imp_p, des_apellido_p, "
                              "des_apellido_m, des_nombres FROM TMPF947PCAB ORDER BY num_doc_per"));
    QList<SubjectRow> result;
    while (rows.next())
        result.append({rows.value(0).toString(), rows.value(1).toString(), rows.value(2).toString(),
                       rows.value(3).toString(), rows.value(4).toString(), rows.value(5).toString(),
                       rows.value(6).toString()});
    return result;
}

DetailTotals totalesDetalle(HostDatabase& db)
{
    QSqlQuery rows = db.run(QStringLiteral("SELECT mto_base_p, mto_imp_p FROM TMPF947PCAB"));
    Money base;
    Money percepcion;
    const auto add = [](Money& total, const QVariant& amount) {
        const QString rounded = Format(amount.toString(), QStringLiteral("###########0.#0"));
        if (const std::optional<Money> value = numericValue(rounded))
            total += *value;
    };
    while (rows.next()) {
        add(base, rows.value(0));
        add(percepcion, rows.value(1));
    }
    return {wholeUnits(base.toString()), wholeUnits(percepcion.toString())};
}

DetailTotals totalesAlAbrir(HostDatabase& db)
{
    QSqlQuery rows = db.run(QStringLiteral("SELECT mto_base_p, mto_imp_p FROM TMPF947PCAB"));
    double base = 0;
    double percepcion = 0;
    bool any = false;
    while (rows.next()) {
        base += Val(rows.value(0).toString());
        percepcion += Val(rows.value(1).toString());
        any = true;
    }
    if (!any)
        return {};
    const QString pattern = QStringLiteral("###,###,###,###,##0");
    return {Format(base, pattern), Format(percepcion, pattern)};
}

int CuentaDocs(HostDatabase& db, const QString& numDocPer)
{
    return db
        .scalar(QStringLiteral("SELECT count(*) FROM TMPF947PDET WHERE tip_doc_per = 6 AND num_doc_per = ?"),
                {numDocPer})
        .toInt();
}

void eliminaSujeto(HostDatabase& db, const QString& numDocPer)
{
    Transaction transaction(db);
    db.execute(QStringLiteral("DELETE FROM TMPF947PCAB WHERE tip_doc_per = 6 AND num_doc_per = ?"),
               {numDocPer});
    db.execute(QStringLiteral("DELETE FROM TMPF947PDET WHERE tip_doc_per = 6 AND num_doc_per = ?"),
               {numDocPer});
    db.execute(QStringLiteral("DELETE FROM TMPF947PDETCP WHERE num_doc_per = ?"), {numDocPer});
    transaction.commit();
}

TableSums Get_Data(HostDatabase& db, const QString& table, const DeclarationKey& key)
{
    const bool vouchers = table.compare(QLatin1String("F947PDETCP"), Qt::CaseInsensitive) == 0;
    const QString amounts =
        vouchers ? QStringLiteral("mto_detcp, NULL") : QStringLiteral("mto_base_p, mto_imp_p");
    QSqlQuery rows =
        db.run(QStringLiteral("SELECT ") + amounts + QStringLiteral(" FROM ") + table + DeclarantCondition,
               {key.ruc, key.periodo, key.formulario});
    TableSums sums;
    while (rows.next()) {
        ++sums.count;
        sums.base += numericValue(rows.value(0).toString()).value_or(Money());
        sums.retencion += numericValue(rows.value(1).toString()).value_or(Money());
    }
    return sums;
}
