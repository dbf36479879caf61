#include "storedboxes.h"

#include "hostdatabase.h"
#include "vbformat.h"

namespace {
/// The condition of a declaration's header or box rows, with the sending for a sent one.
QString condition(const StoredDeclaration& d, QVariantList& values)
{
    values = {d.key.ruc, d.key.periodo, d.key.formulario};
    QString sql = QStringLiteral(" WHERE doc_id_d = ? AND tip_doc_d = 6 AND periodo = ? AND formulario = ?");
    if (d.enviada) {
        sql += QStringLiteral(" AND correl = ?");
        values.append(d.correl);
    }
    return sql;
}

QString table(const StoredDeclaration& d, const char* name)
{
    return (d.enviada ? QStringLiteral("H") : QString()) + QLatin1String(name);
}
} // namespace

StoredBoxes leeCasillas(HostDatabase& db, const StoredDeclaration& declaration)
{
    StoredBoxes result;
    QVariantList values;
    const QString where = condition(declaration, values);
    QSqlQuery boxes = db.run(QStringLiteral("SELECT casilla, i_valor FROM ") + table(declaration, "DET") +
                                 where + QStringLiteral(" ORDER BY casilla"),
                             values);
    while (boxes.next())
        result.boxes.append(
            {int(Val(boxes.value(0).toString().trimmed())), boxes.value(1).toString().trimmed()});

    QSqlQuery header = db.run(
        QStringLiteral("SELECT bcolibrad, nrocheque FROM ") + table(declaration, "CAB") + where, values);
    if (header.next()) {
        result.hasHeader = true;
        result.banco = header.value(0).toString();
        result.numeroCheque = header.value(1).toString().trimmed();
    }
    return result;
}

std::optional<QString> numeroOrdenRegistrado(HostDatabase& db, const StoredDeclaration& declaration)
{
    QVariantList values;
    const QString where = condition(declaration, values);
    QSqlQuery row = db.run(QStringLiteral("SELECT norden FROM HCAB") + where, values);
    if (!row.next())
        return std::nullopt;
    return row.value(0).isNull() ? QStringLiteral("0") : row.value(0).toString().trimmed();
}
