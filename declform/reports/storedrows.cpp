#include "storedrows.h"

#include "hostdatabase.h"

QSqlQuery runStoredRows(HostDatabase& db, const StoredDeclaration& declaration, const QString& table,
                        const QString& columns, const QString& extra, const QVariantList& extraValues,
                        const QString& order)
{
    const DeclarationKey& key = declaration.key;
    QString sql = QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") +
                  (declaration.enviada ? QStringLiteral("H") : QString()) + table +
                  QStringLiteral(" WHERE tip_doc_d = 6 AND doc_id_d = ? AND periodo = ? AND formulario = ?");
    QVariantList values{key.ruc, key.periodo, key.formulario};
    if (declaration.enviada) {
        sql += QStringLiteral(" AND correl = ?");
        values.append(declaration.correl);
    }
    sql += extra;
    values.append(extraValues);
    if (!order.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + order;
    return db.run(sql, values);
}
