#include "save.h"

#include "boxes.h"
#include "hostdatabase.h"
#include "integrity.h"
#include "rowwriter.h"
#include "vbformat.h"
#include "workingtables.h"

#include <QSqlRecord>
#include <cmath>

namespace {

const QString WholeNumber = QStringLiteral("##############0");

QVariantMap declarantKey(const DeclarationKey& key)
{
    return {{QStringLiteral("tip_doc_d"), 6},
            {QStringLiteral("doc_id_d"), key.ruc},
            {QStringLiteral("periodo"), key.periodo},
            {QStringLiteral("formulario"), key.formulario}};
}

QVariantMap merged(QVariantMap row, const QVariantMap& more)
{
    row.insert(more);
    return row;
}

/// The header row: processing date, payment columns, state, rectification.
void grabaCabecera(HostDatabase& db, const DeclarationForm& form, bool incompleto, const QDate& today)
{
    QVariantMap values{{QStringLiteral("fec_pro"), today},
                       {QStringLiteral("estado"), incompleto ? 9 : 0},
                       {QStringLiteral("rectifica"), texto(form.rectifica)}};
    const PaymentData& p = form.payment;
    const QString amount = Format(p.importe, QStringLiteral("#########0"));
    if (p.formapago == QLatin1String("E")) {
        values.insert({{QStringLiteral("bcolibrad"), QStringLiteral(" ")},
                       {QStringLiteral("nrocheque"), QStringLiteral(" ")},
                       {QStringLiteral("cheque"), texto({})},
                       {QStringLiteral("efectivo"), texto(amount)}});
    } else if (p.formapago == QLatin1String("C")) {
        values.insert({{QStringLiteral("bcolibrad"), texto(p.banco)},
                       {QStringLiteral("nrocheque"), texto(p.numeroCheque)},
                       {QStringLiteral("cheque"), texto(amount)},
                       {QStringLiteral("efectivo"), texto({})}});
    }
    escribeFila(db, QStringLiteral("CAB"), declarantKey(form.key), values);
}

/// GrabaCasilla: one DET row for a box with a value; an empty value stores nothing.
void GrabaCasilla(HostDatabase& db, const DeclarationKey& key, int box, const QString& value)
{
    if (value.trimmed().isEmpty())
        return;
    escribeFila(db, QStringLiteral("DET"),
                merged(declarantKey(key), {{QStringLiteral("casilla"), Format(box, QStringLiteral("000"))}}),
                {{QStringLiteral("i_valor"), valorAlmacenado(box, value)},
                 {QStringLiteral("idcasilla"), box == 410 ? QStringLiteral("05") : QStringLiteral("01")}});
}

/// GrabaVersion: the version box the form's PARAM 856 row names, with the version date.
void GrabaVersion(HostDatabase& db, const DeclarationKey& key)
{
    const QVariant funcion = db.scalar(
        QStringLiteral("SELECT Funcion FROM PARAM WHERE Numero = '856' AND Argumento = ?"), {key.formulario});
    if (!funcion.isValid())
        return;
    const QString text = funcion.toString();
    const QString box = text.mid(19, 3).trimmed();
    if (!box.isEmpty())
        GrabaCasilla(db, key, int(Val(box)), text.mid(4, 10));
}

void grabaCasillas(HostDatabase& db, const DeclarationForm& form)
{
    const DeclarationKey& key = form.key;
    db.execute(QStringLiteral("DELETE FROM DET WHERE doc_id_d = ? AND periodo = ? AND formulario = ?"),
               {key.ruc, key.periodo, key.formulario});
    for (int box : Casillas)
        GrabaCasilla(db, key, box, form.amounts.value(box).trimmed());
    const PaymentData& p = form.payment;
    GrabaCasilla(db, key, 2, key.ruc);
    GrabaCasilla(db, key, 12, p.numeroCheque.trimmed());
    GrabaCasilla(db, key, 15, p.banco == QLatin1String("XX") ? QString() : p.banco);
    GrabaCasilla(db, key, 7, key.periodo);
    GrabaCasilla(db, key, 721, QStringLiteral("1.2"));
    GrabaCasilla(db, key, 722, sumaParametros(db, key.formulario));
    GrabaCasilla(db, key, 502, Format(form.totalBase, WholeNumber));
    GrabaCasilla(db, key, 503, Format(form.totalPercepcion, WholeNumber));
    GrabaCasilla(db, key, 501, form.numeroSujetos.trimmed());
    GrabaVersion(db, key);
    GrabaCasilla(db, key, 871, form.rectifica);
    GrabaCasilla(db, key, 5, form.rectifica);
    GrabaCasilla(db, key, 500, form.modalidad);
    GrabaCasilla(db, key, 999, p.formapago);
    GrabaCasilla(db, key, 599, p.formapago);
}

/// Replaces the stored rows of the declaration in a module table with rows built from the
/// working table's rows.
template <typename Build>
void replaceRows(HostDatabase& db, const DeclarationKey& key, const QString& table,
                 const QString& deleteExtra, const QString& source, Build build)
{
    db.execute(
        QStringLiteral("DELETE FROM ") + table +
            QStringLiteral(" WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?") +
            deleteExtra,
        {key.ruc, key.periodo, key.formulario});
    QSqlQuery rows = db.run(source);
    while (rows.next())
        insertRow(db, table, merged(declarantKey(key), build(rows)));
}

QVariantMap columns(const QSqlQuery& row, const QStringList& names)
{
    QVariantMap values;
    for (const QString& name : names)
        values.insert(name, row.value(name));
    return values;
}

void grabaDetalle(HostDatabase& db, const DeclarationForm& form)
{
    const DeclarationKey& key = form.key;
    replaceRows(
        db, key, QStringLiteral("F947PCAB"), QStringLiteral(" AND tip_doc_per = 6"),
        QStringLiteral("SELECT * FROM TMPF947PCAB ORDER BY num_doc_per"), [&db](const QSqlQuery& row) {
            const QString ruc = row.value(QStringLiteral("num_doc_per")).toString();
            const bool company = ruc.startsWith(QLatin1String("20"));
            // A company keeps its business name only, a person the three parts of the name.
            const auto part = [&](const char* column, bool kept) {
                return texto(kept ? row.value(QLatin1String(column)).toString() : QString());
            };
            return QVariantMap{{QStringLiteral("tip_doc_per"), 6},
                               {QStringLiteral("num_doc_per"), ruc},
                               {QStringLiteral("des_razon"), part("des_razon", company)},
                               {QStringLiteral("des_apellido_p"), part("des_apellido_p", !company)},
                               {QStringLiteral("des_apellido_m"), part("des_apellido_m", !company)},
                               {QStringLiteral("des_nombres"), part("des_nombres", !company)},
                               {QStringLiteral("ctd_docs"), CuentaDocs(db, ruc)},
                               {QStringLiteral("mto_base_p"), row.value(QStringLiteral("mto_base_p"))},
                               {QStringLiteral("mto_imp_p"), row.value(QStringLiteral("mto_imp_p"))},
                               {QStringLiteral("ind_ruc"), 1}};
        });

    const QStringList receipt = {QStringLiteral("tip_doc_per"),    QStringLiteral("num_doc_per"),
                                 QStringLiteral("num_serie_cp"),   QStringLiteral("num_cp"),
                                 QStringLiteral("fec_emision_cp"), QStringLiteral("mto_base_p"),
                                 QStringLiteral("mto_imp_p")};
    const QString rate = form.tasaPercepcion.left(6);
    replaceRows(db, key, QStringLiteral("F947PDET"), QStringLiteral(" AND tip_doc_per = 6"),
                QStringLiteral(
                    "SELECT * FROM TMPF947PDET WHERE tip_cp = '' ORDER BY num_doc_per, num_serie_cp, num_cp"),
                [&](const QSqlQuery& row) {
                    return merged(columns(row, receipt), {{QStringLiteral("por_tasa_p"), rate}});
                });
    replaceRows(db, key, QStringLiteral("F947PDETVC"), QString(),
                QStringLiteral("SELECT * FROM TMPF947PDET WHERE tip_cp <> '' "
                               "ORDER BY num_doc_per, num_serie_cp, num_cp, tip_cp"),
                [&](const QSqlQuery& row) {
                    return columns(
                        row, receipt + QStringList{QStringLiteral("tip_cp"), QStringLiteral("por_tasa_p")});
                });
    replaceRows(db, key, QStringLiteral("F947PDETCP"), QString(),
                QStringLiteral(
                    "SELECT * FROM TMPF947PDETCP "
                    "ORDER BY num_doc_per, num_serie_cp, num_cp, tip_doc_detcp, num_serie_detcp, num_detcp"),
                [](const QSqlQuery& row) {
                    return columns(row, {QStringLiteral("num_doc_per"), QStringLiteral("num_serie_cp"),
                                         QStringLiteral("num_cp"), QStringLiteral("tip_doc_detcp"),
                                         QStringLiteral("num_serie_detcp"), QStringLiteral("num_detcp"),
                                         QStringLiteral("fec_emis_detcp"), QStringLiteral("mto_detcp")});
                });
}

/// Boxes 510 to 517: count and sums of the receipts, the cash sales and the vouchers stored.
void grabaConteos(HostDatabase& db, const DeclarationKey& key)
{
    int box = 510;
    for (const char* table : {"F947PDET", "F947PDETVC", "F947PDETCP"}) {
        const TableSums sums = Get_Data(db, QLatin1String(table), key);
        GrabaCasilla(db, key, box++, Format(sums.count, WholeNumber));
        GrabaCasilla(db, key, box++, Format(sums.base, WholeNumber));
        if (QLatin1String(table) != QLatin1String("F947PDETCP"))
            GrabaCasilla(db, key, box++, Format(sums.retencion, WholeNumber));
    }
}

} // namespace

QString sumaParametros(HostDatabase& db, const QString& formulario)
{
    const QString list =
        db.scalar(QStringLiteral(
                      "SELECT Funcion FROM PARAM WHERE Numero = '981' AND substr(Argumento, 1, 4) = ?"),
                  {formulario})
            .toString()
            .trimmed();
    // One three-character table number every four characters; the count rounds halves to even.
    const int entries = int(std::nearbyint((list.size() + 1) / 4.0));
    Money total;
    for (int k = 0; k < entries; ++k) {
        const QString numero = list.mid(4 * k, 3);
        QSqlQuery rows = db.run(QStringLiteral("SELECT Correl_Param FROM PARAM WHERE Numero = ?"), {numero});
        Money sum;
        while (rows.next())
            sum += numericValue(rows.value(0).toString().trimmed()).value_or(Money());
        total += sum.timesDecimal(QString::number(qint64(Val(numero)))).value_or(Money());
    }
    return total.toString();
}

SaveResult GrabaDeclaracion(HostDatabase& db, const DeclarationForm& form, const QDate& today)
{
    SaveResult result;
    result.pagoIncompleto = !inconsistencias(form.amounts, form.payment).isEmpty();

    Transaction transaction(db, Transaction::Immediate);
    grabaCabecera(db, form, result.pagoIncompleto, today);
    grabaCasillas(db, form);
    grabaDetalle(db, form);
    grabaConteos(db, form.key);
    transaction.commit();
    return result;
}

bool registraNumeroOrden(HostDatabase& db, const StoredDeclaration& declaration, const QString& orden)
{
    Transaction transaction(db, Transaction::Immediate);
    QVariantMap key = declarantKey(declaration.key);
    key.insert(QStringLiteral("correl"), declaration.correl);
    const bool found =
        escribeFila(db, QStringLiteral("HCAB"), key, {{QStringLiteral("norden"), orden}}, false);
    transaction.commit();
    return found;
}
