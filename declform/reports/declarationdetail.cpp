#include "declarationdetail.h"

#include "hostdatabase.h"
#include "storedrows.h"

#include <QSqlQuery>

namespace {

constexpr int NameWidth = 45;

QString text(const QSqlQuery& query, const char* column)
{
    return query.value(QLatin1String(column)).toString();
}

std::optional<QString> amount(const QSqlQuery& query, const char* column)
{
    const QVariant value = query.value(QLatin1String(column));
    if (value.isNull())
        return std::nullopt;
    return value.toString();
}

QDate date(const QSqlQuery& query, const char* column)
{
    return QDate::fromString(text(query, column).left(10), QStringLiteral("yyyy-MM-dd"));
}

/// The receipts (F947PDET) or the cash sales (F947PDETVC, which carry their voucher type) of a subject.
QList<ReportReceipt> receipts(HostDatabase& db, const StoredDeclaration& declaration, bool cashSales,
                              const ReportSubject& subject)
{
    const QString table = cashSales ? QStringLiteral("F947PDETVC") : QStringLiteral("F947PDET");
    const QString order =
        cashSales ? QStringLiteral("num_serie_cp, num_cp, tip_cp") : QStringLiteral("num_serie_cp, num_cp");
    QList<ReportReceipt> rows;
    QSqlQuery q = runStoredRows(db, declaration, table, QStringLiteral("*"),
                                QStringLiteral(" AND tip_doc_per = ? AND num_doc_per = ?"),
                                {subject.tipDocPer, subject.numDocPer}, order);
    while (q.next())
        rows.append({text(q, "num_serie_cp"), text(q, "num_cp"), cashSales ? text(q, "tip_cp") : QString(),
                     date(q, "fec_emision_cp"), amount(q, "mto_base_p"), amount(q, "mto_imp_p")});
    return rows;
}

/// The trimmed description of a parameter row whose trimmed key is `code`, cut to `width`.
std::optional<QString> parameterDescription(HostDatabase& db, const char* numero, const QString& code,
                                            int width)
{
    const QVariant value = db.scalar(
        QStringLiteral("SELECT substr(Funcion, 1, ?) FROM PARAM WHERE Numero = ? AND trim(Argumento) = ?"
                       " ORDER BY Argumento"),
        {width, QLatin1String(numero), code});
    if (value.isNull())
        return std::nullopt;
    return value.toString().trimmed();
}

} // namespace

QList<ReportSubject> sujetosDeclaracion(HostDatabase& db, const StoredDeclaration& declaration)
{
    QList<ReportSubject> subjects;
    QSqlQuery q = runStoredRows(db, declaration, QStringLiteral("F947PCAB"), QStringLiteral("*"), {}, {},
                                QStringLiteral("num_doc_per"));
    while (q.next())
        subjects.append({q.value(QStringLiteral("tip_doc_per")).toInt(), text(q, "num_doc_per"),
                         nombreSujeto(text(q, "des_razon"), text(q, "des_apellido_p"),
                                      text(q, "des_apellido_m"), text(q, "des_nombres")),
                         text(q, "mto_base_p"), text(q, "mto_imp_p")});
    return subjects;
}

QList<ReportReceipt> recibosSujeto(HostDatabase& db, const StoredDeclaration& declaration,
                                   const ReportSubject& subject)
{
    return receipts(db, declaration, false, subject);
}

QList<ReportReceipt> ventasContadoSujeto(HostDatabase& db, const StoredDeclaration& declaration,
                                         const ReportSubject& subject)
{
    return receipts(db, declaration, true, subject);
}

QList<ReportVoucher> comprobantesRecibo(HostDatabase& db, const StoredDeclaration& declaration,
                                        const ReportSubject& subject, const ReportReceipt& receipt)
{
    QList<ReportVoucher> vouchers;
    QSqlQuery q = runStoredRows(db, declaration, QStringLiteral("F947PDETCP"), QStringLiteral("*"),
                                QStringLiteral(" AND num_doc_per = ? AND num_serie_cp = ? AND num_cp = ?"),
                                {subject.numDocPer, receipt.serie, receipt.numero},
                                QStringLiteral("tip_doc_detcp, num_serie_detcp, num_detcp"));
    while (q.next())
        vouchers.append({text(q, "tip_doc_detcp"), text(q, "num_serie_detcp"), text(q, "num_detcp"),
                         date(q, "fec_emis_detcp"), text(q, "mto_detcp")});
    return vouchers;
}

int CuentaRecibos(HostDatabase& db, const StoredDeclaration& declaration)
{
    QSqlQuery q = runStoredRows(db, declaration, QStringLiteral("F947PDET"), QStringLiteral("count(*)"));
    return q.next() ? q.value(0).toInt() : 0;
}

QList<VoucherType> tiposComprobanteEnUso(HostDatabase& db)
{
    QList<VoucherType> types;
    QSqlQuery q =
        db.run(QStringLiteral("SELECT substr(Argumento, 1, 2), substr(Funcion, 1, 35) FROM PARAM"
                              " WHERE Numero = ? AND substr(Funcion, 64, 1) = ? ORDER BY Argumento"),
               {QStringLiteral("233"), QStringLiteral("1")});
    while (q.next())
        types.append({q.value(0).toString(), q.value(1).toString()});
    return types;
}

QString DescripcionModalidad(HostDatabase& db, const QString& code)
{
    return parameterDescription(db, "967", code, 30).value_or(QStringLiteral(" "));
}

QString DescripcionBanco(HostDatabase& db, const QString& code)
{
    return parameterDescription(db, "004", code, 36).value_or(QString());
}

QString nombreSujeto(const QString& razon, const QString& apellidoP, const QString& apellidoM,
                     const QString& nombres)
{
    // A person is saved with an empty business name, so an empty one counts as none.
    if (!razon.trimmed().isEmpty())
        return razon.left(NameWidth).trimmed();
    const QString paterno = apellidoP.trimmed();
    const QString name = paterno + QLatin1Char(' ') + apellidoM.trimmed() +
                         (paterno.isEmpty() ? QLatin1Char(' ') : QLatin1Char(',')) + nombres.trimmed();
    return name.left(NameWidth);
}

QString AlineaDerecha(const QString& text, int width)
{
    return text.size() < width ? text.rightJustified(width) : text;
}
